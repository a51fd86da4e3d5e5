// Decodes one picture off the page's thread: {bytes} in, {picture} or {error} out. PNG files go
// through the WebAssembly codec (exact pixels, hidden data); other formats the browser can read
// are shown without data, as pictures of fewer than 24 bits are.
import {KelvoCodec} from './kelvo-codec-api.mjs';

const codec = new KelvoCodec();

async function otherFormat(bytes) {
    const bitmap = await createImageBitmap(new Blob([ bytes ]));
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    const context = canvas.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    const data = context.getImageData(0, 0, bitmap.width, bitmap.height).data;
    return {
        width : bitmap.width,
        height : bitmap.height,
        coded : false,
        rgba : data,
        report : null
    };
}

self.onmessage = async ({data : {bytes, withTiming}}) => {
    try {
        const start = performance.now();
        let picture;
        try {
            const decoded = await codec.decode(bytes, {withJson : true, pixels : 'rgba'});
            const decodeMs = performance.now() - start;
            picture = {
                width : decoded.width,
                height : decoded.height,
                coded : decoded.coded,
                report : JSON.parse(decoded.json),
                rgba : decoded.pixels,
                ids : decoded.ids,
                palette : decoded.palette,
                markDots : decoded.markDots,
                decodeMs,
            };
        } catch (e) {
            if (e.message !== 'not a PNG file') {
                throw e;
            }
            picture = await otherFormat(bytes);
        }
        const transfer = [ picture.rgba.buffer ];
        for (const extra of [picture.ids, picture.markDots]) {
            if (extra)
                transfer.push(extra.buffer);
        }
        self.postMessage({picture, withTiming}, transfer);
    } catch (e) {
        self.postMessage({error : String(e && e.message ? e.message : e)});
    }
};
