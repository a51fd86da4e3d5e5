// The encoder window's changes of existing regions: the data manager's hide, show, delete,
// rename and entry removal, shaped texts that remove themselves, and the Delete
// and Escape keys. Each change is a command on the window's undo stack.
#include "kelvodatamanagewidget.h"
#include "kelvoeditorshapedtext.h"
#include "kelvoimgencodewidget.h"
#include "kelvomsgdlg.h"
#include "kelvoregioncommands.h"

#include <QKeyEvent>
#include <QUndoStack>

void KelvoImgEncodeWidget::itemAction(DataAction action, int number) {
    std::optional<KelvoRegionModel::Region> region = m_regions.region(number);
    if (!region) {
        return;
    }
    if (action == DataAction::Delete) {
        setSelectionClosed(false);
        changeRegion(number, std::nullopt, tr("Delete region"));
        return;
    }
    region->hidden = action == DataAction::Hide;
    changeRegion(number, region, region->hidden ? tr("Hide region") : tr("Show region"));
}

void KelvoImgEncodeWidget::itemSelected(int number) {
    if (number == -1) {
        return;
    }
    dropOutline(true);
    setRegionNumber(number);
    setSelectionClosed(true);
    notifyState();
    update();
}

void KelvoImgEncodeWidget::renameRegion(int number, const QString& name) {
    std::optional<KelvoRegionModel::Region> region = m_regions.region(number);
    if (region && region->name != name) {
        region->name = name;
        changeRegion(number, region, tr("Rename region"));
    }
}

void KelvoImgEncodeWidget::removeEntry(int number, QWidget* widget) {
    std::optional<KelvoRegionModel::Region> region = m_regions.region(number);
    if (!region) {
        return;
    }
    region->data = region->data.without(widget);
    if (region->data.isEmpty()) {
        region.reset();
    }
    changeRegion(number, region, tr("Remove entry"));
}

void KelvoImgEncodeWidget::removeShapedText(KelvoEditorShapedText* widget) {
    if (const int number = m_regions.regionOf(widget)) {
        // The undo stack keeps the widget until the removal can no longer be undone.
        removeEntry(number, widget);
        return;
    }
    widget->close();
    // The call comes from the shaped text's own menu.
    widget->deleteLater();
}

void KelvoImgEncodeWidget::deleteSelectedRegion() {
    const int number = regionNumber();
    if (!isSelectionClosed() || !m_regions.contains(number)) {
        clearSelection();
        notifyState();
        return;
    }
    int answer = 0;
    if (showMessage(answer, this, tr("Delete Data"),
                    tr("Delete all data of \"%1\"?").arg(m_regions.name(number)), tr("Delete"), 1,
                    tr("Cancel")) &&
        answer == 1) {
        itemAction(DataAction::Delete, number);
    }
}

void KelvoImgEncodeWidget::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        // Also ends a drag in progress: the selection ignores the rest of it.
        clearSelection();
        notifyState();
    } else if (event->matches(QKeySequence::Delete) || event->key() == Qt::Key_Backspace) {
        deleteSelectedRegion();
    } else {
        KelvoImgSelectionWidget::keyPressEvent(event);
    }
}
