// The Kelvo plug-in object: the MIME types it shows, its name and description, and its
// instances. The configuration (user-interface language) is read before it is made; the
// translation of that language is installed with the first instance, once the application
// object exists, and stays until the library shuts down.
#pragma once

#include "pluginobject.h"

#include <memory>

class KelvoUiTranslation;

class NPKelvoPlugin : public PluginObject {
public:
    NPKelvoPlugin();
    ~NPKelvoPlugin() override;

    PluginInstance* newInstance() override;
    const char* mimeDescription() const override;
    const char* pluginName() const override;
    const char* pluginDescription() const override;

private:
    std::unique_ptr<KelvoUiTranslation> m_translation;
};
