#include "kelvohtmlgenerator.h"

#include "kelvodialoglook.h"
#include "kelvohtmlcode.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QValidator>

#include <algorithm>

namespace {

constexpr int kSideEditWidth = 55;

// Every text of a size field goes into the HTML at once, so the field holds a whole number of
// pixels in range or nothing: a key that would make anything else is refused. (An integer
// validator lets "0", "9999" or "1,000" stand as unfinished input.)
class SideValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int&) const override {
        if (input.isEmpty()) {
            return Intermediate;
        }
        bool number = false;
        const int side = input.toInt(&number);
        const bool digitsOnly =
            std::all_of(input.begin(), input.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        return number && digitsOnly && input.front() != u'0' &&
                       side >= KelvoHTMLGenerator::kMinSide && side <= KelvoHTMLGenerator::kMaxSide
                   ? Acceptable
                   : Invalid;
    }
};

QLineEdit* sideEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMaximumWidth(kSideEditWidth);
    edit->setAlignment(Qt::AlignRight);
    edit->setValidator(new SideValidator(edit));
    return edit;
}

} // namespace

KelvoHTMLGenerator::KelvoHTMLGenerator(QWidget* parent)
    : QDialog(parent), m_file(new QLineEdit(this)), m_width(sideEdit(this)),
      m_height(sideEdit(this)), m_linkCheck(new QCheckBox(tr("Link URL: "), this)),
      m_link(new QLineEdit(this)),
      m_webCheck(new QCheckBox(tr("For the web viewer (<img data-kelvo>)"), this)),
      m_result(new QTextEdit(this)) {
    setWindowTitle(tr("Kelvo - HTML Generator"));
    KelvoDialogLook::apply(this);
    resize(400, 300);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 5, 5, 5);
    grid->setSpacing(1);
    grid->addWidget(new QLabel(tr("File: "), this), 0, 0);
    grid->addWidget(m_file, 0, 1, 1, 4);
    grid->addWidget(new QLabel(tr("Width: "), this), 1, 0);
    grid->addWidget(m_width, 1, 1);
    grid->addWidget(new QLabel(tr("Pixels"), this), 1, 2);
    grid->addWidget(new QLabel(tr("Height: "), this), 2, 0);
    grid->addWidget(m_height, 2, 1);
    grid->addWidget(new QLabel(tr("Pixels"), this), 2, 2);
    grid->addWidget(m_linkCheck, 3, 0);
    m_link->setReadOnly(true);
    grid->addWidget(m_link, 3, 1, 1, 4);
    // The text keeps its own lines, as it will stand in the page.
    m_result->setLineWrapMode(QTextEdit::NoWrap);
    grid->addWidget(m_webCheck, 4, 0, 1, 5);
    grid->addWidget(m_result, 5, 0, 1, 5);
    auto* copy = new QPushButton(tr("Copy all"), this);
    auto* close = new QPushButton(tr("Close"), this);
    grid->addWidget(copy, 6, 3);
    grid->addWidget(close, 6, 4);

    for (QLineEdit* edit : {m_file, m_width, m_height, m_link}) {
        connect(edit, &QLineEdit::textChanged, this, &KelvoHTMLGenerator::updateText);
    }
    connect(m_linkCheck, &QCheckBox::clicked, this, &KelvoHTMLGenerator::activateLink);
    connect(m_webCheck, &QCheckBox::toggled, this, &KelvoHTMLGenerator::updateText);
    connect(copy, &QPushButton::clicked, this, &KelvoHTMLGenerator::copyToClipboard);
    connect(close, &QPushButton::clicked, this, &QWidget::hide);
    updateText();
}

void KelvoHTMLGenerator::setPicture(const QString& fileName, int width, int height) {
    // A larger picture is shown scaled down to fit, keeping its proportions.
    const int longest = std::max(width, height);
    if (longest > kMaxSide) {
        width = int(qint64(width) * kMaxSide / longest);
        height = int(qint64(height) * kMaxSide / longest);
    }
    m_file->setText(fileName);
    m_width->setText(QString::number(std::clamp(width, kMinSide, kMaxSide)));
    m_height->setText(QString::number(std::clamp(height, kMinSide, kMaxSide)));
}

void KelvoHTMLGenerator::updateText() {
    const auto code = m_webCheck->isChecked() ? kelvoWebHtmlCode : kelvoHtmlCode;
    m_result->setPlainText(code(m_file->text(), m_width->text(), m_height->text(),
                                m_linkCheck->isChecked(), m_link->text()));
}

void KelvoHTMLGenerator::copyToClipboard() {
    QApplication::clipboard()->setText(m_result->toPlainText());
}

void KelvoHTMLGenerator::activateLink() {
    m_link->setReadOnly(!m_linkCheck->isChecked());
    updateText();
}
