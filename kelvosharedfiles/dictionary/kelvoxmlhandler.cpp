#include "kelvoxmlhandler.h"

bool KelvoXmlHandler::itemId(const QXmlStreamAttributes& attributes, int& id) {
    if (attributes.isEmpty())
        return false;
    bool ok = false;
    const int value = attributes.first().value().toInt(&ok, 10);
    if (ok)
        id = value;
    return ok;
}

QString KelvoXmlHandler::codedWordText(const QString& text) {
    return text.endsWith(QLatin1Char('\n')) ? text.chopped(1) : text;
}

void KelvoXmlHandler::startElement(const QString& name, const QXmlStreamAttributes& attributes) {
    if (m_done)
        return;
    m_currentElement = name;
    onStartElement(name, attributes);
}

void KelvoXmlHandler::characters(const QString& text) {
    if (!m_done)
        onCharacters(text);
}

void KelvoXmlHandler::endElement(const QString& name) {
    if (!m_done)
        onEndElement(name);
}
