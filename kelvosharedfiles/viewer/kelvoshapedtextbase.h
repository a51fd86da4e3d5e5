// Base of every shaped text, in the viewer and in the editor: a widget that draws a formatted
// text inside a shape over a picture.
#pragma once

#include <QPoint>
#include <QString>
#include <QWidget>

class KelvoShapedTextBase : public QWidget {
    Q_OBJECT
public:
    KelvoShapedTextBase(QWidget* parent, const QString& name);

    // The concrete class's name, by which callers pick the routine for a shape.
    virtual QString shapeClassName() const = 0;

    // The shape's top-left in picture coordinates.
    QPoint position() const { return m_position; }
    void setPosition(QPoint position) { m_position = position; }

protected:
    QPoint m_position;
};
