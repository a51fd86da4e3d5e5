#include "kelvobubble.h"

#include "kelvobutton.h"
#include "kelvoreachablearea.h"
#include "kelvoshapepainting.h"
#include "kelvotransparentpattern.h"

#include <QMouseEvent>
#include <QPainter>

KelvoBubble::KelvoBubble(QWidget* parent, const QString& name, QPoint topLeft, QPoint bottomRight,
                         bool movable, bool ellipse)
    : QWidget(parent), m_bodyRect(topLeft, bottomRight), m_movable(movable), m_ellipse(ellipse),
      m_handle(new KelvoButton(this, QStringLiteral("ButtonBBox"))) {
    setObjectName(name);
    m_handle->setMovable(false);
    connect(m_handle, &KelvoButton::pressed, this, [this] {
        clearMask();
        emit editingChanged(true);
    });
    connect(m_handle, &KelvoButton::moved, this, &KelvoBubble::resizeByHandle);
    connect(m_handle, &KelvoButton::released, this, [this] {
        rebuildMask();
        emit editingChanged(false);
    });
    fitToBody();
    rebuildMask();
}

void KelvoBubble::setShapeProperties(const QColor& background, const QColor& outline,
                                     int outlineWidth, bool backgroundFilled) {
    m_background = background;
    m_outline = outline;
    m_outlineWidth = outlineWidth;
    m_filled = backgroundFilled;
    rebuildMask();
    update();
}

void KelvoBubble::fitToBody() {
    const QSize h = m_handle->size();
    m_handle->centreOn(m_bodyRect.bottomRight());
    resize(m_bodyRect.right() + 1 + (h.width() + 1) / 2,
           m_bodyRect.bottom() + 1 + (h.height() + 1) / 2);
}

void KelvoBubble::setBodyRect(const QRect& rect) {
    m_bodyRect = rect;
    fitToBody();
    rebuildMask();
    update();
}

QRegion KelvoBubble::shapeArea() const {
    if (!m_ellipse) {
        return QRegion(m_bodyRect);
    }
    QImage image = kelvoTransparentImage(size());
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::black);
    kelvoDrawPixelEllipse(painter, m_bodyRect);
    painter.end();
    return QRegion(kelvoAlphaMask(image));
}

QRegion KelvoBubble::editorMarks() const {
    QRegion marks(m_handle->geometry());
    if (m_ellipse) {
        marks += QRegion(m_bodyRect).subtracted(QRegion(m_bodyRect.adjusted(1, 1, -1, -1)));
    }
    return marks;
}

void KelvoBubble::paintBody(QPainter& painter, const QBrush& fill) const {
    painter.setPen(kelvoOutlinePen(m_outline, m_outlineWidth));
    painter.setBrush(fill);
    if (m_ellipse) {
        kelvoDrawPixelEllipse(painter, m_bodyRect);
    } else {
        kelvoDrawFramedRect(painter, m_bodyRect, m_outlineWidth, m_outline);
    }
}

void KelvoBubble::rebuildMask() {
    QImage image = kelvoTransparentImage(size());
    QPainter painter(&image);
    paintBody(painter, m_filled ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
    painter.end();
    m_mask = kelvoAlphaMask(image);
    setMask(QRegion(m_mask) + editorMarks());
}

void KelvoBubble::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBody(painter, m_filled ? QBrush(m_background) : kelvoTransparentPattern());
    if (m_ellipse) {
        // Shows the author the extent of the ellipse.
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_bodyRect.adjusted(0, 0, -1, -1));
    }
}

void KelvoBubble::resizeByHandle(QPoint handleCentre) {
    const QPoint centre = kelvoClamped(handleCentre, kelvoReachableArea(this));
    const QSize h = m_handle->size();
    const int width = m_bodyRect.width() + centre.x() - h.width() / 2 - m_handle->x();
    const int height = m_bodyRect.height() + centre.y() - h.height() / 2 - m_handle->y();
    if (width > 0 && height > 0) {
        m_bodyRect.setSize(QSize(width, height));
        fitToBody();
        clearMask();
        update();
    }
    emit editingChanged(true);
    emit resized(objectName());
}

void KelvoBubble::mousePressEvent(QMouseEvent* event) {
    m_pressOffset = event->position().toPoint();
    emit pressed(event);
    emit editingChanged(false);
}

void KelvoBubble::mouseMoveEvent(QMouseEvent* event) {
    if (m_movable) {
        clearMask();
        const QPoint cursor = kelvoClamped(mapToParent(event->position().toPoint()),
                                           kelvoReachableArea(parentWidget()));
        move(cursor - m_pressOffset);
        event->accept();
    }
    emit dragged(event);
    emit editingChanged(true);
}

void KelvoBubble::mouseReleaseEvent(QMouseEvent*) {
    if (m_movable) {
        setMask(QRegion(m_mask) + editorMarks());
    }
    emit released();
    emit editingChanged(false);
}
