// The host's page reader over arbitrary bytes.
#include "embedpageparser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString page = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<EmbedElement> embeds = EmbedPageParser::parse(page);
    for (const EmbedElement& embed : embeds)
        embed.value(QStringLiteral("kelvo"));
    return 0;
}
