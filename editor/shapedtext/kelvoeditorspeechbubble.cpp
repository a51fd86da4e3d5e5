#include "kelvoeditorspeechbubble.h"

#include "kelvobubbletext.h"
#include "kelvobutton.h"
#include "kelvoreachablearea.h"
#include "kelvoshapepainting.h"
#include "kelvospeechbubblegeometry.h"
#include "kelvospeechbubbleoutline.h"
#include "kelvotransparentpattern.h"

#include <QPainter>

namespace {

double normalized(double angle) {
    while (angle < 0) {
        angle += 360;
    }
    while (angle >= 360) {
        angle -= 360;
    }
    return angle;
}

// The pixels of the outline's bounding rectangle's edge.
QRegion frame(const QRect& bounds) {
    return QRegion(bounds).subtracted(QRegion(bounds.adjusted(1, 1, -1, -1)));
}

} // namespace

KelvoEditorSpeechBubble::KelvoEditorSpeechBubble(QWidget* parent, const QString& name)
    : KelvoEditorShapedText(parent, name),
      m_peakHandle(addHandle(QStringLiteral("ButtonPeak"), KelvoButton::peakPixmap())),
      m_angle1Handle(addHandle(QStringLiteral("ButtonAngle1"), QPixmap())),
      m_angle2Handle(addHandle(QStringLiteral("ButtonAngle2"), QPixmap())),
      m_boxHandle(addHandle(QStringLiteral("ButtonBBox"), QPixmap())) {
    m_angle1 = kelvoPlacedAngle(QPoint(90, 70), m_body);
    m_angle2 = kelvoPlacedAngle(QPoint(65, 70), m_body);
    m_peakAngle = kelvoPlacedAngle(m_peak, m_body);
    rebuildOutline();
    takeScalingReference();
    connect(m_angle1Handle, &KelvoButton::moved, this,
            [this](QPoint c) { dragAngle(m_angle1, c); });
    connect(m_angle2Handle, &KelvoButton::moved, this,
            [this](QPoint c) { dragAngle(m_angle2, c); });
    connect(m_peakHandle, &KelvoButton::moved, this, &KelvoEditorSpeechBubble::dragPeak);
    connect(m_boxHandle, &KelvoButton::moved, this, &KelvoEditorSpeechBubble::dragBox);
    createLabel(m_body);
    fit();
    centreHandles();
    moveTextToCenter();
}

KelvoButton* KelvoEditorSpeechBubble::addHandle(const QString& name, const QPixmap& pixmap) {
    auto* handle = new KelvoButton(this, name, pixmap);
    handle->setMovable(false);
    connect(handle, &KelvoButton::pressed, this, [this] { partEditing(true); });
    connect(handle, &KelvoButton::released, this, [this] { partEditing(false); });
    trackReshape(handle);
    return handle;
}

QString KelvoEditorSpeechBubble::shapeClassName() const {
    return QStringLiteral("KelvoEditorSpeechBubble");
}

void KelvoEditorSpeechBubble::rebuildOutline() {
    m_outline = kelvoSpeechBubbleOutline(m_body, int(m_angle1), int(m_angle2), m_peak);
}

void KelvoEditorSpeechBubble::centreHandles() {
    m_angle1Handle->centreOn(m_outline.first());
    m_angle2Handle->centreOn(m_outline.at(m_outline.size() - 2));
    m_peakHandle->centreOn(m_peak);
    m_boxHandle->centreOn(m_outline.boundingRect().bottomRight());
    for (KelvoButton* handle : {m_peakHandle, m_angle1Handle, m_angle2Handle, m_boxHandle}) {
        handle->raise();
    }
}

void KelvoEditorSpeechBubble::fit() {
    const QPoint shift = m_outline.boundingRect().topLeft();
    if (!shift.isNull()) {
        m_body.translate(-shift);
        m_peak -= shift;
        label()->move(label()->pos() - shift);
        move(pos() + shift);
        rebuildOutline();
    }
    const QRect bounds = m_outline.boundingRect();
    const QSize half((m_boxHandle->width() + 1) / 2, (m_boxHandle->height() + 1) / 2);
    // The peak's handle is larger than the box handle; it must not be cut at the peak.
    const QSize peakRoom(m_peak.x() + (m_peakHandle->width() + 1) / 2,
                         m_peak.y() + (m_peakHandle->height() + 1) / 2);
    resize((bounds.size() + half).expandedTo(peakRoom));
}

void KelvoEditorSpeechBubble::takeScalingReference() {
    const QRect bounds = m_outline.boundingRect();
    m_refSize = QSize(bounds.right() - bounds.left(), bounds.bottom() - bounds.top());
    m_refPeak = m_peak - bounds.topLeft();
    m_resized = QPoint(0, 0);
}

void KelvoEditorSpeechBubble::dragAngle(double& angle, QPoint centre) {
    angle = kelvoPlacedAngle(centre, m_body);
    rebuildOutline();
    fit();
    centreHandles();
    clearMask();
    update();
}

void KelvoEditorSpeechBubble::dragPeak(QPoint centre) {
    const double offset1 =
        m_angle1 >= m_peakAngle ? m_angle1 - m_peakAngle : 360 - m_peakAngle + m_angle1;
    const double offset2 =
        m_angle2 < m_peakAngle ? m_peakAngle - m_angle2 : 360 - m_angle2 + m_peakAngle;
    // The peak stays on the picture, so that it can be grabbed again.
    m_peak = kelvoClamped(centre, kelvoReachableArea(this));
    m_peakAngle = kelvoPlacedAngle(m_peak, m_body);
    m_angle1 = normalized(m_peakAngle + offset1);
    m_angle2 = normalized(m_peakAngle - offset2);
    rebuildOutline();
    fit();
    takeScalingReference();
    centreHandles();
    clearMask();
    update();
}

void KelvoEditorSpeechBubble::dragBox(QPoint centre) {
    const QPoint reached = kelvoClamped(centre, kelvoReachableArea(this));
    const QPoint change =
        reached - QPoint(m_boxHandle->width() / 2, m_boxHandle->height() / 2) - m_boxHandle->pos();
    const QSize size = m_body.size() + QSize(change.x(), change.y());
    if (size.width() <= 0 || size.height() <= 0) {
        return;
    }
    m_resized += change;
    const QPoint origin = m_outline.boundingRect().topLeft();
    const int peakX = kelvoScaledPeakOffset(m_refSize.width(), m_resized.x(), m_refPeak.x());
    const int peakY = kelvoScaledPeakOffset(m_refSize.height(), m_resized.y(), m_refPeak.y());
    m_peak = origin + QPoint(peakX, peakY);
    m_body.setSize(size);
    rebuildOutline();
    fit();
    centreHandles();
    label()->setLayoutRect(m_body);
    moveTextToCenter();
    clearMask();
    update();
}

void KelvoEditorSpeechBubble::moveTextToCenter() {
    centreLabelOn(m_body);
    rebuildMask();
}

void KelvoEditorSpeechBubble::fillGeometry(KelvoComicEllipseObj& object) const {
    object.left = m_body.left();
    object.top = m_body.top();
    object.right = m_body.right();
    object.bottom = m_body.bottom();
    object.peakX = m_peak.x();
    object.peakY = m_peak.y();
    object.angle1 = int(m_angle1);
    object.angle2 = int(m_angle2);
}

void KelvoEditorSpeechBubble::maskParts(QRegion& painted, QRegion& area, QRegion& marks) const {
    QImage image = kelvoTransparentImage(size());
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::black);
    painter.drawPolygon(m_outline);
    painter.end();
    painted = area = QRegion(kelvoAlphaMask(image));
    marks = frame(m_outline.boundingRect());
    for (const KelvoButton* handle : {m_peakHandle, m_angle1Handle, m_angle2Handle, m_boxHandle}) {
        marks += handle->geometry();
    }
}

void KelvoEditorSpeechBubble::saveShape(KelvoShapeState& state) const {
    state.ellipse = m_body;
    state.peak = m_peak;
    state.angle1 = m_angle1;
    state.angle2 = m_angle2;
    state.peakAngle = m_peakAngle;
    state.refSize = m_refSize;
    state.refPeak = m_refPeak;
    state.resized = m_resized;
}

void KelvoEditorSpeechBubble::restoreShape(const KelvoShapeState& state) {
    m_body = state.ellipse;
    m_peak = state.peak;
    m_angle1 = state.angle1;
    m_angle2 = state.angle2;
    m_peakAngle = state.peakAngle;
    m_refSize = state.refSize;
    m_refPeak = state.refPeak;
    m_resized = state.resized;
    rebuildOutline();
    // The saved outline starts at (0, 0): this only sizes the widget.
    fit();
    centreHandles();
    label()->setLayoutRect(m_body);
}

void KelvoEditorSpeechBubble::paintEvent(QPaintEvent*) {
    const TheS_BubbleData shown = storedLook(currentProps());
    QPainter painter(this);
    painter.setPen(kelvoOutlinePen(shown.outlineColour, shown.outlineWidth));
    painter.setBrush(shown.backgroundFilled ? QBrush(shown.backgroundColour)
                                            : kelvoTransparentPattern());
    painter.drawPolygon(m_outline);
    // Shows the author the extent of the shape.
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::NoBrush);
    const QRect bounds = m_outline.boundingRect();
    painter.drawRect(bounds.adjusted(0, 0, -1, -1));
}
