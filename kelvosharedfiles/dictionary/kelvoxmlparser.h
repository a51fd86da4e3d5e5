// Dictionary access for viewers and the editor: lookup of a coded reference, search for a term,
// and the language list. Dictionaries are KELVO_DIR + "dictionary/" + file name (see
// KelvoPaths and kelvoxmlhandler.h for the format). A missing, unreadable or rejected file
// holds no items; status() and problems() tell why.
//
// Building a parser loads the language list if it is still empty (KelvoXmlLanguageFileParser).
// By default parsed files are taken from KelvoDictionaryCache; Reading::Fresh reads the files
// anew on every call, with the same results.
#pragma once

#include "kelvosaxreader.h"
#include "thes_dictitem.h"

#include <QLatin1String>
#include <QString>
#include <QStringList>

class KelvoXmlParser {
public:
    static constexpr QLatin1String MainDictionary{"kelvoDict.xml"};
    static constexpr QLatin1String PrivateDictionary{"kelvoDictPriv.xml"};

    enum class Reading { Cached, Fresh };

    explicit KelvoXmlParser(Reading reading = Reading::Cached);
    virtual ~KelvoXmlParser() = default;

    // Resolves a reference (see KelvoDictReference) in the main dictionary, and when that has no
    // such item, in the private one. Returns whether an item was found; term is always set to
    // the reference's term; item is the found item or an empty record.
    bool lookup(const QString& reference, QString& term, TheS_DictItem& item) const;

    // Looks in the dictionary fileName for the first item with a term of the given language
    // equal to term, ignoring case. False at once when languageIndex names no language. When
    // found, codedWord and id (-1 = the item has none) are set; otherwise they are untouched.
    bool search(const QString& fileName, const QString& term, int languageIndex, QString& codedWord,
                int& id) const;

    // How reading the dictionary fileName went, through the same cache or fresh read.
    KelvoSaxReader::Status status(const QString& fileName) const;
    // One line per dictionary (main, then private) that exists but was not loaded, naming the
    // file and the reason (a file over the size limit, for example).
    QStringList problems() const;

    // The language list of KelvoConfig: first index with this tag or -1; tag of an index.
    static int languageIndex(const QString& tag);
    static bool languageTag(int index, QString& tag);

private:
    TheS_DictItem lookupFile(const QString& path, const QString& codedWord, int id) const;

    Reading m_reading;
};
