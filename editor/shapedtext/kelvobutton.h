// The small square handle by which the author resizes a body, moves a label or places the
// corners and peak of a speech bubble. It shows its pixmap and reports where the pointer would
// put its centre; its owner decides what moves.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <QWidget>

class KelvoButton : public QWidget {
    Q_OBJECT
public:
    // The 9 x 9 handle of every body and label.
    static QPixmap defaultPixmap();
    // The 13 x 13 handle of a speech bubble's peak.
    static QPixmap peakPixmap();

    // A null pixmap gives the default handle.
    KelvoButton(QWidget* parent, const QString& name, const QPixmap& pixmap = QPixmap());

    bool movable() const { return m_movable; }
    void setMovable(bool movable) { m_movable = movable; }
    // Moves the handle so that its centre (top-left plus half its size, rounded down) lies on
    // `centre`.
    void centreOn(QPoint centre);

signals:
    void pressed();
    // The would-be centre in the parent's coordinates while the handle is dragged.
    void moved(QPoint centre);
    void released();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_pixmap;
    QPoint m_pressOffset;
    bool m_movable = true;
};
