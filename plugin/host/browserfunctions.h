// The browser's side of the interface as this host provides it: URL requests, the status
// line, the user agent, memory and a few values. Calls are routed to the HostInstance whose
// NPP they name (npp->ndata); entries the host does not offer are null.
#pragma once

#include "npfunctions.h"

namespace BrowserFunctions {

// The table handed to NP_Initialize; static, valid for the whole process.
const NPNetscapeFuncs* table();

} // namespace BrowserFunctions
