// The WebAssembly codec behind a small API, shared by the viewer's worker and kelvo-decode.mjs.
import createKelvoCodec from './kelvo-codec.mjs';

export class KelvoCodec {
    // `options` go to the Emscripten module (node passes wasmBinary).
    constructor(options = {}) {
        this.options = options;
        this.module = null;
    }

    async ready() {
        if (!this.module) {
            this.module = await createKelvoCodec({...this.options});
        }
        return this.module;
    }

    // Decodes the bytes of a PNG file. Resolves to {width, height, coded, json, pixels, ids,
    // palette, markDots}: typed arrays copied out of the module's memory; pixels as 0xAARRGGBB
    // words (`pixels: 'argb'`), as RGBA bytes ('rgba') or none (false); ids and palette null
    // for a picture without regions; markDots the outline dots as pairs of pixel index and
    // colour. Rejects with an Error naming the reason.
    async decode(bytes, {withJson = false, pixels = 'argb'} = {}) {
        const m = await this.ready();
        let input = 0;
        let result = 0;
        try {
            input = m._malloc(bytes.length);
            if (!input) {
                throw new Error('out of memory');
            }
            m.HEAPU8.set(bytes, input);
            result = m._kelvo_decode(input, bytes.length, withJson ? 1 : 0);
            m._free(input);
            input = 0;
            const error = m.UTF8ToString(m._kelvo_error(result));
            if (error) {
                throw new Error(error);
            }
            return this.copyResult(m, result, pixels);
        } catch (e) {
            // An abort (memory exhausted) leaves the module unusable: the next call makes anew.
            if (!(e instanceof Error) || e instanceof WebAssembly.RuntimeError) {
                this.module = null;
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

    copyResult(m, result, pixels) {
        const width = m._kelvo_width(result);
        const height = m._kelvo_height(result);
        const count = width * height;
        const copy = (Type, ptr, n) => {
            const out = new Type(n);
            out.set(new Type(m.HEAPU8.buffer, ptr, n));
            return out;
        };
        const idsPtr = m._kelvo_ids(result);
        const dots = m._kelvo_mark_dot_count(result);
        return {
            width,
            height,
            coded : m._kelvo_coded(result) !== 0,
            json : m.UTF8ToString(m._kelvo_json(result)),
            pixels : pixels === 'argb'   ? copy(Uint32Array, m._kelvo_pixels(result), count)
                     : pixels === 'rgba' ? copy(Uint8ClampedArray, m._kelvo_rgba(result), 4 * count)
                                         : null,
            ids : idsPtr ? copy(Uint8Array, idsPtr, count) : null,
            palette : idsPtr ? copy(Uint32Array, m._kelvo_id_palette(result),
                                    m._kelvo_id_palette_size(result))
                             : null,
            markDots : copy(Uint32Array, m._kelvo_mark_dots(result), 2 * dots),
        };
    }
}
