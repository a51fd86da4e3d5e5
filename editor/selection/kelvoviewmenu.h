// Zoom in and out, fit to window and actual size for a window with a workspace of picture
// windows, acting on the workspace's active picture window.
#pragma once

#include <QCoreApplication>

class QMainWindow;
class QMdiArea;
class QMenu;

class KelvoViewMenu {
    Q_DECLARE_TR_FUNCTIONS(KelvoViewMenu)
public:
    // Adds the four actions to `menu`; they are enabled while `workspace` has an active
    // picture window.
    static void addZoomActions(QMenu* menu, QMdiArea* workspace);
    // A "&View" menu with just those actions in `window`'s menu bar.
    static QMenu* add(QMainWindow* window, QMdiArea* workspace);
};
