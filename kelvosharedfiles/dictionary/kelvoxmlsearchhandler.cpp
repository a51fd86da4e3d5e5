#include "kelvoxmlsearchhandler.h"

KelvoXmlSearchHandler::KelvoXmlSearchHandler(const QString& term, const QString& tag)
    : m_term(term.toLower()), m_tag(tag) {}

void KelvoXmlSearchHandler::onStartElement(const QString& name,
                                           const QXmlStreamAttributes& attributes) {
    if (name == ItemElement) {
        // An item without an id must not report the id of the item before it.
        if (!itemId(attributes, m_itemId))
            m_itemId = -1;
        m_itemWord.clear();
    }
    if (name == m_tag)
        m_inside = true;
}

void KelvoXmlSearchHandler::onCharacters(const QString& text) {
    if (currentIsItem()) {
        m_itemWord = codedWordText(text);
    } else if (m_inside && isMatch(text)) {
        m_found = true;
        finish();
    }
}

void KelvoXmlSearchHandler::onEndElement(const QString& name) {
    if (m_inside && name == m_tag)
        m_inside = false;
}
