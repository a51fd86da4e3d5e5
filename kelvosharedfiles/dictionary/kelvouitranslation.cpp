#include "kelvouitranslation.h"

#include "kelvoconfig.h"
#include "kelvopaths.h"
#include "kelvoxmlconfigfileparser.h"

#include <QCoreApplication>
#include <QLibraryInfo>

KelvoUiTranslation::KelvoUiTranslation() {
    KelvoXmlConfigFileParser readConfiguration;
    const QString language = KelvoConfig::uiLanguage();
    // A regional language such as de_AT falls back to de_AT.qm, then de.qm.
    m_kelvoLoaded = m_kelvo.load(KelvoPaths::installPath(QStringLiteral("kelvo_") + language),
                                 QStringLiteral("."));
    m_qtLoaded = m_qt.load(QStringLiteral("qtbase_") + language,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_kelvoLoaded)
        QCoreApplication::installTranslator(&m_kelvo);
    if (m_qtLoaded)
        QCoreApplication::installTranslator(&m_qt);
}
