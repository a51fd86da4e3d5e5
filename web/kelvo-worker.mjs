// Decodes pictures off the page's thread, one at a time: {id, bytes} or {id, url} in (a URL is
// fetched here, so that the page never holds the file), {id, picture} or {id, error} out. The
// picture carries the finished hit-test data (see viewer/regions.mjs), not its pixels: the page
// shows the picture through the browser's own <img>.
import {KelvoCodec} from './kelvo-codec-api.mjs';
import {buildRegions} from './viewer/regions.mjs';

const codec = new KelvoCodec();
// The module compiles while the first picture is fetched; a failure shows at its decode.
codec.ready().catch(() => {});

async function decode(bytes) {
    const start = performance.now();
    let decoded;
    try {
        decoded = await codec.decode(
            bytes, {withJson : true, pixels : false, ids : false, marks : false, boxes : true});
    } catch (e) {
        // Other formats are the browser's to show, without hidden data.
        if (/not a PNG file/.test(e.message))
            return {coded : false, regions : [], keyRuns : null, stats : null};
        throw e;
    }
    const decodeMs = performance.now() - start;
    const report = JSON.parse(decoded.json);
    const {regions, keyRuns, stats} = buildRegions({...decoded, report});
    return {
        width : decoded.width,
        height : decoded.height,
        coded : decoded.coded,
        regions,
        keyRuns,
        stats,
        decodeMs,
        scanMs : performance.now() - start - decodeMs,
    };
}

async function fetchBytes(url) {
    const response = await fetch(url);
    if (!response.ok)
        throw new Error(`HTTP ${response.status}`);
    const bytes = new Uint8Array(await response.arrayBuffer());
    if (!bytes.length)
        throw new Error('the file is empty');
    return bytes;
}

// The outline dots are made only when a reader asks for them: {id, url, marks: true} in,
// {id, picture: {markDots}} out.
async function markDots(bytes) {
    const decoded = await codec.decode(bytes, {pixels : false, ids : false, marks : true});
    return {markDots : decoded.markDots};
}

self.onmessage = async ({data : {id, bytes, url, marks}}) => {
    try {
        const input = bytes || (await fetchBytes(url));
        if (marks) {
            const picture = await markDots(input);
            self.postMessage({id, picture}, [ picture.markDots.buffer ]);
            return;
        }
        const picture = await decode(input);
        picture.fileSize = input.length;
        const transfer = [
            picture.keyRuns?.rows.buffer, picture.keyRuns?.runs.buffer,
            ...picture.regions.map((r) => r.snippet?.rgba.buffer)
        ];
        self.postMessage({id, picture}, transfer.filter(Boolean));
    } catch (e) {
        self.postMessage({id, error : String(e && e.message ? e.message : e)});
    }
};
