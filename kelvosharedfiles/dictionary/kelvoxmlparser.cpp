#include "kelvoxmlparser.h"

#include "kelvoconfig.h"
#include "kelvodictionarycache.h"
#include "kelvodictreference.h"
#include "kelvopaths.h"
#include "kelvosaxreader.h"
#include "kelvoxmllanguagefileparser.h"
#include "kelvoxmllookuphandler.h"
#include "kelvoxmlsearchhandler.h"

#include <QFileInfo>

KelvoXmlParser::KelvoXmlParser(Reading reading) : m_reading(reading) {
    const KelvoXmlLanguageFileParser loadLanguageList;
}

bool KelvoXmlParser::lookup(const QString& reference, QString& term, TheS_DictItem& item) const {
    const KelvoDictReference parsed = KelvoDictReference::parse(reference);
    term = parsed.term;
    for (const QLatin1String name : {MainDictionary, PrivateDictionary}) {
        item = lookupFile(KelvoPaths::dictionaryPath(name), parsed.codedWord, parsed.id);
        if (!item.codedWord.isEmpty())
            return true;
    }
    return false;
}

bool KelvoXmlParser::search(const QString& fileName, const QString& term, int languageIndex,
                            QString& codedWord, int& id) const {
    QString tag;
    if (!KelvoConfig::languageTag(languageIndex, tag))
        return false;
    const QString path = KelvoPaths::dictionaryPath(fileName);
    if (m_reading == Reading::Cached) {
        const auto file = KelvoDictionaryCache::instance().file(path);
        return file && file->search(term, tag, codedWord, id);
    }
    KelvoXmlSearchHandler handler(term, tag);
    if (KelvoSaxReader::parseFile(path, handler) != KelvoSaxReader::Status::Ok || !handler.found())
        return false;
    codedWord = handler.codedWord();
    id = handler.id();
    return true;
}

KelvoSaxReader::Status KelvoXmlParser::status(const QString& fileName) const {
    const QString path = KelvoPaths::dictionaryPath(fileName);
    if (m_reading == Reading::Cached) {
        const auto file = KelvoDictionaryCache::instance().file(path);
        return file ? file->status() : KelvoSaxReader::Status::Unreadable;
    }
    KelvoXmlLookupHandler nothingWanted{QString(), -1};
    return KelvoSaxReader::parseFile(path, nothingWanted);
}

QStringList KelvoXmlParser::problems() const {
    QStringList result;
    for (const QLatin1String name : {MainDictionary, PrivateDictionary}) {
        const QString path = KelvoPaths::dictionaryPath(name);
        const KelvoSaxReader::Status fileStatus = status(name);
        if (fileStatus != KelvoSaxReader::Status::Ok && QFileInfo::exists(path))
            result.append(KelvoSaxReader::problem(fileStatus, path));
    }
    return result;
}

int KelvoXmlParser::languageIndex(const QString& tag) {
    return KelvoConfig::languageIndex(tag);
}

bool KelvoXmlParser::languageTag(int index, QString& tag) {
    return KelvoConfig::languageTag(index, tag);
}

TheS_DictItem KelvoXmlParser::lookupFile(const QString& path, const QString& codedWord,
                                         int id) const {
    if (m_reading == Reading::Cached) {
        const auto file = KelvoDictionaryCache::instance().file(path);
        return file ? file->lookup(codedWord, id) : TheS_DictItem();
    }
    KelvoXmlLookupHandler handler(codedWord, id);
    if (KelvoSaxReader::parseFile(path, handler) != KelvoSaxReader::Status::Ok)
        return {};
    return handler.result();
}
