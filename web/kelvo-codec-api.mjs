// The WebAssembly codec behind a small API, shared by the viewer's worker and kelvo-decode.mjs.
// The module is built from the native programs' libraries (web/wasm): it reads PNG files as
// kelvo-tool does and writes the same decode report.
//
//   new KelvoCodec(options)        options go to the Emscripten module (node passes wasmBinary)
//   codec.decode(bytes, {withJson, pixels, ids, marks, boxes})
//                                  see below; `ids: false` (default true) leaves out the id
//                                  image and its palette (null then); `marks: false` (default
//                                  true) skips the outline dots that only the viewer draws;
//                                  `boxes: true` (default false) adds the hit-test data of the
//                                  id image built in the module: keyRuns, the key map that
//                                  names for each pixel the decoded region whose fill pixel it
//                                  is (key 255: none) as runs (see keyAt in viewer/regions.mjs;
//                                  null for a picture without regions), and regionBoxes, an
//                                  Int32Array of 7 numbers per region found in the map, in
//                                  ascending key order: key, minX, minY, maxX, maxY (the
//                                  bounding box of its fill pixels, inclusive) and x, y of its
//                                  first fill pixel in raster order

import createKelvoCodec from './kelvo-codec.mjs';

// The error's `reason` for each status of kelvo_status (web/wasm/kelvowebapi.cpp).
const kReasons = [ '', 'not-png', 'too-large', 'damaged' ];

export class KelvoCodec {
    // `options` go to the Emscripten module (node passes wasmBinary).
    constructor(options = {}) {
        this.options = options;
        this.module = null;
        this.loading = null;
    }

    // One instance however many callers wait; a failed start is tried again by the next call.
    async ready() {
        this.loading ??= createKelvoCodec({...this.options});
        try {
            this.module = await this.loading;
        } catch (e) {
            this.loading = null;
            throw e;
        }
        return this.module;
    }

    // Decodes the bytes of a PNG file. Resolves to {width, height, coded, json, pixels, ids,
    // palette, markDots}: typed arrays copied out of the module's memory; json the text
    // `kelvo-tool decode` prints (with `withJson`, else ''); pixels as 0xAARRGGBB words
    // (`pixels: 'argb'`), as RGBA bytes ('rgba') or none (false); ids and palette null for a
    // picture without regions; markDots the outline dots as pairs of pixel index and colour.
    // Rejects with an Error naming the reason ('not a PNG file' for bytes that are no PNG), whose
    // `reason` is 'not-png', 'too-large' or 'damaged' when the file is to blame.
    async decode(
        bytes, {withJson = false, pixels = 'argb', ids = true, marks = true, boxes = false} = {}) {
        const m = await this.ready();
        let input = 0;
        let result = 0;
        try {
            input = m._malloc(bytes.length);
            if (!input) {
                throw new Error('out of memory');
            }
            m.HEAPU8.set(bytes, input);
            // Flags of kelvo_decode (web/wasm/kelvowebapi.cpp): 1 the report, 2 no marks.
            result = m._kelvo_decode(input, bytes.length, (withJson ? 1 : 0) | (marks ? 0 : 2));
            m._free(input);
            input = 0;
            const error = m.UTF8ToString(m._kelvo_error(result));
            if (error) {
                throw Object.assign(new Error(error), {reason : kReasons[m._kelvo_status(result)]});
            }
            return this.copyResult(m, result, {pixels, ids, boxes});
        } catch (e) {
            // An abort (memory exhausted) leaves the module unusable: the next call makes anew.
            if (!(e instanceof Error) || e instanceof WebAssembly.RuntimeError) {
                this.module = this.loading = null;
                throw new Error(`decoding failed: ${e}`);
            }
            throw e;
        } finally {
            if (this.module && input) {
                m._free(input);
            }
            if (this.module && result) {
                m._kelvo_free_result(result);
            }
        }
    }

    copyResult(m, result, {pixels, ids, boxes}) {
        const width = m._kelvo_width(result);
        const height = m._kelvo_height(result);
        const count = width * height;
        const copy = (Type, ptr, n) => {
            const out = new Type(n);
            out.set(new Type(m.HEAPU8.buffer, ptr, n));
            return out;
        };
        const idsPtr = ids ? m._kelvo_ids(result) : 0;
        const idImage = idsPtr ? copy(Uint8Array, idsPtr, count) : null;
        const dots = m._kelvo_mark_dot_count(result);
        const boxCount = boxes ? m._kelvo_region_box_count(result) : 0;
        const runCount = boxes ? m._kelvo_key_run_count(result) : 0;
        return {
            width,
            height,
            coded : m._kelvo_coded(result) !== 0,
            json : m.UTF8ToString(m._kelvo_json(result)),
            pixels : pixels === 'argb'   ? copy(Uint32Array, m._kelvo_pixels(result), count)
                     : pixels === 'rgba' ? copy(Uint8ClampedArray, m._kelvo_rgba(result), 4 * count)
                                         : null,
            ids : idImage,
            palette : idsPtr ? copy(Uint32Array, m._kelvo_id_palette(result),
                                    m._kelvo_id_palette_size(result))
                             : null,
            markDots : copy(Uint32Array, m._kelvo_mark_dots(result), 2 * dots),
            ...(boxes && {
                keyRuns : runCount ? {
                    width,
                    rows : copy(Uint32Array, m._kelvo_key_rows(result), height + 1),
                    runs : copy(Uint32Array, m._kelvo_key_runs(result), runCount)
                }
                                   : null,
                regionBoxes : copy(Int32Array, m._kelvo_region_boxes(result), 7 * boxCount)
            }),
        };
    }
}
