#include "kelvoeditorshapedtext.h"

#include "kelvobubble.h"
#include "kelvobubbledataconversion.h"
#include "kelvobubbletext.h"
#include "kelvobutton.h"
#include "kelvocomicellipseshape.h"
#include "kelvomsgdlg.h"
#include "kelvoreachablearea.h"
#include "kelvoshapedtextlimits.h"
#include "kelvotexteditor.h"
#include "kelvotextproperties.h"

#include <QMenu>
#include <QMetaMethod>
#include <QMouseEvent>

#include <algorithm>
#include <memory>

namespace {

std::vector<uint8_t> serialized(const KelvoComicEllipseObj& object) {
    if (object.kind == KindSpeechBubble || object.kind == KindThinkBubble) {
        KelvoComicEllipseShape shape;
        shape.comicObjects.push_back(std::make_unique<KelvoComicEllipseObj>(object));
        shape.serialize();
        return shape.bytes;
    }
    KelvoEllipseShape shape;
    shape.objects.push_back(std::make_unique<KelvoEllipseObj>(object));
    shape.serialize();
    return shape.bytes;
}

} // namespace

bool KelvoShapeState::operator==(const KelvoShapeState& other) const {
    return position == other.position && labelPosition == other.labelPosition &&
           bodies == other.bodies && ellipse == other.ellipse && peak == other.peak &&
           angle1 == other.angle1 && angle2 == other.angle2 && peakAngle == other.peakAngle &&
           refSize == other.refSize && refPeak == other.refPeak && resized == other.resized;
}

KelvoEditorShapedText::KelvoEditorShapedText(QWidget* parent, const QString& name)
    : KelvoShapedTextBase(parent, name) {
    m_currentProps.textData.text = tr("Click right mouse\nbutton to edit");
    m_currentProps.textData.font = QFont(QStringLiteral("Helvetica"), 12, QFont::Normal, false);
    m_currentProps.textData.alignmentFlags |= Qt::AlignHCenter | Qt::AlignVCenter;
    m_acceptedProps = m_currentProps;

    m_editor = new KelvoTextEditor(this, QStringLiteral("Editor"), m_currentProps.textData.text,
                                   m_currentProps.textData.font);
    connect(m_editor, &KelvoTextEditor::previewed, this, &KelvoEditorShapedText::preview);
    connect(m_editor, &KelvoTextEditor::accepted, this, &KelvoEditorShapedText::ok);
    connect(m_editor, &KelvoTextEditor::cancelled, this, &KelvoEditorShapedText::cancel);

    m_menu = new QMenu(this);
    connect(m_menu->addAction(tr("Change properties")), &QAction::triggered, this,
            &KelvoEditorShapedText::changeProps);
    connect(m_menu->addAction(tr("Center text")), &QAction::triggered, this, [this] {
        reshapeStarted();
        moveTextToCenter();
        reshapeEnded();
    });
    connect(m_menu->addAction(tr("Remove this element")), &QAction::triggered, this,
            &KelvoEditorShapedText::deleteElement);
}

KelvoEditorShapedText::~KelvoEditorShapedText() = default;

void KelvoEditorShapedText::createLabel(const QRect& layout) {
    const TheS_BubbleTextData shown = storedLook(m_currentProps).textData;
    m_label =
        new KelvoBubbleText(this, QStringLiteral("BubbleText"), layout, shown.text, shown.font);
    m_label->setTextProperties(shown);
    // A label moved inside the shape is undone as a reshape: the shape state holds its place.
    connect(m_label, &KelvoBubbleText::dragged, this, [this] {
        if (!m_reshaping) {
            reshapeStarted();
        }
        partEditing(true);
    });
    connect(m_label, &KelvoBubbleText::dropped, this, [this] {
        partEditing(false);
        reshapeEnded();
    });
    m_label->raise();
}

TheS_BubbleData KelvoEditorShapedText::storedLook(const TheS_BubbleData& props) {
    KelvoEllipseObj object;
    kelvoFillTextObj(props, object);
    object.outlineWidth = uint8_t(std::clamp(props.outlineWidth, 0, 255));
    std::vector<uint8_t> bytes;
    std::size_t count = 0;
    kelvoWriteTextProperties(object, bytes, count);
    // Something always follows the properties in a record.
    bytes.push_back(KelvoEllipseShape::kTerminator);
    std::size_t pos = 0;
    KelvoEllipseObj read;
    kelvoReadTextProperties(bytes.data(), bytes.size(), pos, read);
    TheS_BubbleData shown = kelvoBubbleData(read);
    shown.rect = props.rect;
    return shown;
}

KelvoComicEllipseObj KelvoEditorShapedText::codecObject(QPoint origin) const {
    KelvoComicEllipseObj object;
    object.kind = uint8_t(shapeKind());
    object.x = x() - origin.x();
    object.y = y() - origin.y();
    object.outlineWidth = uint8_t(std::clamp(m_currentProps.outlineWidth, 0, 255));
    if (m_label) {
        object.labelX = m_label->x();
        object.labelY = m_label->y();
    }
    kelvoFillTextObj(m_currentProps, object);
    fillGeometry(object);
    return object;
}

QString KelvoEditorShapedText::codingError(QPoint origin) const {
    const KelvoComicEllipseObj object = codecObject(origin);
    return KelvoShapedTextLimits::codingError(object, serialized(object).size());
}

std::vector<uint8_t> KelvoEditorShapedText::codedBytes(QPoint origin) {
    const QString error = codingError(origin);
    if (!error.isEmpty()) {
        int button = 0;
        showMessage(button, this, tr("Kelvo - Message"), error, tr("OK"));
        return {};
    }
    return serialized(codecObject(origin));
}

void KelvoEditorShapedText::applyTextProps(const TheS_BubbleData& props) {
    m_label->setTextProperties(storedLook(props).textData);
    moveTextToCenter();
    rebuildMask();
}

KelvoShapeState KelvoEditorShapedText::shapeState() const {
    KelvoShapeState state;
    state.position = pos();
    state.labelPosition = m_label->pos();
    saveShape(state);
    return state;
}

void KelvoEditorShapedText::setShapeState(const KelvoShapeState& state) {
    restoreShape(state);
    move(state.position);
    m_label->move(state.labelPosition);
    rebuildMask();
    update();
}

void KelvoEditorShapedText::trackReshape(KelvoButton* part) {
    connect(part, &KelvoButton::pressed, this, &KelvoEditorShapedText::reshapeStarted);
    connect(part, &KelvoButton::released, this, &KelvoEditorShapedText::reshapeEnded);
}

void KelvoEditorShapedText::trackReshape(KelvoBubble* part) {
    connect(part, &KelvoBubble::pressed, this, &KelvoEditorShapedText::reshapeStarted);
    connect(part, &KelvoBubble::released, this, &KelvoEditorShapedText::reshapeEnded);
}

void KelvoEditorShapedText::reshapeStarted() {
    m_shapeBefore = shapeState();
    m_reshaping = true;
}

void KelvoEditorShapedText::reshapeEnded() {
    if (m_reshaping) {
        m_reshaping = false;
        if (shapeState() != m_shapeBefore) {
            emit reshaped(m_shapeBefore);
        }
    }
}

QRegion KelvoEditorShapedText::editorMarks() const {
    QRegion painted, area, marks;
    maskParts(painted, area, marks);
    if (m_label) {
        marks += m_label->handle()->geometry().translated(m_label->pos());
    }
    return marks;
}

void KelvoEditorShapedText::rebuildMask() {
    QRegion painted, area, marks;
    maskParts(painted, area, marks);
    QRegion mask = (painted & area) + editorMarks();
    if (m_label) {
        mask += m_label->glyphs().translated(m_label->pos()) & area;
    }
    m_mask = mask;
    setMask(m_mask);
}

void KelvoEditorShapedText::partEditing(bool editing) {
    if (editing) {
        clearMask();
    } else {
        rebuildMask();
    }
}

void KelvoEditorShapedText::connectMainBody(KelvoBubble* body) {
    connect(body, &KelvoBubble::pressed, this, &KelvoEditorShapedText::pressAt);
    connect(body, &KelvoBubble::dragged, this, &KelvoEditorShapedText::dragTo);
    connect(body, &KelvoBubble::released, this, &KelvoEditorShapedText::endDrag);
}

void KelvoEditorShapedText::centreLabelOn(const QRect& rect) {
    const QRect label = m_label->geometry();
    const QPoint centre((rect.left() + rect.right()) / 2, (rect.top() + rect.bottom()) / 2);
    const QPoint labelCentre((label.left() + label.right()) / 2,
                             (label.top() + label.bottom()) / 2);
    m_label->move(label.topLeft() + centre - labelCentre);
}

void KelvoEditorShapedText::changeProps() {
    m_editor->loadProps(m_currentProps);
    m_editor->show();
}

void KelvoEditorShapedText::deleteElement() {
    // Kept for an owner that can bring the shaped text back.
    m_editor->hide();
    if (isSignalConnected(QMetaMethod::fromSignal(&KelvoEditorShapedText::removeRequested))) {
        emit removeRequested(this);
    } else {
        deleteLater();
    }
}

void KelvoEditorShapedText::display(const TheS_BubbleData& props) {
    applyTextProps(props);
    applyShapeProps(storedLook(props));
    rebuildMask();
    update();
}

void KelvoEditorShapedText::preview(const TheS_BubbleData& props) {
    m_currentProps = props;
    display(props);
}

void KelvoEditorShapedText::ok(const TheS_BubbleData& props) {
    const TheS_BubbleData before = m_acceptedProps;
    setAcceptedProps(props);
    if (props != before) {
        emit propsAccepted(before);
    }
}

void KelvoEditorShapedText::setAcceptedProps(const TheS_BubbleData& props) {
    m_acceptedProps = props;
    m_currentProps = props;
    display(props);
}

void KelvoEditorShapedText::cancel() {
    m_currentProps = m_acceptedProps;
    display(m_acceptedProps);
}

void KelvoEditorShapedText::pressAt(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        m_dragging = false;
        m_menu->popup(event->globalPosition().toPoint());
        return;
    }
    m_dragging = true;
    m_pressedAt = pos();
    m_pressOffset = mapFromGlobal(event->globalPosition().toPoint());
}

void KelvoEditorShapedText::dragTo(QMouseEvent* event) {
    if (!m_dragging || !parentWidget()) {
        return;
    }
    clearMask();
    // The pressed point stays on the picture, so the shaped text can be grabbed again.
    const QPoint cursor = kelvoClamped(
        parentWidget()->mapFromGlobal(event->globalPosition()).toPoint(), parentWidget()->rect());
    move(cursor - m_pressOffset);
}

void KelvoEditorShapedText::endDrag() {
    if (m_dragging) {
        m_dragging = false;
        rebuildMask();
        if (pos() != m_pressedAt) {
            emit dragged(m_pressedAt);
        }
    }
}

void KelvoEditorShapedText::mousePressEvent(QMouseEvent* event) {
    pressAt(event);
}

void KelvoEditorShapedText::mouseMoveEvent(QMouseEvent* event) {
    dragTo(event);
}

void KelvoEditorShapedText::mouseReleaseEvent(QMouseEvent*) {
    endDrag();
}
