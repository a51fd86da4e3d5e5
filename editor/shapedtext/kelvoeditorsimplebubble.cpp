#include "kelvoeditorsimplebubble.h"

#include "kelvobubble.h"
#include "kelvobubbletext.h"
#include "kelvobutton.h"

namespace {

constexpr int kEllipse = 2;
constexpr int kRectangle = 1;

} // namespace

KelvoEditorSimpleBubble::KelvoEditorSimpleBubble(QWidget* parent, const QString& name, int kind)
    : KelvoEditorShapedText(parent, name), m_kind(kind == kEllipse ? kEllipse : kRectangle),
      m_main(new KelvoBubble(this, QStringLiteral("MainBubble"), QPoint(0, 0), QPoint(149, 69),
                             false, m_kind == kEllipse)) {
    applyShapeProps(storedLook(currentProps()));
    connectMainBody(m_main);
    trackReshape(m_main->handle());
    connect(m_main, &KelvoBubble::editingChanged, this, &KelvoEditorSimpleBubble::partEditing);
    connect(m_main, &KelvoBubble::resized, this, [this] {
        resize(m_main->size());
        clearMask();
        label()->setLayoutRect(m_main->bodyRect());
        moveTextToCenter();
    });
    resize(m_main->size());
    createLabel(m_main->bodyRect());
    moveTextToCenter();
    rebuildMask();
}

QString KelvoEditorSimpleBubble::shapeClassName() const {
    return QStringLiteral("KelvoEditorSimpleBubble");
}

void KelvoEditorSimpleBubble::moveTextToCenter() {
    // On the body rather than on the whole widget, whose handle margin would push the text
    // off the body's centre.
    centreLabelOn(m_main->bodyRect().translated(m_main->pos()));
    rebuildMask();
}

void KelvoEditorSimpleBubble::fillGeometry(KelvoComicEllipseObj& object) const {
    const QRect body = m_main->bodyRect().translated(m_main->pos());
    object.left = body.left();
    object.top = body.top();
    object.right = body.right();
    object.bottom = body.bottom();
}

void KelvoEditorSimpleBubble::maskParts(QRegion& painted, QRegion& area, QRegion& marks) const {
    painted = QRegion(m_main->shapeMask()).translated(m_main->pos());
    area = m_main->shapeArea().translated(m_main->pos());
    marks = m_main->editorMarks().translated(m_main->pos());
}

void KelvoEditorSimpleBubble::applyShapeProps(const TheS_BubbleData& shown) {
    m_main->setShapeProperties(shown.backgroundColour, shown.outlineColour, shown.outlineWidth,
                               shown.backgroundFilled);
}

void KelvoEditorSimpleBubble::saveShape(KelvoShapeState& state) const {
    state.bodies = {{m_main->pos(), m_main->bodyRect()}};
}

void KelvoEditorSimpleBubble::restoreShape(const KelvoShapeState& state) {
    m_main->setBodyRect(state.bodies.front().rect);
    m_main->move(state.bodies.front().position);
    resize(m_main->size());
    label()->setLayoutRect(m_main->bodyRect());
}
