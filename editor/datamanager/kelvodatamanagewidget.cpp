#include "kelvodatamanagewidget.h"

#include "kelvoeditorshapedtext.h"
#include "kelvoregionmodel.h"
#include "kelvotextholderwidget.h"

#include <QGridLayout>
#include <QMenu>

namespace {

// Entries are named by the start of their text.
constexpr int kShownCharacters = 24;

QString shortened(const QString& text) {
    const QString line = text.simplified();
    return line.size() <= kShownCharacters ? line : line.left(kShownCharacters) + QChar(0x2026);
}

} // namespace

KelvoDataManageWidget::KelvoDataManageWidget(const KelvoRegionModel& regions, QWidget* parent,
                                             const QString& name)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_regions(regions) {
    setObjectName(name);
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setSpacing(0);
    m_grid->setSizeConstraint(QLayout::SetNoConstraint);
    setFixedSize(kWidth, 0);
    connect(&regions, &KelvoRegionModel::regionAdded, this,
            [this](int id) { addRow(m_regions.name(id), id); });
    connect(&regions, &KelvoRegionModel::regionRemoved, this, &KelvoDataManageWidget::removeRow);
    connect(&regions, &KelvoRegionModel::regionChanged, this,
            &KelvoDataManageWidget::regionChanged);
}

KelvoDataManageWidgetItem* KelvoDataManageWidget::row(int regionId) const {
    const auto it = m_rows.find(regionId);
    return it == m_rows.end() ? nullptr : it->second;
}

void KelvoDataManageWidget::addRow(const QString& label, int regionId) {
    if (row(regionId)) {
        return;
    }
    auto* item = new KelvoDataManageWidgetItem(this, QStringLiteral("Item"), regionId, label);
    connect(item, &KelvoDataManageWidgetItem::dataAction, this, &KelvoDataManageWidget::dataAction);
    connect(item, &KelvoDataManageWidgetItem::selected, this, &KelvoDataManageWidget::selectRow);
    connect(item, &KelvoDataManageWidgetItem::renameRequested, this,
            &KelvoDataManageWidget::renameRequested);
    connect(item->entryMenu(), &QMenu::aboutToShow, this, [this, item] { fillEntryMenu(item); });
    m_grid->addWidget(item, m_nextGridRow++, 0);
    item->setDataShown(!m_regions.isHidden(regionId));
    item->show();
    m_rows[regionId] = item;
    setFixedHeight(height() + item->height());
}

void KelvoDataManageWidget::removeRow(int regionId) {
    const auto it = m_rows.find(regionId);
    if (it == m_rows.end()) {
        return;
    }
    KelvoDataManageWidgetItem* item = it->second;
    m_rows.erase(it);
    m_grid->removeWidget(item);
    item->hide();
    setFixedHeight(m_rows.empty() ? 0 : height() - item->height());
    if (m_selected == regionId) {
        m_selected = -1;
    }
    // The row may be the one whose delete button is reporting right now.
    item->deleteLater();
}

void KelvoDataManageWidget::showRoom(int regionId, const KelvoRegionRoom* room) {
    if (KelvoDataManageWidgetItem* item = row(regionId)) {
        item->showRoom(room);
    }
}

void KelvoDataManageWidget::selectRow(int regionId) {
    for (const auto& [id, item] : m_rows) {
        item->setSelected(id == regionId);
    }
    m_selected = regionId;
    emit regionSelected(regionId);
}

void KelvoDataManageWidget::regionChanged(int regionId) {
    if (KelvoDataManageWidgetItem* item = row(regionId)) {
        item->setLabel(m_regions.name(regionId));
        item->setDataShown(!m_regions.isHidden(regionId));
    }
}

void KelvoDataManageWidget::fillEntryMenu(KelvoDataManageWidgetItem* item) {
    QMenu* menu = item->entryMenu();
    menu->clear();
    const TheS_Data* data = m_regions.find(item->regionId());
    if (!data) {
        return;
    }
    int images = 0;
    for (QWidget* widget : data->widgets()) {
        QString text;
        if (const auto* holder = qobject_cast<KelvoTextHolderWidget*>(widget)) {
            text = holder->isDictEntry()
                       ? tr("Remove dictionary entry \"%1\"").arg(shortened(holder->text()))
                       : tr("Remove text \"%1\"").arg(shortened(holder->text()));
        } else if (const auto* shaped = qobject_cast<KelvoEditorShapedText*>(widget)) {
            text = tr("Remove shaped text \"%1\"")
                       .arg(shortened(shaped->acceptedProps().textData.text));
        } else {
            text = tr("Remove image %1").arg(++images);
        }
        const int id = item->regionId();
        connect(menu->addAction(text), &QAction::triggered, this,
                [this, id, widget] { emit removeEntryRequested(id, widget); });
    }
}
