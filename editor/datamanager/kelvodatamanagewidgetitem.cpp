#include "kelvodatamanagewidgetitem.h"

#include "kelvodatamanagepixmaps.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

namespace {

const QColor kNormal(232, 227, 227);
const QColor kSelected(158, 174, 255);
constexpr int kWidth = 150;
constexpr int kHeight = 46;
const QColor kTooLittleRoom(180, 0, 0);
const QColor kShows(170, 90, 0);

} // namespace

KelvoDataManageWidgetItem::KelvoDataManageWidgetItem(QWidget* parent, const QString& name,
                                                     int regionId, const QString& label)
    : QWidget(parent), m_regionId(regionId) {
    setObjectName(name);
    setAutoFillBackground(true);
    setFixedSize(kWidth, kHeight);

    auto* box = new QGroupBox(this);
    box->installEventFilter(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(5, 0, 5, 0);
    grid->setSpacing(5);
    m_view = new QCheckBox(box);
    m_view->setIcon(KelvoDataManagePixmaps::eye());
    m_view->setChecked(true);
    m_view->setToolTip(tr("Show/hide all data specified for this region.\n"
                          "Caution: Hidden data will not be encoded into the image!"));
    m_label = new QLabel(label, box);
    m_label->setFixedSize(100, 25);
    m_label->installEventFilter(this);
    m_entries = new QToolButton(box);
    m_entries->setText(QStringLiteral("\u2212"));
    m_entries->setFixedSize(17, 17);
    m_entries->setToolTip(tr("Remove one entry of this region."));
    m_entries->setPopupMode(QToolButton::InstantPopup);
    // The arrow would cover the sign on a button this small.
    m_entries->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));
    m_entryMenu = new QMenu(m_entries);
    m_entries->setMenu(m_entryMenu);
    m_delete = new QPushButton(box);
    m_delete->setIcon(KelvoDataManagePixmaps::deleteCross());
    m_delete->setFixedSize(17, 17);
    m_delete->setToolTip(tr("Delete all data specified for this region."));
    grid->addWidget(m_view, 0, 0);
    grid->addWidget(m_label, 0, 1);
    grid->addWidget(m_entries, 0, 2);
    grid->addWidget(m_delete, 0, 3);
    m_roomLabel = new QLabel(box);
    m_roomLabel->setObjectName(QStringLiteral("room"));
    m_roomLabel->setFixedHeight(14);
    QFont small = m_roomLabel->font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    m_roomLabel->setFont(small);
    m_roomLabel->installEventFilter(this);
    grid->addWidget(m_roomLabel, 1, 0, 1, 4);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box);

    connect(m_view, &QCheckBox::clicked, this, &KelvoDataManageWidgetItem::viewPressed);
    connect(m_delete, &QPushButton::clicked, this, &KelvoDataManageWidgetItem::delPressed);
    setSelected(false);
}

QString KelvoDataManageWidgetItem::label() const {
    return m_label->text();
}

void KelvoDataManageWidgetItem::setLabel(const QString& label) {
    m_label->setText(label);
}

bool KelvoDataManageWidgetItem::isDataShown() const {
    return m_view->isChecked();
}

void KelvoDataManageWidgetItem::setDataShown(bool shown) {
    m_view->setChecked(shown);
}

void KelvoDataManageWidgetItem::setSelected(bool selected) {
    m_selected = selected;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, selected ? kSelected : kNormal);
    setPalette(colours);
    m_view->setIcon(selected ? KelvoDataManagePixmaps::selectedEye()
                             : KelvoDataManagePixmaps::eye());
}

void KelvoDataManageWidgetItem::showRoom(const KelvoRegionRoom* room) {
    QString text;
    QString tip;
    m_room = Room::Unknown;
    if (room && !room->problem.isEmpty()) {
        m_room = Room::DoesNotFit;
        text = tr("cannot be coded");
        tip = room->problem;
    } else if (room) {
        const KelvoRegionCapacity& figures = room->capacity;
        if (!figures.fits()) {
            m_room = Room::DoesNotFit;
            text = tr("%1 / %2 B: too much").arg(figures.bytes).arg(figures.room);
            tip = tr("The data need more room than the region has: draw a larger region or "
                     "shorten its data.");
        } else {
            m_room = figures.visible() ? Room::Shows : Room::Fits;
            text =
                tr("%1 / %2 B, level %3").arg(figures.bytes).arg(figures.room).arg(figures.level);
            tip = m_room == Room::Shows
                      ? tr("At this packing level the data visibly change the picture: draw a "
                           "larger region or shorten its data.")
                      : tr("Bytes the data take after compression / the most the region holds, "
                           "and the packing level.");
        }
    }
    m_roomLabel->setText(text);
    m_roomLabel->setToolTip(tip);
    // Marked in colour and in bold, so that the mark does not rest on colour alone.
    QPalette colours = palette();
    if (m_room == Room::DoesNotFit || m_room == Room::Shows) {
        colours.setColor(QPalette::WindowText,
                         m_room == Room::DoesNotFit ? kTooLittleRoom : kShows);
    }
    m_roomLabel->setPalette(colours);
    QFont font = m_roomLabel->font();
    font.setBold(m_room == Room::DoesNotFit || m_room == Room::Shows);
    m_roomLabel->setFont(font);
}

QString KelvoDataManageWidgetItem::roomText() const {
    return m_roomLabel->text();
}

void KelvoDataManageWidgetItem::viewPressed() {
    emit dataAction(m_view->isChecked() ? DataAction::Show : DataAction::Hide, m_regionId);
}

void KelvoDataManageWidgetItem::delPressed() {
    emit dataAction(DataAction::Delete, m_regionId);
}

void KelvoDataManageWidgetItem::mousePressEvent(QMouseEvent* event) {
    press(event->button());
}

bool KelvoDataManageWidgetItem::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        press(static_cast<QMouseEvent*>(event)->button());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void KelvoDataManageWidgetItem::press(Qt::MouseButton button) {
    if (button == Qt::RightButton) {
        rename();
        return;
    }
    setSelected(true);
    emit selected(m_regionId);
}

void KelvoDataManageWidgetItem::rename() {
    bool ok = false;
    const QString text = QInputDialog::getText(this, tr("New Identifier"), tr("Name:"),
                                               QLineEdit::Normal, m_label->text(), &ok)
                             .trimmed();
    if (ok && !text.isEmpty() && text.left(kMaxLabelLength) != label()) {
        emit renameRequested(m_regionId, text.left(kMaxLabelLength));
    }
}
