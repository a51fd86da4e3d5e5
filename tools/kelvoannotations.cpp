#include "kelvoannotations.h"

#include "kelvogenerator.h"
#include "kelvojsonreader.h"
#include "kelvolatin1text.h"
#include "kelvopicturereader.h"
#include "kelvoquietlibraries.h"
#include "kelvoshapejson.h"
#include "kelvotoolerror.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>

#include <limits>

namespace {

const QStringList kTopKeys = {QStringLiteral("clearMarks"), QStringLiteral("firstKey"),
                              QStringLiteral("regions")};
const QStringList kRegionKeys = {QStringLiteral("polygons"), QStringLiteral("texts"),
                                 QStringLiteral("images"),   QStringLiteral("shapedTexts"),
                                 QStringLiteral("records"),  QStringLiteral("colours"),
                                 QStringLiteral("dictEntry")};
const QStringList kImageKeys = {QStringLiteral("file"), QStringLiteral("polygon")};
const QStringList kRecordKeys = {QStringLiteral("type"), QStringLiteral("payload")};
const QStringList kDictKeys = {QStringLiteral("id"), QStringLiteral("word"),
                               QStringLiteral("term")};

constexpr int kMaxRecordType = 15;
constexpr int kMaxColour = 0xFFFFFF;

class RegionReader {
public:
    RegionReader(const KelvoJsonReader& reader, const QDir& base)
        : m_reader(reader), m_base(base) {}

    // Adds every text the region codes as Latin-1 to codedText.
    KelvoGeneratorRegion read(const QJsonValue& value, const QString& path,
                              QString& codedText) const {
        const QJsonObject object = m_reader.object(value, path, kRegionKeys);
        KelvoGeneratorRegion region;
        if (!object.contains(QStringLiteral("polygons"))) {
            m_reader.fail(path, QStringLiteral("missing key \"polygons\""));
        }
        forEach(object, path, "polygons", [&](const QJsonValue& v, const QString& p) {
            region.polygons.push_back(m_reader.polygon(v, p));
        });
        forEach(object, path, "texts", [&](const QJsonValue& v, const QString& p) {
            region.texts.push_back(m_reader.string(v, p));
            codedText += region.texts.back();
        });
        forEach(object, path, "images", [&](const QJsonValue& v, const QString& p) {
            region.images.push_back(snippet(v, p));
        });
        forEach(object, path, "shapedTexts", [&](const QJsonValue& v, const QString& p) {
            region.shapedTexts.push_back(KelvoShapeJson::block(m_reader, v, p));
            codedText += v.toObject().value(QStringLiteral("text")).toString();
        });
        forEach(object, path, "records", [&](const QJsonValue& v, const QString& p) {
            region.records.push_back(record(v, p));
        });
        forEach(object, path, "colours", [&](const QJsonValue& v, const QString& p) {
            region.colours.push_back(static_cast<uint32_t>(m_reader.integer(v, p, 0, kMaxColour)));
        });
        const QJsonValue dict = object.value(QStringLiteral("dictEntry"));
        if (!dict.isUndefined()) {
            region.dictEntry =
                dictEntry(dict, KelvoJsonReader::member(path, QStringLiteral("dictEntry")));
            codedText += region.dictEntry->word + region.dictEntry->term;
        }
        return region;
    }

private:
    template <class Each>
    void forEach(const QJsonObject& object, const QString& path, const char* key, Each each) const {
        const QJsonValue value = object.value(QLatin1String(key));
        if (value.isUndefined()) {
            return;
        }
        const QString arrayPath = KelvoJsonReader::member(path, QLatin1String(key));
        const QJsonArray array = m_reader.array(value, arrayPath);
        for (qsizetype i = 0; i < array.size(); ++i) {
            each(array[i], KelvoJsonReader::element(arrayPath, i));
        }
    }

    KelvoImageSnippet snippet(const QJsonValue& value, const QString& path) const {
        const QJsonObject object = m_reader.object(value, path, kImageKeys);
        const QString filePath = KelvoJsonReader::member(path, QStringLiteral("file"));
        const QString polygonPath = KelvoJsonReader::member(path, QStringLiteral("polygon"));
        if (!object.contains(QStringLiteral("file")) ||
            !object.contains(QStringLiteral("polygon"))) {
            m_reader.fail(path, QStringLiteral("an image needs \"file\" and \"polygon\""));
        }
        const QString file =
            m_base.filePath(m_reader.string(object.value(QStringLiteral("file")), filePath));
        if (!QFileInfo(file).isFile()) {
            m_reader.fail(filePath, QStringLiteral("%1 is not a picture file").arg(file));
        }
        QString error;
        KelvoImageSnippet snippet;
        {
            const KelvoQuietLibraries quiet;
            snippet.image = KelvoPictureReader::readFile(file, &error);
        }
        if (snippet.image.isNull()) {
            m_reader.fail(filePath, QStringLiteral("cannot read picture %1: %2").arg(file, error));
        }
        snippet.polygon = m_reader.polygon(object.value(QStringLiteral("polygon")), polygonPath);
        return snippet;
    }

    KelvoData record(const QJsonValue& value, const QString& path) const {
        const QJsonObject object = m_reader.object(value, path, kRecordKeys);
        if (!object.contains(QStringLiteral("type"))) {
            m_reader.fail(path, QStringLiteral("missing key \"type\""));
        }
        KelvoData record;
        record.type = static_cast<uint32_t>(m_reader.integer(
            object.value(QStringLiteral("type")),
            KelvoJsonReader::member(path, QStringLiteral("type")), 0, kMaxRecordType));
        const QJsonValue payload = object.value(QStringLiteral("payload"));
        if (!payload.isUndefined()) {
            record.payload =
                m_reader.hex(payload, KelvoJsonReader::member(path, QStringLiteral("payload")));
        }
        return record;
    }

    KelvoDictEntryRef dictEntry(const QJsonValue& value, const QString& path) const {
        const QJsonObject object = m_reader.object(value, path, kDictKeys);
        KelvoDictEntryRef entry;
        const auto field = [&](const char* key) {
            const QString name = QLatin1String(key);
            if (!object.contains(name)) {
                m_reader.fail(path, QStringLiteral("missing key \"%1\"").arg(name));
            }
            return object.value(name);
        };
        entry.id =
            m_reader.integer(field("id"), KelvoJsonReader::member(path, QStringLiteral("id")), -1,
                             std::numeric_limits<int>::max());
        entry.word =
            m_reader.string(field("word"), KelvoJsonReader::member(path, QStringLiteral("word")));
        entry.term =
            m_reader.string(field("term"), KelvoJsonReader::member(path, QStringLiteral("term")));
        return entry;
    }

    const KelvoJsonReader& m_reader;
    const QDir& m_base;
};

} // namespace

KelvoAnnotations KelvoAnnotationReader::read(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        throw KelvoToolError(fileName + QStringLiteral(": ") + file.errorString());
    }
    if (file.size() > kMaxFileSize) {
        throw KelvoToolError(fileName + QStringLiteral(": larger than %1 bytes").arg(kMaxFileSize));
    }
    return parse(file.readAll(), fileName, QFileInfo(fileName).absoluteDir());
}

KelvoAnnotations KelvoAnnotationReader::parse(const QByteArray& text, const QString& fileName,
                                              const QDir& base) {
    const KelvoJsonReader reader(fileName);
    const QJsonObject top = reader.object(reader.document(text), QString(), kTopKeys);
    KelvoAnnotations annotations;
    if (top.contains(QStringLiteral("clearMarks"))) {
        annotations.clearMarks =
            reader.boolean(top.value(QStringLiteral("clearMarks")), QStringLiteral("clearMarks"));
    }
    if (top.contains(QStringLiteral("firstKey"))) {
        annotations.firstKey = static_cast<uint32_t>(reader.integer(
            top.value(QStringLiteral("firstKey")), QStringLiteral("firstKey"), 0, kMaxFirstKey));
    }
    if (!top.contains(QStringLiteral("regions"))) {
        reader.fail(QString(), QStringLiteral("missing key \"regions\""));
    }
    const QString regionsPath = QStringLiteral("regions");
    const QJsonArray regions = reader.array(top.value(regionsPath), regionsPath);
    if (regions.size() > KelvoGenerator::kMaxRegionNumber) {
        reader.fail(regionsPath,
                    QStringLiteral("at most %1 regions").arg(KelvoGenerator::kMaxRegionNumber));
    }
    const RegionReader regionReader(reader, base);
    for (qsizetype i = 0; i < regions.size(); ++i) {
        const QString path = KelvoJsonReader::element(regionsPath, i);
        QString codedText;
        annotations.regions.emplace(static_cast<int>(i) + 1,
                                    regionReader.read(regions[i], path, codedText));
        const QString lost = kelvoUnstorableCharacters(codedText);
        if (!lost.isEmpty()) {
            annotations.warnings << QStringLiteral("%1: %2: the picture keeps only Latin-1 "
                                                   "characters; these will be lost: %3")
                                        .arg(fileName, path, kelvoCharacterNames(lost));
        }
    }
    return annotations;
}
