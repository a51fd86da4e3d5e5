// Dictionary lookups and searches over arbitrary bytes taken as a dictionary file. The kept,
// indexed form must answer exactly what a direct read with the handlers answers; a difference
// aborts. Candidate words, ids and terms come from the document itself.
#include "fuzzcheck.h"
#include "kelvoconfig.h"
#include "kelvodictionaryfile.h"
#include "kelvosaxreader.h"
#include "kelvosaxrecording.h"
#include "kelvoxmlhandler.h"
#include "kelvoxmllookuphandler.h"
#include "kelvoxmlsearchhandler.h"

namespace {

constexpr int MaxCandidates = 8;

struct Candidates {
    QStringList texts{QString(), QStringLiteral("w")};
    QList<int> ids{-1, 0, 1};
};

Candidates candidatesOf(const QByteArray& document) {
    KelvoSaxRecording recording;
    KelvoSaxReader::parse(document, recording);
    Candidates result;
    for (qsizetype i = 0; i < recording.size(); ++i) {
        if (recording.kind(i) == KelvoSaxRecording::Kind::Characters &&
            result.texts.size() < MaxCandidates) {
            result.texts.append(recording.text(i));
            result.texts.append(KelvoXmlHandler::codedWordText(recording.text(i)));
        }
        int id = 0;
        if (recording.kind(i) == KelvoSaxRecording::Kind::Start &&
            KelvoXmlHandler::itemId(recording.attributes(i), id) &&
            result.ids.size() < MaxCandidates)
            result.ids.append(id);
    }
    return result;
}

void checkLookup(const KelvoDictionaryFile& file, const QByteArray& document, const QString& word,
                 int id) {
    KelvoXmlLookupHandler direct(word, id);
    const bool ok = KelvoSaxReader::parse(document, direct) == KelvoSaxReader::Status::Ok;
    check(file.lookup(word, id) == (ok ? direct.result() : TheS_DictItem()));
}

void checkSearch(const KelvoDictionaryFile& file, const QByteArray& document, const QString& term,
                 const QString& tag) {
    KelvoXmlSearchHandler direct(term, tag);
    const bool found =
        KelvoSaxReader::parse(document, direct) == KelvoSaxReader::Status::Ok && direct.found();
    QString word;
    int id = -2;
    check(file.search(term, tag, word, id) == found &&
          (!found || (word == direct.codedWord() && id == direct.id())));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (KelvoConfig::languages().isEmpty())
        KelvoConfig::setLanguages({{QStringLiteral("en"), QStringLiteral("English")},
                                   {QStringLiteral("de"), QStringLiteral("German")}});
    const QByteArray document(reinterpret_cast<const char*>(data), qsizetype(size));
    const KelvoDictionaryFile file = KelvoDictionaryFile::fromDocument(document);
    const Candidates candidates = candidatesOf(document);
    for (const QString& word : candidates.texts)
        checkLookup(file, document, word, -1);
    for (const int id : candidates.ids)
        checkLookup(file, document, QStringLiteral("w"), id);
    for (const QString& term : candidates.texts) {
        checkSearch(file, document, term, QStringLiteral("en"));
        checkSearch(file, document, term, QStringLiteral("de"));
    }
    return 0;
}
