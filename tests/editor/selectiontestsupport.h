// Mouse drags given in a widget's own coordinates.
#pragma once

#include <QList>
#include <QPoint>

class QWidget;

namespace SelectionTestSupport {

// Presses the left button at the first point, moves through the others and releases it at the
// last one.
void drag(QWidget* widget, const QList<QPoint>& path);

} // namespace SelectionTestSupport
