// A speech bubble: an elliptic arc closed by a tail to a peak. The author drags the peak, the
// two points where the tail leaves the ellipse, and the ellipse's bottom-right corner by four
// handles. The widget keeps the outline's bounding rectangle at its top-left, moving itself
// when the shape grows up or left, so that the ellipse stays still on screen.
#pragma once

#include "kelvoeditorshapedtext.h"

#include <QPolygon>

class KelvoButton;

class KelvoEditorSpeechBubble : public KelvoEditorShapedText {
    Q_OBJECT
public:
    KelvoEditorSpeechBubble(QWidget* parent, const QString& name);

    QString shapeClassName() const override;
    int shapeKind() const override { return KindSpeechBubble; }

    QPoint peakPoint() const { return m_peak; }
    const QRect& bodyRect() const { return m_body; }
    const QPolygon& outline() const { return m_outline; }
    double angle1() const { return m_angle1; }
    double angle2() const { return m_angle2; }
    double peakAngle() const { return m_peakAngle; }
    KelvoButton* peakHandle() const { return m_peakHandle; }
    KelvoButton* angle1Handle() const { return m_angle1Handle; }
    KelvoButton* angle2Handle() const { return m_angle2Handle; }
    KelvoButton* boxHandle() const { return m_boxHandle; }

public slots:
    void moveTextToCenter() override;

protected:
    void fillGeometry(KelvoComicEllipseObj& object) const override;
    void maskParts(QRegion& painted, QRegion& area, QRegion& marks) const override;
    void applyShapeProps(const TheS_BubbleData&) override { update(); }
    void saveShape(KelvoShapeState& state) const override;
    void restoreShape(const KelvoShapeState& state) override;
    void paintEvent(QPaintEvent* event) override;

private:
    KelvoButton* addHandle(const QString& name, const QPixmap& pixmap);
    void rebuildOutline();
    void centreHandles();
    // Keeps the outline's bounding rectangle at (0, 0) and sizes the widget to it.
    void fit();
    void takeScalingReference();
    void dragAngle(double& angle, QPoint centre);
    void dragPeak(QPoint centre);
    void dragBox(QPoint centre);

    QPoint m_peak{60, 90};
    QRect m_body{QPoint(0, 0), QPoint(149, 69)};
    QPolygon m_outline;
    double m_angle1 = 0;
    double m_angle2 = 0;
    double m_peakAngle = 0;
    // The outline's size and the peak's place in it when the peak was last placed, and how
    // much the body has grown since: the peak keeps its relative place while the body grows.
    QSize m_refSize;
    QPoint m_refPeak;
    QPoint m_resized;
    KelvoButton* m_peakHandle;
    KelvoButton* m_angle1Handle;
    KelvoButton* m_angle2Handle;
    KelvoButton* m_boxHandle;
};
