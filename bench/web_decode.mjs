#!/usr/bin/env node
// Times `kelvo-tool decode` and `node kelvo-decode.mjs` (the WebAssembly module) in the same run
// on the same 12 MP coded picture, written here with kelvo-tool encode, and prints the two side
// by side: the median of several whole runs of each, alternated. A benchmark, not run in CI.
//
//   node bench/web_decode.mjs [KELVO_TOOL [WEB_DIR [RUNS]]]
//       defaults: build/dev/tools/kelvo-tool, build/web (scripts/build-web.sh), 7 runs
import {execFileSync} from 'node:child_process';
import {mkdtempSync, rmSync} from 'node:fs';
import {tmpdir} from 'node:os';
import path from 'node:path';

import {writeLargePicture} from '../web/tests/codedpictures.mjs';

const root = path.join(path.dirname(new URL(import.meta.url).pathname), '..');
const tool = path.resolve(process.argv[2] ?? path.join(root, 'build/dev/tools/kelvo-tool'));
const webDir = path.resolve(process.argv[3] ?? path.join(root, 'build/web'));
const runs = Number(process.argv[4] ?? 7);

const dir = mkdtempSync(path.join(tmpdir(), 'kelvo-web-bench-'));
try {
    const picture = writeLargePicture(tool, dir);
    const commands = {
        'kelvo-tool decode' : [ tool, [ 'decode', picture ] ],
        'node kelvo-decode.mjs' :
            [ process.execPath, [ path.join(webDir, 'kelvo-decode.mjs'), picture ] ],
    };
    const times = Object.fromEntries(Object.keys(commands).map((name) => [name, []]));
    const outputs = {};
    for (let run = 0; run < runs; ++run) {
        for (const [name, [ command, args ]] of Object.entries(commands)) {
            const start = process.hrtime.bigint();
            outputs[name] = execFileSync(command, args, {maxBuffer : 1 << 28});
            times[name].push(Number(process.hrtime.bigint() - start) / 1e6);
        }
    }
    const median = (list) => list.sort((a, b) => a - b)[list.length >> 1];
    const [native, web] = Object.keys(commands).map((name) => median(times[name]));
    console.log(`4000 x 3000 coded picture, median of ${runs} runs`);
    console.log(`  kelvo-tool decode       ${native.toFixed(0).padStart(6)} ms`);
    console.log(`  node kelvo-decode.mjs   ${web.toFixed(0).padStart(6)} ms   (${
        (web / native).toFixed(2)} x)`);
    if (!outputs['kelvo-tool decode'].equals(outputs['node kelvo-decode.mjs'])) {
        console.log('  the two reports differ!');
        process.exitCode = 1;
    }
} finally {
    rmSync(dir, {recursive : true, force : true});
}
