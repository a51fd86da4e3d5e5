// The image grabber: a window of its own in which the author opens other pictures, marks a
// part of one of them and hands that part to the encoder window through the grab callback.
#pragma once

#include <QMainWindow>
#include <QPolygon>

class KelvoImgSelectCopyWidget;
class QAction;
class QMdiArea;

class KelvoImgGrabber : public QMainWindow {
    Q_OBJECT
public:
    explicit KelvoImgGrabber(QWidget* parent = nullptr);
    // Closing the child windows while the base class is destroyed activates other windows; the
    // grabber must not hear of that any more.
    ~KelvoImgGrabber() override;

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

signals:
    // The picture and the outline of the selected part, in picture coordinates.
    void grabbed(const QImage& picture, const QPolygon& outline);

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
};
