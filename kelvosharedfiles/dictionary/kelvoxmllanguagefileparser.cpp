#include "kelvoxmllanguagefileparser.h"

#include "kelvoconfig.h"
#include "kelvolanguagehandler.h"
#include "kelvopaths.h"
#include "kelvosaxreader.h"

KelvoXmlLanguageFileParser::KelvoXmlLanguageFileParser() {
    if (!KelvoConfig::languages().isEmpty())
        return;
    KelvoLanguageHandler handler;
    const QString path = KelvoPaths::installPath(fileName(KelvoConfig::uiLanguage()));
    if (KelvoSaxReader::parseFile(path, handler) == KelvoSaxReader::Status::Ok)
        KelvoConfig::setLanguages(handler.languages());
}

QString KelvoXmlLanguageFileParser::fileName(const QString& uiLanguage) {
    return QLatin1String("kelvoLanguages_") + uiLanguage + QLatin1String(".xml");
}
