// Answers a modal dialog from a test without risking a hang: polls until a dialog of the
// wanted class is the active modal widget and hands it to `answer`. When none comes within the
// time limit, whatever modal widget is open is closed so that its event loop ends and the test
// fails on `answered` instead of waiting for ctest's timeout.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

template <class Dialog>
void kelvoAnswerModal(std::function<void(Dialog*)> answer, bool* answered = nullptr,
                      int timeoutMs = 5000) {
    if (answered)
        *answered = false;
    auto* timer = new QTimer(qApp);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog && !clock.hasExpired(timeoutMs)) {
            timer->setInterval(10);
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (answered)
            *answered = dialog != nullptr;
        if (dialog)
            answer(dialog);
        else if (modal)
            modal->close();
    });
    // The first look comes as soon as the dialog's event loop runs, before it does anything
    // else (a file dialog starts reading its folder, for one).
    timer->start(0);
}
