// The undoable changes of an encoder window. A region command takes a region from one state
// to another (added, extended, an entry removed, hidden or shown, renamed, deleted); the
// widgets that a state leaves out are hidden, not destroyed, so that undo can bring them back.
// A command destroys them when it is dropped while they belong to no region.
#pragma once

#include "kelvoeditorshapedtext.h"
#include "kelvoregionmodel.h"
#include "kelvotextholderwidget.h"

#include <QPointer>
#include <QUndoCommand>

#include <vector>

class KelvoImgWidget;

class KelvoRegionCommand : public QUndoCommand {
public:
    // From the region's state in `map` now to `after` (none: the region goes).
    KelvoRegionCommand(KelvoRegionModel& map, int number,
                       const std::optional<KelvoRegionModel::Region>& after, const QString& text);
    ~KelvoRegionCommand() override;

    void undo() override { apply(m_before); }
    void redo() override { apply(m_after); }

private:
    void apply(const std::optional<KelvoRegionModel::Region>& state);

    KelvoRegionModel& m_map;
    const int m_number;
    const std::optional<KelvoRegionModel::Region> m_before;
    const std::optional<KelvoRegionModel::Region> m_after;
    std::vector<QPointer<QWidget>> m_widgets; // of both states
};

// A widget of a region dragged to another place of the picture.
class KelvoMoveCommand : public QUndoCommand {
public:
    // `from` and `to` in picture coordinates, so that a resized window keeps them right.
    KelvoMoveCommand(const KelvoImgWidget& picture, QWidget* widget, QPoint from, QPoint to,
                     const QString& text);

    void undo() override { moveTo(m_from); }
    void redo() override { moveTo(m_to); }

private:
    void moveTo(QPoint point);

    const KelvoImgWidget& m_picture;
    QPointer<QWidget> m_widget;
    const QPoint m_from;
    const QPoint m_to;
};

// A shaped text resized or reshaped by a handle or a thought circle.
class KelvoReshapeCommand : public QUndoCommand {
public:
    // `before` and `after` as shapeState() gives them; their positions are kept in picture
    // coordinates, like a move's.
    KelvoReshapeCommand(const KelvoImgWidget& picture, KelvoEditorShapedText* widget,
                        const KelvoShapeState& before, const KelvoShapeState& after,
                        const QString& text);

    void undo() override { restore(m_before); }
    void redo() override { restore(m_after); }

private:
    void restore(KelvoShapeState state);

    const KelvoImgWidget& m_picture;
    QPointer<KelvoEditorShapedText> m_widget;
    KelvoShapeState m_before;
    KelvoShapeState m_after;
};

// What the author edited in a widget: `Content` before and after, shown again by `Restore`.
// The widget shows the edit already when the command is pushed.
template <class Widget, class Content, void (Widget::*Restore)(const Content&)>
class KelvoEditCommand : public QUndoCommand {
public:
    KelvoEditCommand(Widget* widget, const Content& before, const Content& after,
                     const QString& text)
        : QUndoCommand(text), m_widget(widget), m_before(before), m_after(after) {}

    void undo() override { restore(m_before); }
    void redo() override { restore(m_after); }

private:
    void restore(const Content& content) {
        if (m_widget) {
            (m_widget->*Restore)(content);
        }
    }

    QPointer<Widget> m_widget;
    const Content m_before;
    const Content m_after;
};

// An unformatted text or a dictionary entry edited in its holder.
using KelvoHolderEditCommand =
    KelvoEditCommand<KelvoTextHolderWidget, KelvoTextHolderWidget::Content,
                     &KelvoTextHolderWidget::setContent>;
// A shaped text's properties confirmed in its editor.
using KelvoShapedTextEditCommand = KelvoEditCommand<KelvoEditorShapedText, TheS_BubbleData,
                                                    &KelvoEditorShapedText::setAcceptedProps>;
