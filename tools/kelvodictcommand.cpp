#include "kelvodictcommand.h"

#include "kelvoconfig.h"
#include "kelvopaths.h"
#include "kelvosaxreader.h"
#include "kelvotoolerror.h"
#include "kelvoxmlconfigfileparser.h"
#include "kelvoxmllanguagefileparser.h"
#include "kelvoxmllookuphandler.h"
#include "kelvoxmlparser.h"
#include "kelvoxmlsearchhandler.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>

namespace {

QString languageListPath() {
    return KelvoPaths::installPath(KelvoXmlLanguageFileParser::fileName(KelvoConfig::uiLanguage()));
}

// The language list as the viewers load it; an empty list means the file is missing or bad.
void loadLanguages() {
    const KelvoXmlConfigFileParser configuration;
    const KelvoXmlLanguageFileParser languages;
    if (KelvoConfig::languages().isEmpty())
        throw KelvoToolError(QStringLiteral("%1: no language list (missing, unreadable or not "
                                            "well-formed)")
                                 .arg(languageListPath()));
}

// Reads one dictionary with `handler`; false when an optional dictionary is missing.
bool read(QLatin1String name, KelvoSaxHandler& handler) {
    const QString path = KelvoPaths::dictionaryPath(name);
    const KelvoSaxReader::Status status = KelvoSaxReader::parseFile(path, handler);
    if (status == KelvoSaxReader::Status::Ok)
        return true;
    if (status == KelvoSaxReader::Status::Unreadable && !QFileInfo::exists(path) &&
        name == KelvoXmlParser::PrivateDictionary)
        return false;
    throw KelvoToolError(KelvoSaxReader::problem(status, path));
}

QByteArray quoted(const QString& text) {
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray idJson(int id) {
    return id == -1 ? QByteArray("null") : QByteArray::number(id);
}

// Collects every item with a matching term, once per item, with the first matching term.
class AllMatches final : public KelvoXmlSearchHandler {
public:
    AllMatches(const QString& term, const QString& tag, QByteArrayList& out)
        : KelvoXmlSearchHandler(term, tag), m_out(out) {}

protected:
    void onStartElement(const QString& name, const QXmlStreamAttributes& attributes) override {
        KelvoXmlSearchHandler::onStartElement(name, attributes);
        if (name == ItemElement)
            m_itemReported = false;
    }
    bool isMatch(const QString& text) override {
        if (!m_itemReported && KelvoXmlSearchHandler::isMatch(text)) {
            m_itemReported = true;
            m_out.append("{\"id\": " + idJson(id()) + ", \"word\": " + quoted(codedWord()) +
                         ", \"term\": " + quoted(text) + '}');
        }
        return false;
    }

private:
    QByteArrayList& m_out;
    bool m_itemReported = false;
};

QByteArray itemJson(const KelvoXmlLookupHandler& handler) {
    const TheS_DictItem item = handler.result();
    QByteArrayList languages;
    const QList<TheS_Language>& list = KelvoConfig::languages();
    for (int index = 0; index < list.size(); ++index) {
        const auto entries = item.translations.constFind(index);
        // The first index of a tag is the one lookups store under.
        if (entries == item.translations.constEnd() ||
            KelvoConfig::languageIndex(list[index].tag) != index)
            continue;
        QByteArrayList secondaries;
        for (const QString& secondary : entries->secondaries)
            secondaries.append(quoted(secondary));
        languages.append(quoted(list[index].tag) + ": {\"primary\": " + quoted(entries->primary) +
                         ", \"secondary\": [" + secondaries.join(", ") + "]}");
    }
    return "{\"id\": " + idJson(handler.matchedId()) +
           ", \"word\": " + quoted(handler.matchedWord()) + ", \"translations\": {" +
           languages.join(", ") + "}}";
}

} // namespace

std::optional<QByteArray> KelvoDictCommand::lookup(const QString& idOrWord) {
    loadLanguages();
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    int id = -1;
    if (digits.match(idOrWord).hasMatch()) {
        bool ok = false;
        id = idOrWord.toInt(&ok);
        if (!ok)
            throw KelvoToolError(QStringLiteral("%1: not a valid id").arg(idOrWord));
    }
    for (const QLatin1String name :
         {KelvoXmlParser::MainDictionary, KelvoXmlParser::PrivateDictionary}) {
        // With an id the coded word is not compared, but the result must not be empty.
        KelvoXmlLookupHandler handler(id == -1 ? idOrWord : QStringLiteral("_ID"), id);
        if (read(name, handler) && !handler.result().codedWord.isEmpty())
            return itemJson(handler);
    }
    return std::nullopt;
}

QByteArray KelvoDictCommand::search(const QString& term, const QString& tag) {
    loadLanguages();
    if (KelvoConfig::languageIndex(tag) == -1) {
        throw KelvoToolError(
            QStringLiteral("%1: unknown language tag \"%2\"").arg(languageListPath(), tag));
    }
    QByteArrayList matches;
    for (const QLatin1String name :
         {KelvoXmlParser::MainDictionary, KelvoXmlParser::PrivateDictionary}) {
        AllMatches handler(term, tag, matches);
        read(name, handler);
    }
    return '[' + matches.join(", ") + ']';
}
