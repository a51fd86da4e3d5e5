#include "kelvousersettings.h"

#include "kelvopaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr char kLastFolderKey[] = "lastFolder";

} // namespace

std::unique_ptr<QSettings> KelvoUserSettings::open() {
    // Named here rather than by the application's names, which also place the user's data.
    return std::make_unique<QSettings>(QStringLiteral("Kelvo"), QStringLiteral("kelvo"));
}

QString KelvoUserSettings::lastFolder() {
    const QString folder = open()->value(QLatin1String(kLastFolderKey)).toString();
    return !folder.isEmpty() && QDir(folder).exists() ? folder : KelvoPaths::picturesFolder();
}

void KelvoUserSettings::rememberFolderOf(const QString& fileName) {
    open()->setValue(QLatin1String(kLastFolderKey), QFileInfo(fileName).absolutePath());
}
