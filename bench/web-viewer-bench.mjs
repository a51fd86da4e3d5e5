// The web viewer on a 12 MP picture with 64 regions in headless Chromium, against a plain <img>
// of the same file: time until shown, decode and region scan in the worker, time to the first
// balloon, the longest main-thread task, and the renderer's memory; kelvo-tool decode of the same
// file for reference. Needs scripts/build-web.sh and `npm ci` in web/tests:
//
//   KELVO_TOOL=build/dev/tools/kelvo-tool node bench/web-viewer-bench.mjs
import {execFileSync} from 'node:child_process';
import {mkdtempSync, readFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..');
const tests = path.join(root, 'web/tests');
const {chromium} = createRequire(path.join(tests, 'package.json'))('playwright-core');
const {writeLargePicture} = await import(path.join(tests, 'codedpictures.mjs'));
const {startServer} = await import(path.join(tests, 'server.mjs'));

const tool = process.env.KELVO_TOOL || path.join(root, 'build/dev/tools/kelvo-tool');
const webDir = process.env.KELVO_WEB_DIR || path.join(root, 'build/web');
const file = writeLargePicture(tool, mkdtempSync(path.join(tmpdir(), 'kelvo-web-bench-')));
const extra = new Map([ [ '/large.png', [ 'image/png', readFileSync(file) ] ] ]);
const page =
    (attrs) => ['text/html', `<!DOCTYPE html><html><head><meta charset="utf-8">
<script src="kelvo-web.js" defer></script></head><body>
<img id="p" src="large.png" alt="large" ${
                                 attrs} style="max-width:100%;height:auto"></body></html>`];
extra.set('/plain.html', page(''));
extra.set('/viewer.html', page('data-kelvo'));
const server = await startServer(webDir, extra);

const best = (runs) => Math.min(...runs);
const native = [];
function runTool() {
    const start = process.hrtime.bigint();
    execFileSync(tool, [ 'decode', file ], {maxBuffer : 1 << 26});
    native.push(Number(process.hrtime.bigint() - start) / 1e6);
}

// Resident memory of the browser's renderer processes, in MB.
async function rendererMb(browser, p) {
    const cdp = await browser.newBrowserCDPSession();
    const {processInfo} = await cdp.send('SystemInfo.getProcessInfo');
    let kb = 0;
    for (const info of processInfo.filter((i) => i.type === 'renderer')) {
        const status = readFileSync(`/proc/${info.id}/status`, 'utf8');
        kb += Number(/VmRSS:\s+(\d+)/.exec(status)[1]);
    }
    return kb / 1024;
}

async function run(url, viewer) {
    const browser = await chromium.launch({
        executablePath : process.env.KELVO_CHROMIUM || '/usr/bin/chromium',
        args : [ '--no-sandbox', '--disable-gpu' ]
    });
    const p = await (await browser.newContext({viewport : {width : 1280, height : 800}})).newPage();
    await p.addInitScript(() => {
        window.longest = 0;
        new PerformanceObserver((l) => l.getEntries().forEach(
                                    (e) => (window.longest = Math.max(window.longest, e.duration))))
            .observe({type : 'longtask', buffered : true});
    });
    // A reader's browser is running before the page opens: its own start-up work (a few busy
    // seconds on two cores) is left out of the figures.
    await p.goto('about:blank');
    await p.waitForTimeout(2000);
    const start = Date.now();
    await p.goto(server.base + url);
    await p.waitForFunction((v) => (v ? document.getElementById('p').dataset.kelvoState === 'shown'
                                      : document.getElementById('p').complete),
                            viewer, {timeout : 120000});
    const result = {shownMs : Date.now() - start};
    if (viewer) {
        Object.assign(result,
                      await p.evaluate(
                          () => ({
                              decodeMs : document.getElementById('p').kelvoViewer.picture.decodeMs,
                              scanMs : document.getElementById('p').kelvoViewer.picture.scanMs
                          })));
        const point = await p.$eval('#p', (img) => {
            const v = img.kelvoViewer;
            const r = v.order[0];
            const box = v.layer.getBoundingClientRect();
            return [ box.left + r.anchor.x * v.sx, box.top + r.anchor.y * v.sy ];
        });
        const hover = Date.now();
        await p.mouse.move(...point);
        await p.waitForFunction(() => document.querySelector('.kelvo-balloon:popover-open'));
        result.balloonMs = Date.now() - hover;
    }
    await p.waitForTimeout(3000); // the idle decoding worker has stopped
    result.longestTaskMs = await p.evaluate(() => window.longest);
    result.memoryMb = await rendererMb(browser, p);
    await browser.close();
    return result;
}

// kelvo-tool and the viewer (each run a fresh browser) take turns, three runs each, so that both
// meet the same load on the machine; the fastest decode of each counts, and the viewer's other
// figures come from its run with the fastest decode.
const plain = await run('/plain.html', false);
const viewers = [];
for (let i = 0; i < 3; i++) {
    runTool();
    viewers.push(await run('/viewer.html', true));
}
const viewer = viewers.reduce((a, b) => (b.decodeMs < a.decodeMs ? b : a));
server.close();
const f = (v) => v.toFixed(0);
console.log(`picture: 4000 x 3000, 64 regions
kelvo-tool decode (whole process): ${f(best(native))} ms (runs ${native.map(f).join('/')})
plain <img>: shown after ${f(plain.shownMs)} ms, longest main-thread task ${
    f(plain.longestTaskMs)} ms, renderer ${f(plain.memoryMb)} MB
viewer: shown after ${f(viewer.shownMs)} ms; in the worker decode ${f(viewer.decodeMs)} ms (runs ${
    viewers.map((v) => f(v.decodeMs)).join('/')}) + region scan ${f(viewer.scanMs)} ms
  (decode / kelvo-tool ${(viewer.decodeMs / best(native)).toFixed(2)})
  first balloon ${f(viewer.balloonMs)} ms after the pointer arrives, longest main-thread task ${
    f(viewer.longestTaskMs)} ms
  renderer ${f(viewer.memoryMb)} MB (${
    (viewer.memoryMb / plain.memoryMb).toFixed(2)} x the plain <img>)`);
