#include "kelvoxmldictwriter.h"

#include "kelvoconfig.h"
#include "kelvopaths.h"
#include "kelvosaxreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <libxml/parser.h>
#include <libxml/xmlsave.h>

#include <filesystem>
#include <system_error>

namespace {

const char* const Encoding = "UTF-8";

// Writers alive in the process; libxml2's global state is released when the last one goes.
int liveWriters = 0;

const xmlChar* xml(const char* text) {
    return reinterpret_cast<const xmlChar*>(text);
}

// Code points that XML 1.0 documents may contain. Anything else would be written as a
// character reference that no reader accepts, and the whole dictionary would become unreadable.
bool isXmlChar(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

QByteArray xmlText(const QString& text) {
    QList<uint> kept = text.toUcs4();
    kept.removeIf([](uint c) { return !isXmlChar(c); });
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(kept.constData()), kept.size())
        .toUtf8();
}

bool isItem(const xmlNode* node) {
    return node->type == XML_ELEMENT_NODE && xmlStrcmp(node->name, xml("DictItem")) == 0;
}

// The "id" of an item as a number; false when it has none.
bool storedId(xmlNodePtr item, int& id) {
    xmlChar* value = xmlGetProp(item, xml("id"));
    if (!value)
        return false;
    bool ok = false;
    id = QByteArray(reinterpret_cast<const char*>(value)).toInt(&ok);
    xmlFree(value);
    return ok;
}

// For id -1: one more than the nearest preceding item that has an id, or 1.
qint64 nextId(xmlNodePtr item) {
    for (xmlNodePtr node = item->prev; node; node = node->prev) {
        int id = 0;
        if (isItem(node) && storedId(node, id))
            return qint64(id) + 1;
    }
    return 1;
}

void addText(xmlNodePtr node, const char* text) {
    xmlNodeAddContent(node, xml(text));
}

// xmlNewTextChild escapes the term, so "&" and "<" in it are kept as they are.
void addTextChild(xmlNodePtr parent, const QByteArray& name, const QString& text) {
    xmlNewTextChild(parent, nullptr, xml(name.constData()), xml(xmlText(text).constData()));
}

// Feeds libxml2 from a file, failing the parse once more than the readers' size limit has
// been read, so that a file that grows while it is read is not taken half.
struct BoundedInput {
    QFile file;
    qint64 read = 0;
    bool tooLarge = false;

    static int readCallback(void* context, char* buffer, int length) {
        auto* input = static_cast<BoundedInput*>(context);
        const qint64 count = input->file.read(buffer, length);
        if (count < 0)
            return -1;
        input->read += count;
        if (input->read > KelvoSaxReader::MaxFileSize) {
            input->tooLarge = true;
            return -1;
        }
        return int(count);
    }
};

// The user's own copy of a dictionary, written when the delivered one must stay as it is,
// starts as a copy of the delivered one, writable by its owner.
void startUserCopy(const QString& path, const QString& delivered) {
    if (path == delivered || QFileInfo::exists(path) || !QFileInfo::exists(delivered) ||
        !QDir().mkpath(QFileInfo(path).path()) || !QFile::copy(delivered, path))
        return;
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                    QFile::WriteUser);
}

} // namespace

KelvoXmlDictWriter::KelvoXmlDictWriter(const QString& fileName)
    : m_path(KelvoPaths::dictionaryWritePath(fileName)) {
    ++liveWriters;
    startUserCopy(m_path, KelvoPaths::deliveredDictionaryPath(fileName));
    const KelvoSaxReader::Status status = load();
    if (status != KelvoSaxReader::Status::Ok)
        m_problem = KelvoSaxReader::problem(status, m_path);
}

// The document only when the whole file was read and is well-formed: a dictionary that was not
// fully read is never written back.
KelvoSaxReader::Status KelvoXmlDictWriter::load() {
    const QFileInfo info(m_path);
    if (!info.isFile())
        return KelvoSaxReader::Status::Unreadable;
    if (info.size() > KelvoSaxReader::MaxFileSize)
        return KelvoSaxReader::Status::TooLarge;
    BoundedInput input;
    input.file.setFileName(m_path);
    if (!input.file.open(QIODevice::ReadOnly))
        return KelvoSaxReader::Status::Unreadable;
    m_document = xmlReadIO(&BoundedInput::readCallback, nullptr, &input,
                           QFile::encodeName(m_path).constData(), Encoding,
                           XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (m_document)
        m_root = xmlDocGetRootElement(m_document);
    if (!m_root) {
        xmlFreeDoc(m_document);
        m_document = nullptr;
        return input.tooLarge ? KelvoSaxReader::Status::TooLarge
                              : KelvoSaxReader::Status::Malformed;
    }
    return KelvoSaxReader::Status::Ok;
}

KelvoXmlDictWriter::~KelvoXmlDictWriter() {
    xmlFreeDoc(m_document);
    if (--liveWriters == 0)
        xmlCleanupParser();
}

xmlNodePtr KelvoXmlDictWriter::appendItem(const QString& codedWord,
                                          const QMap<int, TheS_DictEntries>& translations, int id) {
    if (!m_document)
        return nullptr;
    xmlNodePtr item = xmlNewChild(m_root, nullptr, xml("DictItem"), nullptr);
    xmlNodeAddContent(item, xml(xmlText(codedWord).constData()));
    addText(item, "\n");

    if (id >= 0)
        xmlNewProp(item, xml("id"), xml(QByteArray::number(id).constData()));
    else if (id == -1)
        xmlNewProp(item, xml("id"), xml(QByteArray::number(nextId(item)).constData()));

    for (auto it = translations.constBegin(); it != translations.constEnd(); ++it) {
        QString tag;
        if (!languageTag(it.key(), tag))
            continue;
        const QByteArray name = tag.toUtf8();
        if (xmlValidateNCName(xml(name.constData()), 0) != 0)
            continue;
        xmlNodePtr language = xmlNewChild(item, nullptr, xml(name.constData()), nullptr);
        addTextChild(language, name + "_P", it->primary);
        for (const QString& secondary : it->secondaries)
            addTextChild(language, name + "_S", secondary);
        addText(item, "\n");
    }
    addText(m_root, "\n\n");
    return item;
}

bool KelvoXmlDictWriter::save() const {
    if (!m_document)
        return false;
    // Replace what a link points to, not the link.
    const QFileInfo info(m_path);
    const QString target = info.isSymLink() ? info.symLinkTarget() : m_path;

    QTemporaryFile temporary(QFileInfo(target).absoluteFilePath() + QLatin1String(".XXXXXX"));
    if (!temporary.open())
        return false;
    temporary.close();
    const QByteArray temporaryName = QFile::encodeName(temporary.fileName());
    if (QFile::exists(target))
        QFile::setPermissions(temporary.fileName(), QFile::permissions(target));
    if (xmlSaveFileEnc(temporaryName.constData(), m_document, Encoding) < 0)
        return false;

    std::error_code error;
    std::filesystem::rename(temporaryName.toStdString(), QFile::encodeName(target).toStdString(),
                            error);
    if (error)
        return false;
    temporary.setAutoRemove(false);
    return true;
}
