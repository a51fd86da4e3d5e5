// `kelvo-tool dict`: the dictionaries under KELVO_DIR, read through the viewers' own readers.
//
//   lookup ID|WORD    {"id": n, "word": "...", "translations": {"<tag>": {"primary": "...",
//                     "secondary": ["..."]}, ...}} with one entry per language of the language
//                     list that the item has, in list order; "id" is null for an item without
//                     one. Digits only are an id, anything else a coded word. The main
//                     dictionary is asked first, then the private one.
//   search TERM TAG   [{"id": n, "word": "...", "term": "..."}, ...]: every item with a term of
//                     language TAG equal to TERM ignoring case, once each, in file order, the
//                     main dictionary's before the private one's; "term" as the file has it.
//
// Failures throw KelvoToolError naming the file and the reason: a missing language list or main
// dictionary, an unknown language tag, a dictionary that is over the size limit, malformed or
// unreadable. A missing private dictionary holds no items.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class KelvoDictCommand {
public:
    // The item as one line of JSON; nothing when no dictionary has it.
    static std::optional<QByteArray> lookup(const QString& idOrWord);
    // The matches as one line of JSON.
    static QByteArray search(const QString& term, const QString& tag);
};
