#include "kelvodictionaryfile.h"

#include "kelvoxmllookuphandler.h"
#include "kelvoxmlsearchhandler.h"

namespace {

// Runs the search handler's matching over a whole document and keeps, for every text it
// compares, the item a search for that text would report.
class SearchIndexer final : public KelvoXmlSearchHandler {
public:
    SearchIndexer(const QString& tag, QHash<QString, KelvoDictionaryFile::SearchHit>& hits)
        : KelvoXmlSearchHandler(QString(), tag), m_hits(hits) {}

protected:
    bool isMatch(const QString& text) override {
        const QString lowered = text.toLower();
        if (!m_hits.contains(lowered))
            m_hits.insert(lowered, {codedWord(), id()});
        return false;
    }

private:
    QHash<QString, KelvoDictionaryFile::SearchHit>& m_hits;
};

} // namespace

KelvoDictionaryFile KelvoDictionaryFile::fromFile(const QString& path) {
    KelvoSaxRecording recording;
    const KelvoSaxReader::Status status = KelvoSaxReader::parseFile(path, recording);
    return KelvoDictionaryFile(status, std::move(recording));
}

KelvoDictionaryFile KelvoDictionaryFile::fromDocument(const QByteArray& document) {
    KelvoSaxRecording recording;
    const KelvoSaxReader::Status status = KelvoSaxReader::parse(document, recording);
    return KelvoDictionaryFile(status, std::move(recording));
}

KelvoDictionaryFile::KelvoDictionaryFile(KelvoSaxReader::Status status,
                                         KelvoSaxRecording&& recording)
    : m_status(status) {
    if (status != KelvoSaxReader::Status::Ok)
        return;
    m_recording = std::move(recording);
    buildLookupIndexes();
}

// A lookup handler changes nothing but the current element name until its item matches, and
// the current element is set by every start. So replaying from the start of the element that
// is current when the item matches gives the handler exactly the state a full read would:
// for an id match that is the item's own start, for a coded-word match the start of the
// element (an item) whose text matched, with any earlier, non-matching text skipped over again.
void KelvoDictionaryFile::buildLookupIndexes() {
    qsizetype lastStart = -1;
    bool lastStartIsItem = false;
    for (qsizetype i = 0; i < m_recording.size(); ++i) {
        switch (m_recording.kind(i)) {
        case KelvoSaxRecording::Kind::Start: {
            lastStart = i;
            lastStartIsItem = m_recording.text(i) == KelvoXmlHandler::ItemElement;
            int id = -1;
            if (lastStartIsItem && KelvoXmlHandler::itemId(m_recording.attributes(i), id) &&
                !m_itemById.contains(id))
                m_itemById.insert(id, i);
            break;
        }
        case KelvoSaxRecording::Kind::Characters:
            if (lastStartIsItem) {
                const QString word = KelvoXmlHandler::codedWordText(m_recording.text(i));
                if (!m_itemByWord.contains(word))
                    m_itemByWord.insert(word, lastStart);
            }
            break;
        case KelvoSaxRecording::Kind::End:
            break;
        }
    }
}

TheS_DictItem KelvoDictionaryFile::lookup(const QString& codedWord, int id) const {
    const qsizetype start = id != -1 ? m_itemById.value(id, -1) : m_itemByWord.value(codedWord, -1);
    if (start < 0)
        return {};
    KelvoXmlLookupHandler handler(codedWord, id);
    m_recording.replay(start, handler);
    return handler.result();
}

bool KelvoDictionaryFile::search(const QString& term, const QString& tag, QString& codedWord,
                                 int& id) const {
    const QHash<QString, SearchHit>& hits = searchIndex(tag);
    const auto hit = hits.constFind(term.toLower());
    if (hit == hits.constEnd())
        return false;
    codedWord = hit->codedWord;
    id = hit->id;
    return true;
}

const QHash<QString, KelvoDictionaryFile::SearchHit>&
KelvoDictionaryFile::searchIndex(const QString& tag) const {
    auto index = m_searchIndexes.find(tag);
    if (index == m_searchIndexes.end()) {
        index = m_searchIndexes.insert(tag, {});
        SearchIndexer indexer(tag, *index);
        m_recording.replay(0, indexer);
    }
    return *index;
}
