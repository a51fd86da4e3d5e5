// The Kelvo plug-in object: the MIME types it shows, its name and description, and its
// instances. The configuration (user-interface language) is read before it is made.
#pragma once

#include "pluginobject.h"

class NPKelvoPlugin : public PluginObject {
public:
    NPKelvoPlugin();

    PluginInstance* newInstance() override;
    const char* mimeDescription() const override;
    const char* pluginName() const override;
    const char* pluginDescription() const override;
};
