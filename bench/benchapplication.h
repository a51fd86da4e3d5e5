// The application object of the benchmark cases that need widgets, on the offscreen platform.
#pragma once

#include <QApplication>

inline QApplication& benchApplication() {
    static int argc = 1;
    static char name[] = "kelvo_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}
