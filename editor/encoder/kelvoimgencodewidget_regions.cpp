// The encoder window's side of the data manager: hiding, showing, deleting and choosing regions,
// and shaped texts that remove themselves.
#include "kelvodatamanagewidget.h"
#include "kelvoeditorshapedtext.h"
#include "kelvoimgencodewidget.h"

#include <QTimer>

void KelvoImgEncodeWidget::itemAction(int action, int number) {
    const auto it = m_regions.find(number);
    if (it == m_regions.end()) {
        return;
    }
    if (action == KelvoDataManageWidgetItem::DeleteData) {
        deleteRegion(number);
        return;
    }
    for (QWidget* widget : it->second.widgets()) {
        widget->setVisible(action != KelvoDataManageWidgetItem::HideData);
    }
    m_roomTimer->start();
    update();
}

void KelvoImgEncodeWidget::deleteRegion(int number) {
    // The data manager removes the region's row itself.
    for (QWidget* widget : m_regions[number].widgets()) {
        widget->close();
        delete widget;
    }
    m_regions.erase(number);
    if (m_regions.empty()) {
        m_hasData = false;
    }
    setSelectionClosed(false);
    notifyState();
    update();
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

void KelvoImgEncodeWidget::removeShapedText(KelvoEditorShapedText* widget) {
    widget->close();
    // The call comes from the shaped text's own menu.
    widget->deleteLater();
    for (auto it = m_regions.begin(); it != m_regions.end(); ++it) {
        auto& items = it->second.shapedTexts;
        const auto item = std::find_if(items.begin(), items.end(), [widget](const auto& entry) {
            return entry.widget == widget;
        });
        if (item == items.end()) {
            continue;
        }
        items.erase(item);
        m_roomTimer->start();
        if (it->second.isEmpty()) {
            m_dataManager->removeRow(it->first);
            m_regions.erase(it);
            m_hasData = !m_regions.empty();
            notifyState();
            update();
        }
        return;
    }
}
