#include "kelvodatamanagewidget.h"

#include <QGridLayout>

KelvoDataManageWidget::KelvoDataManageWidget(QWidget* parent, const QString& name)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(name);
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setSpacing(0);
    m_grid->setSizeConstraint(QLayout::SetNoConstraint);
    setFixedSize(kWidth, 0);
}

void KelvoDataManageWidget::setDataActionCallback(DataActionCallback callback) {
    m_dataAction = std::move(callback);
}

void KelvoDataManageWidget::setSelectCallback(SelectCallback callback) {
    m_select = std::move(callback);
}

KelvoDataManageWidgetItem* KelvoDataManageWidget::row(int regionId) const {
    const auto it = m_rows.find(regionId);
    return it == m_rows.end() ? nullptr : it->second;
}

bool KelvoDataManageWidget::isRegionHidden(int regionId) const {
    const KelvoDataManageWidgetItem* item = row(regionId);
    return item && !item->isDataShown();
}

void KelvoDataManageWidget::addRow(const QString& label, int regionId) {
    if (row(regionId)) {
        return;
    }
    auto* item = new KelvoDataManageWidgetItem(this, QStringLiteral("Item"), regionId, label);
    item->setDataActionCallback([this](int action, int id) { rowAction(action, id); });
    item->setSelectCallback([this](int id) { selectRow(id); });
    m_grid->addWidget(item, m_nextGridRow++, 0);
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
    if (m_select) {
        m_select(regionId);
    }
}

void KelvoDataManageWidget::rowAction(int action, int regionId) {
    if (m_dataAction) {
        m_dataAction(action, regionId);
    }
    if (action == KelvoDataManageWidgetItem::DeleteData) {
        removeRow(regionId);
    }
}
