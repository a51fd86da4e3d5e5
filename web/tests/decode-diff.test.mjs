// kelvo-decode.mjs (WebAssembly) against kelvo-tool decode (native) on the coded samples, on
// coded pictures written here, on the same pictures in other PNG encodings, and on damaged
// files: both must print the same JSON, or both must fail.
import assert from 'node:assert/strict';
import {execFile} from 'node:child_process';
import {existsSync, mkdtempSync, readdirSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import path from 'node:path';
import {test} from 'node:test';
import {pathToFileURL} from 'node:url';
import {promisify} from 'node:util';

import {writeCodedPictures} from './codedpictures.mjs';
import {chunk, pngVariants} from './pngfiles.mjs';

const run = promisify(execFile);
const {KELVO_TOOL, KELVO_WEB_DIR, KELVO_DATA_DIR, KELVO_SOURCE_DIR} = process.env;
const decoder = KELVO_WEB_DIR && path.join(KELVO_WEB_DIR, 'kelvo-decode.mjs');
const ready = decoder && existsSync(decoder) && KELVO_TOOL && existsSync(KELVO_TOOL);

async function outcome(command, args) {
    try {
        const {stdout} = await run(command, args, {maxBuffer : 1 << 28});
        return {code : 0, json : JSON.parse(stdout)};
    } catch (e) {
        return {code : e.code, stderr : e.stderr};
    }
}

async function compare(file) {
    const [native, web] = await Promise.all(
        [ outcome(KELVO_TOOL, [ 'decode', file ]), outcome(process.execPath, [ decoder, file ]) ]);
    assert.equal(web.code, native.code, `${file}: exit codes differ (${web.stderr ?? ''})`);
    if (native.code === 0) {
        assert.deepEqual(web.json, native.json, `${file}: reports differ`);
    }
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
    const hugeFile = Buffer.concat(
        [ huge.subarray(0, 8), chunk('IHDR', huge.subarray(16, 29)), good.subarray(33) ]);
    return {
        'cut-in-half' : good.subarray(0, good.length >> 1),
        'bad-crc' : badCrc,
        'huge-header' : hugeFile,
        'not-a-picture' : Buffer.from('<html>not a picture</html>\n'),
        'empty' : Buffer.alloc(0),
    };
}

test('WebAssembly and native decode agree', {skip : !ready && 'build/web or kelvo-tool missing'},
     async (t) => {
         const dir = mkdtempSync(path.join(tmpdir(), 'kelvo-web-diff-'));
         const samplesDir = path.join(KELVO_SOURCE_DIR, 'data', 'samples');
         const myKelvos = path.join(KELVO_DATA_DIR, 'My Kelvos');
         const samples = [
             ...readdirSync(myKelvos)
                 .filter((f) => f.endsWith('.png'))
                 .map((f) => path.join(myKelvos, f)),
             ...readdirSync(samplesDir)
                 .filter((f) => f.endsWith('.png'))
                 .map((f) => path.join(samplesDir, f)),
         ];
         const coded = writeCodedPictures(KELVO_TOOL, dir, samplesDir);
         const {KelvoCodec} =
             await import(pathToFileURL(path.join(KELVO_WEB_DIR, 'kelvo-codec-api.mjs')));
         const wasm = new KelvoCodec(
             {wasmBinary : readFileSync(path.join(KELVO_WEB_DIR, 'kelvo-codec.wasm'))});

         for (const file of [...samples, ...coded]) {
             await t.test(path.basename(file), async () => {
                 const native = await compare(file);
                 assert.equal(native.code, 0);
             });
         }
         let codedSeen = 0;
         for (const file of [...coded, path.join(myKelvos, 'comic.png')]) {
             const picture = await wasm.decode(readFileSync(file));
             codedSeen += picture.coded ? 1 : 0;
             const encodings = pngVariants(picture.width, picture.height, picture.pixels);
             const variants = {...encodings, ...damaged(readFileSync(file))};
             for (const [name, bytes] of Object.entries(variants)) {
                 const variant = path.join(dir, `${path.basename(file, '.png')}-${name}.png`);
                 writeFileSync(variant, bytes);
                 await t.test(path.basename(variant), async () => {
                     const native = await compare(variant);
                     if (name in encodings) {
                         // Every encoding is readable; those in colour keep the hidden data.
                         assert.equal(native.code, 0, `${variant} is readable`);
                         assert.equal(native.json.coded, name.startsWith('rgb'),
                                      `${variant} coded`);
                     } else {
                         assert.notEqual(native.code, 0, `${variant} is refused`);
                     }
                 });
             }
         }
         assert.equal(codedSeen, coded.length + 1, 'every written picture is coded');
     });
