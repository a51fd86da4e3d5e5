#include "kelvotexteditor.h"

#include "kelvofontcodes.h"
#include "kelvolatin1text.h"
#include "kelvotransparentpattern.h"

#include <QActionGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 16;
constexpr int kMaxContourWidth = 11;

QIcon swatch(const QColor& colour) {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(colour);
    return QIcon(pixmap);
}

QPixmap blankIcon() {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QIcon letterIcon(const QString& letter, bool bold, bool italic) {
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    QFont font(QStringLiteral("Times"), 11, bold ? QFont::Bold : QFont::Normal, italic);
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, letter);
    return QIcon(pixmap);
}

// Four lines of different lengths, flush left, centred or flush right.
QIcon alignIcon(Qt::Alignment alignment) {
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    const int lengths[] = {14, 9, 12, 7};
    for (int i = 0; i < 4; ++i) {
        const int length = lengths[i];
        int left = 1;
        if (alignment == Qt::AlignHCenter) {
            left = (kIconSize - length) / 2;
        } else if (alignment == Qt::AlignRight) {
            left = kIconSize - 1 - length;
        }
        painter.drawLine(left, 3 + 3 * i, left + length - 1, 3 + 3 * i);
    }
    return QIcon(pixmap);
}

QIcon patternIcon() {
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.fillRect(pixmap.rect(), kelvoTransparentPattern());
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

} // namespace

KelvoTextEditor::KelvoTextEditor(QWidget* parent, const QString& name, const QString& text,
                                 const QFont& font)
    : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName(name);
    setWindowTitle(tr("Text properties"));

    auto* central = new QWidget(this);
    auto* box = new QVBoxLayout(central);
    m_edit = new QTextEdit(central);
    // The record holds one font, colour and alignment for the whole text: pasted or dropped
    // text comes in plain and takes them.
    m_edit->setAcceptRichText(false);
    box->addWidget(m_edit);
    m_warning = new QLabel(central);
    m_warning->setObjectName(QStringLiteral("storageWarning"));
    m_warning->setWordWrap(true);
    m_warning->setStyleSheet(QStringLiteral("color: #B00000"));
    m_warning->hide();
    box->addWidget(m_warning);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(new QWidget(central), 1);
    for (const auto& [label, slot] : {std::pair{tr("Preview"), &KelvoTextEditor::preview},
                                      std::pair{tr("OK"), &KelvoTextEditor::ok},
                                      std::pair{tr("Cancel"), &KelvoTextEditor::cancel}}) {
        auto* button = new QPushButton(label, central);
        connect(button, &QPushButton::clicked, this, slot);
        buttons->addWidget(button);
    }
    buttons->addWidget(new QWidget(central), 1);
    box->addLayout(buttons);
    setCentralWidget(central);

    QToolBar* textBar = addToolBar(tr("Text properties"));
    m_family = new QComboBox(textBar);
    m_family->setEditable(true);
    m_family->addItems(QFontDatabase::families());
    textBar->addWidget(m_family);
    connect(m_family, &QComboBox::textActivated, this, &KelvoTextEditor::textFamily);
    m_size = new QComboBox(textBar);
    m_size->setEditable(true);
    for (int size : QFontDatabase::standardSizes()) {
        m_size->addItem(QString::number(size));
    }
    textBar->addWidget(m_size);
    connect(m_size, &QComboBox::textActivated, this, &KelvoTextEditor::textSize);
    //: The letter drawn on the bold button, as word processors in this language show it.
    const QString boldLetter = tr("B", "bold button");
    //: The letter drawn on the italic button, as word processors in this language show it.
    const QString italicLetter = tr("I", "italic button");
    m_bold = addToggle(textBar, tr("Bold"), "textBold", letterIcon(boldLetter, true, false),
                       &KelvoTextEditor::textBold);
    m_italic = addToggle(textBar, tr("Italic"), "textItalic", letterIcon(italicLetter, false, true),
                         &KelvoTextEditor::textItalic);
    auto* alignments = new QActionGroup(this);
    alignments->setExclusive(true);
    m_left = addToggle(textBar, tr("Left align text"), "textLeft", alignIcon(Qt::AlignLeft),
                       &KelvoTextEditor::textLeft);
    m_center = addToggle(textBar, tr("Center align text"), "textCenter",
                         alignIcon(Qt::AlignHCenter), &KelvoTextEditor::textCenter);
    m_right = addToggle(textBar, tr("Right align text"), "textRight", alignIcon(Qt::AlignRight),
                        &KelvoTextEditor::textRight);
    for (QAction* action : {m_left, m_center, m_right}) {
        alignments->addAction(action);
    }
    m_textColour =
        addColourButton(textBar, tr("Change text color"), "textColor", &KelvoTextEditor::textColor);
    m_backgroundColour = addColourButton(textBar, tr("Change background color"), "backgroundColor",
                                         &KelvoTextEditor::backgroundColor);
    m_transparent = addToggle(textBar, tr("Transparent background"), "transparentBackground",
                              patternIcon(), &KelvoTextEditor::transparentBackground);

    // A row of its own, so that no control of the first row is pushed out of sight.
    addToolBarBreak();
    QToolBar* backgroundBar = addToolBar(tr("Background properties"));
    m_contourWidth = new QComboBox(backgroundBar);
    m_contourWidth->addItem(QStringLiteral("0"));
    m_contourWidth->addItem(tr("Contour width: 1"));
    for (int width = 2; width <= kMaxContourWidth; ++width) {
        m_contourWidth->addItem(QString::number(width));
    }
    m_contourWidth->setCurrentIndex(1);
    backgroundBar->addWidget(m_contourWidth);
    connect(m_contourWidth, &QComboBox::textActivated, this, &KelvoTextEditor::outlineWidth);
    m_outlineColour = addColourButton(backgroundBar, tr("Change contour color"), "outlineColor",
                                      &KelvoTextEditor::outlineColor);

    connect(m_edit, &QTextEdit::currentCharFormatChanged, this, [this](const QTextCharFormat& f) {
        fontChanged(f.font());
        colorChanged(f.foreground().color());
    });
    connect(m_edit, &QTextEdit::cursorPositionChanged, this,
            [this] { alignmentChanged(int(m_edit->alignment())); });
    connect(m_edit, &QTextEdit::textChanged, this, &KelvoTextEditor::updateWarning);

    if (parent) {
        setGeometry(QRect(parent->mapToGlobal(QPoint(20, 20)), QSize(550, 400)));
    } else {
        setGeometry(300, 200, 550, 400);
    }
    m_edit->setPlainText(text);
    applyToAll([&] {
        m_edit->setCurrentFont(font);
        m_edit->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    });
    setBackgroundColor(m_background);
    m_outlineColour->setIcon(swatch(m_outline));
    colorChanged(m_edit->textColor());
    fontChanged(font);
    alignmentChanged(int(m_edit->alignment()));
}

QAction* KelvoTextEditor::addToggle(QToolBar* bar, const QString& text, const char* name,
                                    QIcon icon, void (KelvoTextEditor::*slot)()) {
    QAction* action = bar->addAction(icon, text);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(text);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QAction* KelvoTextEditor::addColourButton(QToolBar* bar, const QString& text, const char* name,
                                          void (KelvoTextEditor::*slot)()) {
    QAction* action = bar->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(text);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QColor KelvoTextEditor::pickColour(const QColor& initial) {
    return QColorDialog::getColor(initial, this);
}

template <class Change> void KelvoTextEditor::applyToAll(Change change) {
    if (m_edit->document()->isEmpty()) {
        // No text to select: the change goes to the cursor's format, which moving the cursor
        // would lose.
        change();
        return;
    }
    m_edit->selectAll();
    change();
    QTextCursor cursor = m_edit->textCursor();
    cursor.clearSelection();
    m_edit->setTextCursor(cursor);
}

void KelvoTextEditor::loadProps(const TheS_BubbleData& props) {
    const TheS_BubbleTextData& text = props.textData;
    m_edit->setPlainText(text.text);
    applyToAll([&] {
        m_edit->setCurrentFont(text.font);
        m_edit->setTextColor(text.textColour);
        m_edit->setAlignment(Qt::Alignment(text.alignmentFlags) & Qt::AlignHorizontal_Mask);
    });
    m_outlineWidth = props.outlineWidth;
    m_outline = props.outlineColour;
    m_filled = props.backgroundFilled;
    setBackgroundColor(props.backgroundColour);
    colorChanged(text.textColour);
    m_outlineColour->setIcon(swatch(m_outline));
    m_contourWidth->setCurrentIndex(std::clamp(m_outlineWidth, 0, kMaxContourWidth));
    m_transparent->setChecked(!m_filled);
    fontChanged(text.font);
    alignmentChanged(text.alignmentFlags & Qt::AlignHorizontal_Mask);
    updateWarning();
}

TheS_BubbleData KelvoTextEditor::props() const {
    TheS_BubbleData props;
    props.textData.text = m_edit->toPlainText();
    props.textData.font = m_edit->currentFont();
    props.textData.textColour = m_edit->textColor();
    props.textData.alignmentFlags = Qt::TextWordWrap | int(m_edit->alignment());
    props.backgroundColour = m_background;
    props.outlineColour = m_outline;
    props.outlineWidth = m_outlineWidth;
    props.backgroundFilled = m_filled;
    return props;
}

void KelvoTextEditor::setBackgroundColor(const QColor& colour) {
    m_background = colour;
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Base, colour);
    m_edit->setPalette(palette);
    m_backgroundColour->setIcon(swatch(colour));
}

QString KelvoTextEditor::storageWarning() const {
    QStringList problems;
    const QString lost = kelvoUnstorableCharacters(m_edit->toPlainText());
    if (!lost.isEmpty()) {
        problems << tr("The picture keeps only Latin-1 characters; these will be lost: %1")
                        .arg(kelvoCharacterNames(lost));
    }
    const QString family = m_edit->currentFont().family();
    if (kelvoFamilyName(kelvoFamilyCode(family.toStdString())) != family.toStdString()) {
        problems << tr("The picture cannot name the font \"%1\"; readers will see \"%2\".")
                        .arg(family, QString::fromLatin1(kelvoFamilyName(1)));
    }
    return problems.join(QLatin1Char('\n'));
}

void KelvoTextEditor::updateWarning() {
    const QString warning = storageWarning();
    m_warning->setText(warning);
    m_warning->setVisible(!warning.isEmpty());
}

void KelvoTextEditor::textFamily(const QString& family) {
    applyToAll([&] { m_edit->setFontFamily(family); });
    updateWarning();
    m_edit->viewport()->update();
}

void KelvoTextEditor::textSize(const QString& size) {
    bool valid = false;
    const int points = size.toInt(&valid);
    if (valid && points > 0) {
        applyToAll([&] { m_edit->setFontPointSize(points); });
    }
    m_edit->viewport()->update();
}

void KelvoTextEditor::textBold() {
    applyToAll([&] { m_edit->setFontWeight(m_bold->isChecked() ? QFont::Bold : QFont::Normal); });
}

void KelvoTextEditor::textItalic() {
    applyToAll([&] { m_edit->setFontItalic(m_italic->isChecked()); });
}

void KelvoTextEditor::fontChanged(const QFont& font) {
    m_family->setEditText(font.family());
    m_size->setEditText(QString::number(font.pointSize()));
    m_bold->setChecked(font.weight() > QFont::Normal);
    m_italic->setChecked(font.italic());
}

void KelvoTextEditor::alignmentChanged(int alignment) {
    if (alignment == 0 || (alignment & Qt::AlignLeft)) {
        m_left->setChecked(true);
    } else if (alignment & Qt::AlignHCenter) {
        m_center->setChecked(true);
    } else if (alignment & Qt::AlignRight) {
        m_right->setChecked(true);
    }
}

void KelvoTextEditor::colorChanged(const QColor& colour) {
    m_textColour->setIcon(swatch(colour));
}

void KelvoTextEditor::setAlignment(Qt::Alignment alignment) {
    applyToAll([&] { m_edit->setAlignment(alignment); });
}

void KelvoTextEditor::textLeft() {
    setAlignment(Qt::AlignLeft);
}

void KelvoTextEditor::textCenter() {
    setAlignment(Qt::AlignHCenter);
}

void KelvoTextEditor::textRight() {
    setAlignment(Qt::AlignRight);
}

void KelvoTextEditor::textColor() {
    const QColor colour = pickColour(m_edit->textColor());
    if (colour.isValid()) {
        applyToAll([&] { m_edit->setTextColor(colour); });
        colorChanged(colour);
    }
}

void KelvoTextEditor::backgroundColor() {
    const QColor colour = pickColour(m_background);
    if (colour.isValid()) {
        setBackgroundColor(colour);
    }
}

void KelvoTextEditor::transparentBackground() {
    m_filled = !m_filled;
}

void KelvoTextEditor::outlineColor() {
    const QColor colour = pickColour(m_outline);
    if (colour.isValid()) {
        m_outline = colour;
        m_outlineColour->setIcon(swatch(colour));
    }
}

void KelvoTextEditor::outlineWidth(const QString& width) {
    m_outlineWidth = width == tr("Contour width: 1") ? 1 : width.toInt();
}

void KelvoTextEditor::preview() {
    emit previewed(props());
}

void KelvoTextEditor::ok() {
    emit accepted(props());
    hide();
}

void KelvoTextEditor::cancel() {
    emit cancelled();
    hide();
}
