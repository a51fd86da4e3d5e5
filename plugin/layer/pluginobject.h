// The plug-in object: one per loaded library, created on first use by the entry points and
// deleted by NP_Shutdown. The library built on this layer defines PluginObject::create().
#pragma once

class PluginInstance;

class PluginObject {
public:
    virtual ~PluginObject() = default;

    // A new instance for one embed element; the entry points own it until NPP_Destroy.
    virtual PluginInstance* newInstance() = 0;

    // Static strings owned by the plug-in: "type:suffixes:description" entries separated by ",",
    // the plug-in's name and its description.
    virtual const char* mimeDescription() const = 0;
    virtual const char* pluginName() const = 0;
    virtual const char* pluginDescription() const = 0;

    static PluginObject* create();
};
