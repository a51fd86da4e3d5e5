#include "kelvoregioncommands.h"

#include "kelvoimgwidget.h"

#include <algorithm>

KelvoRegionCommand::KelvoRegionCommand(KelvoRegionModel& map, int number,
                                       const std::optional<KelvoRegionModel::Region>& after,
                                       const QString& text)
    : QUndoCommand(text), m_map(map), m_number(number), m_before(map.region(number)),
      m_after(after) {
    for (const auto& state : {m_before, m_after}) {
        if (state) {
            for (QWidget* widget : state->data.widgets()) {
                m_widgets.emplace_back(widget);
            }
        }
    }
}

KelvoRegionCommand::~KelvoRegionCommand() {
    for (const QPointer<QWidget>& widget : m_widgets) {
        if (widget && m_map.regionOf(widget) == 0) {
            delete widget;
        }
    }
}

void KelvoRegionCommand::apply(const std::optional<KelvoRegionModel::Region>& state) {
    m_map.set(m_number, state);
    const std::vector<QWidget*> shown =
        state && !state->hidden ? state->data.widgets() : std::vector<QWidget*>();
    for (const QPointer<QWidget>& widget : m_widgets) {
        if (widget) {
            widget->setVisible(std::find(shown.begin(), shown.end(), widget) != shown.end());
        }
    }
}

KelvoMoveCommand::KelvoMoveCommand(const KelvoImgWidget& picture, QWidget* widget, QPoint from,
                                   QPoint to, const QString& text)
    : QUndoCommand(text), m_picture(picture), m_widget(widget), m_from(from), m_to(to) {}

void KelvoMoveCommand::moveTo(QPoint point) {
    if (m_widget) {
        m_widget->move(m_picture.toWidgetCoordinates(point));
    }
}

KelvoReshapeCommand::KelvoReshapeCommand(const KelvoImgWidget& picture,
                                         KelvoEditorShapedText* widget,
                                         const KelvoShapeState& before,
                                         const KelvoShapeState& after, const QString& text)
    : QUndoCommand(text), m_picture(picture), m_widget(widget), m_before(before), m_after(after) {
    m_before.position = picture.toImageCoordinates(before.position);
    m_after.position = picture.toImageCoordinates(after.position);
}

void KelvoReshapeCommand::restore(KelvoShapeState state) {
    if (m_widget) {
        state.position = m_picture.toWidgetCoordinates(state.position);
        m_widget->setShapeState(state);
    }
}
