// A temporary installation folder for dictionary tests: KELVO_DIR points at it (ending in "/")
// while the object lives, with an empty "dictionary/" folder, and the process-wide language
// state and parsed-file cache start empty. Destruction unsets KELVO_DIR, returns to the
// previous current folder and resets that state.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class KelvoTestDir {
public:
    // Aborts the test program when no temporary folder can be made.
    KelvoTestDir();
    ~KelvoTestDir();
    KelvoTestDir(const KelvoTestDir&) = delete;
    KelvoTestDir& operator=(const KelvoTestDir&) = delete;

    // KELVO_DIR's value: the folder with a trailing "/".
    QString root() const { return m_dir.path() + QLatin1Char('/'); }
    QString path(const QString& relative) const { return root() + relative; }

    void write(const QString& relative, const QByteArray& content) const;
    // Grows the file (made if missing) to one byte over the readers' size limit, sparsely.
    void writeOversized(const QString& relative) const;
    QByteArray read(const QString& relative) const { return readFile(path(relative)); }
    // Unsets KELVO_DIR and makes the folder current until destruction.
    bool enterWithoutKelvoDir();

    // Empty when the file cannot be read.
    static QByteArray readFile(const QString& path);
    // The process-wide state a fresh process has: UI language "en", configuration not read,
    // empty language list, no cached dictionaries.
    static void resetProcessState();
    // Sets the language list to these tags, named after themselves (by default en, fr, es, de at
    // indices 0..3).
    static void setLanguages(const QStringList& tags = {"en", "fr", "es", "de"});
    // The current language list as "tag=name" entries.
    static QStringList languagePairs();
    // A dictionary of at least minimumSize bytes whose items n = 1, 2, ... read
    //   <DictItem id="n">word{n}\n<en><en_P>term{n}</en_P><en_S>Shared</en_S></en>\n
    //   <de><de_P>Begriff{n}</de_P></de>\n</DictItem>
    // and the number of items written.
    static QByteArray largeDictionary(qint64 minimumSize, int& items);
    // Leaves a valid document as a seed for a fuzz target.
    static void writeFuzzSeed(const char* target, const QString& name, const QByteArray& content);

private:
    QTemporaryDir m_dir;
    QString m_previousFolder;
};
