// A body of a shaped text: a rectangle or an ellipse that the author resizes with the handle
// on its bottom-right corner. Movable bodies (the thought circles) follow the pointer by
// themselves; the others report the pointer to their owner, which moves as a whole.
//
// The body is drawn as the viewer draws it. The widget's mask holds the pixels that the body
// paints (outline and, when filled, its inside), the handle and, for an ellipse, the frame of
// its rectangle; shapeArea() is what the viewer masks the shape to.
#pragma once

#include <QBitmap>
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QWidget>

class KelvoButton;
class QMouseEvent;

class KelvoBubble : public QWidget {
    Q_OBJECT
public:
    // The body spans the pixels from `topLeft` to `bottomRight` inside the widget, which keeps
    // its position and takes the body's size plus room for the handle.
    KelvoBubble(QWidget* parent, const QString& name, QPoint topLeft, QPoint bottomRight,
                bool movable, bool ellipse);

    void setShapeProperties(const QColor& background, const QColor& outline, int outlineWidth,
                            bool backgroundFilled);

    bool movable() const { return m_movable; }
    bool ellipse() const { return m_ellipse; }
    const QRect& bodyRect() const { return m_bodyRect; }
    // Gives the body `rect` as the handle would, without reporting a resize.
    void setBodyRect(const QRect& rect);
    KelvoButton* handle() const { return m_handle; }
    const QBitmap& shapeMask() const { return m_mask; }
    // The body as the viewer masks it (filled, one-pixel edge), in the widget's coordinates.
    QRegion shapeArea() const;
    // What only the editor shows: the handle and an ellipse's frame.
    QRegion editorMarks() const;

signals:
    void pressed(QMouseEvent* event);
    void dragged(QMouseEvent* event);
    void released();
    // True while the body is dragged or resized, false when that ends.
    void editingChanged(bool editing);
    // The object name of the resized bubble.
    void resized(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void fitToBody();
    void rebuildMask();
    void resizeByHandle(QPoint handleCentre);
    void paintBody(QPainter& painter, const QBrush& fill) const;

    QRect m_bodyRect;
    bool m_movable;
    bool m_ellipse;
    KelvoButton* m_handle;
    QBitmap m_mask;
    QPoint m_pressOffset;
    QColor m_background = QColor(255, 255, 255);
    QColor m_outline = QColor(0, 0, 0);
    int m_outlineWidth = 1;
    bool m_filled = true;
};
