// A think bubble: an ellipse and a trail of small thought circles, masked to them.
#pragma once

#include "kelvoviewershapedtext.h"

#include <QRect>

#include <vector>

struct KelvoComicEllipseObj;

class KelvoViewerThinkBubble : public KelvoViewerShapedText {
    Q_OBJECT
public:
    // One thought circle: its rectangle (0, 0, width, height) and its position.
    struct Circle {
        QRect rect;
        QPoint position;
    };

    // The bounding box of the body and every circle at its position, plus 2 pixels each way;
    // empty when the object cannot be shown.
    static QSize widgetSize(const KelvoComicEllipseObj& object);

    // The object must have a non-empty widgetSize().
    KelvoViewerThinkBubble(QWidget* viewer, const QString& name,
                           const KelvoComicEllipseObj& object);

    QString shapeClassName() const override;
    const std::vector<Circle>& circles() const { return m_circles; }

protected:
    void drawShape(QPainter& painter) const override;

private:
    std::vector<Circle> m_circles;
};
