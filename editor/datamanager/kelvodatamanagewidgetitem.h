// One row of the data manager: the region's name, an eye that hides or shows all of the
// region's data, a menu that removes one of its entries, a button that deletes it, and below
// them the bytes its data need, the room it has and the packing level, marked when the data do
// not fit or would show in the picture. A click selects the row; a right click asks for a new
// name (the name is only for the author). The row only reports what the author asked for; its
// owner changes the region and then the row.
#pragma once

#include "kelvoregionrooms.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QToolButton;

class KelvoDataManageWidgetItem : public QWidget {
    Q_OBJECT
public:
    enum class DataAction { Hide = 0, Show = 1, Delete = 2 };
    Q_ENUM(DataAction)
    enum class Room { Unknown, Fits, Shows, DoesNotFit };

    // Names are cut to this many characters.
    static constexpr int kMaxLabelLength = 12;

    KelvoDataManageWidgetItem(QWidget* parent, const QString& name, int regionId,
                              const QString& label);

    int regionId() const { return m_regionId; }
    QString label() const;
    void setLabel(const QString& label);
    // False while the eye is off: the region's data are hidden and left out of the coded image.
    bool isDataShown() const;
    void setDataShown(bool shown);
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    // The region's figures; null: none known (its data are hidden).
    void showRoom(const KelvoRegionRoom* room);
    Room room() const { return m_room; }
    QString roomText() const;
    // The menu of the region's entries; its owner fills it before it opens.
    QMenu* entryMenu() const { return m_entryMenu; }

signals:
    void dataAction(KelvoDataManageWidgetItem::DataAction action, int regionId);
    void selected(int regionId);
    void renameRequested(int regionId, const QString& name);

public slots:
    void viewPressed();
    void delPressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    // Presses on the row's frame and name count as presses on the row.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void press(Qt::MouseButton button);
    void rename();

    const int m_regionId;
    bool m_selected = false;
    Room m_room = Room::Unknown;
    QLabel* m_roomLabel = nullptr;
    QCheckBox* m_view = nullptr;
    QLabel* m_label = nullptr;
    QToolButton* m_entries = nullptr;
    QMenu* m_entryMenu = nullptr;
    QPushButton* m_delete = nullptr;
};
