#!/usr/bin/env node
// kelvo-decode.mjs IMAGE.png: prints the hidden data of IMAGE through the WebAssembly codec, byte
// for byte as `kelvo-tool decode IMAGE` prints them. Errors exit with 2 and one line on stderr
// with kelvo-tool's wording.
import {readFile} from 'node:fs/promises';

import {KelvoCodec} from './kelvo-codec-api.mjs';

const program = 'kelvo-decode.mjs';
const args = process.argv.slice(2);
if (args.length !== 1 || args[0].startsWith('-')) {
    process.stderr.write(`${program}: Usage: kelvo-decode.mjs IMAGE\n`);
    process.exit(2);
}
const file = args[0];

// The reasons kelvo-tool gives (in its image reader's words) for a file it cannot open, for
// bytes that are no picture and for a damaged PNG file.
const fileErrors = {
    ENOENT : 'No such file or directory',
    EACCES : 'Permission denied',
    EISDIR : 'file to open is a directory',
};
const pictureErrors = {
    'not-png' : 'Unsupported image format',
    'damaged' : 'Unable to read image data',
};

function fail(reason) {
    process.stderr.write(`${program}: ${file}: cannot read picture: ${reason}\n`);
    process.exit(2);
}

const [wasmBinary, bytes] = await Promise.all([
    readFile(new URL('./kelvo-codec.wasm', import.meta.url)),
    readFile(file).catch((e) => fail(fileErrors[e.code] ?? e.message)),
]);
try {
    const decoded =
        await new KelvoCodec({wasmBinary})
            .decode(bytes, {withJson : true, pixels : false, ids : false, marks : false});
    process.stdout.write(decoded.json);
} catch (e) {
    fail(pictureErrors[e.reason] ?? e.message);
}
