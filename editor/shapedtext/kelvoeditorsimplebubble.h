// A shaped text whose body is a rectangle (kind 1) or an ellipse (kind 2).
#pragma once

#include "kelvoeditorshapedtext.h"

class KelvoEditorSimpleBubble : public KelvoEditorShapedText {
    Q_OBJECT
public:
    // `kind` 2 makes an ellipse, anything else a rectangle.
    KelvoEditorSimpleBubble(QWidget* parent, const QString& name, int kind);

    QString shapeClassName() const override;
    int shapeKind() const override { return m_kind; }
    KelvoBubble* mainBubble() const { return m_main; }

public slots:
    void moveTextToCenter() override;

protected:
    void fillGeometry(KelvoComicEllipseObj& object) const override;
    void maskParts(QRegion& painted, QRegion& area, QRegion& marks) const override;
    void applyShapeProps(const TheS_BubbleData& shown) override;
    void saveShape(KelvoShapeState& state) const override;
    void restoreShape(const KelvoShapeState& state) override;

private:
    int m_kind;
    KelvoBubble* m_main;
};
