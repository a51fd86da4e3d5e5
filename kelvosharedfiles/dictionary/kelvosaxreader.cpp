#include "kelvosaxreader.h"

#include "kelvosaxhandler.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

KelvoSaxReader::Status KelvoSaxReader::parseFile(const QString& path, KelvoSaxHandler& handler) {
    const QFileInfo info(path);
    if (!info.isFile())
        return Status::Unreadable;
    if (info.size() > MaxFileSize)
        return Status::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::Unreadable;
    // The file may have grown since it was measured: read one byte past the limit to know.
    const QByteArray document = file.read(MaxFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return Status::Unreadable;
    return parse(document, handler);
}

KelvoSaxReader::Status KelvoSaxReader::parse(const QByteArray& document, KelvoSaxHandler& handler) {
    if (document.size() > MaxFileSize)
        return Status::TooLarge;
    QXmlStreamReader reader(document);
    // Names and attributes are taken literally; "xmlns" attributes are ordinary attributes.
    reader.setNamespaceProcessing(false);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            if (!reader.entityDeclarations().isEmpty())
                return Status::Malformed;
            break;
        case QXmlStreamReader::StartElement:
            if (++depth > MaxNestingDepth)
                return Status::Malformed;
            handler.startElement(reader.qualifiedName().toString(), reader.attributes());
            break;
        case QXmlStreamReader::Characters:
            handler.characters(reader.text().toString());
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            handler.endElement(reader.qualifiedName().toString());
            break;
        default:
            break;
        }
    }
    return reader.hasError() ? Status::Malformed : Status::Ok;
}
