// Parsed dictionary files kept per path for the life of the process, so that a picture with
// many dictionary references does not read the same files once per reference. An entry is
// used only while the file still has the size and modification time it had when it was read;
// otherwise it is read again. Files that cannot be opened are not kept. At most MaxFiles
// entries are kept, the least recently used going first. GUI thread only.
#pragma once

#include "kelvodictionaryfile.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class KelvoDictionaryCache {
public:
    static constexpr size_t MaxFiles = 8;

    static KelvoDictionaryCache& instance();

    // The file at path as it is now; null when it is missing or cannot be read.
    std::shared_ptr<const KelvoDictionaryFile> file(const QString& path);
    void clear() { m_entries.clear(); }

private:
    struct Entry {
        QString path;
        qint64 size = 0;
        QDateTime modified;
        std::shared_ptr<const KelvoDictionaryFile> file;
    };

    std::vector<Entry> m_entries; // least recently used first
};
