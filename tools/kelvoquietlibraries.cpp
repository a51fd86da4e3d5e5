#include "kelvoquietlibraries.h"

#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace {

std::mutex scopesMutex;
int scopes = 0;
int savedStream = -1; // the real error stream while silenced

} // namespace

KelvoQuietLibraries::KelvoQuietLibraries() {
    const std::lock_guard<std::mutex> lock(scopesMutex);
    if (scopes++ > 0) {
        return;
    }
    const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
    savedStream = null >= 0 ? fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0) : -1;
    if (savedStream >= 0) {
        dup2(null, STDERR_FILENO);
    }
    if (null >= 0) {
        close(null);
    }
}

KelvoQuietLibraries::~KelvoQuietLibraries() {
    const std::lock_guard<std::mutex> lock(scopesMutex);
    if (--scopes > 0 || savedStream < 0) {
        return;
    }
    dup2(savedStream, STDERR_FILENO);
    close(savedStream);
    savedStream = -1;
}
