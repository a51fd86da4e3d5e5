#include "kelvoconfighandler.h"

void KelvoConfigHandler::startElement(const QString& name, const QXmlStreamAttributes&) {
    if (name.compare(QLatin1String("language"), Qt::CaseInsensitive) == 0)
        m_level = 1;
}

void KelvoConfigHandler::characters(const QString& text) {
    if (m_level == 1) {
        m_language = text;
        m_hasLanguage = true;
    }
}

void KelvoConfigHandler::endElement(const QString&) {
    --m_level;
}
