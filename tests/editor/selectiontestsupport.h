// Helpers of the selection and grabber tests: mouse drags and answers to message dialogs.
#pragma once

#include <QList>
#include <QPoint>
#include <QString>

class QWidget;

namespace SelectionTestSupport {

// Presses the left button at the first point, moves through the others and releases it at the
// last one.
void drag(QWidget* widget, const QList<QPoint>& path);
// Presses button 1 of the next modal KelvoMsgDlg and writes its text to `text`.
void pressOnNextMessage(QString* text);
// Closes the next modal dialog without pressing a button.
void rejectNextDialog();

} // namespace SelectionTestSupport
