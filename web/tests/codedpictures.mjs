// Coded pictures that the web tests write with kelvo-tool: every record type and shape kind,
// pictures with and without alpha, and a large picture with many regions for timing.
import {execFileSync} from 'node:child_process';
import {writeFileSync} from 'node:fs';
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

const font = {
    family : 'Helvetica',
    pointSize : 11,
    weight : 75,
    italic : true
};

function shapesAnnotations(samplesDir) {
    return {
        regions : [
            {
                polygons : [ rect(10, 10, 60, 40) ],
                texts : [ 'First text', 'Zweiter Text: \u00e4\u00f6\u00fc' ]
            },
            {
                polygons : [ rect(80, 10, 50, 40), rect(140, 10, 40, 30) ],
                dictEntry : {id : 222, word : 'house', term : 'house'}
            },
            {
                polygons : [ rect(10, 70, 80, 60) ],
                shapedTexts : [
                    {
                        kind : 1,
                        x : 5,
                        y : 5,
                        rect : [ 0, 0, 79, 29 ],
                        text : 'Boxed',
                        font,
                        alignment : 1
                    },
                    {
                        kind : 2,
                        x : 20,
                        y : 20,
                        rect : [ 0, 0, 69, 39 ],
                        text : 'Round',
                        alignment : 3,
                        filled : false,
                        outlineWidth : 3,
                        outlineColour : '#ff0000'
                    },
                ]
            },
            {
                polygons : [ rect(100, 70, 40, 60) ],
                shapedTexts : [ {
                    kind : 3,
                    x : 0,
                    y : 0,
                    rect : [ 0, 0, 99, 49 ],
                    peak : [ 40, 80 ],
                    angles : [ 280, 255 ],
                    text : 'Speech\nbubble',
                    labelX : 8,
                    labelY : 6
                } ]
            },
            {
                polygons : [ rect(150, 70, 40, 60) ],
                shapedTexts : [ {
                    kind : 4,
                    x : 0,
                    y : 0,
                    rect : [ 0, 0, 99, 49 ],
                    text : 'Thinking',
                    circles : [ [ 30, 55, 14, 10 ], [ 36, 68, 10, 8 ] ]
                } ]
            },
            {
                polygons : [ [ [ 20, 135 ], [ 60, 135 ], [ 75, 148 ], [ 5, 148 ] ] ],
                images : [ {
                    file : path.join(samplesDir, 'bird.png'),
                    polygon : [ [ 0, 0 ], [ 55, 0 ], [ 70, 13 ], [ 0, 13 ] ]
                } ],
                texts : [ 'with a snippet' ]
            },
        ],
    };
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
