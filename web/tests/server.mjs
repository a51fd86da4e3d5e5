// A static server over build/web for the browser tests and the viewer benchmark. `extra` maps
// paths to [type, body] served beside the files. Everything is served to every origin (the
// module loaded from another origin); paths under /csp/ are the same files under a strict
// Content-Security-Policy.
import {existsSync, readFileSync, statSync} from 'node:fs';
import {createServer} from 'node:http';
import path from 'node:path';

export const CSP = "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; " +
                   "worker-src 'self' blob:";

const TYPES = {
    '.html' : 'text/html',
    '.css' : 'text/css',
    '.js' : 'text/javascript',
    '.mjs' : 'text/javascript',
    '.wasm' : 'application/wasm',
    '.json' : 'application/json',
    '.png' : 'image/png',
    '.svg' : 'image/svg+xml',
};

export async function startServer(dir, extra = new Map()) {
    const server =
        createServer((req, res) => {
            let url = decodeURIComponent(new URL(req.url, 'http://x').pathname);
            const headers = {'Access-Control-Allow-Origin' : '*'};
            if (url.startsWith('/csp/')) {
                url = url.slice(4);
                headers['Content-Security-Policy'] = CSP;
            }
            const file = path.join(dir, path.normalize(url).replace(/^(\.\.[/\\])+/, ''));
            const [type, body] = extra.get(url) ??
                             (existsSync(file) && statSync(file).isFile()
                                  ? [ TYPES[path.extname(file)] || 'application/octet-stream',
                                      readFileSync(file) ]
                                  : [ null, null ]);
            if (!body) {
                res.writeHead(404, headers).end('not found');
                return;
            }
            res.writeHead(200, {...headers, 'Content-Type' : type}).end(body);
        });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {base : `http://127.0.0.1:${server.address().port}`, close : () => server.close()};
}
