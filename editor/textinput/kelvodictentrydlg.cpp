#include "kelvodictentrydlg.h"

#include "kelvoconfig.h"
#include "kelvodialoglook.h"
#include "kelvoxmllanguagefileparser.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

KelvoDictEntryDlg::KelvoDictEntryDlg(QWidget* parent) : QDialog(parent) {
    KelvoDialogLook::apply(this);
    setWindowTitle(tr("Image Dictionary Entry"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(20, 20, 20, 20);
    auto* box = new QGroupBox(this);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(20, 20, 20, 20);
    column->setSpacing(20);
    column->addWidget(new QLabel(tr("Choose a language and enter the\n term in the selected "
                                    "language ..."),
                                 box));
    m_languages = new QComboBox(box);
    m_languages->setObjectName(QStringLiteral("languageBox"));
    m_languages->setFixedWidth(200);
    const KelvoXmlLanguageFileParser loadLanguageList;
    for (const TheS_Language& language : KelvoConfig::languages())
        m_languages->addItem(language.name);
    m_languages->setCurrentIndex(0);
    connect(m_languages, &QComboBox::activated, this, &KelvoDictEntryDlg::chosenLang);
    column->addWidget(m_languages);
    m_term = new QLineEdit(box);
    m_term->setObjectName(QStringLiteral("termEdit"));
    m_term->setFixedWidth(200);
    column->addWidget(m_term);
    grid->addWidget(box, 0, 0, 1, 2, Qt::AlignCenter);

    auto* ok = KelvoDialogLook::button(tr("OK"), "okButton", this);
    auto* cancel = KelvoDialogLook::button(tr("Cancel"), "cancelButton", this);
    ok->setDefault(true);
    grid->addWidget(ok, 1, 0, Qt::AlignRight);
    grid->addWidget(cancel, 1, 1, Qt::AlignLeft);
    connect(ok, &QPushButton::clicked, this, &KelvoDictEntryDlg::okPressed);
    connect(cancel, &QPushButton::clicked, this, &KelvoDictEntryDlg::cancelPressed);
    m_term->setFocus();
}

void KelvoDictEntryDlg::setLanguage(int languageIndex) {
    if (languageIndex < 0 || languageIndex >= m_languages->count())
        return;
    m_languages->setCurrentIndex(languageIndex);
    m_language = languageIndex;
}

void KelvoDictEntryDlg::setTerm(const QString& term) {
    m_term->setText(term);
}

QString KelvoDictEntryDlg::term() const {
    return m_term->text();
}

void KelvoDictEntryDlg::okPressed() {
    accept();
}

void KelvoDictEntryDlg::cancelPressed() {
    reject();
}

void KelvoDictEntryDlg::chosenLang(int languageIndex) {
    m_language = languageIndex;
}

bool askDictEntry(int& languageIndex, QString& term, QWidget* parent) {
    KelvoDictEntryDlg dialog(parent);
    if (!term.isEmpty())
        dialog.setTerm(term);
    if (languageIndex != -1)
        dialog.setLanguage(languageIndex);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    languageIndex = dialog.chosenLanguage();
    term = dialog.term();
    return true;
}
