// kelvo-web-dict OUT.json: converts the delivered dictionaries and the language list of
// KELVO_DIR into the JSON file the web viewer loads. Every item is resolved through the same
// lookup the viewers use, keyed both by its id and by its coded word:
//
//   {"languages": [{"tag": .., "name": ..}],
//    "dictionaries": [{"byId": {id: item}, "byWord": {word: item}}]    main, then private
//   item = {"codedWord": .., "translations": {languageIndex: {"primary": .., "secondaries": []}}}
#include "kelvoconfig.h"
#include "kelvodictionarycache.h"
#include "kelvopaths.h"
#include "kelvoxmlconfigfileparser.h"
#include "kelvoxmlhandler.h"
#include "kelvoxmlparser.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

QJsonObject itemJson(const TheS_DictItem& item) {
    QJsonObject translations;
    for (auto it = item.translations.cbegin(); it != item.translations.cend(); ++it) {
        translations.insert(QString::number(it.key()),
                            QJsonObject{{QStringLiteral("primary"), it->primary},
                                        {QStringLiteral("secondaries"),
                                         QJsonArray::fromStringList(it->secondaries)}});
    }
    return QJsonObject{{QStringLiteral("codedWord"), item.codedWord},
                       {QStringLiteral("translations"), translations}};
}

// The ids and coded words of a dictionary's items, each resolved by the cached lookup.
QJsonObject dictionaryJson(const QString& path) {
    QJsonObject byId;
    QJsonObject byWord;
    const auto file = KelvoDictionaryCache::instance().file(path);
    QFile xml(path);
    if (!file || !xml.open(QIODevice::ReadOnly)) {
        return QJsonObject{{QStringLiteral("byId"), byId}, {QStringLiteral("byWord"), byWord}};
    }
    QXmlStreamReader reader(&xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement ||
            reader.name() != QLatin1String("DictItem")) {
            continue;
        }
        const QStringView id = reader.attributes().value(QLatin1String("id"));
        if (!id.isEmpty()) {
            // An id lookup answers with the reference's own coded word: any non-empty one will do.
            const TheS_DictItem item = file->lookup(QStringLiteral("id"), id.toInt());
            if (!item.codedWord.isEmpty()) {
                byId.insert(QString::number(id.toInt()), itemJson(item));
            }
        }
        if (reader.readNext() == QXmlStreamReader::Characters) {
            const QString word = KelvoXmlHandler::codedWordText(reader.text().toString());
            const TheS_DictItem item = file->lookup(word, -1);
            if (!item.codedWord.isEmpty()) {
                byWord.insert(item.codedWord, itemJson(item));
            }
        }
    }
    return QJsonObject{{QStringLiteral("byId"), byId}, {QStringLiteral("byWord"), byWord}};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("Usage: kelvo-web-dict OUT.json   (reads KELVO_DIR)\n", stderr);
        return 2;
    }
    const KelvoXmlConfigFileParser config;
    const KelvoXmlParser loadLanguages;
    QJsonArray languages;
    for (const TheS_Language& language : KelvoConfig::languages()) {
        languages.append(QJsonObject{{QStringLiteral("tag"), language.tag},
                                     {QStringLiteral("name"), language.name}});
    }
    QJsonArray dictionaries;
    for (const QLatin1String name :
         {KelvoXmlParser::MainDictionary, KelvoXmlParser::PrivateDictionary}) {
        dictionaries.append(dictionaryJson(KelvoPaths::dictionaryPath(name)));
    }
    QSaveFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(QJsonDocument(QJsonObject{{QStringLiteral("languages"), languages},
                                            {QStringLiteral("dictionaries"), dictionaries}})
                      .toJson(QJsonDocument::Compact)) < 0 ||
        !out.commit()) {
        std::fprintf(stderr, "%s: cannot write: %s\n", argv[1], qPrintable(out.errorString()));
        return 2;
    }
    return 0;
}
