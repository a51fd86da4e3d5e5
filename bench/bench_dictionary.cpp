// Dictionary lookups and searches against the delivered dictionary, each read from the
// parsed-file cache beside a fresh read of the files as the baseline. A picture with 64
// dictionary references makes 64 lookups when it is decoded.
#include "kelvoconfig.h"
#include "kelvodictionarycache.h"
#include "kelvoxmlparser.h"

#include <QStringList>

#include <benchmark/benchmark.h>

namespace {

constexpr int ReferencesPerPicture = 64;
constexpr int FirstId = 1;
constexpr int IdStep = 4; // spread over the first 256 items
constexpr int MaxDeliveredId = 1000;

// KELVO_DIR names the delivered data folder while a case runs.
class DeliveredData {
public:
    DeliveredData() {
        qputenv("KELVO_DIR", KELVO_BENCH_DATA_DIR);
        KelvoConfig::reset();
        KelvoDictionaryCache::instance().clear();
    }
    ~DeliveredData() { qunsetenv("KELVO_DIR"); }
};

QStringList pictureReferences() {
    QStringList references;
    for (int i = 0; i < ReferencesPerPicture; ++i)
        references.append(QStringLiteral("<_ID %1><w>t").arg(FirstId + i * IdStep));
    return references;
}

void lookups(benchmark::State& state, KelvoXmlParser::Reading reading) {
    const DeliveredData data;
    const KelvoXmlParser parser(reading);
    const QStringList references = pictureReferences();
    for (auto _ : state) {
        for (const QString& reference : references) {
            QString term;
            TheS_DictItem item;
            if (!parser.lookup(reference, term, item))
                state.SkipWithError("delivered dictionary item missing");
            benchmark::DoNotOptimize(item);
        }
    }
    state.SetItemsProcessed(state.iterations() * ReferencesPerPicture);
}

// The German term of the last item whose term survives being typed in capitals (an "ß" does
// not), so that a search reads nearly the whole file.
QString lateGermanTermInCapitals(int german) {
    const KelvoXmlParser parser;
    for (int id = MaxDeliveredId; id > 0; --id) {
        QString term;
        TheS_DictItem item;
        if (!parser.lookup(QStringLiteral("<_ID %1><w>t").arg(id), term, item))
            continue;
        const QString found = item.translations.value(german).primary;
        if (found.toUpper().toLower() == found.toLower())
            return found.toUpper();
    }
    return QString();
}

void search(benchmark::State& state, KelvoXmlParser::Reading reading) {
    const DeliveredData data;
    const KelvoXmlParser parser(reading);
    const int german = KelvoXmlParser::languageIndex(QStringLiteral("de"));
    const QString wanted = lateGermanTermInCapitals(german);
    if (wanted.isEmpty()) {
        state.SkipWithError("delivered dictionary has no German terms");
        return;
    }
    for (auto _ : state) {
        QString codedWord;
        int id = -1;
        if (!parser.search(KelvoXmlParser::MainDictionary, wanted, german, codedWord, id))
            state.SkipWithError("term not found");
        benchmark::DoNotOptimize(id);
    }
}

void BM_Dictionary64Lookups_Fresh(benchmark::State& state) {
    lookups(state, KelvoXmlParser::Reading::Fresh);
}
void BM_Dictionary64Lookups_Cached(benchmark::State& state) {
    lookups(state, KelvoXmlParser::Reading::Cached);
}
void BM_DictionarySearchIgnoringCase_Fresh(benchmark::State& state) {
    search(state, KelvoXmlParser::Reading::Fresh);
}
void BM_DictionarySearchIgnoringCase_Cached(benchmark::State& state) {
    search(state, KelvoXmlParser::Reading::Cached);
}

} // namespace

BENCHMARK(BM_Dictionary64Lookups_Fresh)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dictionary64Lookups_Cached)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DictionarySearchIgnoringCase_Fresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DictionarySearchIgnoringCase_Cached)->Unit(benchmark::kMicrosecond);
