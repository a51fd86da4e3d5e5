#include "kelvotwanchorbutton.h"

#include "kelvotextwidget.h"
#include "kelvoviewerwidget.h"

#include <QBitmap>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace {

// '.' transparent, 'g' face, 'W' light rim, 'D' dark rim.
constexpr const char* kNotAnchoredRows[KelvoTWAnchorButton::kSize] = {
    ".....ggggg.....", "...ggWWWWWgg...", "..gWWWWWWWWWg..", ".gWWWgggggWgDg.", ".gWWgggggggDDg.",
    "gWWgggggggggDDg", "gWWgggggggggDDg", "gWWgggggggggDDg", "gWWgggggggggDDg", "gWWgggggggggDDg",
    ".gWggggggggDDg.", ".gWWDgggggDDDg.", "..gDDDDDDDDDg..", "...ggDDDDDgg...", ".....ggggg.....",
};

constexpr const char* kAnchoredRows[KelvoTWAnchorButton::kSize] = {
    ".....ggggg.....", "...ggDDDDDgg...", "..gDDDDDDDDDg..", ".gDDDggggggWWg.", ".gDDggggggggWg.",
    "gDDgggggggggWWg", "gDDgggggggggWWg", "gDDgggggggggWWg", "gDDgggggggggWWg", "gDDgggggggggWWg",
    ".gDDgggggggWWg.", ".gDgWgggggWWWg.", "..gWWWWWWWWWg..", "...ggWWWWWgg...", ".....ggggg.....",
};

QRgb pixelColour(char c) {
    switch (c) {
    case 'g':
        return qRgb(0xC0, 0xC0, 0xC0);
    case 'W':
        return qRgb(0xFF, 0xFF, 0xFF);
    case 'D':
        return qRgb(0x80, 0x80, 0x80);
    default:
        return qRgba(0, 0, 0, 0);
    }
}

QImage discImage(const char* const* rows) {
    QImage image(KelvoTWAnchorButton::kSize, KelvoTWAnchorButton::kSize, QImage::Format_ARGB32);
    for (int y = 0; y < KelvoTWAnchorButton::kSize; ++y) {
        for (int x = 0; x < KelvoTWAnchorButton::kSize; ++x) {
            image.setPixel(x, y, pixelColour(rows[y][x]));
        }
    }
    return image;
}

} // namespace

KelvoTWAnchorButton::KelvoTWAnchorButton(KelvoTextWidget* textWidget)
    : QPushButton(textWidget), m_textWidget(textWidget),
      m_notAnchored(QPixmap::fromImage(discImage(kNotAnchoredRows))),
      m_anchored(QPixmap::fromImage(discImage(kAnchoredRows))) {
    setCheckable(true);
    setMaximumSize(kSize, kSize);
    setFixedSize(kSize, kSize);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    // Both discs share their outline: the opaque pixels of either are the button's shape.
    setMask(m_anchored.mask());
}

void KelvoTWAnchorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, pixmap(m_textWidget->isAnchored()));
}

void KelvoTWAnchorButton::mouseMoveEvent(QMouseEvent* event) {
    QWidget* viewerArea = m_textWidget->parentWidget();
    if (!viewerArea || m_textWidget->isAnchored()) {
        QPushButton::mouseMoveEvent(event);
        return;
    }
    auto* viewer = qobject_cast<KelvoViewerWidget*>(viewerArea);
    const QPoint inViewer = mapTo(viewerArea, event->position().toPoint());
    if (!viewerArea->rect().contains(inViewer)) {
        releaseMouse();
        m_textWidget->hide();
        if (viewer) {
            viewer->updateWidget();
        }
        return;
    }
    if (viewer) {
        QMouseEvent moved(QEvent::MouseMove, inViewer, event->globalPosition(), event->button(),
                          event->buttons(), event->modifiers());
        viewer->forwardMouseEvent(&moved);
    }
}

void KelvoTWAnchorButton::mousePressEvent(QMouseEvent* event) {
    auto* viewer = qobject_cast<KelvoViewerWidget*>(m_textWidget->parentWidget());
    if (event->button() == Qt::LeftButton || !viewer) {
        QPushButton::mousePressEvent(event);
        return;
    }
    // The viewer handles other buttons (a host's context menu) at the pointer's place.
    QMouseEvent pressed(QEvent::MouseButtonPress, mapTo(viewer, event->position().toPoint()),
                        event->globalPosition(), event->button(), event->buttons(),
                        event->modifiers());
    viewer->forwardMouseEvent(&pressed);
}
