#include "kelvopaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <dlfcn.h>
#include <link.h>

namespace {

const char* const InstallDirVariable = "KELVO_DIR";
const QString DictionaryFolder = QStringLiteral("dictionary/");
const QString PicturesFolder = QStringLiteral("My Kelvos/");

// The file of the program or shared library this code is linked into: the plug-in must find the
// data from its own place, not from the browser's.
QString modulePath() {
    Dl_info info;
    link_map* map = nullptr;
    if (dladdr1(reinterpret_cast<void*>(&modulePath), &info, reinterpret_cast<void**>(&map),
                RTLD_DL_LINKMAP) != 0 &&
        map && map->l_name && map->l_name[0] != '\0')
        return QFile::decodeName(map->l_name);
    // The main program has no name of its own in the link map.
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

// share/kelvo/ as installed beside bin/ (the programs) or lib/kelvo/ (the plug-in and its host);
// empty when the program does not run from an installed tree.
QString installedFolder() {
    static const QString folder = [] {
        const QString moduleDir = QFileInfo(modulePath()).absolutePath();
        for (const QLatin1String up : {QLatin1String("/../"), QLatin1String("/../../")}) {
            const QString candidate =
                QDir::cleanPath(moduleDir + up + QLatin1String("share/kelvo"));
            if (QFileInfo(candidate).isDir())
                return candidate + QLatin1Char('/');
        }
        return QString();
    }();
    return folder;
}

// False when the data files are looked for in the current directory.
bool hasDataFolder() {
    return qEnvironmentVariableIsSet(InstallDirVariable) || !installedFolder().isEmpty();
}

// The user's copy of relative, or empty when the user's files stay in the data folder: KELVO_DIR
// names a place the user may write to, or there is no data folder (current directory).
QString userCopy(const QString& relative) {
    if (qEnvironmentVariableIsSet(InstallDirVariable)) {
        // The folder that holds the file, or the data folder for a folder still to be made.
        QFileInfo holder(QFileInfo(qEnvironmentVariable(InstallDirVariable) + relative).path());
        if (!holder.exists())
            holder = QFileInfo(holder.path());
        if (holder.isDir() && holder.isWritable())
            return QString();
    } else if (!hasDataFolder()) {
        return QString();
    }
    return KelvoPaths::userFolder() + relative;
}

// Makes the user's pictures folder with the delivered samples in it. A folder that exists is left
// as it is: the user may have removed samples on purpose.
void makePicturesFolder(const QString& folder) {
    if (QFileInfo::exists(folder) || !QDir().mkpath(folder))
        return;
    const QDir delivered(KelvoPaths::installPath(PicturesFolder));
    for (const QString& name : delivered.entryList(QDir::Files))
        QFile::copy(delivered.filePath(name), folder + name);
}

} // namespace

QString KelvoPaths::dataFolder() {
    return qEnvironmentVariableIsSet(InstallDirVariable) ? qEnvironmentVariable(InstallDirVariable)
                                                         : installedFolder();
}

QString KelvoPaths::userFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/kelvo/");
}

QString KelvoPaths::installPath(const QString& name) {
    return dataFolder() + name;
}

QString KelvoPaths::dictionaryPath(const QString& name) {
    const QString copy = userCopy(DictionaryFolder + name);
    if (!copy.isEmpty() && QFileInfo::exists(copy))
        return copy;
    if (hasDataFolder())
        return deliveredDictionaryPath(name);
    // Without a data folder the file in the current directory, else the one the writer made.
    const QString written = deliveredDictionaryPath(name);
    return !QFileInfo::exists(name) && QFileInfo::exists(written) ? written : name;
}

QString KelvoPaths::dictionaryWritePath(const QString& name) {
    const QString copy = userCopy(DictionaryFolder + name);
    if (!copy.isEmpty())
        return copy;
    // Without a data folder readers take a file in the current directory first: so does the writer.
    return !hasDataFolder() && QFileInfo::exists(name) ? name : deliveredDictionaryPath(name);
}

QString KelvoPaths::deliveredDictionaryPath(const QString& name) {
    return dataFolder() + DictionaryFolder + name;
}

QString KelvoPaths::picturesFolder() {
    const QString copy = userCopy(PicturesFolder);
    if (copy.isEmpty())
        return hasDataFolder() ? dataFolder() + PicturesFolder.chopped(1) : QString();
    makePicturesFolder(copy);
    return copy.chopped(1);
}
