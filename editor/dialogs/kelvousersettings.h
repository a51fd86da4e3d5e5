// What the editor remembers between runs, in the user's settings: the folder the file dialogs
// start in and the pictures opened last.
#pragma once

#include <QSettings>
#include <QString>

#include <memory>

namespace KelvoUserSettings {

std::unique_ptr<QSettings> open();
// The folder of the last file chosen in a file dialog; the pictures folder at first, and when
// that folder is gone.
QString lastFolder();
void rememberFolderOf(const QString& fileName);

} // namespace KelvoUserSettings
