#include "kelvotextwidget.h"

#include "kelvotwanchorbutton.h"
#include "kelvotwscrollstyle.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kBarThickness = 7;
constexpr int kButton = KelvoTWAnchorButton::kSize;
// Distance of the anchor point from the balloon's edges: the middle of the button.
constexpr int kAnchorInset = 8;
constexpr int kStemWidth = 7;
// Room the text view's frame and margins take around the text.
constexpr int kTextPaddingX = 12;
constexpr int kTextPaddingY = 8;
// Lines break between words; a word longer than a line breaks anywhere.
constexpr QTextOption::WrapMode kWrap = QTextOption::WrapAtWordBoundaryOrAnywhere;
constexpr QColor kBackground(0xC0, 0xC0, 0xC0);

bool isRight(KelvoTextWidget::Placement p) {
    return p == KelvoTextWidget::UpRight || p == KelvoTextWidget::DownRight;
}
bool isAbove(KelvoTextWidget::Placement p) {
    return p == KelvoTextWidget::UpRight || p == KelvoTextWidget::UpLeft;
}
KelvoTextWidget::Placement placementOf(bool right, bool above) {
    if (right) {
        return above ? KelvoTextWidget::UpRight : KelvoTextWidget::DownRight;
    }
    return above ? KelvoTextWidget::UpLeft : KelvoTextWidget::DownLeft;
}

QPoint anchorFor(KelvoTextWidget::Placement p, int W, int H) {
    return {isRight(p) ? kAnchorInset : W - kAnchorInset,
            isAbove(p) ? H - kAnchorInset : kAnchorInset};
}

// What a placement's mask is made of; W x H is the balloon.
struct MaskShapes {
    QRect body, disc, verticalStrip, horizontalStrip;
    QPoint stemFrom, stemTo;
};

MaskShapes maskShapes(KelvoTextWidget::Placement p, int W, int H) {
    const QSize disc(kButton, kButton);
    switch (p) {
    case KelvoTextWidget::UpRight:
        return {QRect(15, 0, W - 15, H - 15),
                QRect(QPoint(0, H - 15), disc),
                QRect(8, 0, 8, H - 8),
                QRect(8, H - 15, W - 7, 7),
                QPoint(8, H - 8),
                QPoint(23, H - 23)};
    case KelvoTextWidget::UpLeft:
        return {QRect(0, 0, W - 15, H - 15), QRect(QPoint(W - 15, H - 15), disc),
                QRect(W - 15, 0, 7, H - 8),  QRect(0, H - 15, W - 8, 7),
                QPoint(W - 23, H - 23),      QPoint(W - 8, H - 8)};
    case KelvoTextWidget::DownLeft:
        return {QRect(0, 15, W - 15, H - 15), QRect(QPoint(W - 15, 0), disc),
                QRect(W - 15, 8, 7, H - 8),   QRect(0, 8, W - 8, 8),
                QPoint(W - 23, 23),           QPoint(W - 8, 8)};
    case KelvoTextWidget::DownRight:
        break;
    }
    return {QRect(15, 15, W - 15, H - 15),
            QRect(QPoint(0, 0), disc),
            QRect(8, 8, 8, H - 8),
            QRect(8, 8, W - 7, 8),
            QPoint(8, 8),
            QPoint(23, 23)};
}

// The size `text` takes laid out as the text view lays it out, in lines at most `lineWidth`
// wide.
QSize measure(const QString& text, const QFont& font, int lineWidth) {
    QTextDocument document;
    document.setDefaultFont(font);
    document.setDocumentMargin(0);
    QTextOption option;
    option.setWrapMode(kWrap);
    document.setDefaultTextOption(option);
    document.setPlainText(text);
    document.setTextWidth(lineWidth);
    return {static_cast<int>(std::ceil(document.idealWidth())),
            static_cast<int>(std::ceil(document.size().height()))};
}

} // namespace

KelvoTextWidget::KelvoTextWidget(QWidget* viewer, const QString& name)
    : QWidget(viewer), m_anchorButton(new KelvoTWAnchorButton(this)),
      m_textView(new QTextEdit(this)), m_hBar(new QScrollBar(Qt::Horizontal, this)),
      m_vBar(new QScrollBar(Qt::Vertical, this)), m_scrollStyle(new KelvoTWScrollStyle(this)) {
    setObjectName(name);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBackground);
    setPalette(pal);
    setAutoFillBackground(true);
    setCursor(Qt::ArrowCursor);
    setMouseTracking(true);

    m_textView->setReadOnly(true);
    m_textView->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_textView->setLineWidth(2);
    m_textView->document()->setDocumentMargin(2);
    m_textView->setWordWrapMode(kWrap);
    m_textView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_textView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_hBar->setMaximumHeight(kBarThickness);
    m_vBar->setMaximumWidth(kBarThickness);
    for (auto [external, own] : {std::pair{m_hBar, m_textView->horizontalScrollBar()},
                                 std::pair{m_vBar, m_textView->verticalScrollBar()}}) {
        external->setStyle(m_scrollStyle);
        connect(external, &QScrollBar::valueChanged, own, &QScrollBar::setValue);
        connect(own, &QScrollBar::valueChanged, external, &QScrollBar::setValue);
        // The document may be laid out again without the balloon being repainted.
        connect(own, &QScrollBar::rangeChanged, this, &KelvoTextWidget::syncScrollBarRanges);
    }
    connect(m_anchorButton, &QAbstractButton::toggled, this, &KelvoTextWidget::anchored);
}

QSize KelvoTextWidget::maxTextSize() const {
    const QSize viewer = parentWidget() ? parentWidget()->size() : QSize();
    return {std::max(kMaxTextWidth, viewer.width() / 3 - kFrame),
            std::max(kMaxTextHeight, viewer.height() / 2 - kFrame)};
}

void KelvoTextWidget::setText(const QString& text) {
    const QSize most = maxTextSize();
    m_measuredFor = parentWidget() ? parentWidget()->size() : QSize();
    const QSize bounds = measure(text, m_textView->font(), most.width() - kTextPaddingX);
    m_hBarShown = bounds.width() + kTextPaddingX > most.width();
    m_vBarShown = bounds.height() + kTextPaddingY > most.height();
    const int w = m_hBarShown ? most.width() : bounds.width() + kTextPaddingX;
    const int h = m_vBarShown ? most.height() : bounds.height() + kTextPaddingY;
    m_hBar->setVisible(m_hBarShown);
    m_vBar->setVisible(m_vBarShown);
    m_textView->setFixedSize(w, h);
    setFixedSize(w + kFrame, h + kFrame);

    rebuildMasks();
    setMask(m_masks[UpRight]);
    m_anchorPoint = anchorFor(UpRight, width(), height());
    m_placedRight = m_placedAbove = true;
    updatePlacementLimits();
    arrange(UpRight);
    m_textView->setPlainText(text);
}

QString KelvoTextWidget::text() const {
    return m_textView->toPlainText();
}

void KelvoTextWidget::fitViewer() {
    if (parentWidget() && parentWidget()->size() != m_measuredFor) {
        setText(text());
    }
}

void KelvoTextWidget::updatePlacementLimits() {
    const int viewerWidth = parentWidget() ? parentWidget()->width() : width();
    m_lowestYAbove = height() - kAnchorInset;
    m_highestXRight = viewerWidth - (width() - kAnchorInset);
}

void KelvoTextWidget::placeFor(int x, int y, bool force) {
    const bool right = x <= m_highestXRight;
    const bool above = y >= m_lowestYAbove;
    if (!force && right == m_placedRight && above == m_placedAbove) {
        return;
    }
    const Placement placement = placementOf(right, above);
    setUpdatesEnabled(false);
    arrange(placement);
    setMask(m_masks[placement]);
    m_anchorPoint = anchorFor(placement, width(), height());
    setUpdatesEnabled(true);
    m_placedRight = right;
    m_placedAbove = above;
}

void KelvoTextWidget::arrange(Placement placement) {
    const int w = m_textView->width();
    const int h = m_textView->height();
    const bool right = isRight(placement);
    const bool above = isAbove(placement);
    // Columns are (8, 7, w) right of the pointer and (w, 7, 8) left of it; rows likewise.
    const int textX = right ? kFrame : 0;
    const int textY = above ? 0 : kFrame;
    const int barX = right ? kAnchorInset : w;
    const int barY = above ? h : kAnchorInset;
    m_textView->move(textX, textY);
    m_vBar->setGeometry(barX, textY, kBarThickness, h);
    m_hBar->setGeometry(textX, barY, w, kBarThickness);
    m_anchorButton->move(right ? 0 : w, above ? h : 0);
}

void KelvoTextWidget::rebuildMasks() {
    for (Placement placement : {UpRight, UpLeft, DownLeft, DownRight}) {
        const MaskShapes shapes = maskShapes(placement, width(), height());
        QBitmap mask(size());
        mask.clear();
        QPainter painter(&mask);
        painter.fillRect(shapes.body, Qt::color1);
        if (m_vBarShown) {
            painter.fillRect(shapes.verticalStrip, Qt::color1);
        }
        if (m_hBarShown) {
            painter.fillRect(shapes.horizontalStrip, Qt::color1);
        }
        painter.setPen(QPen(Qt::color1, kStemWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(shapes.stemFrom, shapes.stemTo);
        // Exactly the button's own disc.
        painter.setClipRegion(m_anchorButton->mask().translated(shapes.disc.topLeft()));
        painter.fillRect(shapes.disc, Qt::color1);
        painter.end();
        m_masks[placement] = mask;
    }
}

void KelvoTextWidget::setDictionaryItem(const TheS_DictItem& item, const QString& term,
                                        const QString& regionText) {
    m_codedWord = item.codedWord;
    m_translations = item.translations;
    m_term = term.isNull() ? QStringLiteral("") : term;
    m_regionText = regionText;
}

QString KelvoTextWidget::dictionaryText(const KelvoTranslationSettings& settings) const {
    const QString from = m_translations.value(settings.source).primary;
    const QString to = m_translations.value(settings.target).primary;
    bool showCodedWord = settings.showCodedWord;
    QString text;
    if (!from.isEmpty() && !to.isEmpty()) {
        const QChar bullet(0x2022);
        text = QString(bullet) + QLatin1Char(' ') + from + QLatin1Char('\n') + bullet +
               QLatin1Char(' ') + to;
    } else {
        text = QLatin1Char('[') + m_term + QLatin1Char(']');
        showCodedWord = false;
    }
    const QStringList secondaries = m_translations.value(settings.target).secondaries;
    if (settings.showAmbiguities && !secondaries.isEmpty()) {
        text += QLatin1String(" {") + secondaries.join(QLatin1String(", ")) + QLatin1Char('}');
    }
    if (showCodedWord && !m_term.isEmpty()) {
        text += QLatin1String("\n\n(") + m_term + QLatin1Char(')');
    }
    return text;
}

void KelvoTextWidget::showDictionaryText(const KelvoTranslationSettings& settings) {
    const QString terms =
        m_codedWord.isEmpty() || m_translations.isEmpty() ? tr("error") : dictionaryText(settings);
    const QString text = m_regionText.isEmpty() ? terms : m_regionText + QLatin1Char('\n') + terms;
    const QPoint oldPos = pos();
    const QSize oldSize = size();
    const QPoint oldAnchor = m_anchorPoint;
    const bool wasRight = m_placedRight;
    const bool wasAbove = m_placedAbove;
    releasePointer();
    hide();
    setText(text);
    if (m_anchored) {
        show();
        keepButtonInPlace(oldPos, oldSize, oldAnchor, wasRight, wasAbove);
    }
}

void KelvoTextWidget::keepButtonInPlace(QPoint oldPos, QSize oldSize, QPoint oldAnchor,
                                        bool wasRight, bool wasAbove) {
    const QPoint anchorInViewer = oldPos + oldAnchor;
    placeFor(anchorInViewer.x(), anchorInViewer.y(), true);
    // The button sits in the corner nearest the pointer: keep that corner where it was.
    int y = oldPos.y();
    if (m_placedAbove == wasAbove) {
        y = wasAbove ? oldPos.y() + oldSize.height() - height() : oldPos.y();
    } else if (wasAbove) {
        y = oldPos.y() + oldSize.height() - kButton;
    } else {
        y = oldPos.y() - height() + kButton;
    }
    int x = oldPos.x();
    if (m_placedRight == wasRight) {
        x = wasRight ? oldPos.x() : oldPos.x() + oldSize.width() - width();
    } else if (wasRight) {
        x = oldPos.x() - width() + kButton;
    } else {
        x = oldPos.x() + oldSize.width() - kButton;
    }
    move(x, y);
}

void KelvoTextWidget::grabPointer() {
    if (isVisible()) {
        m_anchorButton->grabMouse();
    }
}

void KelvoTextWidget::releasePointer() {
    if (QWidget::mouseGrabber() == m_anchorButton) {
        m_anchorButton->releaseMouse();
    }
}

void KelvoTextWidget::anchored(bool state) {
    m_anchored = state;
    if (state) {
        releasePointer();
        m_textView->activateWindow();
    } else {
        grabPointer();
    }
    m_anchorButton->update();
}

void KelvoTextWidget::paintEvent(QPaintEvent* event) {
    syncScrollBarRanges();
    QWidget::paintEvent(event);
}

void KelvoTextWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void KelvoTextWidget::syncScrollBarRanges() {
    auto follow = [](QScrollBar* external, const QScrollBar* own) {
        external->setRange(own->minimum(), own->maximum());
        external->setSingleStep(own->singleStep());
        external->setPageStep(own->pageStep());
    };
    if (m_hBarShown) {
        follow(m_hBar, m_textView->horizontalScrollBar());
    }
    if (m_vBarShown) {
        follow(m_vBar, m_textView->verticalScrollBar());
    }
}
