#include "browserfunctions.h"

#include "hostinstance.h"

#include <cstdlib>

namespace {

HostInstance* hostOf(NPP npp) {
    return npp ? static_cast<HostInstance*>(npp->ndata) : nullptr;
}

NPError getUrl(NPP npp, const char* url, const char* target) {
    HostInstance* host = hostOf(npp);
    return host && url ? host->requestUrl(url, target, false, nullptr)
                       : NPERR_INVALID_INSTANCE_ERROR;
}

NPError getUrlNotify(NPP npp, const char* url, const char* target, void* notifyData) {
    HostInstance* host = hostOf(npp);
    return host && url ? host->requestUrl(url, target, true, notifyData)
                       : NPERR_INVALID_INSTANCE_ERROR;
}

void status(NPP npp, const char* message) {
    if (HostInstance* host = hostOf(npp))
        host->showStatus(message ? message : "");
}

const char* userAgent(NPP) {
    return "npkelvo-host/1.0";
}

void* memAlloc(uint32_t size) {
    return std::malloc(size);
}

void memFree(void* pointer) {
    std::free(pointer);
}

uint32_t memFlush(uint32_t) {
    return 0;
}

NPError getValue(NPP, NPNVariable variable, void* value) {
    if (!value)
        return NPERR_INVALID_PARAM;
    switch (variable) {
    case NPNVjavascriptEnabledBool:
    case NPNVasdEnabledBool:
    case NPNVSupportsXEmbedBool:
        *static_cast<NPBool*>(value) = 0;
        return NPERR_NO_ERROR;
    case NPNVisOfflineBool:
        *static_cast<NPBool*>(value) = 1;
        return NPERR_NO_ERROR;
    default:
        return NPERR_INVALID_PARAM;
    }
}

NPNetscapeFuncs makeTable() {
    NPNetscapeFuncs table{};
    table.size = sizeof(NPNetscapeFuncs);
    table.version = (NP_VERSION_MAJOR << 8) | NP_VERSION_MINOR;
    table.geturl = getUrl;
    table.status = status;
    table.uagent = userAgent;
    table.memalloc = memAlloc;
    table.memfree = memFree;
    table.memflush = memFlush;
    table.geturlnotify = getUrlNotify;
    table.getvalue = getValue;
    return table;
}

} // namespace

namespace BrowserFunctions {

const NPNetscapeFuncs* table() {
    static const NPNetscapeFuncs functions = makeTable();
    return &functions;
}

} // namespace BrowserFunctions
