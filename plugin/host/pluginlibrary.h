// A plug-in library opened with dlopen and driven only through its exported entry points, as
// a browser does: NP_GetMIMEDescription and NP_GetValue, then NP_Initialize with the browser's
// table, and NP_Shutdown and dlclose when the object goes.
#pragma once

#include "npfunctions.h"

#include <QString>

class PluginLibrary {
public:
    PluginLibrary() = default;
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // Opens the library and initialises it with `browser`, which must outlive this object.
    // False, with the reason in `error`, when it cannot be opened, lacks an entry point or
    // refuses to start.
    bool load(const QString& path, const NPNetscapeFuncs* browser, QString* error);

    // Valid after a successful load().
    const NPPluginFuncs& functions() const { return m_functions; }
    const QString& mimeDescription() const { return m_mimeDescription; }
    const QString& name() const { return m_name; }
    const QString& description() const { return m_description; }
    // Whether the library takes `mimeType` according to its MIME description.
    bool handles(const QString& mimeType) const;

private:
    void* symbol(const char* name, QString* error) const;
    QString pluginString(NPPVariable variable) const;
    void unload();

    void* m_handle = nullptr;
    bool m_initialized = false;
    NPPluginFuncs m_functions{};
    NP_ShutdownFunc m_shutdown = nullptr;
    NP_GetValueFunc m_getValue = nullptr;
    QString m_mimeDescription;
    QString m_name;
    QString m_description;
};
