/* The C types of the browser plug-in interface (NPAPI) that npKelvo and its host use: instance
 * and stream handles, windows, saved data, error and reason codes and the variables that can be
 * queried on either side. Declared here from the interface's documented behaviour; the layout of
 * every structure is part of the browsers' binary interface and must not change.
 *
 *   NPP          one embedded plug-in instance: pdata belongs to the plug-in, ndata to the browser
 *   NPStream     a stream the browser delivers: pdata plug-in, ndata browser; url and headers
 *                are owned by the browser and valid until NPP_DestroyStream returns; end is the
 *                total length in bytes, 0 when unknown
 *   NPWindow     where the plug-in draws; on X11 `window` holds the XID of a child window of the
 *                page (NPWindowTypeWindow), or is null while the page has none
 *   NPSavedData  bytes a plug-in may hand back from NPP_Destroy; len 0 / buf null when none
 */
#ifndef KELVO_NPAPI_H
#define KELVO_NPAPI_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define NP_VERSION_MAJOR 0
#define NP_VERSION_MINOR 19

typedef unsigned char NPBool;
typedef int16_t NPError;
typedef int16_t NPReason;
typedef char* NPMIMEType;

typedef struct _NPP {
    void* pdata; /* plug-in private data */
    void* ndata; /* browser private data */
} NPP_t;
typedef NPP_t* NPP;

typedef struct _NPStream {
    void* pdata;
    void* ndata;
    const char* url;
    uint32_t end;
    uint32_t lastmodified;
    void* notifyData;
    const char* headers;
} NPStream;

typedef struct _NPByteRange {
    int32_t offset;
    uint32_t length;
    struct _NPByteRange* next;
} NPByteRange;

typedef struct _NPSavedData {
    int32_t len;
    void* buf;
} NPSavedData;

typedef struct _NPRect {
    uint16_t top;
    uint16_t left;
    uint16_t bottom;
    uint16_t right;
} NPRect;

typedef void* NPRegion;

typedef enum { NPWindowTypeWindow = 1, NPWindowTypeDrawable = 2 } NPWindowType;

typedef struct _NPWindow {
    void* window; /* X11: the Window (XID) stored in the pointer */
    int32_t x;
    int32_t y;
    uint32_t width;
    uint32_t height;
    NPRect clipRect;
    void* ws_info; /* X11: NPSetWindowCallbackStruct, unused by npKelvo */
    NPWindowType type;
} NPWindow;

typedef struct _NPPrint NPPrint; /* printing is not supported; only passed through */

/* Instance modes of NPP_New. */
#define NP_EMBED 1
#define NP_FULL 2

/* Stream modes chosen in NPP_NewStream. */
#define NP_NORMAL 1
#define NP_SEEK 2
#define NP_ASFILE 3
#define NP_ASFILEONLY 4

/* Error codes. */
#define NPERR_NO_ERROR 0
#define NPERR_GENERIC_ERROR 1
#define NPERR_INVALID_INSTANCE_ERROR 2
#define NPERR_INVALID_FUNCTABLE_ERROR 3
#define NPERR_MODULE_LOAD_FAILED_ERROR 4
#define NPERR_OUT_OF_MEMORY_ERROR 5
#define NPERR_INVALID_PLUGIN_ERROR 6
#define NPERR_INVALID_PLUGIN_DIR_ERROR 7
#define NPERR_INCOMPATIBLE_VERSION_ERROR 8
#define NPERR_INVALID_PARAM 9
#define NPERR_INVALID_URL 10
#define NPERR_FILE_NOT_FOUND 11
#define NPERR_NO_DATA 12
#define NPERR_STREAM_NOT_SEEKABLE 13

/* Why a stream ended or a URL request finished. */
#define NPRES_DONE 0
#define NPRES_NETWORK_ERR 1
#define NPRES_USER_BREAK 2

/* Values the browser asks the plug-in for (NP_GetValue, NPP_GetValue). */
typedef enum {
    NPPVpluginNameString = 1,
    NPPVpluginDescriptionString = 2,
    NPPVpluginWindowBool = 3,
    NPPVpluginTransparentBool = 4,
    NPPVpluginNeedsXEmbed = 14
} NPPVariable;

/* Values the plug-in asks the browser for (NPN_GetValue). */
typedef enum {
    NPNVxDisplay = 1,
    NPNVxtAppContext = 2,
    NPNVnetscapeWindow = 3,
    NPNVjavascriptEnabledBool = 4,
    NPNVasdEnabledBool = 5,
    NPNVisOfflineBool = 6,
    NPNVSupportsXEmbedBool = 14
} NPNVariable;

#ifdef __cplusplus
}
#endif

#endif
