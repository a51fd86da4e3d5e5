// A temporary installation folder for dictionary tests: KELVO_DIR points at it (ending in "/")
// while the object lives, with an empty "dictionary/" folder, and the process-wide language
// state and parsed-file cache start empty. Destruction unsets KELVO_DIR and resets that state.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class KelvoTestDir {
public:
    KelvoTestDir();
    ~KelvoTestDir();
    KelvoTestDir(const KelvoTestDir&) = delete;
    KelvoTestDir& operator=(const KelvoTestDir&) = delete;

    bool isValid() const { return m_dir.isValid(); }
    // KELVO_DIR's value: the folder with a trailing "/".
    QString root() const { return m_dir.path() + QLatin1Char('/'); }
    QString path(const QString& relative) const { return root() + relative; }

    void write(const QString& relative, const QByteArray& content) const;
    QByteArray read(const QString& relative) const;

    // The process-wide state a fresh process has: UI language "en", configuration not read,
    // empty language list, no cached dictionaries.
    static void resetProcessState();
    // Sets the language list to these tags, named after themselves.
    static void setLanguages(const QStringList& tags);
    // Leaves a valid document as a seed for a fuzz target.
    static void writeFuzzSeed(const char* target, const QString& name, const QByteArray& content);

private:
    QTemporaryDir m_dir;
};
