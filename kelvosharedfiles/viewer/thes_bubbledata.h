// The property record of a shaped text: what it shows and what is coded for it.
#pragma once

#include "thes_bubbletextdata.h"

#include <QColor>
#include <QRect>

struct TheS_BubbleData {
    QColor backgroundColour = QColor(255, 255, 255);
    QColor outlineColour = QColor(0, 0, 0);
    bool backgroundFilled = true; // false: the body lets the picture show through
    int outlineWidth = 1;         // pixels
    QRect rect;                   // the body, in the shaped text's own coordinates
    TheS_BubbleTextData textData;

    bool operator==(const TheS_BubbleData& o) const {
        return backgroundColour == o.backgroundColour && outlineColour == o.outlineColour &&
               backgroundFilled == o.backgroundFilled && outlineWidth == o.outlineWidth &&
               rect == o.rect && textData == o.textData;
    }
    bool operator!=(const TheS_BubbleData& o) const { return !(*this == o); }
};
