// The built-in icons of the selection tools.
#pragma once

#include <QIcon>

namespace KelvoSelectionIcons {

QIcon rectangle();
QIcon freehand();
QIcon background();
QIcon grab();

} // namespace KelvoSelectionIcons
