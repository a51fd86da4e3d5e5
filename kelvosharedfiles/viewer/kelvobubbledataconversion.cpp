#include "kelvobubbledataconversion.h"

#include <algorithm>

QFont kelvoQFont(const KelvoFont& font) {
    QFont result(QString::fromStdString(font.family));
    if (font.pointSize > 0) {
        result.setPointSize(font.pointSize);
    }
    switch (font.weight) {
    case 25:
        result.setWeight(QFont::Light);
        break;
    case 63:
        result.setWeight(QFont::DemiBold);
        break;
    case 75:
        result.setWeight(QFont::Bold);
        break;
    case 87:
        result.setWeight(QFont::Black);
        break;
    default:
        result.setWeight(QFont::Normal);
        break;
    }
    result.setItalic(font.italic);
    return result;
}

QColor kelvoQColor(const KelvoRgb& colour) {
    auto channel = [](int32_t value) { return std::clamp(value, 0, 255); };
    return QColor(channel(colour.red), channel(colour.green), channel(colour.blue));
}

TheS_BubbleData kelvoBubbleData(const KelvoEllipseObj& object) {
    TheS_BubbleData data;
    data.backgroundColour = kelvoQColor(object.backgroundColour);
    data.outlineColour = kelvoQColor(object.outlineColour);
    data.backgroundFilled = object.backgroundFilled;
    data.outlineWidth = object.outlineWidth;
    data.rect = QRect(QPoint(object.left, object.top), QPoint(object.right, object.bottom));
    data.textData.text = QString::fromStdU16String(object.text);
    data.textData.font = kelvoQFont(object.font);
    data.textData.textColour = kelvoQColor(object.textColour);
    switch (object.alignment) {
    case 1:
        data.textData.alignmentFlags |= Qt::AlignLeft;
        break;
    case 2:
        data.textData.alignmentFlags |= Qt::AlignHCenter;
        break;
    case 3:
        data.textData.alignmentFlags |= Qt::AlignRight;
        break;
    default:
        break;
    }
    return data;
}
