// The balloon a viewer shows beside the pointer for a region's text or dictionary entry: a
// read-only text view with two thin external scroll bars and a round anchor button that sits
// on the pointer. The balloon is masked to its body, the button and a short stem between them,
// and flips to whichever side of the pointer it fits on. Pinned by its button (anchored), it
// stays where it is and can be scrolled. A region with both a text and a dictionary entry gets
// one balloon: its text first, the translated terms on the lines below.
//
// The text view grows with its text up to a third of the viewer's width and half its height,
// never to less than 110 x 55, before it scrolls; lines break between words, and a word longer
// than a line breaks anywhere.
//
// Geometry, with w x h the text view and W x H = (w + 15) x (h + 15) the
// balloon. The button, a 15 x 15 disc, sits in the corner nearest the pointer: lower left when
// the balloon opens up and to the right of the pointer (up-right), lower right for up-left,
// upper left for down-right, upper right for down-left. The balloon is a 3 x 3 grid:
//
//   columns, left to right:  right of the pointer 8, 7, w    left of it  w, 7, 8
//   rows, top to bottom:     above the pointer    h, 7, 8    below it    8, 7, h
//
// The text view takes the w x h cell, the vertical bar the 7-pixel column beside it, the
// horizontal bar the 7-pixel row next to it, the button the 15 x 15 corner. The anchor point,
// which the viewer puts on the pointer, lies 8 pixels in from the button's outer edges.
#pragma once

#include "kelvotranslationsettings.h"
#include "thes_dictitem.h"

#include <QBitmap>
#include <QMap>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <array>

class KelvoTWAnchorButton;
class KelvoTWScrollStyle;
class QScrollBar;
class QTextEdit;

class KelvoTextWidget : public QWidget {
    Q_OBJECT
public:
    enum Placement { UpRight, UpLeft, DownLeft, DownRight };

    // Largest text view in a small viewer, and the room the button and bars add around it.
    static constexpr int kMaxTextWidth = 110;
    static constexpr int kMaxTextHeight = 55;
    static constexpr int kFrame = 15;

    explicit KelvoTextWidget(QWidget* viewer, const QString& name = QString());

    // Sizes the balloon for `text` (scroll bars only where it does not fit), rebuilds the four
    // masks and shows the text; the balloon then has its up-right placement.
    void setText(const QString& text);
    QString text() const;
    // The largest text view for the viewer's current size.
    QSize maxTextSize() const;
    // Sizes the balloon again when the viewer's size changed since the text was set.
    void fitViewer();

    // Chooses the placement for a pointer at (x, y) in the viewer: right of the pointer while
    // the balloon fits there, above it while it fits there. Re-arranges the children when the
    // placement changed or `force` is set.
    void placeFor(int x, int y, bool force);
    // Recomputes the limits placeFor() compares with from the current sizes; for viewers that
    // were resized after the text was set.
    void updatePlacementLimits();

    // Where in the balloon the pointer goes, for the current placement.
    QPoint anchorPoint() const { return m_anchorPoint; }
    bool placedRight() const { return m_placedRight; }
    bool placedAbove() const { return m_placedAbove; }
    const QBitmap& placementMask(Placement placement) const { return m_masks[placement]; }

    bool isAnchored() const { return m_anchored; }
    KelvoTWAnchorButton* anchorButton() const { return m_anchorButton; }
    QTextEdit* textView() const { return m_textView; }
    QScrollBar* horizontalBar() const { return m_hBar; }
    QScrollBar* verticalBar() const { return m_vBar; }
    bool horizontalBarShown() const { return m_hBarShown; }
    bool verticalBarShown() const { return m_vBarShown; }

    // Makes this a dictionary balloon for `item`, whose reference carried `term`; `regionText`,
    // the region's own text, is shown above the terms.
    void setDictionaryItem(const TheS_DictItem& item, const QString& term,
                           const QString& regionText = QString());
    bool isDictionaryWidget() const { return !m_term.isNull(); }
    // Shows the region's text and the item translated by `settings`; a pinned balloon keeps its
    // button in place.
    void showDictionaryText(const KelvoTranslationSettings& settings);

    // The button's pointer grab, held while the balloon follows the pointer.
    void grabPointer();
    void releasePointer();

public slots:
    void anchored(bool state);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString dictionaryText(const KelvoTranslationSettings& settings) const;
    void keepButtonInPlace(QPoint oldPos, QSize oldSize, QPoint oldAnchor, bool wasRight,
                           bool wasAbove);
    void rebuildMasks();
    void arrange(Placement placement);
    void syncScrollBarRanges();

    bool m_anchored = false;
    KelvoTWAnchorButton* m_anchorButton;
    QPoint m_anchorPoint;
    QTextEdit* m_textView;
    QScrollBar* m_hBar;
    QScrollBar* m_vBar;
    bool m_hBarShown = true;
    bool m_vBarShown = true;
    int m_lowestYAbove = 0;
    int m_highestXRight = 0;
    bool m_placedRight = true;
    bool m_placedAbove = true;
    std::array<QBitmap, 4> m_masks;
    KelvoTWScrollStyle* m_scrollStyle;
    QString m_codedWord;
    QMap<int, TheS_DictEntries> m_translations;
    QString m_term; // null unless a dictionary balloon
    QString m_regionText;
    QSize m_measuredFor; // the viewer's size when the text was set
};
