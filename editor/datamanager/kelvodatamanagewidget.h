// The data manager: a small tool window with one row per image region that has data in the
// encoder window. The author selects a region, hides or shows all of its data, or deletes it;
// the owner hears of each through its callbacks and decides what happens to the data.
#pragma once

#include "kelvodatamanagewidgetitem.h"

#include <QWidget>

#include <map>

class QGridLayout;

class KelvoDataManageWidget : public QWidget {
    Q_OBJECT
public:
    using DataActionCallback = KelvoDataManageWidgetItem::DataActionCallback;
    using SelectCallback = KelvoDataManageWidgetItem::SelectCallback;

    static constexpr int kWidth = 150;

    explicit KelvoDataManageWidget(QWidget* parent = nullptr,
                                   const QString& name = QStringLiteral("DataManageWidget"));

    // Actions of the rows (KelvoDataManageWidgetItem::DataAction) and selections.
    void setDataActionCallback(DataActionCallback callback);
    void setSelectCallback(SelectCallback callback);

    // Appends a row for `regionId` unless it has one; the window grows by the row's height.
    void addRow(const QString& label, int regionId);
    // Removes the row of `regionId`, when there is one; the window shrinks by its height.
    void removeRow(int regionId);
    // Shows the room of `regionId` in its row; null clears it (a hidden region).
    void showRoom(int regionId, const KelvoRegionRoom* room);
    // Highlights the row of `regionId` alone (-1: none) and reports the selection.
    void selectRow(int regionId);

    int selectedRegion() const { return m_selected; }
    int rowCount() const { return int(m_rows.size()); }
    // The row of `regionId`, or null.
    KelvoDataManageWidgetItem* row(int regionId) const;
    // Whether the author hid the data of `regionId`; hidden data are not coded into the image.
    bool isRegionHidden(int regionId) const;

private:
    void rowAction(int action, int regionId);

    QGridLayout* m_grid = nullptr;
    std::map<int, KelvoDataManageWidgetItem*> m_rows;
    int m_selected = -1;
    int m_nextGridRow = 0;
    DataActionCallback m_dataAction;
    SelectCallback m_select;
};
