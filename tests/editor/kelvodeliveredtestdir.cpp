#include "kelvodeliveredtestdir.h"

const QString KelvoDeliveredTestDir::PrivatePath = QStringLiteral("dictionary/kelvoDictPriv.xml");

KelvoDeliveredTestDir::KelvoDeliveredTestDir(const QByteArray& privateItems) {
    const QString source = qEnvironmentVariable("KELVO_SOURCE_DATA");
    for (const char* name :
         {"kelvoConfig.xml", "kelvoLanguages_en.xml", "dictionary/kelvoDict.xml"}) {
        const QByteArray content = readFile(source + QLatin1String(name));
        if (content.isEmpty())
            qFatal("cannot read the delivered %s from KELVO_SOURCE_DATA", name);
        write(QLatin1String(name), content);
    }
    write(PrivatePath, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kelvoDictionary>\n\n" +
                           privateItems + "</kelvoDictionary>\n");
}
