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
    if (name != ItemElement || m_inside)
        return;
    int id = -1;
    m_itemId = itemId(attributes, id) ? id : -1;
    m_itemWord.clear();
    if (m_wantedId != -1 && m_itemId == m_wantedId)
        m_inside = true;
}

void KelvoXmlLookupHandler::onCharacters(const QString& text) {
    if (!m_inside) {
        if (m_wantedId == -1 && currentIsItem() && codedWordText(text) == m_wantedWord) {
            m_inside = true;
            m_itemWord = m_wantedWord;
        }
        return;
    }
    if (currentIsItem()) {
        if (m_itemWord.isEmpty())
            m_itemWord = codedWordText(text);
        return;
    }
    if (text.isEmpty() || text == QLatin1String("\n"))
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
    if (name.contains(QLatin1Char('_')))
        return;
    // The end of a language element: what was collected belongs to it alone, and is dropped
    // when the language is not listed.
    const int language = KelvoConfig::languageIndex(name);
    if (language != -1 && language == m_language)
        m_translations.insert(language, {m_primary, m_secondaries});
    m_primary.clear();
    m_secondaries.clear();
}
