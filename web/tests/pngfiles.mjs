// Writes PNG files of every colour type and bit depth from 0xAARRGGBB pixels, so that tests can
// feed both PNG readers (Qt's and the WebAssembly one) the same unusual files.
import {deflateSync} from 'node:zlib';

const CRC_TABLE = Array.from({length : 256}, (_, c) => {
    for (let k = 0; k < 8; k++)
        c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    return c >>> 0;
});

const crc32 = (bytes) =>
    (bytes.reduce((c, b) => CRC_TABLE[(c ^ b) & 0xff] ^ (c >>> 8), 0xffffffff) ^ 0xffffffff) >>> 0;

export function chunk(type, body) {
    const out = Buffer.alloc(12 + body.length);
    out.writeUInt32BE(body.length, 0);
    out.write(type, 4, 'latin1');
    Buffer.from(body).copy(out, 8);
    out.writeUInt32BE(crc32(out.subarray(4, 8 + body.length)), 8 + body.length);
    return out;
}

const SIGNATURE = Buffer.from([ 0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a ]);
const ADAM7 = [
    [ 0, 0, 8, 8 ], [ 4, 0, 8, 8 ], [ 0, 4, 4, 8 ], [ 2, 0, 4, 4 ], [ 0, 2, 2, 4 ], [ 1, 0, 2, 2 ],
    [ 0, 1, 1, 2 ]
];

function paeth(a, b, c) {
    const [pa, pb, pc] = [ Math.abs(b - c), Math.abs(a - c), Math.abs(a + b - 2 * c) ];
    return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Filters a row of raw bytes with `type` (0 none, 1 sub, 2 up, 3 average, 4 Paeth) against the
// row above (null for a pass's first row).
function filterRow(raw, above, type, step) {
    const out = Buffer.alloc(raw.length + 1);
    out[0] = type;
    for (let i = 0; i < raw.length; i++) {
        const a = i >= step ? raw[i - step] : 0;
        const b = above ? above[i] : 0;
        const c = above && i >= step ? above[i - step] : 0;
        const predicted = [ 0, a, b, (a + b) >> 1, paeth(a, b, c) ][type];
        out[i + 1] = (raw[i] - predicted) & 0xff;
    }
    return out;
}

// `samples(x, y)` gives the pixel's samples at the file's bit depth, in file order. Rows take
// the five filter types in turn.
export function encodePng(
    {width, height, colourType, bitDepth, interlaced = false, samples, extraChunks = []}) {
    const channels = {0 : 1, 2 : 3, 3 : 1, 4 : 2, 6 : 4}[colourType];
    const rows = [];
    const passes = interlaced ? ADAM7 : [ [ 0, 0, 1, 1 ] ];
    for (const [x0, y0, dx, dy] of passes) {
        const xs = [];
        for (let x = x0; x < width; x += dx)
            xs.push(x);
        if (xs.length === 0)
            continue;
        let above = null;
        for (let y = y0; y < height; y += dy) {
            const row = Buffer.alloc(Math.ceil((xs.length * channels * bitDepth) / 8));
            xs.forEach((x, i) => {
                samples(x, y).forEach((v, c) => {
                    const s = i * channels + c;
                    if (bitDepth === 16) {
                        row.writeUInt16BE(v, 2 * s);
                    } else if (bitDepth === 8) {
                        row[s] = v;
                    } else {
                        const at = s * bitDepth;
                        row[at >> 3] |= v << (8 - bitDepth - (at & 7));
                    }
                });
            });
            rows.push(filterRow(row, above, y % 5, Math.max(1, (channels * bitDepth) >> 3)));
            above = row;
        }
    }
    return pngFile({width, height, bitDepth, colourType, interlaced}, Buffer.concat(rows),
                   extraChunks);
}

// A PNG file of the given header fields, filtered rows and chunks before the IDAT.
export function pngFile({width, height, bitDepth, colourType, interlaced}, rows, extraChunks = []) {
    const header = Buffer.alloc(13);
    header.writeUInt32BE(width, 0);
    header.writeUInt32BE(height, 4);
    header[8] = bitDepth;
    header[9] = colourType;
    header[12] = interlaced ? 1 : 0;
    return Buffer.concat([
        SIGNATURE, chunk('IHDR', header), ...extraChunks, chunk('IDAT', deflateSync(rows)),
        chunk('IEND', [])
    ]);
}

const channel = (p, shift) => (p >>> shift) & 0xff;

// Variants of one picture given as 0xAARRGGBB pixels, one row each: name, colour type, bit
// depth, samples(x, y), interlaced, extra chunks. 16-bit samples carry noise that probes how
// they round.
export function pngVariants(width, height, pixels) {
    const at = (x, y) => pixels[y * width + x];
    const rgb = (x, y) => [channel(at(x, y), 16), channel(at(x, y), 8), channel(at(x, y), 0)];
    const grey = (x, y) => channel(at(x, y), 8);
    const wide = (v, x, y) =>
        Math.min(65535, Math.max(0, v * 257 + (((x * 31 + y * 17) % 257) - 128)));
    const trns = Buffer.alloc(6);
    rgb(0, 0).forEach((v, i) => trns.writeUInt16BE(v, 2 * i));
    const palette = Buffer.alloc(16 * 3);
    for (let i = 0; i < 16; i++)
        palette.fill(i * 17, 3 * i, 3 * i + 3);
    const rows = [
        [ 'rgb8', 2, 8, rgb ],
        [ 'rgba8', 6, 8, (x, y) => [...rgb(x, y), 255 - ((x + y) & 0x3f)] ],
        [ 'rgb8-interlaced', 2, 8, rgb, true ],
        [ 'rgb8-trns', 2, 8, rgb, false, [ chunk('tRNS', trns) ] ],
        [ 'rgb16', 2, 16, (x, y) => rgb(x, y).map((v) => wide(v, x, y)) ],
        [
            'rgba16-interlaced', 6, 16,
            (x, y) => [...rgb(x, y), 65535 - x].map((v, i) => (i < 3 ? v * 257 : Math.max(0, v))),
            true
        ],
        [ 'grey-alpha8', 4, 8, (x, y) => [grey(x, y), 200] ],
        [ 'grey8', 0, 8, (x, y) => [grey(x, y)] ],
        [ 'grey16', 0, 16, (x, y) => [grey(x, y) * 257] ],
        [ 'grey4', 0, 4, (x, y) => [grey(x, y) >> 4] ],
        [ 'palette4', 3, 4, (x, y) => [grey(x, y) >> 4], false, [ chunk('PLTE', palette) ] ],
    ];
    const png = (colourType, bitDepth, samples, interlaced, extraChunks) =>
        encodePng({width, height, colourType, bitDepth, samples, interlaced, extraChunks});
    return Object.fromEntries(rows.map(([ name, ...row ]) => [name, png(...row)]));
}
