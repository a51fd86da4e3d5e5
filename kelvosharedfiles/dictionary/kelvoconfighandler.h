// Reads the user-interface language from a configuration document: the text of an element
// named "language" (any case). Each start of such an element sets the level to 1, every end tag
// lowers it by one, and each run of text met at level 1 replaces the language.
#pragma once

#include "kelvosaxhandler.h"

class KelvoConfigHandler final : public KelvoSaxHandler {
public:
    void startElement(const QString& name, const QXmlStreamAttributes& attributes) override;
    void characters(const QString& text) override;
    void endElement(const QString& name) override;

    bool hasLanguage() const { return m_hasLanguage; }
    const QString& language() const { return m_language; }

private:
    int m_level = 0;
    bool m_hasLanguage = false;
    QString m_language;
};
