#include "kelvobutton.h"

#include <QMouseEvent>
#include <QPainter>

#include <initializer_list>

namespace {

// Concentric square rings from the outside in, around a black centre pixel.
QPixmap rings(std::initializer_list<QRgb> colours) {
    const int size = 2 * int(colours.size()) + 1;
    QImage image(size, size, QImage::Format_RGB32);
    int inset = 0;
    for (QRgb colour : colours) {
        for (int y = inset; y < size - inset; ++y) {
            for (int x = inset; x < size - inset; ++x) {
                image.setPixel(x, y, colour);
            }
        }
        ++inset;
    }
    image.setPixel(size / 2, size / 2, qRgb(0, 0, 0));
    return QPixmap::fromImage(image);
}

} // namespace

QPixmap KelvoButton::defaultPixmap() {
    return rings({0xFFCC5340, 0xFF983E30, 0xFFFFFFFF, 0xFF331410});
}

QPixmap KelvoButton::peakPixmap() {
    return rings({0xFFE8AA81, 0xFFCC7B45, 0xFFCC5340, 0xFF983E30, 0xFFFFFFFF, 0xFF331410});
}

KelvoButton::KelvoButton(QWidget* parent, const QString& name, const QPixmap& pixmap)
    : QWidget(parent), m_pixmap(pixmap.isNull() ? defaultPixmap() : pixmap) {
    setObjectName(name);
    setFixedSize(m_pixmap.size());
}

void KelvoButton::centreOn(QPoint centre) {
    move(centre - QPoint(width() / 2, height() / 2));
}

void KelvoButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_pixmap);
}

void KelvoButton::mousePressEvent(QMouseEvent* event) {
    m_pressOffset = event->position().toPoint();
    emit pressed();
    event->accept();
}

void KelvoButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint topLeft = pos() - m_pressOffset + event->position().toPoint();
    if (m_movable) {
        move(topLeft);
    }
    emit moved(topLeft + QPoint(width() / 2, height() / 2));
    event->accept();
}

void KelvoButton::mouseReleaseEvent(QMouseEvent*) {
    emit released();
}
