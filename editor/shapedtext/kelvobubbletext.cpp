#include "kelvobubbletext.h"

#include "kelvobutton.h"
#include "kelvoreachablearea.h"
#include "kelvoshapepainting.h"

#include <QMouseEvent>
#include <QPainter>

KelvoBubbleText::KelvoBubbleText(QWidget* parent, const QString& name, const QRect& layout,
                                 const QString& text, const QFont& font)
    : QWidget(parent), m_layout(layout),
      m_handle(new KelvoButton(this, QStringLiteral("ButtonPeak"))) {
    setObjectName(name);
    m_text.text = text;
    m_text.font = font;
    m_text.alignmentFlags = Qt::TextWordWrap | Qt::AlignHCenter;
    m_handle->setMovable(false);
    connect(m_handle, &KelvoButton::pressed, this, [this] {
        m_pressOffset = m_handle->pos() + QPoint(m_handle->width() / 2, m_handle->height() / 2);
        clearMask();
    });
    connect(m_handle, &KelvoButton::moved, this, &KelvoBubbleText::dragTo);
    connect(m_handle, &KelvoButton::released, this, &KelvoBubbleText::endDrag);
    relayout();
}

void KelvoBubbleText::setTextProperties(const TheS_BubbleTextData& text) {
    m_text = text;
    relayout();
}

void KelvoBubbleText::setLayoutRect(const QRect& layout) {
    m_layout = layout;
    relayout();
}

QRect KelvoBubbleText::textBox() const {
    return kelvoTextBox(m_text, m_layout, QPoint(0, 0));
}

void KelvoBubbleText::relayout() {
    // The handle must stay within reach even for an empty text.
    resize(textBox().size().expandedTo(m_handle->size()));
    m_handle->move((width() - 1) / 2 - m_handle->width() / 2,
                   (height() - 1) / 2 - m_handle->height() / 2);
    rebuildMask();
    update();
}

void KelvoBubbleText::rebuildMask() {
    QImage image = kelvoTransparentImage(size());
    QPainter painter(&image);
    kelvoDrawText(painter, m_text, textBox());
    painter.end();
    m_glyphs = QRegion(kelvoAlphaMask(image));
    m_mask = m_glyphs + QRegion(m_handle->geometry());
    setMask(m_mask);
}

void KelvoBubbleText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    kelvoDrawText(painter, m_text, textBox());
}

void KelvoBubbleText::dragTo(QPoint cursorInLabel) {
    clearMask();
    emit dragged();
    // The label stays whole inside the shaped text, so it can always be grabbed again.
    const QSize room = parentWidget()->size() - size();
    const QRect inside(QPoint(0, 0), QPoint(room.width(), room.height()));
    QPoint topLeft = pos() + cursorInLabel - m_pressOffset;
    if (inside.isValid()) {
        topLeft = kelvoClamped(topLeft, inside);
    }
    move(topLeft);
}

void KelvoBubbleText::endDrag() {
    rebuildMask();
    emit dropped();
}

void KelvoBubbleText::mousePressEvent(QMouseEvent* event) {
    m_pressOffset = event->position().toPoint();
    clearMask();
}

void KelvoBubbleText::mouseMoveEvent(QMouseEvent* event) {
    dragTo(event->position().toPoint());
    event->accept();
}

void KelvoBubbleText::mouseReleaseEvent(QMouseEvent*) {
    endDrag();
}
