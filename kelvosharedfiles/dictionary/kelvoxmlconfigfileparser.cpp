#include "kelvoxmlconfigfileparser.h"

#include "kelvoconfig.h"
#include "kelvoconfighandler.h"
#include "kelvopaths.h"
#include "kelvosaxreader.h"
#include "kelvoxmllanguagefileparser.h"

#include <QFileInfo>
#include <QLocale>

namespace {

// The first of the user's preferred languages for which a language file is delivered, else "en".
QString localeLanguage() {
    for (const QString& name : QLocale().uiLanguages()) {
        const QString language = name.section(QLatin1Char('-'), 0, 0).toLower();
        const QString file = KelvoXmlLanguageFileParser::fileName(language);
        if (QFileInfo::exists(KelvoPaths::installPath(file)))
            return language;
    }
    return QStringLiteral("en");
}

} // namespace

KelvoXmlConfigFileParser::KelvoXmlConfigFileParser() {
    if (KelvoConfig::configParsed())
        return;
    KelvoConfigHandler handler;
    if (KelvoSaxReader::parseFile(KelvoPaths::installPath(FileName), handler) ==
        KelvoSaxReader::Status::Ok) {
        // The configuration may wrap the language in white space, or name none.
        const QString named = handler.hasLanguage() ? handler.language().trimmed() : QString();
        KelvoConfig::setUiLanguage(named.isEmpty() ? localeLanguage() : named);
    }
    KelvoConfig::setConfigParsed();
}
