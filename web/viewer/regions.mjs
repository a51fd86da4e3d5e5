// What a decoded picture's regions show and where they lie, built in the worker so that the page
// receives finished hit-test data: the key map naming each pixel's region (255: none), and per
// region its texts, dictionary references, shaped texts, box, anchor and image snippet.
export const NO_REGION = 255;

// The key map as the codec makes it: row y's runs are runs[rows[y]] up to runs[rows[y + 1]],
// each the word x << 8 | key from its first pixel x on, the first at x 0.
const runStart = (run) => run >>> 8;

// The index in `runs` of the run that holds pixel (x, y).
function runAt({rows, runs}, x, y) {
    let low = rows[y];
    let high = rows[y + 1] - 1;
    while (low < high) {
        const middle = (low + high + 1) >> 1;
        if (runStart(runs[middle]) <= x)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

export const keyAt = (keyRuns, x, y) => keyRuns.runs[runAt(keyRuns, x, y)] & 0xff;

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
function snippetOf(keyRuns, b, key, image, colours) {
    const {rows, runs, width} = keyRuns;
    const w = b.maxX - b.minX + 1;
    const h = b.maxY - b.minY + 1;
    const rgba = new Uint8ClampedArray(4 * w * h);
    let next = 0;
    for (let y = b.minY; y <= b.maxY; y++) {
        for (let i = runAt(keyRuns, b.minX, y); i < rows[y + 1] && next < image.length; i++) {
            const end = Math.min(i + 1 < rows[y + 1] ? runStart(runs[i + 1]) : width, b.maxX + 1);
            if ((runs[i] & 0xff) !== key)
                continue;
            for (let x = Math.max(runStart(runs[i]), b.minX); x < end && next < image.length; x++) {
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
    }
    return {width : w, height : h, rgba};
}

// `keyRuns` and `regionBoxes` are the codec's hit-test data (kelvo-codec-api.mjs, `boxes`).
export function buildRegions({width, height, report, keyRuns, regionBoxes}) {
    const stats = {areas : 0, texts : 0, formatted : 0, images : 0};
    const parts = new Map();
    for (const region of report?.regions || []) {
        const part = regionOf(region, stats);
        parts.set(part.r.key, part);
    }
    // Snippets together stay below four pictures' worth.
    let budget = keyRuns ? width * height * 4 : 0;
    for (let i = 0; keyRuns && i < regionBoxes.length; i += 7) {
        const [key, minX, minY, maxX, maxY, x, y] = regionBoxes.subarray(i, i + 7);
        const b = {minX, minY, maxX, maxY, first : {x, y}};
        const {r, image, colours} = parts.get(key);
        r.box = {minX : b.minX, minY : b.minY, maxX : b.maxX, maxY : b.maxY};
        r.anchor = {x : Math.round((b.minX + b.maxX) / 2), y : Math.round((b.minY + b.maxY) / 2)};
        if (keyAt(keyRuns, r.anchor.x, r.anchor.y) !== key)
            r.anchor = b.first;
        const size = (b.maxX - b.minX + 1) * (b.maxY - b.minY + 1);
        if (image && size <= budget) {
            budget -= size;
            r.snippet = snippetOf(keyRuns, b, key, image, colours);
        }
    }
    const regions = [...parts.values() ].map((p) => p.r);
    return {regions, keyRuns, stats};
}
