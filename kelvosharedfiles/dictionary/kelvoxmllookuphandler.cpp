#include "kelvoxmllookuphandler.h"

#include "kelvoconfig.h"

KelvoXmlLookupHandler::KelvoXmlLookupHandler(const QString& codedWord, int id)
    : m_wantedWord(codedWord), m_wantedId(id) {}

TheS_DictItem KelvoXmlLookupHandler::result() const {
    if (!done() || m_wantedWord.isEmpty())
        return {};
    return {m_wantedWord, m_translations};
}

void KelvoXmlLookupHandler::onStartElement(const QString& name,
                                           const QXmlStreamAttributes& attributes) {
    if (m_inside && !name.contains(QLatin1Char('_')))
        m_language = KelvoConfig::languageIndex(name);
    int id = -1;
    if (name == ItemElement && m_wantedId != -1 && itemId(attributes, id) && id == m_wantedId)
        m_inside = true;
}

void KelvoXmlLookupHandler::onCharacters(const QString& text) {
    if (!m_inside) {
        if (m_wantedId == -1 && currentIsItem() && codedWordText(text) == m_wantedWord)
            m_inside = true;
        return;
    }
    if (text.isEmpty() || text == QLatin1String("\n") || currentIsItem())
        return;
    if (currentElement().endsWith(QLatin1String("_P")))
        m_primary = text;
    else if (currentElement().endsWith(QLatin1String("_S")))
        m_secondaries.append(text);
}

void KelvoXmlLookupHandler::onEndElement(const QString& name) {
    if (!m_inside)
        return;
    if (name == ItemElement) {
        m_inside = false;
        finish();
        return;
    }
    const int language = KelvoConfig::languageIndex(name);
    if (language != -1 && language == m_language) {
        m_translations.insert(language, {m_primary, m_secondaries});
        m_primary.clear();
        m_secondaries.clear();
    }
}
