// Coded pictures that the web tests write with kelvo-tool: every record type and shape kind,
// pictures with and without alpha, and a large picture with many regions for timing.
import {execFileSync} from 'node:child_process';
import {readFileSync, writeFileSync} from 'node:fs';
import path from 'node:path';

import {encodePng} from './pngfiles.mjs';

const rect =
    (x, y, w, h) => [[ x, y ], [ x + w - 1, y ], [ x + w - 1, y + h - 1 ], [ x, y + h - 1 ]];

// A gradient with some texture, opaque or with varying alpha.
export function syntheticPng(width, height, withAlpha) {
    const rgb = (x, y) => [(x * 7 + y) & 0xff, (y * 5 + (x >> 2)) & 0xff, ((x ^ y) * 3) & 0xff];
    return encodePng({
        width,
        height,
        colourType : withAlpha ? 6 : 2,
        bitDepth : 8,
        samples : (x, y) => (withAlpha ? [...rgb(x, y), 128 + ((x + y) & 127) ] : rgb(x, y))
    });
}

// One region of every record kind (kinds.json), its image snippet taken from the samples.
function shapesAnnotations(samplesDir) {
    const notes = JSON.parse(readFileSync(new URL('kinds.json', import.meta.url), 'utf8'));
    for (const image of notes.regions.flatMap((r) => r.images ?? []))
        image.file = path.join(samplesDir, image.file);
    return notes;
}

function encode(tool, dir, name, sourcePng, annotations) {
    const source = path.join(dir, `${name}-source.png`);
    const notes = path.join(dir, `${name}.json`);
    const out = path.join(dir, `${name}.png`);
    writeFileSync(source, sourcePng);
    writeFileSync(notes, JSON.stringify(annotations));
    execFileSync(tool, [ 'encode', source, out, notes ],
                 {stdio : [ 'ignore', 'ignore', 'inherit' ]});
    return out;
}

// Writes the test's coded pictures into `dir`; returns their paths.
export function writeCodedPictures(tool, dir, samplesDir) {
    return [
        encode(tool, dir, 'shapes-rgb', syntheticPng(200, 150, false),
               shapesAnnotations(samplesDir)),
        encode(tool, dir, 'shapes-rgba', syntheticPng(200, 150, true),
               shapesAnnotations(samplesDir)),
        encode(tool, dir, 'many-small', syntheticPng(130, 130, false), manyRegions(130, 130, 8)),
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
    return encode(tool, dir, 'large-12mp', syntheticPng(4000, 3000, false),
                  manyRegions(4000, 3000, 8));
}
