#include "kelvotestdir.h"

#include "kelvoconfig.h"
#include "kelvodictionarycache.h"
#include "kelvosaxreader.h"

#include <QDir>
#include <QFile>

KelvoTestDir::KelvoTestDir() {
    resetProcessState();
    if (!m_dir.isValid() || !QDir(m_dir.path()).mkdir(QStringLiteral("dictionary")))
        qFatal("cannot make a temporary installation folder");
    qputenv("KELVO_DIR", QFile::encodeName(root()));
}

KelvoTestDir::~KelvoTestDir() {
    if (!m_previousFolder.isEmpty())
        QDir::setCurrent(m_previousFolder);
    qunsetenv("KELVO_DIR");
    resetProcessState();
}

void KelvoTestDir::write(const QString& relative, const QByteArray& content) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

void KelvoTestDir::writeOversized(const QString& relative) const {
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadWrite) || !file.resize(KelvoSaxReader::MaxFileSize + 1))
        qFatal("cannot make %s oversized", qPrintable(file.fileName()));
}

bool KelvoTestDir::enterWithoutKelvoDir() {
    qunsetenv("KELVO_DIR");
    m_previousFolder = QDir::currentPath();
    return QDir::setCurrent(root());
}

QByteArray KelvoTestDir::readFile(const QString& path) {
    QFile file(path);
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

QStringList KelvoTestDir::languagePairs() {
    QStringList result;
    for (const TheS_Language& language : KelvoConfig::languages())
        result.append(language.tag + QLatin1Char('=') + language.name);
    return result;
}

void KelvoTestDir::writeFuzzSeed(const char* target, const QString& name,
                                 const QByteArray& content) {
    const QString dir = QStringLiteral(KELVO_FUZZ_SEED_DIR "/") + QLatin1String(target);
    QDir().mkpath(dir);
    QFile file(dir + QLatin1Char('/') + name);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

QByteArray KelvoTestDir::largeDictionary(qint64 minimumSize, int& items) {
    QByteArray document = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kelvoDictionary>\n\n";
    document.reserve(minimumSize + 256);
    items = 0;
    while (document.size() < minimumSize) {
        const QByteArray n = QByteArray::number(++items);
        document += "<DictItem id=\"" + n + "\">word" + n + "\n<en><en_P>term" + n +
                    "</en_P><en_S>Shared</en_S></en>\n<de><de_P>Begriff" + n +
                    "</de_P></de>\n</DictItem>\n\n";
    }
    return document + "</kelvoDictionary>\n";
}
