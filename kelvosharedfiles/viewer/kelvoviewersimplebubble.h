// A rectangle (kind 1) or ellipse (kind 2) with text. A rectangle's outline of width w is w
// nested one-pixel frames, the innermost filled; the widget is its whole rectangle. An ellipse
// is masked to itself.
#pragma once

#include "kelvoviewershapedtext.h"

struct KelvoEllipseObj;

class KelvoViewerSimpleBubble : public KelvoViewerShapedText {
    Q_OBJECT
public:
    static constexpr int kRectangle = 1;
    static constexpr int kEllipse = 2;

    // The size of the object's body; empty when it cannot be shown.
    static QSize widgetSize(const KelvoEllipseObj& object);

    // `kind` is that of the shape item the object came from: kEllipse, or else a rectangle.
    // The object must have a non-empty widgetSize().
    KelvoViewerSimpleBubble(QWidget* viewer, const QString& name, const KelvoEllipseObj& object,
                            int kind);

    QString shapeClassName() const override;
    int shapeKind() const { return m_kind; }

protected:
    void drawShape(QPainter& painter) const override;
    bool masked() const override { return m_kind == kEllipse; }

private:
    int m_kind;
};
