#include "kelvodictionarycache.h"

#include <QFileInfo>

#include <algorithm>

KelvoDictionaryCache& KelvoDictionaryCache::instance() {
    static KelvoDictionaryCache cache;
    return cache;
}

std::shared_ptr<const KelvoDictionaryFile> KelvoDictionaryCache::file(const QString& path) {
    Entry previous;
    const auto found = std::find_if(m_entries.begin(), m_entries.end(),
                                    [&path](const Entry& e) { return e.path == path; });
    if (found != m_entries.end()) {
        previous = std::move(*found);
        m_entries.erase(found);
    }

    // Measured before reading: a change made while the file is read gives the next call a
    // different size or time, so it reads the file again.
    const QFileInfo info(path);
    if (!info.isFile())
        return nullptr;
    Entry entry{path, info.size(), info.lastModified(), nullptr};
    if (previous.file && previous.size == entry.size && previous.modified == entry.modified) {
        entry.file = std::move(previous.file);
    } else {
        auto parsed =
            std::make_shared<const KelvoDictionaryFile>(KelvoDictionaryFile::fromFile(path));
        if (parsed->status() == KelvoSaxReader::Status::Unreadable)
            return nullptr;
        entry.file = std::move(parsed);
    }
    if (m_entries.size() >= MaxFiles)
        m_entries.erase(m_entries.begin());
    m_entries.push_back(entry);
    return entry.file;
}
