#include "kelvoviewershapedtext.h"

#include "kelvobubbledataconversion.h"
#include "kelvoshapepainting.h"
#include "kelvotextobj.h"
#include "kelvoviewerwidget.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstdlib>

namespace {

QPixmap copyUnder(const QImage& image, const QRect& area) {
    if (image.isNull()) {
        QPixmap empty(area.size());
        empty.fill(Qt::transparent);
        return empty;
    }
    return QPixmap::fromImage(image.copy(area));
}

} // namespace

KelvoViewerShapedText::KelvoViewerShapedText(QWidget* viewer, const QString& name,
                                             const KelvoEllipseObj& object, QSize size)
    : KelvoShapedTextBase(viewer, name), m_props(kelvoBubbleData(object)),
      m_textPos(object.labelX, object.labelY) {
    m_position = QPoint(object.x, object.y);
    setMouseTracking(true);
    resize(size);
}

bool KelvoViewerShapedText::withinLimits(std::initializer_list<int64_t> values) {
    for (int64_t value : values) {
        if (std::llabs(value) > kMaxCoordinate) {
            return false;
        }
    }
    return true;
}

bool KelvoViewerShapedText::positionWithinLimits(const KelvoEllipseObj& object) {
    return withinLimits({object.x, object.y, object.labelX, object.labelY, object.left, object.top,
                         object.right, object.bottom});
}

void KelvoViewerShapedText::grabBackgroundsAndDraw() {
    const auto* viewer = qobject_cast<const KelvoViewerWidget*>(parentWidget());
    const QRect area(m_position, size());
    m_plainBackground = copyUnder(viewer ? viewer->pictureImage() : QImage(), area);
    m_outlineBackground = copyUnder(viewer ? viewer->outlineImage() : QImage(), area);
    drawOn(m_plainBackground);
    drawOn(m_outlineBackground);
    if (masked()) {
        m_mask = QBitmap(size());
        m_mask.clear();
        QPainter painter(&m_mask);
        painter.setPen(QPen(Qt::color1, 1));
        painter.setBrush(Qt::color1);
        drawShape(painter);
        painter.end();
        setMask(m_mask);
    }
    update();
}

void KelvoViewerShapedText::drawOn(QPixmap& background) const {
    QPainter painter(&background);
    painter.setFont(m_props.textData.font);
    painter.setPen(kelvoOutlinePen(m_props.outlineColour, m_props.outlineWidth));
    painter.setBrush(m_props.backgroundFilled ? QBrush(m_props.backgroundColour)
                                              : QBrush(Qt::NoBrush));
    drawShape(painter);
    const TheS_BubbleTextData& text = m_props.textData;
    kelvoDrawText(painter, text, kelvoTextBox(text, m_props.rect, m_textPos));
}

void KelvoViewerShapedText::showOutlineBackground(bool on) {
    m_showOutline = on;
    update();
}

void KelvoViewerShapedText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_showOutline ? m_outlineBackground : m_plainBackground);
}

void KelvoViewerShapedText::forward(QMouseEvent* event) {
    auto* viewer = qobject_cast<KelvoViewerWidget*>(parentWidget());
    if (!viewer) {
        return;
    }
    QMouseEvent forwarded(event->type(), mapToParent(event->position()), event->globalPosition(),
                          event->button(), event->buttons(), event->modifiers());
    viewer->forwardMouseEvent(&forwarded);
}

void KelvoViewerShapedText::mouseMoveEvent(QMouseEvent* event) {
    forward(event);
}

void KelvoViewerShapedText::mousePressEvent(QMouseEvent* event) {
    forward(event);
}
