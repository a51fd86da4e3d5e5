// An image snippet laid over the encoder window's picture: the part of a source picture
// inside a selection, cut to the selection's shape, which the author drags into place within
// the allowed area.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QRegion>
#include <QWidget>

class KelvoImgSnip : public QWidget {
    Q_OBJECT
public:
    KelvoImgSnip(QWidget* parent, const QString& name);

    // The rectangle, in parent coordinates, that the snippet may be dragged within.
    void setAllowedArea(int x, int y, int width, int height);
    QRect allowedArea() const { return QRect(m_areaX, m_areaY, m_areaWidth, m_areaHeight); }

    // Cuts the part of `source` inside `selection` (source coordinates) and shows it masked to
    // the selection's shape, outline pixels included. Without `keepPosition` the snippet is
    // centred on `position`; with it, its top-left is `position` plus the selection's
    // top-left. False, after a warning, when the selection is larger than the allowed area;
    // false without one for an empty selection.
    bool setSnippet(const QImage& source, const QPolygon& selection, QPoint position,
                    bool keepPosition);

    const QImage& snippet() const { return m_snippet; }
    // The selection in snippet coordinates, clamped into the snippet.
    const QPolygon& outline() const { return m_outline; }
    const QRegion& shapeMask() const { return m_mask; }

signals:
    // The author dragged the snippet here from `from` (parent coordinates).
    void dragged(QPoint from);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage m_snippet;
    QPolygon m_outline;
    QRegion m_mask;
    QPoint m_pressOffset;
    QPoint m_pressedAt;
    int m_areaX = 0;
    int m_areaY = 0;
    int m_areaWidth = 0;
    int m_areaHeight = 0;
};
