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

// The CRC-32 of PNG chunks (node:zlib has one only from node 20.15 on).
const CRC_TABLE = Array.from({length : 256}, (_, c) => {
    for (let k = 0; k < 8; k++)
        c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    return c >>> 0;
});
const crc32 = (bytes) =>
    (bytes.reduce((c, b) => CRC_TABLE[(c ^ b) & 0xff] ^ (c >>> 8), 0xffffffff) ^ 0xffffffff) >>> 0;

// Damaged and hostile files made from a good one.
function damaged(good) {
    const iend = good.length - 12;
    const badCrc = Buffer.from(good);
    badCrc[iend - 5] ^= 0xff;              // the last byte of the last IDAT's checksum
    const idat = good.lastIndexOf('IDAT'); // the last IDAT chunk, with the stream's end
    const end = idat + 4 + good.readUInt32BE(idat - 4);
    const badAdler = Buffer.from(good);
    badAdler[end - 1] ^= 0xff; // the last byte of the stream's Adler-32
    badAdler.writeUInt32BE(crc32(badAdler.subarray(idat, end)), end);
    const huge = Buffer.from(good.subarray(0, 33));
    huge.writeUInt32BE(100000, 16);
    huge.writeUInt32BE(100000, 20);
    huge.writeUInt32BE(crc32(huge.subarray(12, 29)), 29);
    return {
        'cut-in-half' : good.subarray(0, good.length >> 1),
        'cut-before-end' : good.subarray(0, iend),
        'bad-crc' : badCrc,
        'bad-adler' : badAdler,
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
    const {keyAt} = await import(pathToFileURL(path.join(KELVO_WEB_DIR, 'viewer/regions.mjs')));
    const wasm =
        new KelvoCodec({wasmBinary : readFileSync(path.join(KELVO_WEB_DIR, 'kelvo-codec.wasm'))});
    for (const file of [...coded, path.join(myKelvos, 'comic.png')]) {
        const picture = await wasm.decode(readFileSync(file), {withJson : true, boxes : true});
        assert.ok(picture.coded, `${file} is coded`);
        // The key map names each fill pixel's region, the id image's palette entry says which;
        // one hit-test box per region: its key, the bounds of its pixels in the key map and the
        // first of them.
        const {width, height, keyRuns, regionBoxes} = picture;
        const regions = JSON.parse(picture.json).regions.map((r) => r.key);
        const boxes = new Map();
        for (let i = 0; i < width * height; i++) {
            const [x, y] = [ i % width, Math.floor(i / width) ];
            const key = keyAt(keyRuns, x, y);
            const entry = picture.palette[picture.ids[i]];
            const fill = (entry >>> 16 & 0xff) === 0xff && regions.includes(entry & 0xff);
            assert.equal(key, fill ? entry & 0xff : 255, `pixel ${x}, ${y}`);
            const box = boxes.get(key) ?? [ key, x, y, x, y, x, y ];
            boxes.set(
                key, [ key, Math.min(box[1], x), box[2], Math.max(box[3], x), y, ...box.slice(5) ]);
        }
        assert.deepEqual(Array.from(regionBoxes), regions.flatMap((key) => boxes.get(key)));
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
