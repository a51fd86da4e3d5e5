#include "kelvoeditorthinkbubble.h"

#include "kelvobubble.h"
#include "kelvobubbletext.h"
#include "kelvobutton.h"

namespace {

struct CircleStart {
    const char* name;
    QSize size;
    QPoint position;
};

const CircleStart kCircles[] = {
    {"SubBubble1", {21, 18}, {55, 74}},
    {"SubBubble2", {16, 14}, {37, 85}},
    {"SubBubble3", {14, 12}, {23, 100}},
};

// Room around a circle's body for the outer half of its outline, which shows where the circle
// overlaps the main body; enough for the widest contour the text editor offers.
constexpr int kPenRoom = 11;

} // namespace

KelvoEditorThinkBubble::KelvoEditorThinkBubble(QWidget* parent, const QString& name)
    : KelvoEditorShapedText(parent, name),
      m_main(new KelvoBubble(this, QStringLiteral("MainBubble"), QPoint(0, 0), QPoint(149, 69),
                             false, true)) {
    connectMainBody(m_main);
    for (const CircleStart& start : kCircles) {
        const QPoint room(kPenRoom, kPenRoom);
        auto* circle = new KelvoBubble(
            this, QString::fromLatin1(start.name), room,
            room + QPoint(start.size.width() - 1, start.size.height() - 1), true, true);
        circle->move(start.position - room);
        connect(circle, &KelvoBubble::released, this, &KelvoEditorThinkBubble::normalize);
        m_circles.push_back(circle);
    }
    for (KelvoBubble* body : bodies()) {
        connect(body, &KelvoBubble::editingChanged, this, &KelvoEditorThinkBubble::partEditing);
        connect(body, &KelvoBubble::resized, this, &KelvoEditorThinkBubble::bodyResized);
    }
    trackReshape(m_main->handle());
    for (KelvoBubble* circle : m_circles) {
        trackReshape(circle);
        trackReshape(circle->handle());
    }
    applyShapeProps(storedLook(currentProps()));
    normalize();
    createLabel(m_main->bodyRect());
    moveTextToCenter();
}

QString KelvoEditorThinkBubble::shapeClassName() const {
    return QStringLiteral("KelvoEditorThinkBubble");
}

std::vector<KelvoBubble*> KelvoEditorThinkBubble::bodies() const {
    std::vector<KelvoBubble*> all{m_main};
    all.insert(all.end(), m_circles.begin(), m_circles.end());
    return all;
}

void KelvoEditorThinkBubble::normalize() {
    QRect united;
    for (const KelvoBubble* body : bodies()) {
        united |= body->geometry();
    }
    const QPoint shift = united.topLeft();
    if (!shift.isNull()) {
        for (KelvoBubble* body : bodies()) {
            body->move(body->pos() - shift);
        }
        if (label()) {
            label()->move(label()->pos() - shift);
        }
        move(pos() + shift);
    }
    resize(united.size());
    if (label()) {
        rebuildMask();
    }
}

void KelvoEditorThinkBubble::bodyResized(const QString& name) {
    normalize();
    if (name == m_main->objectName()) {
        clearMask();
        label()->setLayoutRect(m_main->bodyRect());
        moveTextToCenter();
    }
}

void KelvoEditorThinkBubble::moveTextToCenter() {
    centreLabelOn(m_main->bodyRect().translated(m_main->pos()));
    rebuildMask();
}

void KelvoEditorThinkBubble::fillGeometry(KelvoComicEllipseObj& object) const {
    const QRect body = m_main->bodyRect().translated(m_main->pos());
    object.left = body.left();
    object.top = body.top();
    object.right = body.right();
    object.bottom = body.bottom();
    object.circles.clear();
    for (const KelvoBubble* circle : m_circles) {
        const QRect rect = circle->bodyRect().translated(circle->pos());
        // The viewer draws a thought circle one pixel narrower and lower than the size it
        // reads, so the size is stored one larger than the body the author sees.
        object.circles.push_back({rect.left(), rect.top(), rect.width() + 1, rect.height() + 1});
    }
}

void KelvoEditorThinkBubble::maskParts(QRegion& painted, QRegion& area, QRegion& marks) const {
    painted = area = marks = QRegion();
    for (const KelvoBubble* body : bodies()) {
        painted += QRegion(body->shapeMask()).translated(body->pos());
        area += body->shapeArea().translated(body->pos());
        marks += body->editorMarks().translated(body->pos());
    }
}

void KelvoEditorThinkBubble::applyShapeProps(const TheS_BubbleData& shown) {
    for (KelvoBubble* body : bodies()) {
        body->setShapeProperties(shown.backgroundColour, shown.outlineColour, shown.outlineWidth,
                                 shown.backgroundFilled);
    }
}

void KelvoEditorThinkBubble::saveShape(KelvoShapeState& state) const {
    state.bodies.clear();
    for (const KelvoBubble* body : bodies()) {
        state.bodies.push_back({body->pos(), body->bodyRect()});
    }
}

void KelvoEditorThinkBubble::restoreShape(const KelvoShapeState& state) {
    const std::vector<KelvoBubble*> all = bodies();
    for (std::size_t i = 0; i < all.size() && i < state.bodies.size(); ++i) {
        all[i]->setBodyRect(state.bodies[i].rect);
        all[i]->move(state.bodies[i].position);
    }
    // The saved bodies start at (0, 0): this only sizes the widget.
    normalize();
    label()->setLayoutRect(m_main->bodyRect());
}
