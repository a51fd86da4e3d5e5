#include "kelvoencdonedlg.h"

#include "kelvodialoglook.h"
#include "kelvousersettings.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 40;

} // namespace

KelvoEncDoneDlg::KelvoEncDoneDlg(QWidget* parent, const QString& notice) : QDialog(parent) {
    setWindowTitle(tr("Image Coding Finished ..."));
    KelvoDialogLook::apply(this);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 20, 20, 20);
    auto* label = new QLabel(
        tr("Data has been successfully embedded.\nDo you want to save the coded image?"), this);
    label->setAlignment(Qt::AlignCenter);
    grid->addWidget(label, 0, 0, 1, 4, Qt::AlignCenter);
    if (!notice.isEmpty()) {
        auto* warning = new QLabel(notice, this);
        warning->setObjectName(QStringLiteral("notice"));
        warning->setWordWrap(true);
        grid->addWidget(warning, 1, 0, 1, 4);
    }
    grid->setRowMinimumHeight(1, 10);

    auto* save = new QPushButton(tr("Save"), this);
    save->setObjectName(QStringLiteral("save"));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    int column = 1;
    for (QPushButton* button : {save, cancel}) {
        button->setFixedSize(kButtonWidth, kButtonHeight);
        grid->addWidget(button, 2, column++, Qt::AlignCenter);
    }
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &KelvoEncDoneDlg::savePressed);
    connect(cancel, &QPushButton::clicked, this, &KelvoEncDoneDlg::cancelPressed);
}

void KelvoEncDoneDlg::savePressed() {
    QFileDialog dialog(this, tr("Save File"), KelvoUserSettings::lastFolder(),
                       tr("Images (*.png)"));
    dialog.setObjectName(QStringLiteral("encSaveFileDlg"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList chosen =
        dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
    if (chosen.isEmpty() || chosen.first().isEmpty()) {
        reject();
        return;
    }
    m_fileName = chosen.first();
    KelvoUserSettings::rememberFolderOf(m_fileName);
    accept();
}

void KelvoEncDoneDlg::cancelPressed() {
    reject();
}

bool askSaveCodedImage(QString& fileName, QWidget* parent, const QString& notice) {
    KelvoEncDoneDlg dialog(parent, notice);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    fileName = dialog.fileName();
    return true;
}
