// A think bubble: an elliptic body and a trail of three thought circles that the author drags
// and resizes one by one. The widget always spans exactly the body and the circles.
#pragma once

#include "kelvoeditorshapedtext.h"

#include <vector>

class KelvoEditorThinkBubble : public KelvoEditorShapedText {
    Q_OBJECT
public:
    KelvoEditorThinkBubble(QWidget* parent, const QString& name);

    QString shapeClassName() const override;
    int shapeKind() const override { return KindThinkBubble; }
    KelvoBubble* mainBubble() const { return m_main; }
    const std::vector<KelvoBubble*>& circles() const { return m_circles; }

public slots:
    void moveTextToCenter() override;

protected:
    void fillGeometry(KelvoComicEllipseObj& object) const override;
    void maskParts(QRegion& painted, QRegion& area, QRegion& marks) const override;
    void applyShapeProps(const TheS_BubbleData& shown) override;
    void saveShape(KelvoShapeState& state) const override;
    void restoreShape(const KelvoShapeState& state) override;

private:
    std::vector<KelvoBubble*> bodies() const;
    // Moves the bodies so that together they start at (0, 0), moving the widget the other way
    // so that nothing moves on screen, and sizes the widget to them.
    void normalize();
    void bodyResized(const QString& name);

    KelvoBubble* m_main;
    std::vector<KelvoBubble*> m_circles;
};
