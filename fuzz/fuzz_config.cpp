// The configuration and language-file handlers over arbitrary bytes.
#include "kelvoconfighandler.h"
#include "kelvolanguagehandler.h"
#include "kelvosaxreader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray document(reinterpret_cast<const char*>(data), qsizetype(size));
    KelvoConfigHandler config;
    KelvoSaxReader::parse(document, config);
    KelvoLanguageHandler languages;
    KelvoSaxReader::parse(document, languages);
    return 0;
}
