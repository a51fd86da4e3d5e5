// Coded pictures that the web tests write with kelvo-tool: every record type and shape kind,
// pictures with and without alpha, and a large picture with many regions for timing.
import {execFileSync} from 'node:child_process';
import {readFileSync, writeFileSync} from 'node:fs';
import path from 'node:path';

const rect =
    (x, y, w, h) => [[ x, y ], [ x + w - 1, y ], [ x + w - 1, y + h - 1 ], [ x, y + h - 1 ]];

// kelvo-testpng (tests/png) writes the picture in a file of 0xAARRGGBB words (native byte order)
// as `${prefix}-${variant}.png` in each of `variants`, all when none; returns the files' paths.
export function writePngVariants(tool, width, height, pixels, prefix, variants = []) {
    const writer =
        process.env.KELVO_TEST_PNG ?? path.join(path.dirname(tool), '../tests/png/kelvo-testpng');
    return execFileSync(writer, [ width, height, pixels, prefix, ...variants ].map(String),
                        {encoding : 'utf8'})
        .trim()
        .split('\n');
}

// A gradient with some texture, opaque or with varying alpha; returns the PNG file's path.
function syntheticPng(tool, prefix, width, height, withAlpha) {
    const pixels = new Uint32Array(width * height).map((_, i) => {
        const [x, y] = [ i % width, Math.floor(i / width) ];
        const alpha = withAlpha ? 128 + ((x + y) & 127) : 255;
        return ((alpha << 24) | (((x * 7 + y) & 0xff) << 16) | (((y * 5 + (x >> 2)) & 0xff) << 8) |
                (((x ^ y) * 3) & 0xff)) >>>
               0;
    });
    writeFileSync(`${prefix}.argb`, pixels);
    return writePngVariants(tool, width, height, `${prefix}.argb`, prefix,
                            [ withAlpha ? 'rgba8' : 'rgb8' ])[0];
}

// One region of every record kind (kinds.json), its image snippet taken from the samples.
function shapesAnnotations(samplesDir) {
    const notes = JSON.parse(readFileSync(new URL('kinds.json', import.meta.url), 'utf8'));
    for (const image of notes.regions.flatMap((r) => r.images ?? []))
        image.file = path.join(samplesDir, image.file);
    return notes;
}

// Encodes a synthetic picture of `[width, height, withAlpha]` with `annotations`.
function encode(tool, dir, name, [ width, height, withAlpha ], annotations) {
    const source = syntheticPng(tool, path.join(dir, `${name}-source`), width, height, withAlpha);
    const notes = path.join(dir, `${name}.json`);
    const out = path.join(dir, `${name}.png`);
    writeFileSync(notes, JSON.stringify(annotations));
    execFileSync(tool, [ 'encode', source, out, notes ],
                 {stdio : [ 'ignore', 'ignore', 'inherit' ]});
    return out;
}

// Writes the test's coded pictures into `dir`; returns their paths.
export function writeCodedPictures(tool, dir, samplesDir) {
    return [
        encode(tool, dir, 'shapes-rgb', [ 200, 150, false ], shapesAnnotations(samplesDir)),
        encode(tool, dir, 'shapes-rgba', [ 200, 150, true ], shapesAnnotations(samplesDir)),
        encode(tool, dir, 'many-small', [ 130, 130, false ], manyRegions(130, 130, 8)),
    ];
}

// `side` * `side` square regions with a short text each.
export function manyRegions(width, height, side) {
    const w = Math.floor(width / side);
    const h = Math.floor(height / side);
    const regions = [];
    for (let j = 0; j < side; j++) {
        for (let i = 0; i < side; i++) {
            regions.push({
                polygons : [ rect(i * w + 2, j * h + 2, w - 4, h - 4) ],
                texts : [ `Region ${j * side + i + 1}` ]
            });
        }
    }
    return {regions};
}

// The timing picture: 4000 x 3000 pixels (12 MP) with 64 regions.
export function writeLargePicture(tool, dir) {
    return encode(tool, dir, 'large-12mp', [ 4000, 3000, false ], manyRegions(4000, 3000, 8));
}
