// kelvo-decode.mjs (WebAssembly) against kelvo-tool decode (native): the same bytes on stdout, the
// same exit status and the same error after the program's name, for the samples, coded pictures
// written here, the same pictures in other PNG encodings, and damaged or missing files. Fails
// when build/web or kelvo-tool is missing.
import assert from 'node:assert/strict';
import {execFile} from 'node:child_process';
import {existsSync, mkdtempSync, readdirSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import path from 'node:path';
import {test} from 'node:test';
import {pathToFileURL} from 'node:url';
import {crc32} from 'node:zlib';

import {writeCodedPictures, writePngVariants} from './codedpictures.mjs';

const {KELVO_TOOL, KELVO_WEB_DIR, KELVO_DATA_DIR, KELVO_SOURCE_DIR} = process.env;
const decoder = path.join(KELVO_WEB_DIR ?? '', 'kelvo-decode.mjs');

// The exit status, stdout (bytes as latin1) and the message after the program's name.
const outcome = (command, args) => new Promise(
    (resolve) => execFile(
        command, args, {encoding : 'latin1', maxBuffer : 1 << 28},
        (error, stdout, stderr) => resolve(
            {code : error ? error.code : 0, stdout, stderr : stderr.replace(/^[^:]*: /, '')})));

async function compare(file) {
    const [native, web] = await Promise.all(
        [ outcome(KELVO_TOOL, [ 'decode', file ]), outcome(process.execPath, [ decoder, file ]) ]);
    assert.deepEqual(web, native, file);
    return native;
}

// Damaged and hostile files made from a good one.
function damaged(good) {
    const iend = good.length - 12;
    const badCrc = Buffer.from(good);
    badCrc[iend - 5] ^= 0xff; // the last byte of the last IDAT's checksum
    const huge = Buffer.from(good.subarray(0, 33));
    huge.writeUInt32BE(100000, 16);
    huge.writeUInt32BE(100000, 20);
    huge.writeUInt32BE(crc32(huge.subarray(12, 29)), 29);
    return {
        'cut-in-half' : good.subarray(0, good.length >> 1),
        'cut-before-end' : good.subarray(0, iend),
        'bad-crc' : badCrc,
        'huge-header' : Buffer.concat([ huge, good.subarray(33) ]),
        'not-a-picture' : Buffer.from('<html>not a picture</html>\n'),
        'empty' : Buffer.alloc(0),
    };
}

test('WebAssembly and native decode print the same', async (t) => {
    assert.ok(KELVO_TOOL && existsSync(KELVO_TOOL), `kelvo-tool missing: ${KELVO_TOOL}`);
    assert.ok(existsSync(decoder), `${decoder} missing: run scripts/build-web.sh`);
    const dir = mkdtempSync(path.join(tmpdir(), 'kelvo-web-diff-'));
    const samplesDir = path.join(KELVO_SOURCE_DIR, 'data', 'samples');
    const myKelvos = path.join(KELVO_DATA_DIR, 'My Kelvos');
    const pngs = (folder) =>
        readdirSync(folder).filter((f) => f.endsWith('.png')).map((f) => path.join(folder, f));
    const coded = writeCodedPictures(KELVO_TOOL, dir, samplesDir);
    const files = [...pngs(myKelvos), ...pngs(samplesDir), ...coded ];
    for (const file of files) {
        await t.test(path.basename(file),
                     async () => { assert.equal((await compare(file)).code, 0); });
    }
    await t.test('missing file', () => compare(path.join(dir, 'missing.png')));

    const {KelvoCodec} =
        await import(pathToFileURL(path.join(KELVO_WEB_DIR, 'kelvo-codec-api.mjs')));
    const wasm =
        new KelvoCodec({wasmBinary : readFileSync(path.join(KELVO_WEB_DIR, 'kelvo-codec.wasm'))});
    for (const file of [...coded, path.join(myKelvos, 'comic.png')]) {
        const picture = await wasm.decode(readFileSync(file), {withJson : true, boxes : true});
        assert.ok(picture.coded, `${file} is coded`);
        // One hit-test box per region: its key, the bounds of its pixels in the key map and the
        // first of them, a fill pixel of the id image.
        const {width, keys, regionBoxes} = picture;
        const boxes = new Map();
        keys.forEach((key, i) => {
            const [x, y] = [ i % width, Math.floor(i / width) ];
            const box = boxes.get(key) ?? [ key, x, y, x, y, x, y ];
            boxes.set(
                key, [ key, Math.min(box[1], x), box[2], Math.max(box[3], x), y, ...box.slice(5) ]);
        });
        const regions = JSON.parse(picture.json).regions.map((r) => r.key);
        assert.deepEqual(Array.from(regionBoxes), regions.flatMap((key) => boxes.get(key)));
        for (const [key, , , , , x, y] of regions.map((key) => boxes.get(key)))
            assert.equal(picture.palette[picture.ids[y * width + x]] & 0xff, key);
        // The same pixels in other PNG encodings, with alpha that varies.
        const prefix = path.join(dir, path.basename(file, '.png'));
        writeFileSync(`${prefix}.argb`, picture.pixels.map((p, i) => {
            const alpha = 255 - (((i % width) + Math.floor(i / width)) & 0x3f);
            return ((p & 0xffffff) | (alpha << 24)) >>> 0;
        }));
        for (const variant of writePngVariants(KELVO_TOOL, width, picture.height, `${prefix}.argb`,
                                               prefix)) {
            await t.test(path.basename(variant), async () => {
                assert.equal((await compare(variant)).code, 0, `${variant} is readable`);
            });
        }
        for (const [name, bytes] of Object.entries(damaged(readFileSync(file)))) {
            const variant = `${prefix}-${name}.png`;
            writeFileSync(variant, bytes);
            await t.test(path.basename(variant), () => compare(variant));
        }
    }
});
