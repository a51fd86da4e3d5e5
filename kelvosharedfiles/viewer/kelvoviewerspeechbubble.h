// A speech bubble: an elliptic arc from a start angle to an end angle, closed by a tail to a
// peak point; masked to that outline.
#pragma once

#include "kelvoviewershapedtext.h"

#include <QPolygon>

struct KelvoComicEllipseObj;

class KelvoViewerSpeechBubble : public KelvoViewerShapedText {
    Q_OBJECT
public:
    // The bounding box of the ellipse and the peak point; empty when the object cannot be
    // shown.
    static QSize widgetSize(const KelvoComicEllipseObj& object);

    // The object must have a non-empty widgetSize().
    KelvoViewerSpeechBubble(QWidget* viewer, const QString& name,
                            const KelvoComicEllipseObj& object);

    QString shapeClassName() const override;
    QPoint peakPoint() const { return m_peak; }
    const QRect& ellipseRect() const { return m_props.rect; }
    double startAngle() const { return m_startAngle; }
    double endAngle() const { return m_endAngle; }
    const QPolygon& outline() const { return m_outline; }

protected:
    void drawShape(QPainter& painter) const override;

private:
    QPoint m_peak;
    double m_startAngle;
    double m_endAngle;
    QPolygon m_outline;
};
