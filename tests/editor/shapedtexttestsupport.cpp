#include "shapedtexttestsupport.h"

#include "kelvoeditorshapedtext.h"
#include "kelvoeditorsimplebubble.h"
#include "kelvoeditorspeechbubble.h"
#include "kelvoeditorthinkbubble.h"
#include "kelvotexteditor.h"

#include <QPainter>
#include <QPushButton>
#include <QTest>

namespace ShapedTextTest {

PictureWidget::PictureWidget(const QImage& picture) : m_picture(picture) {
    resize(picture.size());
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

QImage testPicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 128));
        }
    }
    return image;
}

KelvoEditorShapedText* makeShapedText(QWidget* parent, int kind) {
    switch (kind) {
    case KindSpeechBubble:
        return new KelvoEditorSpeechBubble(parent, QStringLiteral("shaped"));
    case KindThinkBubble:
        return new KelvoEditorThinkBubble(parent, QStringLiteral("shaped"));
    default:
        return new KelvoEditorSimpleBubble(parent, QStringLiteral("shaped"), kind);
    }
}

TheS_BubbleData unusualLook() {
    TheS_BubbleData props;
    props.textData.text = QStringLiteral("Unusual look,\nright aligned");
    QFont font(QStringLiteral("Courier"), 11);
    font.setBold(true);
    font.setItalic(true);
    props.textData.font = font;
    props.textData.textColour = QColor(20, 90, 200);
    props.textData.alignmentFlags = Qt::TextWordWrap | Qt::AlignRight;
    props.backgroundColour = QColor(255, 240, 160);
    props.outlineColour = QColor(180, 30, 40);
    props.outlineWidth = 3;
    props.backgroundFilled = true;
    return props;
}

void applyThroughEditor(KelvoEditorShapedText& shapedText, const TheS_BubbleData& props) {
    KelvoTextEditor* editor = shapedText.textEditor();
    editor->loadProps(props);
    editor->show();
    for (QPushButton* button : editor->findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("OK")) {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
}

} // namespace ShapedTextTest
