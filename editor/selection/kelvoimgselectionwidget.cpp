#include "kelvoimgselectionwidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

namespace {

// Room around a line for the width of its pen.
constexpr int kPenMargin = 3;
// Lines with more segments than this repaint their bounding box instead of each segment.
constexpr int kMaxSegmentsRepainted = 8;

} // namespace

KelvoImgSelectionWidget::KelvoImgSelectionWidget(QWidget* parent) : KelvoImgWidget(parent) {
    // Move events arrive only while a button is held.
    setMouseTracking(false);
}

QString KelvoImgSelectionWidget::widgetKey() const {
    return QStringLiteral("KELVO_SELECTOR_WIDGET");
}

void KelvoImgSelectionWidget::clearSelection() {
    m_points.clear();
    m_imageOutline.clear();
    m_selectionClosed = false;
    m_dragging = false;
    m_repaintEnabled = true;
    update();
}

void KelvoImgSelectionWidget::reportSelection() {
    emit selectionChanged(m_selectionClosed);
}

void KelvoImgSelectionWidget::mousePressEvent(QMouseEvent* event) {
    m_pressed = true;
    updateAround(band());
    m_points.clear();
    m_imageOutline.clear();
    m_anchor = m_moving = imagePointAt(event->position().toPoint());
    m_points.append(m_anchor);
    m_selectionClosed = m_drawn = false;
    m_dragging = true;
    if (m_dataAttached) {
        nextRegionNumber();
        m_dataAttached = false;
    }
    reportSelection();
}

void KelvoImgSelectionWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging) {
        return;
    }
    const QPoint to = imagePointAt(event->position().toPoint());
    if (m_mode == RectangleMode) {
        if (m_drawn) {
            updateAround(rectangleBand());
        }
        m_moving = to;
        updateAround(rectangleBand());
    } else {
        updateAround(QPolygon{m_moving, to});
        m_moving = to;
        m_points.append(to);
    }
    m_drawn = true;
}

void KelvoImgSelectionWidget::mouseReleaseEvent(QMouseEvent*) {
    if (!m_dragging) {
        return;
    }
    updateAround(band());
    m_dragging = false;
    if (m_mode == RectangleMode) {
        if (m_anchor.x() != m_moving.x() && m_anchor.y() != m_moving.y()) {
            m_selectionClosed = true;
            m_points = rectangleBand();
            m_points.removeLast();
        }
    } else {
        m_selectionClosed = freehandOutlineEncloses();
    }
    if (m_selectionClosed) {
        m_imageOutline = m_points;
        m_imageOutline.append(m_imageOutline.first());
    }
    updateAround(m_imageOutline);
    reportSelection();
}

void KelvoImgSelectionWidget::takeOutline(const QPolygon& outline) {
    updateAround(band());
    m_imageOutline = outline;
    m_selectionClosed = true;
    updateAround(m_imageOutline);
    reportSelection();
}

void KelvoImgSelectionWidget::dropOutline(bool withPoints) {
    updateAround(band());
    m_imageOutline.clear();
    if (withPoints) {
        m_points.clear();
    }
}

// A freehand outline encloses an area only when its points do not all lie on one line.
bool KelvoImgSelectionWidget::freehandOutlineEncloses() const {
    if (m_points.isEmpty()) {
        return false;
    }
    const QPoint origin = m_points.first();
    QPoint direction;
    for (const QPoint& p : m_points) {
        const QPoint d = p - origin;
        if (direction.isNull()) {
            direction = d;
        } else if (qint64(direction.x()) * d.y() != qint64(direction.y()) * d.x()) {
            return true;
        }
    }
    return false;
}

QPolygon KelvoImgSelectionWidget::rectangleBand() const {
    return QPolygon{m_anchor, QPoint(m_moving.x(), m_anchor.y()), m_moving,
                    QPoint(m_anchor.x(), m_moving.y()), m_anchor};
}

QPolygon KelvoImgSelectionWidget::band() const {
    if (!m_dragging) {
        // An automatic outline does not repeat its first point.
        QPolygon closed = m_imageOutline;
        if (!closed.isEmpty() && closed.last() != closed.first()) {
            closed.append(closed.first());
        }
        return closed;
    }
    if (m_mode == RectangleMode) {
        return m_drawn ? rectangleBand() : QPolygon();
    }
    return m_points;
}

// Repaints only what `pixels` covers: each segment's box for short lines, else the line's box.
void KelvoImgSelectionWidget::updateAround(const QPolygon& pixels) {
    if (pixels.isEmpty()) {
        return;
    }
    const QPolygonF line = toWidgetPolygon(pixels);
    const QMargins margin(kPenMargin, kPenMargin, kPenMargin, kPenMargin);
    if (line.size() > kMaxSegmentsRepainted + 1) {
        update(line.boundingRect().toAlignedRect().marginsAdded(margin));
        return;
    }
    QRegion region;
    for (qsizetype i = 0; i + 1 < line.size(); ++i) {
        region += QRectF(line[i], line[i + 1]).normalized().toAlignedRect().marginsAdded(margin);
    }
    update(region);
}

void KelvoImgSelectionWidget::paintEvent(QPaintEvent* event) {
    const QImage* image = displayedImage();
    if (!image || !m_repaintEnabled) {
        return;
    }
    QPainter painter(this);
    paintImage(painter, *image, event);
    const QPolygonF line = toWidgetPolygon(band());
    if (line.isEmpty()) {
        return;
    }
    // Black dots on a white ribbon stay visible on every background.
    painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(line);
    const bool drawing = m_dragging && m_mode == FreehandMode;
    painter.setPen(
        QPen(Qt::black, 2, drawing ? Qt::SolidLine : Qt::DotLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawPolyline(line);
}
