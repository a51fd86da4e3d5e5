// What a decoded picture's regions show and where they lie, built in the worker so that the page
// receives finished hit-test data: one byte per pixel naming its region's key (255: none), and
// per region its texts, dictionary references, shaped texts, box, anchor and image snippet.
export const NO_REGION = 255;

function hexBytes(hex) {
    const out = new Uint8Array(hex.length >> 1);
    for (let i = 0; i < out.length; i++)
        out[i] = parseInt(hex.substr(2 * i, 2), 16);
    return out;
}

function regionOf(region, stats) {
    const r = {
        key : region.key,
        text : null,
        references : [],
        shapes : [],
        hasImage : false,
        snippet : null,
        box : null,
        anchor : null
    };
    let image = null;
    stats.areas++;
    for (const record of region.records) {
        if (record.type === 0) {
            stats.texts++;
            r.text = record.text;
        } else if (record.type === 2) {
            stats.images++;
            image = hexBytes(record.payload);
            r.hasImage = true;
        } else if (record.type === 1) {
            for (const shape of record.shapes) {
                stats.formatted++;
                if (shape.kind >= 1)
                    r.shapes.push(shape);
            }
        } else if (record.type === 6) {
            r.references.push(record.text);
        }
    }
    const start = region.startPoints[0];
    r.anchor = start ? {x : start.x, y : start.y} : null;
    return {r, image, colours : region.colours};
}

// The snippet's palette indices fill the region's pixels row by row.
function snippetOf(keys, width, b, key, image, colours) {
    const w = b.maxX - b.minX + 1;
    const h = b.maxY - b.minY + 1;
    const rgba = new Uint8ClampedArray(4 * w * h);
    let next = 0;
    for (let y = b.minY; y <= b.maxY; y++) {
        for (let x = b.minX; x <= b.maxX && next < image.length; x++) {
            if (keys[y * width + x] !== key)
                continue;
            const index = image[next++];
            if (index >= colours.length)
                continue;
            const c = colours[index];
            const o = 4 * ((y - b.minY) * w + (x - b.minX));
            rgba[o] = (c >>> 16) & 0xff;
            rgba[o + 1] = (c >>> 8) & 0xff;
            rgba[o + 2] = c & 0xff;
            rgba[o + 3] = 255;
        }
    }
    return {width : w, height : h, rgba};
}

// `keys` and `regionBoxes` are the codec's hit-test data (kelvo-codec-api.mjs, `boxes`).
export function buildRegions({width, report, keys, regionBoxes}) {
    const stats = {areas : 0, texts : 0, formatted : 0, images : 0};
    const parts = new Map();
    for (const region of report?.regions || []) {
        const part = regionOf(region, stats);
        parts.set(part.r.key, part);
    }
    let budget = keys ? keys.length * 4 : 0; // snippets together stay below four pictures' worth
    for (let i = 0; keys && i < regionBoxes.length; i += 7) {
        const [key, minX, minY, maxX, maxY, x, y] = regionBoxes.subarray(i, i + 7);
        const b = {minX, minY, maxX, maxY, first : {x, y}};
        const {r, image, colours} = parts.get(key);
        r.box = {minX : b.minX, minY : b.minY, maxX : b.maxX, maxY : b.maxY};
        r.anchor = {x : Math.round((b.minX + b.maxX) / 2), y : Math.round((b.minY + b.maxY) / 2)};
        if (keys[r.anchor.y * width + r.anchor.x] !== key)
            r.anchor = b.first;
        const size = (b.maxX - b.minX + 1) * (b.maxY - b.minY + 1);
        if (image && size <= budget) {
            budget -= size;
            r.snippet = snippetOf(keys, width, b, key, image, colours);
        }
    }
    const regions = [...parts.values() ].map((p) => p.r);
    return {regions, keys, stats};
}
