// The label of a shaped text: its text, drawn without background, that the author drags inside
// the shaped text by the glyphs or by the handle at its centre. Its size is that of the text
// laid out in the layout rectangle (the body), so it wraps as the viewer wraps it.
#pragma once

#include "thes_bubbletextdata.h"

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QWidget>

class KelvoButton;
class QMouseEvent;

class KelvoBubbleText : public QWidget {
    Q_OBJECT
public:
    KelvoBubbleText(QWidget* parent, const QString& name, const QRect& layout, const QString& text,
                    const QFont& font);

    // Copies text, font, colour and flags, then sizes, masks and repaints the label.
    void setTextProperties(const TheS_BubbleTextData& text);
    const TheS_BubbleTextData& textProperties() const { return m_text; }
    // The rectangle the text wraps in (only its width matters).
    void setLayoutRect(const QRect& layout);
    KelvoButton* handle() const { return m_handle; }
    // Glyph pixels (as the text is painted, edge pixels included) and the handle.
    const QRegion& shapeMask() const { return m_mask; }
    // The glyph pixels alone.
    QRegion glyphs() const { return m_glyphs; }

signals:
    // The label is being dragged; the drag has ended.
    void dragged();
    void dropped();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void relayout();
    void rebuildMask();
    void dragTo(QPoint cursorInLabel);
    void endDrag();
    QRect textBox() const;

    TheS_BubbleTextData m_text;
    QRect m_layout;
    KelvoButton* m_handle;
    QRegion m_mask;
    QRegion m_glyphs;
    QPoint m_pressOffset;
};
