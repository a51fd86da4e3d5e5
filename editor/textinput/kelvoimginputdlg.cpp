#include "kelvoimginputdlg.h"

#include "kelvodialoglook.h"
#include "kelvolatin1text.h"
#include "kelvomsgdlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

KelvoImgInputDlg::KelvoImgInputDlg(QWidget* parent) : QDialog(parent) {
    KelvoDialogLook::apply(this);
    setWindowTitle(tr("Unformatted text input"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 20, 20, 20);
    auto* box = new QGroupBox(tr("Unformatted text input"), this);
    box->setFixedSize(420, 200);
    m_edit = new QPlainTextEdit(box);
    m_edit->setObjectName(QStringLiteral("textEdit"));
    m_edit->setGeometry(10, 30, 400, 150);
    grid->addWidget(box, 0, 0, 1, 4, Qt::AlignCenter);

    auto* ok = KelvoDialogLook::button(tr("OK"), "okButton", this);
    auto* cancel = KelvoDialogLook::button(tr("Cancel"), "cancelButton", this);
    ok->setDefault(true);
    grid->addWidget(ok, 1, 1, Qt::AlignCenter);
    grid->addWidget(cancel, 1, 2, Qt::AlignCenter);
    connect(ok, &QPushButton::clicked, this, &KelvoImgInputDlg::okPressed);
    connect(cancel, &QPushButton::clicked, this, &KelvoImgInputDlg::cancelPressed);
    // Return starts a new line; with Ctrl it presses OK, as in text editors.
    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter}) {
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this,
                &KelvoImgInputDlg::okPressed);
    }
    m_edit->setFocus();
}

void KelvoImgInputDlg::setText(const QString& text) {
    m_edit->setPlainText(text);
    m_edit->moveCursor(QTextCursor::End);
}

QString KelvoImgInputDlg::storable(const QString& text) {
    return QString::fromLatin1(text.toLatin1());
}

void KelvoImgInputDlg::okPressed() {
    const QString text = m_edit->toPlainText();
    const QString lost = kelvoUnstorableCharacters(text);
    int answer = 0;
    if (!lost.isEmpty() &&
        (!showMessage(answer, this, tr("Kelvo - Message"),
                      tr("These characters cannot be stored in the picture and will be replaced "
                         "by \"?\":\n%1\n\nStore the text anyway?")
                          .arg(lost),
                      tr("Store"), 2, tr("Edit")) ||
         answer != 1)) {
        m_edit->setFocus();
        return;
    }
    m_result = text;
    accept();
}

void KelvoImgInputDlg::cancelPressed() {
    reject();
}

bool editUnformattedText(const QString& textIn, QString& text, QWidget* parent) {
    KelvoImgInputDlg dialog(parent);
    dialog.setText(textIn);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = KelvoImgInputDlg::storable(dialog.result());
    return true;
}

bool enterUnformattedText(QString& text, QWidget* parent) {
    text.clear();
    return editUnformattedText(QString(), text, parent);
}
