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

KelvoFont kelvoCodecFont(const QFont& font) {
    KelvoFont result;
    result.family = font.family().toStdString();
    result.pointSize = font.pointSize();
    const int weight = font.weight();
    if (weight < (QFont::Light + QFont::Normal) / 2) {
        result.weight = 25;
    } else if (weight < (QFont::Normal + QFont::DemiBold) / 2) {
        result.weight = 50;
    } else if (weight < (QFont::DemiBold + QFont::Bold) / 2) {
        result.weight = 63;
    } else if (weight < (QFont::Bold + QFont::Black) / 2) {
        result.weight = 75;
    } else {
        result.weight = 87;
    }
    result.italic = font.italic();
    return result;
}

KelvoRgb kelvoCodecRgb(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return {rgb.red(), rgb.green(), rgb.blue()};
}

int kelvoAlignmentCode(int alignmentFlags) {
    if (alignmentFlags & Qt::AlignLeft) {
        return 1;
    }
    if (alignmentFlags & Qt::AlignHCenter) {
        return 2;
    }
    if (alignmentFlags & Qt::AlignRight) {
        return 3;
    }
    return 0;
}

void kelvoFillTextObj(const TheS_BubbleData& data, KelvoTextObj& object) {
    object.text = data.textData.text.toStdU16String();
    object.font = kelvoCodecFont(data.textData.font);
    if (const int code = kelvoAlignmentCode(data.textData.alignmentFlags)) {
        object.alignment = code;
    }
    object.textColour = kelvoCodecRgb(data.textData.textColour);
    object.outlineColour = kelvoCodecRgb(data.outlineColour);
    object.backgroundColour = kelvoCodecRgb(data.backgroundColour);
    object.backgroundFilled = data.backgroundFilled;
}

QString kelvoStoredText(const QString& text) {
    QString stored = text;
    for (QChar& c : stored) {
        if (c.unicode() > 255) {
            c = QChar(0);
        }
    }
    return stored;
}
