#include "kelvosaxreader.h"

#include "kelvosaxhandler.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

// Walks the reader to the end of its input. `withinLimit` is asked after every token, so that
// a file that grows while it is read is stopped at the limit.
template <class WithinLimit>
KelvoSaxReader::Status walk(QXmlStreamReader& reader, KelvoSaxHandler& handler,
                            WithinLimit withinLimit) {
    // Names and attributes are taken literally; "xmlns" attributes are ordinary attributes.
    reader.setNamespaceProcessing(false);
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            if (!reader.entityDeclarations().isEmpty())
                return KelvoSaxReader::Status::Malformed;
            break;
        case QXmlStreamReader::StartElement:
            if (++depth > KelvoSaxReader::MaxNestingDepth)
                return KelvoSaxReader::Status::Malformed;
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
        if (!withinLimit())
            return KelvoSaxReader::Status::TooLarge;
    }
    return reader.hasError() ? KelvoSaxReader::Status::Malformed : KelvoSaxReader::Status::Ok;
}

} // namespace

KelvoSaxReader::Status KelvoSaxReader::parseFile(const QString& path, KelvoSaxHandler& handler) {
    const QFileInfo info(path);
    if (!info.isFile())
        return Status::Unreadable;
    if (info.size() > MaxFileSize)
        return Status::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::Unreadable;
    QXmlStreamReader reader(&file);
    const Status status = walk(reader, handler, [&file] { return file.pos() <= MaxFileSize; });
    if (file.error() != QFileDevice::NoError)
        return Status::Unreadable;
    return status;
}

KelvoSaxReader::Status KelvoSaxReader::parse(const QByteArray& document, KelvoSaxHandler& handler) {
    if (document.size() > MaxFileSize)
        return Status::TooLarge;
    QXmlStreamReader reader(document);
    return walk(reader, handler, [] { return true; });
}

QString KelvoSaxReader::problem(Status status, const QString& path) {
    switch (status) {
    case Status::Ok:
        break;
    case Status::Unreadable:
        return QCoreApplication::translate("KelvoSaxReader", "%1: missing or cannot be read")
            .arg(path);
    case Status::TooLarge:
        return QCoreApplication::translate("KelvoSaxReader",
                                           "%1: larger than the limit of %2 MiB; not loaded")
            .arg(path)
            .arg(MaxFileSize / (1024 * 1024));
    case Status::Malformed:
        return QCoreApplication::translate(
                   "KelvoSaxReader", "%1: not well-formed, nested too deep or declares entities")
            .arg(path);
    }
    return {};
}
