// One row of the data manager: the region's name, an eye that hides or shows all of the
// region's data, a button that deletes it, and below them the bytes its data need, the room it
// has and the packing level, marked when the data do not fit or would show in the picture. A
// click selects the row; a right click renames it (the name is only for the author).
#pragma once

#include "kelvoregionrooms.h"

#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;

class KelvoDataManageWidgetItem : public QWidget {
    Q_OBJECT
public:
    enum DataAction { HideData = 0, ShowData = 1, DeleteData = 2 };
    enum class Room { Unknown, Fits, Shows, DoesNotFit };
    using DataActionCallback = std::function<void(int action, int regionId)>;
    using SelectCallback = std::function<void(int regionId)>;

    // Names are cut to this many characters.
    static constexpr int kMaxLabelLength = 12;

    KelvoDataManageWidgetItem(QWidget* parent, const QString& name, int regionId,
                              const QString& label);

    void setDataActionCallback(DataActionCallback callback);
    void setSelectCallback(SelectCallback callback);

    int regionId() const { return m_regionId; }
    QString label() const;
    // False while the eye is off: the region's data are hidden and left out of the coded image.
    bool isDataShown() const;
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    // The region's figures; null: none known (its data are hidden).
    void showRoom(const KelvoRegionRoom* room);
    Room room() const { return m_room; }
    QString roomText() const;

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
    QPushButton* m_delete = nullptr;
    DataActionCallback m_dataAction;
    SelectCallback m_select;
};
