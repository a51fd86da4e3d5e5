// The image grabber: a window of its own in which the author opens other pictures, marks a
// part of one of them and hands that part to the encoder window through the grab callback.
#pragma once

#include <QMainWindow>
#include <QPolygon>

#include <functional>

class KelvoImgSelectCopyWidget;
class QAction;
class QMdiArea;

class KelvoImgGrabber : public QMainWindow {
    Q_OBJECT
public:
    // Receives the picture and the outline of the selected part in picture coordinates.
    using GrabCallback = std::function<void(const QImage& picture, const QPolygon& outline)>;

    explicit KelvoImgGrabber(QWidget* parent = nullptr);

    void setGrabCallback(GrabCallback callback);
    // Opens `fileName` in a new maximized window of the workspace. False, after the image
    // widget's warning, when it cannot be read; no window is left then.
    bool openFile(const QString& fileName);
    QMdiArea* workspace() const { return m_workspace; }

public slots:
    void open();
    void selectPoly();
    void selectAutoPoly();
    void selectRect();
    void grabPart();

protected:
    // Hiding discards every picture opened in the grabber.
    void hideEvent(QHideEvent* event) override;

private:
    KelvoImgSelectCopyWidget* activeWindow() const;
    QAction* addTool(const QIcon& icon, const QString& text, const char* name,
                     void (KelvoImgGrabber::*slot)());
    void showToolsFor(const KelvoImgSelectCopyWidget* window);
    void disableTools();

    QMdiArea* m_workspace = nullptr;
    QAction* m_selectRect = nullptr;
    QAction* m_selectPoly = nullptr;
    QAction* m_selectAutoPoly = nullptr;
    QAction* m_grabPart = nullptr;
    GrabCallback m_grab;
};
