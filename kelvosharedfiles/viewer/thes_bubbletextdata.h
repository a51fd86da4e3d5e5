// The text part of a shaped text's properties, shared by the viewer's and the editor's shaped
// texts and the text properties editor.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

struct TheS_BubbleTextData {
    QString text;
    QFont font;
    QColor textColour = QColor(0, 0, 0);
    // Qt::AlignmentFlag and Qt::TextFlag bits used when the text is drawn.
    int alignmentFlags = Qt::TextWordWrap;

    bool operator==(const TheS_BubbleTextData& o) const {
        return text == o.text && font == o.font && textColour == o.textColour &&
               alignmentFlags == o.alignmentFlags;
    }
    bool operator!=(const TheS_BubbleTextData& o) const { return !(*this == o); }
};
