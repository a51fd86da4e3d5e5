#include "pluginstream.h"

#include <utility>

PluginStream::PluginStream(PluginInstance* instance, const NPStream& stream, QByteArray type,
                           bool seekable)
    : instance_(instance), url_(QString::fromUtf8(stream.url ? stream.url : "")), end_(stream.end),
      lastModified_(stream.lastmodified), type_(std::move(type)), seekable_(seekable) {}

void PluginStream::finish(NPReason reason) {
    finished_ = true;
    reason_ = reason;
}
