// Objects of a shaped-text block: the text properties every object starts with, the body
// rectangle of every shape, and the extra geometry of speech and think bubbles.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum KelvoShapeKind : uint8_t {
    KindSimpleText = 0,    // "Simple_Text"
    KindSimpleRect = 1,    // "Simple_Rect"
    KindSimpleEllipse = 2, // "Simple_Ellipse"
    KindSpeechBubble = 3,  // "Speech_Bubble"
    KindThinkBubble = 4,   // "Think_Bubble"
};

// Kind of a stored kind byte: unknown values read as a rectangle.
inline uint8_t kelvoKindFromByte(uint8_t byte) {
    return byte <= KindThinkBubble ? byte : static_cast<uint8_t>(KindSimpleRect);
}

struct KelvoRgb {
    int32_t red = 0, green = 0, blue = 0;

    bool operator==(const KelvoRgb& o) const {
        return red == o.red && green == o.green && blue == o.blue;
    }
};

struct KelvoFont {
    std::string family = "Arial";
    int32_t pointSize = 10; // negative: the font is sized in pixels
    int32_t weight = 50;    // 25 light, 50 normal, 63 demi-bold, 75 bold, 87 black
    bool italic = false;

    bool operator==(const KelvoFont& o) const {
        return family == o.family && pointSize == o.pointSize && weight == o.weight &&
               italic == o.italic;
    }
};

struct KelvoTextObj {
    uint8_t kind = KindSimpleText;
    int32_t x = 0, y = 0; // shape position relative to the region origin
    uint8_t outlineWidth = 1;
    int32_t labelX = 0, labelY = 0; // label position inside the shape
    KelvoRgb textColour, outlineColour, backgroundColour;
    bool backgroundFilled = false;
    KelvoFont font;
    int32_t alignment = 1; // 1 left, 2 centred, 3 right
    std::u16string text;   // UTF-16 code units, as a QString holds them

    bool operator==(const KelvoTextObj& o) const {
        return kind == o.kind && x == o.x && y == o.y && outlineWidth == o.outlineWidth &&
               labelX == o.labelX && labelY == o.labelY && textColour == o.textColour &&
               outlineColour == o.outlineColour && backgroundColour == o.backgroundColour &&
               backgroundFilled == o.backgroundFilled && font == o.font &&
               alignment == o.alignment && text == o.text;
    }
};

// Shapes of kinds 0..2: the text properties and the body rectangle (edges inclusive).
struct KelvoEllipseObj : KelvoTextObj {
    int32_t left = 0, top = 0, right = -1, bottom = -1;

    bool operator==(const KelvoEllipseObj& o) const {
        return KelvoTextObj::operator==(o) && left == o.left && top == o.top && right == o.right &&
               bottom == o.bottom;
    }
};

struct KelvoThinkBubbleCircle {
    int32_t x = 0, y = 0, width = 0, height = 0;

    bool operator==(const KelvoThinkBubbleCircle& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

// Bubbles, kinds 3 and 4. Only the fields of the object's own kind are stored.
struct KelvoComicEllipseObj : KelvoEllipseObj {
    int32_t peakX = 0, peakY = 0, angle1 = 0, angle2 = 0; // speech bubble: tail tip, arc angles
    std::vector<KelvoThinkBubbleCircle> circles;          // think bubble

    bool operator==(const KelvoComicEllipseObj& o) const {
        return KelvoEllipseObj::operator==(o) && peakX == o.peakX && peakY == o.peakY &&
               angle1 == o.angle1 && angle2 == o.angle2 && circles == o.circles;
    }
};
