#include "kelvorecentfiles.h"

#include "kelvousersettings.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

constexpr char kKey[] = "recentFiles";

} // namespace

KelvoRecentFiles::KelvoRecentFiles(QMenu* menu, QObject* parent) : QObject(parent), m_menu(menu) {
    fillMenu();
}

QStringList KelvoRecentFiles::files() const {
    return KelvoUserSettings::open()->value(QLatin1String(kKey)).toStringList();
}

void KelvoRecentFiles::add(const QString& fileName) {
    const QString path = QFileInfo(fileName).absoluteFilePath();
    QStringList list = files();
    list.removeAll(path);
    list.prepend(path);
    KelvoUserSettings::open()->setValue(QLatin1String(kKey), list.mid(0, kMaxFiles));
    KelvoUserSettings::rememberFolderOf(path);
    fillMenu();
}

void KelvoRecentFiles::fillMenu() {
    m_menu->clear();
    const QStringList list = files();
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)),
                          this, [this, path] { emit openRequested(path); });
    }
    m_menu->setEnabled(!list.isEmpty());
}
