// The data manager: a small tool window with one row per region that has data in the encoder
// window. It shows the regions of a region map and follows its changes; what the author asks
// for in a row (select, hide or show, rename, remove one entry, delete all) it reports, and the
// owner decides what happens to the data.
#pragma once

#include "kelvodatamanagewidgetitem.h"

#include <QWidget>

#include <map>

class KelvoRegionModel;
class QGridLayout;

class KelvoDataManageWidget : public QWidget {
    Q_OBJECT
public:
    using DataAction = KelvoDataManageWidgetItem::DataAction;

    static constexpr int kWidth = 150;

    explicit KelvoDataManageWidget(const KelvoRegionModel& regions, QWidget* parent = nullptr,
                                   const QString& name = QStringLiteral("DataManageWidget"));

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

signals:
    void dataAction(KelvoDataManageWidget::DataAction action, int regionId);
    void regionSelected(int regionId);
    void renameRequested(int regionId, const QString& name);
    // The author chose to remove the entry that `widget` shows from its region.
    void removeEntryRequested(int regionId, QWidget* widget);

private:
    // The row shows the region's name and hidden state as the map has them now.
    void regionChanged(int regionId);
    void fillEntryMenu(KelvoDataManageWidgetItem* item);

    const KelvoRegionModel& m_regions;
    QGridLayout* m_grid = nullptr;
    std::map<int, KelvoDataManageWidgetItem*> m_rows;
    int m_selected = -1;
    int m_nextGridRow = 0;
};
