// kelvo-tool: makes coded pictures from the command line and reads them back.
#include "kelvotool.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

// Picture libraries write their complaints about a broken file straight to the error stream,
// while the tool reports every failure itself in one line. The tool keeps a copy of the
// stream for its own messages and sends the libraries' output nowhere.
FILE* privateErrorStream() {
    const int copy = dup(STDERR_FILENO);
    const int null = open("/dev/null", O_WRONLY);
    FILE* stream = copy >= 0 ? fdopen(copy, "w") : nullptr;
    if (!stream || null < 0) {
        return stderr;
    }
    dup2(null, STDERR_FILENO);
    close(null);
    return stream;
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
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(privateErrorStream());
    return KelvoTool::run(app.arguments().mid(1), out, err);
}
