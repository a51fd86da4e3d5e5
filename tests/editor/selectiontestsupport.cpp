#include "selectiontestsupport.h"

#include <QtTest>

void SelectionTestSupport::drag(QWidget* widget, const QList<QPoint>& path) {
    QTest::mousePress(widget, Qt::LeftButton, {}, path.first());
    for (qsizetype i = 1; i < path.size(); ++i) {
        QTest::mouseMove(widget, path[i]);
    }
    QTest::mouseRelease(widget, Qt::LeftButton, {}, path.last());
}
