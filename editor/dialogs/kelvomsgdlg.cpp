#include "kelvomsgdlg.h"

#include "kelvodialoglook.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 40;

} // namespace

KelvoMsgDlg::KelvoMsgDlg(QWidget* parent, const QString& caption, const QString& text,
                         const QString& button1, int defaultButton, const QString& button2,
                         const QString& button3)
    : QDialog(parent) {
    setWindowTitle(caption);
    kelvoApplyDialogLook(this);
    const QString texts[3] = {button1, button2, button3};
    const int extraButtons = (button2.isEmpty() ? 0 : 1) + (button3.isEmpty() ? 0 : 1);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 20, 20, 20);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("messageText"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setMinimumSize(400, 150);
    grid->addWidget(label, 0, 0, 1, 3 + extraButtons, Qt::AlignCenter);

    QPushButton* buttons[3] = {};
    for (int n = 0; n < 3; ++n) {
        if (n > 0 && texts[n].isEmpty()) {
            continue;
        }
        auto* button = new QPushButton(texts[n], this);
        button->setObjectName(QStringLiteral("button%1").arg(n + 1));
        button->setFixedSize(kButtonWidth, kButtonHeight);
        button->setAutoDefault(false);
        grid->addWidget(button, 1, n + 1, Qt::AlignCenter);
        buttons[n] = button;
    }
    connect(buttons[0], &QPushButton::clicked, this, &KelvoMsgDlg::b1Pressed);
    if (buttons[1]) {
        connect(buttons[1], &QPushButton::clicked, this, &KelvoMsgDlg::b2Pressed);
    }
    if (buttons[2]) {
        connect(buttons[2], &QPushButton::clicked, this, &KelvoMsgDlg::b3Pressed);
    }
    const bool defaultExists =
        defaultButton >= 1 && defaultButton <= 3 && buttons[defaultButton - 1];
    QPushButton* chosen = defaultExists ? buttons[defaultButton - 1] : buttons[0];
    chosen->setDefault(true);
    chosen->setFocus();
}

void KelvoMsgDlg::b1Pressed() {
    press(1);
}
void KelvoMsgDlg::b2Pressed() {
    press(2);
}
void KelvoMsgDlg::b3Pressed() {
    press(3);
}

void KelvoMsgDlg::press(int button) {
    m_pressed = button;
    accept();
}

bool showMessage(int& result, QWidget* parent, const QString& caption, const QString& text,
                 const QString& button1, int defaultButton, const QString& button2,
                 const QString& button3) {
    KelvoMsgDlg dialog(parent, caption, text, button1, defaultButton, button2, button3);
    if (dialog.exec() != QDialog::Accepted || dialog.pressedButton() == 0) {
        return false;
    }
    result = dialog.pressedButton();
    return true;
}
