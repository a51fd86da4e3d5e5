#include "selectiontestsupport.h"

#include "kelvomsgdlg.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

void SelectionTestSupport::drag(QWidget* widget, const QList<QPoint>& path) {
    QTest::mousePress(widget, Qt::LeftButton, {}, path.first());
    for (qsizetype i = 1; i < path.size(); ++i) {
        QTest::mouseMove(widget, path[i]);
    }
    QTest::mouseRelease(widget, Qt::LeftButton, {}, path.last());
}

void SelectionTestSupport::pressOnNextMessage(QString* text) {
    QTimer::singleShot(0, [text] {
        auto* dialog = qobject_cast<KelvoMsgDlg*>(QApplication::activeModalWidget());
        if (!dialog) {
            return;
        }
        *text = dialog->findChild<QLabel*>(QStringLiteral("messageText"))->text();
        dialog->findChild<QPushButton*>(QStringLiteral("button1"))->click();
    });
}

void SelectionTestSupport::rejectNextDialog() {
    QTimer::singleShot(0, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialog->reject();
        }
    });
}
