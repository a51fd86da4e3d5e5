// Built-in pictures of the text tools: one picture per text type, showing what that kind of
// text looks like, and the icons of the text holders.
#pragma once

#include <QPixmap>

class KelvoTextPictures {
public:
    // Text type codes, as the text type dialog numbers them.
    enum TextType { SimpleText, SimpleRect, SimpleEllipse, SpeechBubble, ThinkBubble, TypeCount };

    static QSize shapeSize() { return {150, 70}; }
    // The picture of one text type; a null pixmap for any other code.
    static QPixmap shape(int type);

    // 22 x 22 icons of a holder of unformatted text and of a dictionary entry.
    static QPixmap textHolderIcon();
    static QPixmap dictHolderIcon();
};
