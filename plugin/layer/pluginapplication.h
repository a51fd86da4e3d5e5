// The Qt application object the plug-in's widgets need. A Qt host already has one; for any
// other host the plug-in makes its own on first use and deletes it at shutdown.
#pragma once

namespace PluginApplication {

// True when a QApplication exists afterwards (false: the host has only a non-GUI Qt core
// application, on which no widget can be made).
bool ensure();

// Deletes the application object if ensure() made it.
void release();

} // namespace PluginApplication
