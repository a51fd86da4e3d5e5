#include "kelvolanguagehandler.h"

void KelvoLanguageHandler::startElement(const QString& name, const QXmlStreamAttributes&) {
    if (name.compare(QLatin1String("language"), Qt::CaseInsensitive) == 0)
        m_level = NameLevel;
    else if (name.compare(QLatin1String("tag"), Qt::CaseInsensitive) == 0)
        m_level = TagLevel;
}

void KelvoLanguageHandler::characters(const QString& text) {
    if (m_level == NameLevel)
        m_current.name = text;
    else if (m_level == TagLevel)
        m_current.tag = text;
}

void KelvoLanguageHandler::endElement(const QString&) {
    if (m_level == NameLevel)
        m_languages.append(m_current);
    --m_level;
}
