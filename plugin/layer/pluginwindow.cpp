#include "pluginwindow.h"

PluginWindow::PluginWindow(PluginInstance* instance) : instance_(instance) {}
