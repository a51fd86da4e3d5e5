#include "kelvotexttypedlg.h"

#include "kelvodialoglook.h"
#include "kelvotextpictures.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

namespace {

struct TypeButton {
    const char* objectName;
    const char* description;
};

// In type code order.
const TypeButton TypeButtons[KelvoTextPictures::TypeCount] = {
    {"Simple_Text", QT_TRANSLATE_NOOP("KelvoTextTypeDlg", "Unformatted text")},
    {"Simple_Rect", QT_TRANSLATE_NOOP("KelvoTextTypeDlg", "Text in a rectangle")},
    {"Simple_Ellipse", QT_TRANSLATE_NOOP("KelvoTextTypeDlg", "Text in an ellipse")},
    {"Speech_Bubble", QT_TRANSLATE_NOOP("KelvoTextTypeDlg", "Speech bubble")},
    {"Think_Bubble", QT_TRANSLATE_NOOP("KelvoTextTypeDlg", "Think bubble")},
};

} // namespace

KelvoTextTypeDlg::KelvoTextTypeDlg(QWidget* parent) : QDialog(parent) {
    KelvoDialogLook::apply(this);
    setWindowTitle(tr("Choose A Text Type"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 20, 20, 20);
    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (int type = 0; type < KelvoTextPictures::TypeCount; ++type) {
        auto* button = new QRadioButton(this);
        button->setObjectName(QLatin1String(TypeButtons[type].objectName));
        button->setIcon(KelvoTextPictures::shape(type));
        button->setIconSize(KelvoTextPictures::shapeSize());
        const QString description = tr(TypeButtons[type].description);
        button->setToolTip(description);
        button->setAccessibleName(description);
        group->addButton(button, type);
        grid->addWidget(button, type, 0, 1, 4);
    }
    // The default choice is shown as chosen.
    group->button(m_type)->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, &KelvoTextTypeDlg::textType);

    auto* ok = KelvoDialogLook::button(tr("OK"), "okButton", this);
    auto* cancel = KelvoDialogLook::button(tr("Cancel"), "cancelButton", this);
    ok->setDefault(true);
    grid->addWidget(ok, KelvoTextPictures::TypeCount, 1, Qt::AlignCenter);
    grid->addWidget(cancel, KelvoTextPictures::TypeCount, 2, Qt::AlignCenter);
    connect(ok, &QPushButton::clicked, this, &KelvoTextTypeDlg::okPressed);
    connect(cancel, &QPushButton::clicked, this, &KelvoTextTypeDlg::cancelPressed);
}

void KelvoTextTypeDlg::okPressed() {
    accept();
}

void KelvoTextTypeDlg::cancelPressed() {
    reject();
}

void KelvoTextTypeDlg::textType(int type) {
    m_type = type;
}

bool chooseTextType(QWidget* parent, int& type) {
    KelvoTextTypeDlg dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    type = dialog.chosenType();
    return true;
}
