#include "pluginapplication.h"

#include <QApplication>

namespace {

QApplication* ownApplication = nullptr;

// QApplication keeps references to both for its lifetime.
int applicationArgc = 1;
char applicationName[] = "npKelvo";
char* applicationArgv[] = {applicationName, nullptr};

} // namespace

namespace PluginApplication {

bool ensure() {
    if (!QCoreApplication::instance())
        ownApplication = new QApplication(applicationArgc, applicationArgv);
    return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

void release() {
    delete ownApplication;
    ownApplication = nullptr;
}

} // namespace PluginApplication
