// The library's exported entry points, reached through dlopen as a browser reaches them:
// strings before initialisation, table checks, a Qt application of its own for hosts without
// one, and calls that name no instance or stream.
#include "npfunctions.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

namespace {

class EntryPoints : public ::testing::Test {
protected:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        m_library = dlopen(NPKELVO_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(m_library, nullptr) << dlerror();
        getEntryPoints = entry<NP_GetEntryPointsFunc>("NP_GetEntryPoints");
        initialize = entry<NP_InitializeFunc>("NP_Initialize");
        shutdown = entry<NP_ShutdownFunc>("NP_Shutdown");
        mimeDescription = entry<NP_GetMIMEDescriptionFunc>("NP_GetMIMEDescription");
        getValue = entry<NP_GetValueFunc>("NP_GetValue");
        browser.size = sizeof(browser);
        browser.version = (NP_VERSION_MAJOR << 8) | NP_VERSION_MINOR;
        plugin.size = sizeof(plugin);
        stream.url = "pic.png";
    }

    void TearDown() override {
        shutdown();
        dlclose(m_library);
    }

    template <typename Function> Function entry(const char* name) {
        auto function = reinterpret_cast<Function>(dlsym(m_library, name));
        EXPECT_NE(function, nullptr) << name;
        return function;
    }

    std::string pluginString(NPPVariable variable) {
        const char* text = nullptr;
        EXPECT_EQ(getValue(nullptr, variable, &text), NPERR_NO_ERROR);
        return text ? text : "";
    }

    // NPP_New for `npp`, without parameters: nothing is requested from the browser.
    NPError newInstance(uint16_t mode) {
        return plugin.newp(type, &npp, mode, 0, nullptr, nullptr, nullptr);
    }

    NP_GetEntryPointsFunc getEntryPoints = nullptr;
    NP_InitializeFunc initialize = nullptr;
    NP_ShutdownFunc shutdown = nullptr;
    NP_GetMIMEDescriptionFunc mimeDescription = nullptr;
    NP_GetValueFunc getValue = nullptr;
    NPNetscapeFuncs browser{};
    NPPluginFuncs plugin{};
    NPP_t npp{};
    NPStream stream{};
    char type[sizeof("application/kelvo")] = "application/kelvo";

private:
    void* m_library = nullptr;
};

TEST_F(EntryPoints, DescribeThePluginBeforeInitialisation) {
    EXPECT_STREQ(mimeDescription(), "application/kelvo:bmp:BMP Image,application/kelvo:jpeg:JPEG "
                                    "Image,application/kelvo:png:PNG Image");
    EXPECT_EQ(pluginString(NPPVpluginNameString), "Kelvo Plugin");
    EXPECT_EQ(pluginString(NPPVpluginDescriptionString)
                  .rfind("Kelvo Plugin, version 2005-03-01. A plugin for displaying and "
                         "interacting with annotated bitmaps.",
                         0),
              0u);
    const char* text = nullptr;
    EXPECT_EQ(getValue(nullptr, NPPVpluginWindowBool, &text), NPERR_INVALID_PARAM);
    EXPECT_EQ(getValue(nullptr, NPPVpluginNameString, nullptr), NPERR_INVALID_PARAM);
}

// Tables that are missing, too new or too short for the plug-in are refused; an older browser's
// table is filled only to its size.
TEST_F(EntryPoints, InitialisationChecksTheTables) {
    EXPECT_EQ(initialize(nullptr, &plugin), NPERR_INVALID_FUNCTABLE_ERROR);
    NPNetscapeFuncs newer = browser;
    newer.version = uint16_t((NP_VERSION_MAJOR + 1) << 8);
    EXPECT_EQ(initialize(&newer, &plugin), NPERR_INCOMPATIBLE_VERSION_ERROR);
    NPPluginFuncs tiny{};
    tiny.size = offsetof(NPPluginFuncs, write);
    EXPECT_EQ(initialize(&browser, &tiny), NPERR_INVALID_FUNCTABLE_ERROR);
    EXPECT_EQ(tiny.newp, nullptr);
    EXPECT_EQ(getEntryPoints(nullptr), NPERR_INVALID_FUNCTABLE_ERROR);

    // An older browser's table ends before getvalue; the bytes after it are not the plug-in's.
    std::vector<unsigned char> memory(sizeof(NPPluginFuncs) + 16, 0xA5);
    const size_t size = offsetof(NPPluginFuncs, getvalue);
    auto* table = reinterpret_cast<NPPluginFuncs*>(memory.data());
    table->size = uint16_t(size);
    ASSERT_EQ(initialize(&browser, table), NPERR_NO_ERROR);
    EXPECT_EQ(table->size, size);
    EXPECT_NE(table->urlnotify, nullptr);
    for (size_t i = size; i < memory.size(); ++i)
        ASSERT_EQ(memory[i], 0xA5) << "byte " << i;
}

// The host's runs call every instance and stream entry; what they do not use is checked here:
// the whole table, calls that name no instance or stream, and a stream before the window.
TEST_F(EntryPoints, FillTheWholeTableWhoseEntriesAreSafe) {
    ASSERT_EQ(initialize(&browser, &plugin), NPERR_NO_ERROR);
    EXPECT_EQ(plugin.size, sizeof(NPPluginFuncs));
    EXPECT_EQ(plugin.version >> 8, NP_VERSION_MAJOR);
    EXPECT_NE(plugin.getvalue, nullptr);
    NPPluginFuncs again{};
    again.size = sizeof(again);
    EXPECT_EQ(getEntryPoints(&again), NPERR_NO_ERROR);
    EXPECT_EQ(again.write, plugin.write);

    // Without instance or stream.
    uint16_t mode = 0;
    char buffer[4] = {};
    EXPECT_EQ(plugin.newp(type, nullptr, NP_EMBED, 0, nullptr, nullptr, nullptr),
              NPERR_INVALID_INSTANCE_ERROR);
    EXPECT_EQ(plugin.setwindow(&npp, nullptr), NPERR_INVALID_INSTANCE_ERROR);
    EXPECT_EQ(plugin.setwindow(nullptr, nullptr), NPERR_INVALID_INSTANCE_ERROR);
    EXPECT_EQ(plugin.newstream(&npp, type, &stream, 0, &mode), NPERR_INVALID_INSTANCE_ERROR);
    EXPECT_GT(plugin.writeready(&npp, &stream), 0);
    EXPECT_EQ(plugin.write(&npp, &stream, 0, 4, buffer), -1);
    EXPECT_EQ(plugin.write(nullptr, nullptr, 0, 4, buffer), -1);
    EXPECT_EQ(plugin.destroystream(&npp, &stream, NPRES_DONE), NPERR_INVALID_INSTANCE_ERROR);
    plugin.urlnotify(nullptr, nullptr, NPRES_DONE, nullptr);
    plugin.urlnotify(&npp, "pic.png", NPRES_NETWORK_ERR, nullptr);
    EXPECT_EQ(plugin.destroy(&npp, nullptr), NPERR_INVALID_INSTANCE_ERROR);

    // A stream before the window is refused.
    ASSERT_EQ(newInstance(NP_FULL), NPERR_NO_ERROR);
    EXPECT_EQ(plugin.newstream(&npp, type, &stream, 0, &mode), NPERR_GENERIC_ERROR);
    EXPECT_EQ(stream.pdata, nullptr);
    plugin.urlnotify(&npp, "pic.png", NPRES_NETWORK_ERR, nullptr);
    EXPECT_EQ(plugin.destroy(&npp, nullptr), NPERR_NO_ERROR);
}

TEST_F(EntryPoints, MakeAnApplicationForAHostWithoutOne) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    ASSERT_EQ(initialize(&browser, &plugin), NPERR_NO_ERROR);
    ASSERT_EQ(newInstance(NP_EMBED), NPERR_NO_ERROR);
    EXPECT_NE(npp.pdata, nullptr);
    EXPECT_NE(qobject_cast<QApplication*>(QCoreApplication::instance()), nullptr);
    // No window from the browser: the plug-in shows a top-level one.
    EXPECT_EQ(plugin.setwindow(&npp, nullptr), NPERR_NO_ERROR);
    const QWidgetList tops = QApplication::topLevelWidgets();
    EXPECT_EQ(std::count_if(tops.begin(), tops.end(), [](QWidget* w) { return w->isVisible(); }),
              1);
    NPSavedData* saved = reinterpret_cast<NPSavedData*>(&npp);
    EXPECT_EQ(plugin.destroy(&npp, &saved), NPERR_NO_ERROR);
    EXPECT_EQ(saved, nullptr);
    EXPECT_EQ(npp.pdata, nullptr);
    EXPECT_EQ(shutdown(), NPERR_NO_ERROR);
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
}

TEST_F(EntryPoints, RefuseInstancesInAHostWithoutGui) {
    int argc = 1;
    char program[] = "test";
    char* argv[] = {program, nullptr};
    QCoreApplication core(argc, argv);
    ASSERT_EQ(initialize(&browser, &plugin), NPERR_NO_ERROR);
    EXPECT_EQ(newInstance(NP_EMBED), NPERR_GENERIC_ERROR);
    EXPECT_EQ(npp.pdata, nullptr);
    EXPECT_EQ(QCoreApplication::instance(), &core);
}

} // namespace
