// The annotation file reader of kelvo-tool over arbitrary bytes. Snippet pictures are looked up
// in a folder that does not exist, so only the JSON is exercised.
#include "kelvoannotations.h"
#include "kelvotoolerror.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        KelvoAnnotationReader::parse(text, QStringLiteral("fuzz.json"),
                                     QDir(QStringLiteral("/nonexistent-kelvo-fuzz")));
    } catch (const KelvoToolError&) {
    }
    return 0;
}
