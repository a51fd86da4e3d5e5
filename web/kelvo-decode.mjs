#!/usr/bin/env node
// kelvo-decode.mjs IMAGE.png: prints the hidden data of IMAGE as `kelvo-tool decode` does, through
// the WebAssembly codec. Errors exit with 2 and one line on stderr.
import {readFile} from 'node:fs/promises';

import {KelvoCodec} from './kelvo-codec-api.mjs';

const args = process.argv.slice(2);
if (args.length !== 1 || args[0].startsWith('-')) {
    process.stderr.write('Usage: kelvo-decode.mjs IMAGE\n');
    process.exit(2);
}
const file = args[0];
try {
    const wasmBinary = await readFile(new URL('./kelvo-codec.wasm', import.meta.url));
    const codec = new KelvoCodec({wasmBinary});
    let bytes;
    try {
        bytes = await readFile(file);
    } catch (e) {
        throw new Error(
            `cannot read picture: ${e.code === 'ENOENT' ? 'File not found' : e.message}`);
    }
    const decoded = await codec.decode(bytes, {withJson : true, pixels : false})
                        .catch((e) => { throw new Error(`cannot read picture: ${e.message}`); });
    process.stdout.write(JSON.stringify(JSON.parse(decoded.json), null, 4) + '\n');
} catch (e) {
    process.stderr.write(`${file}: ${e.message}\n`);
    process.exit(2);
}
