// The main window's workspace of picture windows: it names and holds them, tells which one is
// active and of what kind, marks modified pictures in their titles, keeps every window in view
// by tiling them, and lists them for the Window menu.
#pragma once

#include <QMdiArea>

class KelvoAppViewerWidget;
class KelvoImgEncodeWidget;
class KelvoImgWidget;
class QMenu;

class KelvoWorkspace : public QMdiArea {
    Q_OBJECT
public:
    explicit KelvoWorkspace(QWidget* parent = nullptr);

    // The picture window of the active window, or null. It stays active while another
    // top-level window (the image grabber) has the focus.
    KelvoImgWidget* activeImageWindow() const;
    KelvoImgEncodeWidget* activeEncoder() const;
    KelvoAppViewerWidget* activeViewer() const;
    QList<KelvoImgWidget*> imageWindows() const;

    // "_IMG_WIDGET_<n>" for the next window added, n counting the windows added since the
    // workspace was last found empty by restartNamesWhenEmpty().
    QString nextWindowName() const;
    void restartNamesWhenEmpty();

    // Shows `window` active, titled with its file name, destroyed on close, and arranges the
    // windows.
    void addWindow(KelvoImgWidget* window);
    // Deletes `window` and its frame once the current event is done (the call may come from
    // the window's own handlers) and arranges the rest.
    void discardWindow(KelvoImgWidget* window);
    // The title of `window`'s frame: its file name, with a mark while its work is not saved.
    void updateTitle(KelvoImgWidget* window);
    // One window fills the workspace; several are tiled so that each one is seen.
    void arrange();
    // Replaces the items of `menu` from index `start` on by one per window, the active one
    // checked.
    void listWindows(QMenu* menu, int start);

private:
    int m_windowCounter = 0;
};
