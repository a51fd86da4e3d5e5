// What the host tells on standard output, one line per event, flushed at once so that a
// caller reading the pipe sees events as they happen.
#pragma once

#include <QString>

namespace HostOutput {

void line(const QString& text);

} // namespace HostOutput
