#include "kelvoimgsnip.h"

#include "kelvomsgdlg.h"
#include "kelvoregionmask.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPalette>

#include <algorithm>

namespace {

// The pixels that the generator codes for `outline`: interior and outline pixels alike, so
// that a selection along the snippet's border keeps its edge pixels.
QRegion shapeRegion(const QPolygon& outline, QSize size) {
    QImage painted(size, QImage::Format_RGB32);
    painted.fill(Qt::white);
    kelvoPaintRegion(painted, {outline}, 0);
    return QRegion(
        QBitmap::fromImage(painted.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor)));
}

} // namespace

KelvoImgSnip::KelvoImgSnip(QWidget* parent, const QString& name) : QWidget(parent) {
    setObjectName(name);
}

void KelvoImgSnip::setAllowedArea(int x, int y, int width, int height) {
    m_areaX = x;
    m_areaY = y;
    m_areaWidth = width;
    m_areaHeight = height;
}

bool KelvoImgSnip::setSnippet(const QImage& source, const QPolygon& selection, QPoint position,
                              bool keepPosition) {
    const QRect bounds = selection.boundingRect();
    if (bounds.isEmpty()) {
        return false;
    }
    if (bounds.width() > m_areaWidth || bounds.height() > m_areaHeight) {
        int answer = 0;
        showMessage(answer, this, tr("Kelvo - Message"),
                    tr("Selected image region is larger than the original image."), tr("OK"));
        return false;
    }
    m_snippet = source.copy(bounds);
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, QPixmap::fromImage(m_snippet));
    setPalette(palette);
    setAutoFillBackground(true);

    const QPoint topLeft = keepPosition
                               ? position + bounds.topLeft()
                               : position - QPoint(m_snippet.width() / 2, m_snippet.height() / 2);
    setGeometry(QRect(topLeft, m_snippet.size()));

    m_outline = selection.translated(-bounds.topLeft());
    for (QPoint& point : m_outline) {
        point.setX(std::clamp(point.x(), 0, m_snippet.width() - 1));
        point.setY(std::clamp(point.y(), 0, m_snippet.height() - 1));
    }
    m_mask = shapeRegion(m_outline, m_snippet.size());
    setMask(m_mask);
    return true;
}

void KelvoImgSnip::mousePressEvent(QMouseEvent* event) {
    m_pressOffset = event->position().toPoint();
    m_pressedAt = pos();
    event->accept();
}

void KelvoImgSnip::mouseMoveEvent(QMouseEvent* event) {
    const QPoint wanted = pos() - m_pressOffset + event->position().toPoint();
    // When the snippet is wider than the area, its left edge stays on the area's left edge.
    const int x = std::max(m_areaX, std::min(wanted.x(), m_areaX + m_areaWidth - width()));
    const int y = std::max(m_areaY, std::min(wanted.y(), m_areaY + m_areaHeight - height()));
    move(x, y);
    event->accept();
}

void KelvoImgSnip::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (pos() != m_pressedAt) {
        emit dragged(m_pressedAt);
    }
}
