// A plain picture for the editor's shaped texts to lie on, and helpers to build them with a
// given look.
#pragma once

#include "thes_bubbledata.h"

#include <QImage>
#include <QWidget>

#include <memory>

class KelvoEditorShapedText;

namespace ShapedTextTest {

// A widget that shows a picture at its top-left, as the encoder window does.
class PictureWidget : public QWidget {
public:
    explicit PictureWidget(const QImage& picture);
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};

// A picture with a colour gradient, so that misplaced copies of it show.
QImage testPicture(QSize size);

// The shaped text of `kind` (1 rectangle, 2 ellipse, 3 speech, 4 think bubble).
KelvoEditorShapedText* makeShapedText(QWidget* parent, int kind);

// A look that differs from the defaults everywhere: font, colours, alignment, contour width.
TheS_BubbleData unusualLook();

// Gives `props` to the shaped text through its text properties editor, pressing OK.
void applyThroughEditor(KelvoEditorShapedText& shapedText, const TheS_BubbleData& props);

} // namespace ShapedTextTest
