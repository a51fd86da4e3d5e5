#include "npkelvoplugin.h"

#include "kelvouitranslation.h"
#include "kelvoxmlconfigfileparser.h"
#include "npkelvoplugininstance.h"

PluginObject* PluginObject::create() {
    // The user-interface language is known before any instance exists.
    KelvoXmlConfigFileParser configuration;
    return new NPKelvoPlugin;
}

NPKelvoPlugin::NPKelvoPlugin() = default;

NPKelvoPlugin::~NPKelvoPlugin() = default;

PluginInstance* NPKelvoPlugin::newInstance() {
    if (!m_translation)
        m_translation = std::make_unique<KelvoUiTranslation>();
    return new NPKelvoPluginInstance;
}

const char* NPKelvoPlugin::mimeDescription() const {
    return "application/kelvo:bmp:BMP Image,application/kelvo:jpeg:JPEG Image,"
           "application/kelvo:png:PNG Image";
}

const char* NPKelvoPlugin::pluginName() const {
    return "Kelvo Plugin";
}

const char* NPKelvoPlugin::pluginDescription() const {
    return "Kelvo Plugin, version 2005-03-01. A plugin for displaying and interacting with "
           "annotated bitmaps. Written by the Kelvo developers.";
}
