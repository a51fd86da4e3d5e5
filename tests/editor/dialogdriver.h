// Answers modal dialogs in tests: the dialog is run by the code under test, and the answer
// comes from the event loop once the dialog is up.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

// Calls `answer` with the next modal widget that differs from the one active now, as soon as
// it is shown. Gives up after a few seconds, so that a dialog that never comes fails the test
// instead of hanging it.
inline void answerNextDialog(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    // Guarded: a dialog that follows on the stack may get the address of the one before.
    QPointer<QWidget> before = QApplication::activeModalWidget();
    int ticks = 0;
    QObject::connect(timer, &QTimer::timeout, [timer, before, ticks, answer]() mutable {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog && dialog != before.data() && dialog->isVisible()) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        } else if (++ticks > 500) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}
