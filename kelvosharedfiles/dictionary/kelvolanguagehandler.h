// Reads the language list from a language document. An element "language" (any case) holds the
// display name as its own text and an element "tag" (any case) holding the tag:
//
//   start "language" -> level 1, start "tag" -> level 2, other starts keep the level;
//   text at level 1 -> current name, text at level 2 -> current tag;
//   every end tag lowers the level; ending at level 1 appends (current tag, current name).
//
// The current strings are kept from one entry to the next, so a language without a tag gets
// the tag of the entry before it.
#pragma once

#include "kelvosaxhandler.h"
#include "thes_language.h"

#include <QList>

class KelvoLanguageHandler final : public KelvoSaxHandler {
public:
    void startElement(const QString& name, const QXmlStreamAttributes& attributes) override;
    void characters(const QString& text) override;
    void endElement(const QString& name) override;

    const QList<TheS_Language>& languages() const { return m_languages; }

private:
    enum Level { NameLevel = 1, TagLevel = 2 };

    int m_level = 0;
    TheS_Language m_current;
    QList<TheS_Language> m_languages;
};
