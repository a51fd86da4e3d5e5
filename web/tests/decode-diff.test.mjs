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

import {writeCodedPictures} from './codedpictures.mjs';
import {chunk, pngVariants} from './pngfiles.mjs';

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
    badCrc[iend - 5] ^= 0xff;                  // the last byte of the last IDAT's checksum
    const idat = good.lastIndexOf('IDAT') - 4; // the last IDAT chunk, with the stream's end
    const adler = Buffer.from(good.subarray(idat + 8, idat + 8 + good.readUInt32BE(idat)));
    adler[adler.length - 1] ^= 0xff; // the last byte of the stream's Adler-32
    const huge = Buffer.from(good.subarray(0, 33));
    huge.writeUInt32BE(100000, 16);
    huge.writeUInt32BE(100000, 20);
    return {
        'cut-in-half' : good.subarray(0, good.length >> 1),
        'cut-before-end' : good.subarray(0, iend),
        'bad-crc' : badCrc,
        'bad-adler' : Buffer.concat([
            good.subarray(0, idat), chunk('IDAT', adler), good.subarray(idat + 12 + adler.length)
        ]),
        'huge-header' : Buffer.concat(
            [ huge.subarray(0, 8), chunk('IHDR', huge.subarray(16, 29)), good.subarray(33) ]),
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
        const encodings = pngVariants(picture.width, picture.height, picture.pixels);
        const variants = {...encodings, ...damaged(readFileSync(file))};
        for (const [name, bytes] of Object.entries(variants)) {
            const variant = path.join(dir, `${path.basename(file, '.png')}-${name}.png`);
            writeFileSync(variant, bytes);
            await t.test(path.basename(variant), async () => {
                const native = await compare(variant);
                if (name in encodings) {
                    assert.equal(native.code, 0, `${variant} is readable`);
                }
            });
        }
    }
});
