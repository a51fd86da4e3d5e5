#include "hostoutput.h"

#include <cstdio>

namespace HostOutput {

void line(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace HostOutput
