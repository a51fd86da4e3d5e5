// kelvo-tool: makes coded pictures from the command line and reads them back.
#include "kelvotool.h"

#include <QCoreApplication>
#include <QTextStream>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

QtMessageHandler qtOwnHandler = nullptr;

// Qt's picture plug-ins warn about a broken file, while the tool reports every failure itself in
// one line: Qt's debug, info and warning messages are dropped. Critical and fatal ones, like
// everything else written to the error stream outside the decoding of pictures
// (kelvoquietlibraries.h), sanitizer reports among them, still go out.
void dropQtWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        qtOwnHandler(type, context, message);
    }
}

// A picture passes through several buffers of its full size in turn (file, pixels, mask, coded
// copy, PNG). Served from the heap and kept there when freed, each reuses the pages of the one
// before, where fresh mappings would have the kernel fault in and zero every page again. The
// tool handles one picture and exits, so holding on to its peak memory costs nothing.
void keepFreedMemory() {
#ifdef __GLIBC__
    mallopt(M_MMAP_MAX, 0);
    mallopt(M_TRIM_THRESHOLD, -1);
#endif
}

} // namespace

int main(int argc, char** argv) {
    keepFreedMemory();
    qtOwnHandler = qInstallMessageHandler(dropQtWarnings);
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return KelvoTool::run(app.arguments().mid(1), out, err);
}
