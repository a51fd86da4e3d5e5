// A formatted text in a shape as the viewer shows it while the pointer is over its region.
// Built hidden by the decode handler, as a child of the viewer, from a shape object the codec
// read. Transparency is faked: at construction the widget copies the picture and the outline
// image under itself, draws shape and text on both copies, shows one of them as its background
// and masks itself to the shape. Pointer moves and presses pass on to the viewer, so hovering
// over a bubble keeps driving the viewer.
#pragma once

#include "kelvoshapedtextbase.h"
#include "thes_bubbledata.h"

#include <QBitmap>
#include <QPixmap>
#include <QPoint>
#include <QSize>

#include <cstdint>
#include <initializer_list>

struct KelvoEllipseObj;
class QPainter;

class KelvoViewerShapedText : public KelvoShapedTextBase {
    Q_OBJECT
public:
    // Stored coordinates beyond +-kMaxCoordinate are taken for damage: such a shape is not
    // built (see the classes' widgetSize()).
    static constexpr int kMaxCoordinate = 1 << 16;

    const TheS_BubbleData& properties() const { return m_props; }
    QPoint textPosition() const { return m_textPos; }
    const QPixmap& plainBackground() const { return m_plainBackground; }
    const QPixmap& outlineBackground() const { return m_outlineBackground; }
    // Null when the widget shows its whole rectangle.
    const QBitmap& shapeMask() const { return m_mask; }
    bool showsOutlineBackground() const { return m_showOutline; }
    // Shows the copy of the outline image (on) or of the picture (off) behind the shape.
    void showOutlineBackground(bool on);

protected:
    // `size` comes from the concrete class's widgetSize().
    KelvoViewerShapedText(QWidget* viewer, const QString& name, const KelvoEllipseObj& object,
                          QSize size);

    // Copies what lies under the widget from the viewer's picture and outline image and
    // draws on them; the concrete classes call it at the end of their construction.
    void grabBackgroundsAndDraw();
    // Draws the shape with the painter's pen and brush (the outline pen and the fill, or on
    // the mask colour 1 with a 1-pixel pen); the text is drawn afterwards.
    virtual void drawShape(QPainter& painter) const = 0;
    // Whether the widget is masked to what drawShape() covers.
    virtual bool masked() const { return true; }

    // Whether every value lies within +-kMaxCoordinate.
    static bool withinLimits(std::initializer_list<int64_t> values);
    static bool positionWithinLimits(const KelvoEllipseObj& object);

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    TheS_BubbleData m_props;
    QPixmap m_plainBackground;
    QPixmap m_outlineBackground;
    QBitmap m_mask;
    QPoint m_textPos;

private:
    void drawOn(QPixmap& background) const;
    void forward(QMouseEvent* event);

    bool m_showOutline = false;
};
