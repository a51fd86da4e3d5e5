// A dictionary document read once and kept: its recorded reader callbacks plus indexes that
// tell, without reading it again, where the item a lookup wants starts and what a search
// finds. A lookup replays the recorded callbacks from that start through the same
// KelvoXmlLookupHandler a direct read uses; the search index is built by running the search
// handler's own matching over the whole recording. So every result equals that of reading the
// document afresh with the handlers (the state those handlers carry up to their first match
// does not depend on what they look for).
#pragma once

#include "kelvosaxreader.h"
#include "kelvosaxrecording.h"
#include "thes_dictitem.h"

#include <QByteArray>
#include <QHash>
#include <QString>

class KelvoDictionaryFile {
public:
    static KelvoDictionaryFile fromFile(const QString& path);
    static KelvoDictionaryFile fromDocument(const QByteArray& document);

    // How reading went; anything but Ok leaves the file without items.
    KelvoSaxReader::Status status() const { return m_status; }

    // As KelvoXmlLookupHandler(codedWord, id).result() after reading the whole document.
    TheS_DictItem lookup(const QString& codedWord, int id) const;
    // As KelvoXmlSearchHandler(term, tag): true when found, then codedWord and id are set.
    bool search(const QString& term, const QString& tag, QString& codedWord, int& id) const;

    struct SearchHit {
        QString codedWord;
        int id = -1;
    };

private:
    KelvoDictionaryFile(KelvoSaxReader::Status status, KelvoSaxRecording&& recording);
    void buildLookupIndexes();
    const QHash<QString, SearchHit>& searchIndex(const QString& tag) const;

    KelvoSaxReader::Status m_status;
    KelvoSaxRecording m_recording;
    QHash<int, qsizetype> m_itemById;       // id -> first item start with that id
    QHash<QString, qsizetype> m_itemByWord; // coded word -> start of the first item it matches
    // Per searched tag: lower-cased text -> the first item holding it. Built on first use.
    mutable QHash<QString, QHash<QString, SearchHit>> m_searchIndexes;
};
