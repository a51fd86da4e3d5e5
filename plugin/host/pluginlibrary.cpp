#include "pluginlibrary.h"

#include <QStringList>

#include <dlfcn.h>

PluginLibrary::~PluginLibrary() {
    unload();
}

void PluginLibrary::unload() {
    if (m_initialized && m_shutdown)
        m_shutdown();
    m_initialized = false;
    if (m_handle)
        dlclose(m_handle);
    m_handle = nullptr;
}

void* PluginLibrary::symbol(const char* name, QString* error) const {
    void* address = dlsym(m_handle, name);
    if (!address && error)
        *error = QStringLiteral("the library has no entry point %1").arg(QLatin1String(name));
    return address;
}

QString PluginLibrary::pluginString(NPPVariable variable) const {
    const char* text = nullptr;
    if (!m_getValue || m_getValue(nullptr, variable, &text) != NPERR_NO_ERROR || !text)
        return QString();
    return QString::fromUtf8(text);
}

bool PluginLibrary::load(const QString& path, const NPNetscapeFuncs* browser, QString* error) {
    unload();
    // The code stays mapped after dlclose: Qt keeps registrations of the plug-in's types
    // until the application object goes, after the library.
    m_handle = dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
    if (!m_handle) {
        *error = QString::fromLocal8Bit(dlerror());
        return false;
    }
    auto initialize = reinterpret_cast<NP_InitializeFunc>(symbol("NP_Initialize", error));
    m_shutdown = reinterpret_cast<NP_ShutdownFunc>(symbol("NP_Shutdown", error));
    auto mimeDescription =
        reinterpret_cast<NP_GetMIMEDescriptionFunc>(symbol("NP_GetMIMEDescription", error));
    m_getValue = reinterpret_cast<NP_GetValueFunc>(symbol("NP_GetValue", error));
    if (!initialize || !m_shutdown || !mimeDescription || !m_getValue) {
        unload();
        return false;
    }
    const char* mime = mimeDescription();
    m_mimeDescription = QString::fromUtf8(mime ? mime : "");
    m_name = pluginString(NPPVpluginNameString);
    m_description = pluginString(NPPVpluginDescriptionString);

    m_functions = NPPluginFuncs{};
    m_functions.size = sizeof(NPPluginFuncs);
    const NPError result = initialize(const_cast<NPNetscapeFuncs*>(browser), &m_functions);
    if (result != NPERR_NO_ERROR || !m_functions.newp || !m_functions.destroy) {
        *error = QStringLiteral("the plug-in did not start (error %1)").arg(result);
        m_initialized = result == NPERR_NO_ERROR;
        unload();
        return false;
    }
    m_initialized = true;
    return true;
}

bool PluginLibrary::handles(const QString& mimeType) const {
    // Entries "type:suffixes:description" are separated by "," or ";".
    QString description = m_mimeDescription;
    const QStringList entries =
        description.replace(QLatin1Char(';'), QLatin1Char(',')).split(QLatin1Char(','));
    for (const QString& entry : entries) {
        if (entry.section(QLatin1Char(':'), 0, 0)
                .trimmed()
                .compare(mimeType, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
