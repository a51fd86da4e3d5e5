// The viewer in headless Chromium against build/web served on 127.0.0.1, on a phone (390 x 844,
// touch, device pixel ratio 3) and a desktop (1280 x 800): the demo page and a page of every
// record kind, hover, touch, keyboard and menu, accessibility (axe-core), a strict
// Content-Security-Policy, the module from another origin, errors and hostile pictures.
// Fails when playwright-core, axe-core, chromium or build/web are missing.
import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {existsSync, mkdirSync, mkdtempSync, readFileSync, writeFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {tmpdir} from 'node:os';
import path from 'node:path';
import {after, before, test} from 'node:test';

import {writeCodedPictures, writePngVariants} from './codedpictures.mjs';
import {startServer} from './server.mjs';

const {KELVO_TOOL, KELVO_WEB_DIR, KELVO_SOURCE_DIR} = process.env;
const CHROMIUM = process.env.KELVO_CHROMIUM || '/usr/bin/chromium';
const PHONE = {
    viewport : {width : 390, height : 844},
    deviceScaleFactor : 3,
    hasTouch : true,
    isMobile : true
};
const DESKTOP = {
    viewport : {width : 1280, height : 800}
};
const HOUSE = 'A little house with a red roof, a green door would suit it better.\n';

const extra = new Map(); // path -> [type, body]
let server;
let other; // a second origin serving the same files
let browser;
let axeSource;

// All rows zero: a few bytes of file for any number of pixels.
const hostilePng = (width, height) => readFileSync(writePngVariants(
    KELVO_TOOL, width, height, '/dev/zero',
    path.join(mkdtempSync(path.join(tmpdir(), 'kelvo-web-black-')), 'black'), [ 'rgb8' ])[0]);

const html = (body, head = '<script src="kelvo-web.js" defer></script>') =>
    ['text/html',
     `<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Kelvo test</title>
<meta name="viewport" content="width=device-width, initial-scale=1"><link rel="stylesheet" href="demo.css">
${head}</head><body><main><h1>Kelvo test</h1>${body}</main></body></html>`];

before(async () => {
    assert.ok(KELVO_WEB_DIR && existsSync(path.join(KELVO_WEB_DIR, 'kelvo-web.js')),
              'build/web is missing: run scripts/build-web.sh');
    assert.ok(existsSync(CHROMIUM), `${CHROMIUM} is missing`);
    assert.ok(KELVO_TOOL && existsSync(KELVO_TOOL), 'kelvo-tool is missing');
    const {chromium} = await import('playwright-core'); // npm ci in web/tests
    axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
    const dir = mkdtempSync(path.join(tmpdir(), 'kelvo-web-test-'));
    const [kinds] =
        writeCodedPictures(KELVO_TOOL, dir, path.join(KELVO_SOURCE_DIR, 'data/samples'));
    extra.set('/kinds.png', [ 'image/png', readFileSync(kinds) ]);
    extra.set('/kinds.html', html(`
<p><img id="kinds" src="kinds.png" data-kelvo alt="Every kind of annotation" width="400" height="300"></p>
<p><img id="village" src="samples/village.png" data-kelvo alt="A village" class="wide"
  data-href="#top"></p>
<p><embed id="src-given" type="application/kelvo" src="x.png" kelvo="x.png" width="200" height="60"></p>`));
    server = await startServer(KELVO_WEB_DIR, extra);
    other = await startServer(KELVO_WEB_DIR, extra);
    const args = [ '--no-sandbox', '--disable-gpu', '--disable-background-networking' ];
    browser =
        await chromium.launch({executablePath : CHROMIUM, args : [...args, '--no-first-run' ]});
});

after(async () => {
    await browser?.close();
    server?.close();
    other?.close();
});

// page.waitForFunction evaluates strings, which a strict policy forbids: poll instead.
async function until(page, predicate, arg, timeout = 30000) {
    for (const end = Date.now() + timeout; !(await page.evaluate(predicate, arg));) {
        assert.ok(Date.now() < end, `timed out waiting for ${predicate}`);
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
}

// Opens a page and waits until its pictures near the viewport are decoded. Collects page errors,
// console warnings and CSP violations; close() checks that the page threw no error.
async function openPage(url, options = DESKTOP) {
    const context = await browser.newContext(options);
    const page = await context.newPage();
    const seen = {errors : [], warnings : [], requests : []};
    page.on('pageerror', (e) => seen.errors.push(e));
    page.on('request', (r) => seen.requests.push(r.url()));
    page.on('console', (m) => m.type() === 'warning' && seen.warnings.push(m.text()));
    await page.addInitScript(() => {
        document.addEventListener('securitypolicyviolation', (e) => {
            console.error(`csp: ${e.violatedDirective} ${e.blockedURI}`);
            (window.violations ??= []).push(e.violatedDirective);
        });
        window.workers = 0;
        window.Worker = class extends Worker {
            constructor(...args) {
                super(...args);
                window.workers++;
            }
        };
    });
    await page.goto((/^[a-z]+:/.test(url) ? '' : server.base) + url);
    await until(page, () => [...document.querySelectorAll('img[data-kelvo], .kelvo-embed, embed')]
                                .filter((e) => e.getBoundingClientRect().top < innerHeight)
                                .every((e) => ['shown', 'error', 'message'].includes(
                                           e.dataset.kelvoState)));
    const close = async () => {
        assert.deepEqual(seen.errors, []);
        await context.close();
    };
    return {page, seen, close};
}

const state = (page, selector) => page.$eval(selector, (e) => e.dataset.kelvoState ?? null);

const viewerImg = (selector) => `${selector} img, img${selector}`;

// Where a viewer shows each region (viewport coordinates), once it is scrolled into view.
const regionPoints = async (page, selector) => {
    await page.$eval(viewerImg(selector), (img) => img.scrollIntoView({block : 'nearest'}));
    await until(page, (s) => document.querySelector(s).dataset.kelvoState === 'shown',
                viewerImg(selector));
    return page.$eval(viewerImg(selector), (img) => {
        const v = img.kelvoViewer;
        const box = v.layer.getBoundingClientRect();
        const point = (x, y) => ({x : box.left + (x + 0.5) * v.sx, y : box.top + (y + 0.5) * v.sy});
        return v.order.map((r) => ({key : r.key, ...point(r.anchor.x, r.anchor.y)}));
    });
};

const regionPoint = async (page, selector, key) =>
    (await regionPoints(page, selector)).find((p) => p.key === key);

const balloon = (page, selector) => page.$eval(viewerImg(selector), (img) => {
    const b = img.kelvoViewer.balloon.box;
    return b.matches(':popover-open') ? b.innerText.trim() : null;
});

async function axeViolations(page) {
    await page.addScriptTag({content : axeSource});
    const result = await page.evaluate(
        () => window.axe.run(
            document, {runOnly : [ 'wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa' ]}));
    return result.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`);
}

// The pictures shown whose layer does not cover the laid-out content box or whose overlay
// lacks device pixels (the picture itself must stay in the page).
const unfitLayers = (page) => page.$$eval(
    'img[data-kelvo][data-kelvo-state=shown]',
    (l) => l.filter((img) => {
                const a = img.getBoundingClientRect();
                const layer = img.nextElementSibling;
                const b = layer.getBoundingClientRect();
                return !layer.classList.contains('kelvo-layer') || Math.abs(a.left - b.left) >= 1 ||
                       Math.abs(a.top - b.top) >= 1 || Math.abs(a.width - b.width) >= 1 ||
                       Math.abs(a.height - b.height) >= 1 ||
                       Math.abs(layer.querySelector('canvas').width - b.width * devicePixelRatio) >
                           1;
            }).map((img) => img.closest('[id]').id));

// In French, whose texts are the longest: message and error boxes hold their whole text.
for (const [name, options] of [[ 'phone', PHONE ], [ 'desktop', DESKTOP ]]) {
    test(`the demo page and a page of every record kind on a ${name}`, async () => {
        for (const url of ['/index.html', '/kinds.html']) {
            const {page, seen, close} = await openPage(url, {...options, locale : 'fr-FR'});
            assert.deepEqual(await unfitLayers(page), [], `${url}: layers over their pictures`);
            assert.deepEqual(
                await page.$$eval('.kelvo-status',
                                  (l) => l.filter((s) => s.scrollHeight > s.clientHeight ||
                                                         s.scrollWidth > s.clientWidth)
                                             .map((s) => s.parentNode.id)),
                [], `${url}: texts fit their boxes`);
            assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth),
                      `${url}: no horizontal scrolling`);
            assert.deepEqual(await axeViolations(page), [], `${url}: axe-core`);
            const shot = `screenshot-${name}${url.replace(/\W+/g, '-')}.png`;
            await page.screenshot({path : path.join(KELVO_WEB_DIR, shot), fullPage : true});
            await close();
        }
    });
}

test('the demo page: embeds, balloons, speech bubbles, the dictionary menu', async () => {
    const {page, seen, close} = await openPage('/index.html');
    assert.equal(await state(page, '#generated-village .kelvo-embed'), 'shown');
    assert.equal(await state(page, '#img-comic'), 'shown');
    assert.equal(await state(page, '#not-a-picture'), 'error');
    assert.equal(await state(page, '#missing'), 'error');
    assert.match(await page.textContent('#not-a-picture'), /An Error occured/);
    assert.equal(await page.textContent('#src-given .kelvo-row'),
                 " The parameter 'src' is not allowed! ");
    assert.equal(seen.warnings.length, 2, 'one warning for each failed picture');
    assert.equal(await page.evaluate(() => window.workers), 1, 'one worker for all pictures');
    // Hovering shows the balloon texts, the text before the dictionary terms.
    const expected = [
        'The sun: the star at the centre of our solar system, 150 million km away.',
        `${HOUSE}\u2022 Haus\n\u2022 house`
    ];
    for (const selector of ['#generated-village', '#img-village-scaled']) {
        const shown = [];
        for (const p of await regionPoints(page, selector)) {
            await page.mouse.move(1, 1);
            await page.mouse.move(p.x, p.y);
            shown.push(await balloon(page, selector));
        }
        for (const text of expected)
            assert.ok(shown.includes(text), `${selector}: "${text}" shown`);
        await page.mouse.move(1, 1);
        assert.equal(await balloon(page, selector), null, 'leaving hides the balloon');
    }
    // The balloon stays while the pointer moves onto it; a click where its pin sits keeps it
    // open until it is clicked again.
    const selector = '#generated-village';
    const sun = await regionPoint(page, selector, 0);
    await page.mouse.move(sun.x, sun.y);
    const b =
        await page.$eval(`${selector} .kelvo-balloon`, (e) => e.getBoundingClientRect().toJSON());
    await page.mouse.move(b.left + b.width / 2, b.top + b.height / 2, {steps : 4});
    assert.equal(await balloon(page, selector), expected[0], 'the pointer on the balloon');
    await page.mouse.move(sun.x, sun.y);
    await page.mouse.click(sun.x, sun.y);
    await page.mouse.move(1, 1);
    assert.equal(await balloon(page, selector), expected[0], 'the pinned balloon stays');
    await page.mouse.move(sun.x, sun.y);
    await page.mouse.click(sun.x, sun.y);
    await page.mouse.move(1, 1);
    assert.equal(await balloon(page, selector), null);
    // A speech bubble is drawn where its shape lies, only while its region is shown.
    const notes = JSON.parse(readFileSync(path.join(KELVO_SOURCE_DIR, 'data/samples/comic.json')));
    const painted = () => page.$eval('#generated-comic canvas', (c, s) => {
        const [l, t, r, b] = s.rect;
        const data = c.getContext('2d').getImageData(s.x + l, s.y + t, r - l + 1, b - t + 1).data;
        let opaque = 0;
        for (let i = 3; i < data.length; i += 4)
            opaque += data[i] > 0 ? 1 : 0;
        return opaque / (data.length / 4);
    }, notes.regions[0].shapedTexts[0]);
    assert.equal(await painted(), 0);
    const bubble = await regionPoint(page, '#generated-comic', 0);
    await page.mouse.move(bubble.x, bubble.y);
    assert.ok(await painted() > 0.5, 'most of the bubble\'s box is painted');
    // The dictionary menu changes the translation shown.
    const house = await regionPoint(page, selector, 1);
    const hover = async () => {
        await page.mouse.move(1, 1);
        await page.mouse.move(house.x, house.y);
        return balloon(page, selector);
    };
    const menu = page.locator('body > .kelvo-menu');
    const choose = async (...labels) => {
        await page.mouse.click(house.x, house.y, {button : 'right'});
        for (const label of labels)
            await menu.getByText(label, {exact : true}).last().click();
    };
    await choose('Image Dictionary', 'Translate to ...', 'French');
    assert.equal(await hover(), `${HOUSE}\u2022 Haus\n\u2022 maison`);
    await choose('Image Dictionary', 'Show coded word');
    assert.equal(await hover(), `${HOUSE}\u2022 Haus\n\u2022 maison\n\n(house)`);
    // The outline dots come from the worker when first asked for.
    await page.mouse.move(1, 1);
    await choose('Show Image Outlines');
    await until(page, (s) => {
        const canvas = document.querySelector(`${s} .kelvo-layer canvas`);
        const {data} = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        return data.some((v, i) => i % 4 === 3 && v === 255);
    }, selector);
    await close();
});

test('one Tab stop per picture, arrow keys between regions, Escape from anywhere', async () => {
    const {page, close} = await openPage('/index.html');
    const stops = [];
    for (let i = 0; i < 5; i++) {
        await page.keyboard.press('Tab');
        stops.push(await page.evaluate(() => {
            const img = document.activeElement.closest('.kelvo-layer')?.previousElementSibling;
            return img?.id || img?.closest('[id]')?.id || null;
        }));
    }
    assert.deepEqual(
        stops, [ 'generated-village', 'generated-comic', 'img-comic', 'img-village-scaled', null ]);
    const selector = '#generated-village';
    const keys = (await regionPoints(page, selector)).map((p) => p.key);
    await page.focus(`${selector} .kelvo-surface`);
    const reached = [];
    for (let i = 0; i < keys.length; i++) {
        await page.keyboard.press('ArrowRight');
        reached.push(Number(await page.$eval(`${selector} img`, (v) => v.dataset.kelvoRegion)));
    }
    assert.deepEqual(reached.sort(), [...keys ].sort());
    assert.notEqual(await page.$eval(`${selector} .kelvo-live`, (l) => l.textContent), '');
    await page.keyboard.press('Space');
    await page.focus('#img-comic + .kelvo-layer .kelvo-surface');
    await page.keyboard.press('Escape');
    assert.equal(await balloon(page, selector), null, 'Escape hides a pinned balloon too');
    // The menu: Shift+F10, arrows into and out of a submenu.
    await page.focus(`${selector} .kelvo-surface`);
    await page.keyboard.press('Shift+F10');
    const focused = () => page.evaluate(() => document.activeElement.textContent);
    assert.equal(await focused(), 'Image Properties');
    await page.keyboard.press('End');
    await page.keyboard.press('ArrowUp');
    assert.equal(await focused(), 'Image Dictionary');
    await page.keyboard.press('ArrowRight');
    assert.equal(await focused(), 'Translate from ...');
    assert.deepEqual(await axeViolations(page), [], 'axe-core with a submenu open');
    await page.keyboard.press('ArrowLeft');
    assert.equal(await page.evaluate(() => document.activeElement.getAttribute('aria-expanded')),
                 'false');
    await page.keyboard.press('Escape');
    assert.equal(await page.$('.kelvo-menu'), null);
    // Enter follows the picture's link.
    await page.keyboard.press('Enter');
    await until(page, () => location.hash === '#linked');
    await close();
});

test(
    'a tap shows without pinning, a tap elsewhere hides, a tap beside the regions follows the link',
    async () => {
        const {page, close} = await openPage('/kinds.html', PHONE);
        const selector = '#village';
        const points = await regionPoints(page, selector);
        for (const p of points) { // balloons wrap and stay inside the viewport
            await page.touchscreen.tap(p.x, p.y);
            const box = await page.$eval('#village + .kelvo-layer .kelvo-balloon',
                                         (b) => b.matches(':popover-open') &&
                                                b.getBoundingClientRect().toJSON());
            if (box)
                assert.ok(box.left >= 0 && box.right <= 390 && box.top >= 0 && box.bottom <= 844,
                          `region ${p.key}`);
        }
        const [p] = points;
        await page.touchscreen.tap(5, 5);
        await page.touchscreen.tap(p.x, p.y);
        assert.equal(await page.$eval(selector, (v) => v.dataset.kelvoRegion), String(p.key));
        assert.equal(await page.$eval('#village + .kelvo-layer .kelvo-pin',
                                      (b) => b.getAttribute('aria-pressed')),
                     'false');
        assert.ok(await page.evaluate(
                      ([ x, y ]) => !document.elementFromPoint(x, y).closest('.kelvo-balloon'),
                      [ p.x, p.y ]),
                  'nothing of the balloon under the finger');
        await page.touchscreen.tap(5, 5);
        assert.equal(await balloon(page, selector), null);
        // The menu button opens the language choice.
        const button = await page.$eval('#village + .kelvo-layer .kelvo-menu-button',
                                        (b) => b.getBoundingClientRect().toJSON());
        await page.touchscreen.tap(button.x + button.width / 2, button.y + button.height / 2);
        await page.getByText('Image Dictionary', {exact : true}).tap();
        await page.getByText('Translate to ...', {exact : true}).tap();
        assert.ok(await page.getByText('Dutch', {exact : true}).last().isVisible());
        assert.ok(await page.$$eval('.kelvo-menu', (l) => l.every((m) => {
            const r = m.getBoundingClientRect();
            return !m.checkVisibility() || (r.left >= 0 && r.right <= innerWidth);
        })),
                  'the opened menus stay inside the viewport');
        await page.touchscreen.tap(5, 5);
        const free = await page.$eval(selector, (img) => { // a point of no region
            const v = img.kelvoViewer;
            const {rows, runs} = v.picture.keyRuns;
            const at = runs.findIndex((run) => (run & 0xff) === 255);
            const box = v.layer.getBoundingClientRect();
            return [
                box.left + ((runs[at] >>> 8) + 0.5) * v.sx,
                box.top + (rows.findLastIndex((first) => first <= at) + 0.5) * v.sy
            ];
        });
        await page.touchscreen.tap(...free);
        await until(page, () => location.hash === '#top');
        await close();
    });

// The texts follow the browser's language.
const ITEMS =
    [ 'imageProperties', 'openLink', 'saveImage', 'showOutlines', 'imageDictionary', 'aboutItem' ];
for (const [locale, english] of [[ 'en-US', true ], [ 'fr-FR', false ]]) {
    test(`a page made from the HTML generator's text works, in ${locale}`, async () => {
        extra.set('/generated.html', [
            'text/html', `<!DOCTYPE html><html><body>
<script src="KelvoPluginTest.js" type="text/javascript">\n</script>
<script type="text/javascript">\n<!--
  document.writeln( kelvo( "samples/village.png", 320, 240, "index.html" ) );
//-->\n</script>\n</body></html>`
        ]);
        const texts = JSON.parse(readFileSync(
            path.join(KELVO_WEB_DIR, `kelvo-texts-${locale.slice(0, 2)}.json`), 'utf8'));
        const {page, seen, close} = await openPage('/generated.html', {...DESKTOP, locale});
        await page.mouse.click(100, 100, {button : 'right'});
        await page.waitForSelector('body > .kelvo-menu');
        const items =
            await page.$$eval('body > .kelvo-menu > *',
                              (l) => l.map((c) => c.closest('[role^=menuitem]') ??
                                                  c.querySelector(':scope > [role^=menuitem]'))
                                         .filter(Boolean)
                                         .map((c) => c.textContent));
        assert.deepEqual(items, ITEMS.map((name) => texts[name]));
        assert.equal(items[0] === 'Image Properties', english);
        await page.getByText(texts.imageProperties, {exact : true}).click();
        const dialog = await page.textContent('dialog');
        assert.ok(dialog.includes(texts.propertiesFor.replace('%1', 'village.png')), dialog);
        assert.ok(dialog.includes(texts.pixels.replace('%1', '320').replace('%2', '320')), dialog);
        assert.deepEqual(seen.warnings, []);
        await close();
    });
}

test('a strict Content-Security-Policy, the module from another origin, resizing, a new src',
     async () => {
         const csp = await openPage('/csp/kinds.html');
         const [p] = await regionPoints(csp.page, '#kinds');
         await csp.page.mouse.move(p.x, p.y);
         assert.notEqual(await balloon(csp.page, '#kinds'), null);
         assert.deepEqual(await csp.page.evaluate(() => window.violations ?? []), []);
         await csp.close();

         extra.set('/main.mjs', [
             'text/javascript', `import {attach} from '${other.base}/kelvo-web.mjs'; attach();`
         ]);
         extra.set('/module.html',
                   html(`<img id="m" src="samples/village.png" data-kelvo alt="A village">
<div id="spacer" style="height:3000px"></div><img id="below" src="samples/comic.png" data-kelvo alt="A comic">`,
                        '<script type="module" src="main.mjs"></script>'));
         const {page, close} = await openPage('/module.html');
         assert.equal(await state(page, '#m'), 'shown');
         assert.equal(await state(page, '#below'), null, 'not decoded yet');
         await page.setViewportSize({width : 200, height : 800});
         await until(
             page,
             () => Math.abs(
                       document.querySelector('#m + .kelvo-layer').getBoundingClientRect().width -
                       document.querySelector('#m').getBoundingClientRect().width) < 1);
         await page.$eval('#m', (img) => (img.src = 'samples/comic.png'));
         await until(
             page,
             () => document.querySelector('#m').dataset.kelvoRegions ===
                       String(document.querySelector('#m').kelvoViewer.picture.regions.length) &&
                   document.querySelector('#m').kelvoViewer.url.endsWith('comic.png'));
         await page.$eval('#m', (img) => img.kelvoViewer.destroy());
         assert.deepEqual(
             await page.$eval('#m',
                              (img) => [img.nextElementSibling.id, img.dataset.kelvoState ?? null]),
             [ 'spacer', null ], 'destroy leaves the plain picture');
         await page.$eval('#below', (e) => e.scrollIntoView());
         await until(page, () => document.querySelector('#below').dataset.kelvoState === 'shown');
         await close();
     });

test('broken pictures stay as the browser shows them, with the reason', async () => {
    extra.set('/empty.png', [ 'image/png', Buffer.alloc(0) ]);
    extra.set('/truncated.png', [
        'image/png', readFileSync(path.join(KELVO_WEB_DIR, 'samples/village.png')).subarray(0, 5000)
    ]);
    extra.set('/picture.svg', [
        'image/svg+xml',
        '<svg xmlns="http://www.w3.org/2000/svg" width="40" height="40"><rect width="40" height="40" fill="red"/></svg>'
    ]);
    extra.set('/bomb.png', [ 'image/png', hostilePng(4000, 4000) ]);
    extra.set('/huge.png', [ 'image/png', hostilePng(1, 1).fill(0xff, 16, 24) ]);
    const pictures =
        [ 'empty.png', 'truncated.png', 'picture.svg', 'missing.png', 'bomb.png', 'huge.png' ];
    extra.set(
        '/broken.html',
        html(pictures.map((f, i) => `<img src="${f}" alt="${f}" width="40" height="40" data-kelvo>`)
                 .join('')));
    const {page, seen, close} = await openPage('/broken.html');
    const done = 'img:is([data-kelvo-state=error], [data-kelvo-state=shown])';
    await until(page, ([ s, n ]) => document.querySelectorAll(s).length === n,
                [ done, pictures.length ], 60000);
    const states = await page.$$eval(
        'img', (l) => l.map((i) => [i.alt, i.dataset.kelvoState, !!i.dataset.error]));
    assert.deepEqual(states.filter(([, s ]) => s === 'shown').map(([ f ]) => f),
                     [ 'picture.svg', 'bomb.png' ]);
    assert.equal(await page.$$eval('.kelvo-status', (l) => l.length), 0,
                 'no error box for pictures');
    assert.equal(seen.warnings.length, pictures.length - 2);
    assert.ok(!seen.requests.some((u) => u.endsWith('kelvo-dictionary.json')),
              'no dictionary without entries');
    await close();
    // From a file the module cannot load: the pictures stay plain and say why.
    const file = await openPage(`file://${path.resolve(KELVO_WEB_DIR, 'index.html')}`);
    await until(file.page, () => document.getElementById('img-comic').dataset.error);
    assert.match(file.seen.warnings.join('\n'), /served over http/);
    await file.close();
});

// The HTML generator's web viewer text (kelvo-tool html --web) for names and links that would
// run window.kelvoHacked = 1 or break the page if they went in unescaped: each picture keeps its
// element with every value as typed, the viewer attaches to it and nothing injected runs.
test('the generator\'s <img data-kelvo> text keeps hostile names and links as typed', async () => {
    const cases = [
        [ 'my "best" pic &amp; more.png', 'https://example.org/a?b=1&c="x"' ],
        [ 'x" onerror="window.kelvoHacked = 1" y=".png', '" onfocus="window.kelvoHacked = 1' ],
        [
            'a><script>window.kelvoHacked = 1</script>.png',
            '</noscript><script>window.kelvoHacked = 1</script>'
        ],
        [ 'two\nlines <!--.png', "'><img src=x onerror=window.kelvoHacked=1>" ],
        [ 'C:\\pics\\sea.png', '#top' ],
    ];
    const dir = mkdtempSync(path.join(tmpdir(), 'kelvo-web-html-'));
    const village = readFileSync(path.join(KELVO_WEB_DIR, 'samples/village.png'));
    const texts = cases.map(([ file, link ]) => {
        mkdirSync(path.dirname(path.join(dir, file)), {recursive : true});
        writeFileSync(path.join(dir, file), village);
        extra.set(decodeURIComponent(new URL(file, `${server.base}/`).pathname),
                  [ 'image/png', village ]);
        return execFileSync(KELVO_TOOL, [ 'html', '--web', file, '--link', link ], {cwd : dir});
    });
    extra.set('/generated-web.html', html(texts.join('<br>'), ''));
    const {page, close} = await openPage('/generated-web.html');
    const found = await page.$$eval(
        'img', (l) => l.map((i) => [i.getAttribute('src'), i.dataset.href, !!i.kelvoViewer]));
    assert.deepEqual(found, cases.map(([ file, link ]) => [file, link, true]));
    assert.equal(await state(page, 'img'), 'shown');
    assert.equal(await page.evaluate(() => document.scripts.length), cases.length);
    assert.equal(await page.evaluate(() => window.kelvoHacked), undefined);
    await close();
});
