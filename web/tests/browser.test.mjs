// The viewer in headless Chromium against build/web served on 127.0.0.1: hover, bubbles,
// keyboard, touch, the HTML generator's page, the error display, hostile pictures, and the
// decode time of a 12 MP picture with 64 regions against native kelvo-tool decode.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {existsSync, mkdtempSync, readFileSync} from 'node:fs';
import {createServer} from 'node:http';
import {tmpdir} from 'node:os';
import path from 'node:path';
import {after, before, test} from 'node:test';
import {deflateSync} from 'node:zlib';

import {writeLargePicture} from './codedpictures.mjs';
import {chunk} from './pngfiles.mjs';

const {KELVO_TOOL, KELVO_WEB_DIR, KELVO_SOURCE_DIR} = process.env;
const CHROMIUM = process.env.KELVO_CHROMIUM || '/usr/bin/chromium';
let chromium = null;
try {
    ({chromium} = await import('playwright-core'));
} catch {
    // reported as a skip below
}
const ready = chromium && KELVO_WEB_DIR && existsSync(path.join(KELVO_WEB_DIR, 'kelvo-web.js')) &&
              existsSync(CHROMIUM);
const skip = !ready && 'playwright-core, chromium or build/web missing';

// The HTML generator's text for a picture with a link, piece by piece.
const generatorText = (file, w, h, link) =>
    '<script src="KelvoPluginTest.js" type="text/javascript">\n</script>\n' +
    '<script type="text/javascript">\n<!--\n' +
    `  document.writeln( kelvo( "${file}", ${w}, ${h}, "${link}" ) );\n` +
    '//-->\n</script>\n<noscript>\n' +
    `    <embed type="application/kelvo" kelvo="${file}" width="${w}" height="${h}"\n` +
    `           href="${link}">\n` +
    '</noscript>';

function hostilePng(width, height) {
    const header = Buffer.alloc(13);
    header.writeUInt32BE(width, 0);
    header.writeUInt32BE(height, 4);
    header[8] = 8;
    header[9] = 2;
    const rows = Buffer.alloc((width * 3 + 1) * height); // all zero: compresses to almost nothing
    return Buffer.concat([
        Buffer.from([ 0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a ]), chunk('IHDR', header),
        chunk('IDAT', deflateSync(rows)), chunk('IEND', [])
    ]);
}

const extra = new Map(); // path -> [type, body]
const TYPES = {
    '.html' : 'text/html',
    '.js' : 'text/javascript',
    '.mjs' : 'text/javascript',
    '.wasm' : 'application/wasm',
    '.json' : 'application/json',
    '.png' : 'image/png'
};
let server;
let base;
let browser;

before(async () => {
    if (!ready)
        return;
    server =
        createServer((req, res) => {
            const url = decodeURIComponent(new URL(req.url, 'http://x').pathname);
            const file = path.join(KELVO_WEB_DIR, path.normalize(url).replace(/^(\.\.[/\\])+/, ''));
            const [type, body] = extra.get(url) ??
            (existsSync(file) && !file.endsWith('/') ? [TYPES[path.extname(file)] || 'application/octet-stream',
                                                         readFileSync(file)] : [null, null]);
            if (!body) {
                res.writeHead(404).end('not found');
                return;
            }
            res.writeHead(200, {'Content-Type' : type}).end(body);
        });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    base = `http://127.0.0.1:${server.address().port}`;
    browser = await chromium.launch({
        executablePath : CHROMIUM,
        headless : true,
        args : [
            '--no-sandbox', '--disable-gpu', '--disable-background-networking',
            '--disable-component-update', '--disable-sync', '--no-first-run'
        ],
    });
});

after(async () => {
    await browser?.close();
    server?.close();
});

async function openPage(url, options = {}) {
    const context =
        await browser.newContext({viewport : {width : 1100, height : 1400}, ...options});
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(e));
    await page.goto(base + url);
    await page.waitForFunction(() => [...document.querySelectorAll('.kelvo-viewer')].every(
                                   (v) => v.dataset.state === 'shown' ||
                                          v.dataset.state === 'error' ||
                                          v.dataset.state === 'message'));
    return {page, errors, context};
}

// Where a viewer shows each region (page coordinates), and the expected balloon texts.
const regionPoints = (page, selector) => page.$eval(selector, (root) => {
    const v = root.kelvoViewer;
    const box = root.getBoundingClientRect();
    return v.order.map((r) => ({
                           key : r.key,
                           x : box.left + r.anchor.x * v.sx + 0.5,
                           y : box.top + r.anchor.y * v.sy + 0.5
                       }));
});

const balloon = (page, selector) =>
    page.$eval(`${selector} .kelvo-balloon`,
               (b) => (getComputedStyle(b).display === 'none' ? null : b.textContent));

test('the demo page shows every viewer and the errors', {skip}, async () => {
    const {page, errors, context} = await openPage('/index.html');
    const state = (id) =>
        page.$eval(`#${id} .kelvo-viewer, .kelvo-viewer#${id}`, (v) => v.dataset.state);
    assert.equal(await state('generated-village'), 'shown');
    assert.equal(await state('generated-comic'), 'shown');
    assert.equal(await state('img-comic'), 'shown');
    assert.equal(await state('not-a-picture'), 'error');
    assert.equal(await state('missing'), 'error');
    assert.match(await page.textContent('#not-a-picture'), /An Error occured/);
    assert.equal(await page.textContent('#src-given .kelvo-row'),
                 " The parameter 'src' is not allowed! ");
    await page.screenshot(
        {path : path.join(KELVO_WEB_DIR, 'screenshot-demo.png'), fullPage : true});
    assert.deepEqual(errors, []);
    await context.close();
});

test('hovering shows balloon texts, also on a scaled picture', {skip}, async () => {
    const {page, context} = await openPage('/index.html');
    // A text region, and a dictionary region translated from German to English by default.
    const expected = [
        'The sun: the star at the centre of our solar system, 150 million km away.',
        '\u2022 Haus\n\u2022 house'
    ];
    for (const selector of ['#generated-village .kelvo-viewer', '#img-village-scaled']) {
        const seen = [];
        for (const p of await regionPoints(page, selector)) {
            await page.mouse.move(p.x, p.y);
            const text = await balloon(page, selector);
            if (text)
                seen.push(text);
        }
        for (const text of expected)
            assert.ok(seen.includes(text), `${selector}: "${text}" shown`);
        await page.mouse.move(1, 1);
        assert.equal(await balloon(page, selector), null, 'leaving hides the balloon');
    }
    // A click where the balloon's anchor sits keeps it open until it is clicked again.
    const selector = '#generated-village .kelvo-viewer';
    const sun = (await regionPoints(page, selector)).find((p) => p.key === 0);
    await page.mouse.move(sun.x - 1, sun.y);
    await page.mouse.move(sun.x, sun.y);
    await page.mouse.click(sun.x, sun.y);
    await page.mouse.move(1, 1);
    assert.equal(await balloon(page, selector), expected[0], 'the anchored balloon stays');
    await page.mouse.move(sun.x, sun.y);
    await page.mouse.click(sun.x, sun.y);
    await page.mouse.move(1, 1);
    assert.equal(await balloon(page, selector), null);
    await context.close();
});

test('a speech bubble is drawn where its shape lies', {skip}, async () => {
    const {page, context} = await openPage('/index.html');
    const selector = '#generated-comic .kelvo-viewer';
    const notes = JSON.parse(readFileSync(path.join(KELVO_SOURCE_DIR, 'data/samples/comic.json')));
    const bubble = notes.regions[0].shapedTexts[0];
    const inside = () => page.$eval(`${selector} .kelvo-overlay`, (c, s) => {
        const [l, t, r, b] = s.rect;
        const data = c.getContext('2d').getImageData(s.x + l, s.y + t, r - l + 1, b - t + 1).data;
        let opaque = 0;
        for (let i = 3; i < data.length; i += 4)
            opaque += data[i] > 0 ? 1 : 0;
        return opaque / (data.length / 4);
    }, bubble);
    assert.equal(await inside(), 0);
    const key = (await regionPoints(page, selector)).find((p) => p.key === 0);
    await page.mouse.move(key.x, key.y);
    assert.ok(await inside() > 0.5, 'most of the bubble\'s box is painted');
    await page.screenshot({
        path : path.join(KELVO_WEB_DIR, 'screenshot-bubble.png'),
        clip : {x : 0, y : 0, width : 1100, height : 700}
    });
    await context.close();
});

test('the keyboard reaches every region and Escape hides', {skip}, async () => {
    const {page, context} = await openPage('/index.html');
    const selector = '#generated-village .kelvo-viewer';
    const keys = (await regionPoints(page, selector)).map((p) => p.key);
    await page.focus(selector);
    const reached = [];
    for (let i = 0; i < keys.length; i++) {
        await page.keyboard.press(i % 2 ? 'ArrowRight' : 'Tab');
        reached.push(Number(await page.$eval(selector, (v) => v.dataset.shownRegion)));
        assert.equal(await page.evaluate(() => document.activeElement.className), 'kelvo-viewer');
    }
    assert.deepEqual([...reached ].sort(), [...keys ].sort());
    assert.notEqual(await page.$eval(`${selector} .kelvo-live`, (l) => l.textContent), '');
    await page.keyboard.press('Escape');
    assert.equal(await balloon(page, selector), null);
    await context.close();
});

test('a tap shows an annotation and a tap outside hides it', {skip}, async () => {
    const {page, context} = await openPage('/index.html', {hasTouch : true, isMobile : true});
    const selector = '#generated-village .kelvo-viewer';
    const [p] = await regionPoints(page, selector);
    await page.touchscreen.tap(p.x, p.y);
    assert.equal(await page.$eval(selector, (v) => v.dataset.shownRegion), String(p.key));
    const box = await page.$eval(selector, (v) => v.getBoundingClientRect().toJSON());
    await page.touchscreen.tap(box.left + 2, box.top + 2);
    assert.equal(await page.$eval(selector, (v) => v.dataset.shownRegion ?? null), null);
    await context.close();
});

test('a page made from the HTML generator\'s text works', {skip}, async () => {
    extra.set('/generated.html', [
        'text/html',
        `<!DOCTYPE html><html><body>\n${
            generatorText('samples/village.png', 320, 240, 'index.html')}\n</body></html>`
    ]);
    const {page, errors, context} = await openPage('/generated.html');
    const selector = '.kelvo-viewer';
    assert.equal(await page.$eval(selector, (v) => v.dataset.state), 'shown');
    const p = (await regionPoints(page, selector)).find((r) => r.key === 0); // the sun's text
    await page.mouse.move(p.x, p.y);
    assert.notEqual(await balloon(page, selector), null);
    await page.mouse.click(p.x, p.y, {button : 'right'});
    const items = await page.$eval(
        'body > .kelvo-menu',
        (menu) => [...menu.children]
                      .map((c) => (c.classList.contains('kelvo-has-sub') ? c.firstChild : c)
                                      .textContent)
                      .filter(Boolean));
    assert.deepEqual(items, [
        'Image Properties', 'Open Link Location', 'Save Image As', 'Show Image Outlines',
        'Image Dictionary', 'About'
    ]);
    await page.click('text=Image Properties');
    assert.match(await page.textContent('dialog'), /Properties for "village.png"/);
    assert.match(await page.textContent('dialog'), /320 px \(original\) \/ 320 px \(displayed\)/);
    assert.deepEqual(errors, []);
    await context.close();
});

test('the dictionary menu changes the translation shown', {skip}, async () => {
    const {page, context} = await openPage('/index.html');
    const selector = '#generated-village .kelvo-viewer';
    const house = (await regionPoints(page, selector)).find((p) => p.key === 1);
    const hover = async () => {
        await page.mouse.move(1, 1);
        await page.mouse.move(house.x, house.y);
        return balloon(page, selector);
    };
    assert.equal(await hover(), '\u2022 Haus\n\u2022 house');
    const choose = async (...path) => {
        await page.mouse.click(house.x, house.y, {button : 'right'});
        for (const label of path)
            await page.locator('body > .kelvo-menu')
                .getByText(label, {exact : true})
                .last()
                .click();
    };
    await choose('Image Dictionary', 'Translate to ...', 'French');
    assert.equal(await hover(), '\u2022 Haus\n\u2022 maison');
    await choose('Image Dictionary', 'Show coded word');
    assert.equal(await hover(), '\u2022 Haus\n\u2022 maison\n\n(house)');
    await context.close();
});

test('hostile pictures end in the element without freezing the page', {skip}, async () => {
    extra.set('/bomb.png', [ 'image/png', hostilePng(4000, 4000) ]);
    extra.set('/huge.png', [ 'image/png', hostilePng(1, 1).fill(0xff, 16, 24) ]);
    extra.set('/hostile.html', [
        'text/html',
        '<!DOCTYPE html><body>' +
            '<embed id="bomb" type="application/kelvo" kelvo="bomb.png" width="200" height="200">' +
            '<embed id="huge" type="application/kelvo" kelvo="huge.png" width="200" height="200">' +
            '<script src="kelvo-web.js"></script>'
    ]);
    const context = await browser.newContext();
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(e));
    await page.goto(`${base}/hostile.html`);
    // The page keeps answering while the worker decodes.
    const started = Date.now();
    await page.evaluate(() => 1 + 1);
    assert.ok(Date.now() - started < 2000);
    await page.waitForFunction(() => ['bomb', 'huge'].every((id) => {
        const s = document.getElementById(id)?.dataset.state;
        return s === 'shown' || s === 'error';
    }),
                               null, {timeout : 60000});
    assert.equal(await page.$eval('#huge', (v) => v.dataset.state), 'error');
    await page.screenshot({path : path.join(KELVO_WEB_DIR, 'screenshot-error.png')});
    assert.deepEqual(errors, []);
    await context.close();
});

test('decode time of a 12 MP picture with 64 regions: WebAssembly against native', {skip},
     async () => {
         const dir = mkdtempSync(path.join(tmpdir(), 'kelvo-web-bench-'));
         const file = writeLargePicture(KELVO_TOOL, dir);
         extra.set('/large.png', [ 'image/png', readFileSync(file) ]);
         const native = [];
         for (let i = 0; i < 3; i++) {
             const start = process.hrtime.bigint();
             execFileSync(KELVO_TOOL, [ 'decode', file ], {maxBuffer : 1 << 26});
             native.push(Number(process.hrtime.bigint() - start) / 1e6);
         }
         const context = await browser.newContext();
         const page = await context.newPage();
         await page.goto(`${base}/hostile.html`.replace('hostile', 'index'));
         const wasm = await page.evaluate(async () => {
             const times = [];
             let regions = 0;
             for (let i = 0; i < 3; i++) {
                 const bytes = new Uint8Array(await (await fetch('/large.png')).arrayBuffer());
                 const picture = await window.KelvoWeb.decode(bytes);
                 times.push(picture.decodeMs);
                 regions = picture.report.regions.length;
             }
             return {times, regions};
         });
         await context.close();
         assert.equal(wasm.regions, 64);
         const best = (a) => Math.min(...a);
         const ratio = best(wasm.times) / best(native);
         console.log(
             `# decode 4000x3000, 64 regions: WebAssembly in Chromium ${
                 best(wasm.times).toFixed(0)} ms ` +
             `(PNG read + decode + report, runs ${
                 wasm.times.map((t) => t.toFixed(0)).join('/')}), ` +
             `native kelvo-tool decode ${best(native).toFixed(0)} ms (whole process, runs ` +
             `${native.map((t) => t.toFixed(0)).join('/')}); ratio ${ratio.toFixed(2)}`);
     });
