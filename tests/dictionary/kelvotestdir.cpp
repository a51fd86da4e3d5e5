#include "kelvotestdir.h"

#include "kelvoconfig.h"
#include "kelvodictionarycache.h"

#include <QDir>
#include <QFile>

KelvoTestDir::KelvoTestDir() {
    resetProcessState();
    if (m_dir.isValid()) {
        QDir(m_dir.path()).mkdir(QStringLiteral("dictionary"));
        qputenv("KELVO_DIR", QFile::encodeName(root()));
    }
}

KelvoTestDir::~KelvoTestDir() {
    qunsetenv("KELVO_DIR");
    resetProcessState();
}

void KelvoTestDir::write(const QString& relative, const QByteArray& content) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

QByteArray KelvoTestDir::read(const QString& relative) const {
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void KelvoTestDir::resetProcessState() {
    KelvoConfig::reset();
    KelvoDictionaryCache::instance().clear();
}

void KelvoTestDir::setLanguages(const QStringList& tags) {
    QList<TheS_Language> languages;
    for (const QString& tag : tags)
        languages.append({tag, tag});
    KelvoConfig::setLanguages(languages);
}

void KelvoTestDir::writeFuzzSeed(const char* target, const QString& name,
                                 const QByteArray& content) {
    const QString dir = QStringLiteral(KELVO_FUZZ_SEED_DIR "/") + QLatin1String(target);
    QDir().mkpath(dir);
    QFile file(dir + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}
