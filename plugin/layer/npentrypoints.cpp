// The library's exported entry points and the instance functions of the plug-in table, each
// forwarding to the plug-in object, its instances or their streams. No exception may cross
// into the browser: every call is guarded and reports failure by its result instead.
#include "npfunctions.h"
#include "pluginapplication.h"
#include "plugininstance.h"
#include "pluginobject.h"
#include "pluginstream.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>

namespace {

const NPNetscapeFuncs* browserFuncs = nullptr;
PluginObject* pluginObject = nullptr;

PluginObject* plugin() {
    if (!pluginObject)
        pluginObject = PluginObject::create();
    return pluginObject;
}

PluginInstance* instanceOf(NPP npp) {
    return npp ? static_cast<PluginInstance*>(npp->pdata) : nullptr;
}

PluginStream* streamOf(NPP npp, NPStream* stream) {
    auto* wrapped = stream ? static_cast<PluginStream*>(stream->pdata) : nullptr;
    return wrapped && wrapped->instance() == instanceOf(npp) ? wrapped : nullptr;
}

template <typename Call> NPError guardedError(Call call) noexcept {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return NPERR_OUT_OF_MEMORY_ERROR;
    } catch (...) {
        return NPERR_GENERIC_ERROR;
    }
}

template <typename Result, typename Call> Result guarded(Result onFailure, Call call) noexcept {
    try {
        return call();
    } catch (...) {
        return onFailure;
    }
}

template <typename Call> void guardedVoid(Call call) noexcept {
    try {
        call();
    } catch (...) {
    }
}

NPError pluginValue(NPPVariable variable, void* value) {
    if (!value)
        return NPERR_INVALID_PARAM;
    switch (variable) {
    case NPPVpluginNameString:
        *static_cast<const char**>(value) = plugin()->pluginName();
        return NPERR_NO_ERROR;
    case NPPVpluginDescriptionString:
        *static_cast<const char**>(value) = plugin()->pluginDescription();
        return NPERR_NO_ERROR;
    default:
        return NPERR_INVALID_PARAM;
    }
}

NPError nppNew(NPMIMEType, NPP npp, uint16_t, int16_t argc, char* argn[], char* argv[],
               NPSavedData*) {
    return guardedError([&]() -> NPError {
        if (!npp)
            return NPERR_INVALID_INSTANCE_ERROR;
        if (!PluginApplication::ensure())
            return NPERR_GENERIC_ERROR;
        PluginInstance::Parameters parameters;
        for (int i = 0; argn && i < argc; ++i) {
            if (argn[i])
                parameters.append({QString::fromUtf8(argn[i]),
                                   QString::fromUtf8(argv && argv[i] ? argv[i] : "")});
        }
        std::unique_ptr<PluginInstance> instance(plugin()->newInstance());
        instance->bind(npp, browserFuncs, std::move(parameters));
        npp->pdata = instance.release();
        return NPERR_NO_ERROR;
    });
}

NPError nppDestroy(NPP npp, NPSavedData** save) {
    return guardedError([&]() -> NPError {
        PluginInstance* instance = instanceOf(npp);
        if (!instance)
            return NPERR_INVALID_INSTANCE_ERROR;
        npp->pdata = nullptr;
        delete instance;
        if (save)
            *save = nullptr;
        return NPERR_NO_ERROR;
    });
}

NPError nppSetWindow(NPP npp, NPWindow* window) {
    return guardedError([&]() -> NPError {
        PluginInstance* instance = instanceOf(npp);
        if (!instance)
            return NPERR_INVALID_INSTANCE_ERROR;
        instance->setWindow(window);
        return NPERR_NO_ERROR;
    });
}

NPError nppNewStream(NPP npp, NPMIMEType type, NPStream* stream, NPBool seekable, uint16_t* stype) {
    return guardedError([&]() -> NPError {
        PluginInstance* instance = instanceOf(npp);
        if (!instance || !stream)
            return NPERR_INVALID_INSTANCE_ERROR;
        auto wrapped = std::make_unique<PluginStream>(instance, *stream,
                                                      QByteArray(type ? type : ""), seekable);
        PluginInstance::StreamMode mode = PluginInstance::StreamMode::Normal;
        if (!instance->newStreamCreated(wrapped.get(), mode))
            return NPERR_GENERIC_ERROR;
        if (stype)
            *stype = static_cast<uint16_t>(mode);
        stream->pdata = wrapped.release();
        return NPERR_NO_ERROR;
    });
}

NPError nppDestroyStream(NPP npp, NPStream* stream, NPReason reason) {
    return guardedError([&]() -> NPError {
        std::unique_ptr<PluginStream> wrapped(streamOf(npp, stream));
        if (!wrapped)
            return NPERR_INVALID_INSTANCE_ERROR;
        stream->pdata = nullptr;
        wrapped->finish(reason);
        wrapped->instance()->streamDestroyed(wrapped.get());
        return NPERR_NO_ERROR;
    });
}

void nppStreamAsFile(NPP, NPStream*, const char*) {}

int32_t nppWriteReady(NPP npp, NPStream* stream) {
    return guarded<int32_t>(0, [&]() -> int32_t {
        PluginStream* wrapped = streamOf(npp, stream);
        // A stream that is not ours is taken in one write, which then rejects it.
        return wrapped ? wrapped->instance()->writeReady(wrapped) : INT32_MAX;
    });
}

int32_t nppWrite(NPP npp, NPStream* stream, int32_t offset, int32_t len, void* buffer) {
    return guarded<int32_t>(-1, [&]() -> int32_t {
        PluginStream* wrapped = streamOf(npp, stream);
        if (!wrapped || len < 0 || (len > 0 && !buffer))
            return -1;
        return wrapped->instance()->write(wrapped, offset, len, buffer);
    });
}

void nppPrint(NPP, NPPrint*) {}

int16_t nppHandleEvent(NPP, void*) {
    return 0;
}

void nppUrlNotify(NPP npp, const char* url, NPReason reason, void* notifyData) {
    guardedVoid([&] {
        if (PluginInstance* instance = instanceOf(npp))
            instance->notifyURL(QString::fromUtf8(url ? url : ""),
                                PluginInstance::reasonFromCode(reason), notifyData);
    });
}

NPError nppGetValue(NPP, NPPVariable variable, void* value) {
    return guardedError([&]() -> NPError {
        if (variable == NPPVpluginNeedsXEmbed && value) {
            // X11 browsers hand plug-ins a window only through an embedding socket.
            *static_cast<NPBool*>(value) = 1;
            return NPERR_NO_ERROR;
        }
        return pluginValue(variable, value);
    });
}

NPError nppSetValue(NPP, NPNVariable, void*) {
    return NPERR_GENERIC_ERROR;
}

NPError fillPluginFuncs(NPPluginFuncs* funcs) {
    if (!funcs)
        return NPERR_INVALID_FUNCTABLE_ERROR;
    NPPluginFuncs table{};
    table.size = sizeof(NPPluginFuncs);
    table.version = (NP_VERSION_MAJOR << 8) | NP_VERSION_MINOR;
    table.newp = nppNew;
    table.destroy = nppDestroy;
    table.setwindow = nppSetWindow;
    table.newstream = nppNewStream;
    table.destroystream = nppDestroyStream;
    table.asfile = nppStreamAsFile;
    table.writeready = nppWriteReady;
    table.write = nppWrite;
    table.print = nppPrint;
    table.event = nppHandleEvent;
    table.urlnotify = nppUrlNotify;
    table.getvalue = nppGetValue;
    table.setvalue = nppSetValue;
    // The browser's table may be shorter than ours: fill only what it holds.
    const size_t room = funcs->size;
    if (room < offsetof(NPPluginFuncs, urlnotify) + sizeof(table.urlnotify))
        return NPERR_INVALID_FUNCTABLE_ERROR;
    std::memcpy(funcs, &table, std::min(room, sizeof(table)));
    funcs->size = static_cast<uint16_t>(std::min(room, sizeof(table)));
    return NPERR_NO_ERROR;
}

} // namespace

extern "C" {

NP_EXPORT(NPError) NP_GetEntryPoints(NPPluginFuncs* pluginFuncs) {
    return fillPluginFuncs(pluginFuncs);
}

NP_EXPORT(NPError) NP_Initialize(NPNetscapeFuncs* browser, NPPluginFuncs* pluginFuncs) {
    if (!browser)
        return NPERR_INVALID_FUNCTABLE_ERROR;
    if ((browser->version >> 8) > NP_VERSION_MAJOR)
        return NPERR_INCOMPATIBLE_VERSION_ERROR;
    browserFuncs = browser;
    return pluginFuncs ? fillPluginFuncs(pluginFuncs) : NPERR_NO_ERROR;
}

NP_EXPORT(NPError) NP_Shutdown(void) {
    return guardedError([]() -> NPError {
        delete pluginObject;
        pluginObject = nullptr;
        PluginApplication::release();
        browserFuncs = nullptr;
        return NPERR_NO_ERROR;
    });
}

NP_EXPORT(const char*) NP_GetMIMEDescription(void) {
    return guarded<const char*>(nullptr, [] { return plugin()->mimeDescription(); });
}

NP_EXPORT(NPError) NP_GetValue(void*, NPPVariable variable, void* value) {
    return guardedError([&] { return pluginValue(variable, value); });
}

} // extern "C"
