#include "kelvoxmlconfigfileparser.h"

#include "kelvoconfig.h"
#include "kelvoconfighandler.h"
#include "kelvopaths.h"
#include "kelvosaxreader.h"

KelvoXmlConfigFileParser::KelvoXmlConfigFileParser() {
    if (KelvoConfig::configParsed())
        return;
    KelvoConfigHandler handler;
    if (KelvoSaxReader::parseFile(KelvoPaths::installPath(FileName), handler) ==
            KelvoSaxReader::Status::Ok &&
        handler.hasLanguage())
        KelvoConfig::setUiLanguage(handler.language());
    KelvoConfig::setConfigParsed();
}
