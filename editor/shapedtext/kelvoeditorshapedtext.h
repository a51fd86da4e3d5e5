// A formatted text in a shape that the author places over the picture in the encoder window:
// dragged as a whole, its body resized by handles, its label moved inside, its text and look
// edited in the text properties editor (context menu "Change properties"), and turned into one
// shaped-text record when the coded image is generated.
//
// The shaped text always shows what the picture will keep: texts, fonts and colours pass
// through the record's text properties before they are drawn, and every body is drawn as the
// viewer draws it. The widget is masked to what the viewer shows plus the editor's own marks
// (handles and frames).
#pragma once

#include "kelvoshapedtextbase.h"
#include "kelvotextobj.h"
#include "thes_bubbledata.h"

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <cstdint>
#include <vector>

class KelvoBubble;
class KelvoBubbleText;
class KelvoButton;
class KelvoTextEditor;
class QMenu;
class QMouseEvent;

// Where the parts of a shaped text are, enough to put its shape back exactly. A kind fills the
// fields it has.
struct KelvoShapeState {
    // A body of a rectangle, an ellipse or a think bubble: its place in the shaped text and its
    // rectangle inside itself.
    struct Body {
        QPoint position;
        QRect rect;
        bool operator==(const Body& other) const {
            return position == other.position && rect == other.rect;
        }
    };

    QPoint position; // of the shaped text in its parent
    QPoint labelPosition;
    std::vector<Body> bodies; // the main body first
    // A speech bubble's ellipse, peak and angles, and how it scales the peak while it grows.
    QRect ellipse;
    QPoint peak;
    double angle1 = 0;
    double angle2 = 0;
    double peakAngle = 0;
    QSize refSize;
    QPoint refPeak;
    QPoint resized;

    bool operator==(const KelvoShapeState& other) const;
    bool operator!=(const KelvoShapeState& other) const { return !(*this == other); }
};

class KelvoEditorShapedText : public KelvoShapedTextBase {
    Q_OBJECT
public:
    ~KelvoEditorShapedText() override;

    // What the shaped text shows and codes, and what the last OK of the editor confirmed.
    const TheS_BubbleData& currentProps() const { return m_currentProps; }
    const TheS_BubbleData& acceptedProps() const { return m_acceptedProps; }
    KelvoTextEditor* textEditor() const { return m_editor; }
    KelvoBubbleText* label() const { return m_label; }
    QMenu* contextMenu() const { return m_menu; }
    // The widget's mask as last built (empty while a part is dragged).
    const QRegion& shapeMask() const { return m_mask; }
    // What only the editor shows over the shape: handles and frames, in the widget's
    // coordinates.
    QRegion editorMarks() const;

    // 1 rectangle, 2 ellipse, 3 speech bubble, 4 think bubble.
    virtual int shapeKind() const = 0;
    // The record's values, positions counted from `origin` (picture coordinates).
    KelvoComicEllipseObj codecObject(QPoint origin) const;
    // Why the record cannot be coded (KelvoShapedTextLimits), for the author; empty when it can.
    QString codingError(QPoint origin) const;
    // The serialized shaped-text record. When it cannot be coded, tells the author why and
    // returns nothing.
    std::vector<uint8_t> codedBytes(QPoint origin);

    // Shows `props` and keeps them as confirmed, as undo does; no propsAccepted().
    void setAcceptedProps(const TheS_BubbleData& props);

    // Where the parts are now; setShapeState() puts them back there, label and mask included.
    KelvoShapeState shapeState() const;
    void setShapeState(const KelvoShapeState& state);

    // Takes the text part of `props` into the label as the picture keeps it, centres it and
    // masks the widget again.
    virtual void applyTextProps(const TheS_BubbleData& props);

    // The look of `props` as a viewer reads it back from the record.
    static TheS_BubbleData storedLook(const TheS_BubbleData& props);

signals:
    // The author dragged the whole shaped text here from `from` (parent coordinates).
    void dragged(QPoint from);
    // deleteElement() asks the owner to remove this shaped text; the owner must not destroy it
    // at once, since the request comes from the shaped text's own menu. Without an owner the
    // shaped text destroys itself later.
    void removeRequested(KelvoEditorShapedText* shapedText);
    // The author confirmed other properties in the editor; `before` were confirmed until now.
    void propsAccepted(const TheS_BubbleData& before);
    // The author resized or reshaped the shaped text by a handle or a thought circle, or moved
    // its text (dragged or centred); `before` is where its parts were until then.
    void reshaped(const KelvoShapeState& before);

public slots:
    void changeProps();
    void deleteElement();
    virtual void moveTextToCenter() = 0;

protected:
    KelvoEditorShapedText(QWidget* parent, const QString& name);

    // Creates the label over `layout` (the body) on top of the bodies; for the constructors.
    void createLabel(const QRect& layout);
    // The record's body rectangle and the kind's extra fields.
    virtual void fillGeometry(KelvoComicEllipseObj& object) const = 0;
    // The parts of the mask in the widget's coordinates: the pixels the bodies paint, the area
    // the viewer shows (which also cuts the label's glyphs), and the editor's marks.
    virtual void maskParts(QRegion& painted, QRegion& area, QRegion& marks) const = 0;
    // Gives every body the shape part of `shown`.
    virtual void applyShapeProps(const TheS_BubbleData& shown) = 0;
    // The kind's part of shapeState() and setShapeState(); restoring also sizes the widget and
    // lays the label out in the body.
    virtual void saveShape(KelvoShapeState& state) const = 0;
    virtual void restoreShape(const KelvoShapeState& state) = 0;
    // A drag that may reshape starts and ends at the press and release of `part`.
    void trackReshape(KelvoButton* part);
    void trackReshape(KelvoBubble* part);
    void reshapeStarted();
    void reshapeEnded();
    void rebuildMask();
    // Clears the mask while a part is edited and builds it again when that ends.
    void partEditing(bool editing);
    // Wires a body that moves with the whole shaped text.
    void connectMainBody(KelvoBubble* body);
    // Centres the label on `centre` ((left + right) / 2, (top + bottom) / 2 of a rectangle).
    void centreLabelOn(const QRect& rect);

    void pressAt(QMouseEvent* event);
    void dragTo(QMouseEvent* event);
    void endDrag();
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void preview(const TheS_BubbleData& props);
    void ok(const TheS_BubbleData& props);
    void cancel();
    void display(const TheS_BubbleData& props);

    TheS_BubbleData m_currentProps;
    TheS_BubbleData m_acceptedProps;
    KelvoTextEditor* m_editor = nullptr;
    KelvoBubbleText* m_label = nullptr;
    QMenu* m_menu = nullptr;
    QRegion m_mask;
    QPoint m_pressOffset;
    QPoint m_pressedAt;
    bool m_dragging = false;
    KelvoShapeState m_shapeBefore;
    bool m_reshaping = false;
};
