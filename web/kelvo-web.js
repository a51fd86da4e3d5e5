// Kelvo viewer for web pages: turns <embed type="application/kelvo" kelvo="PICTURE.png"
// [width height href target]> and <img src="PICTURE.png" data-kelvo> into viewers that show each
// region's annotation while the pointer is over it, as the npKelvo plug-in does. The hidden data
// are read by the codec compiled to WebAssembly, in a Web Worker (kelvo-worker.mjs). Regions can
// also be reached with the keyboard (Tab or the arrow keys, Escape hides) and by tapping; shown
// texts are announced through an ARIA live region.
(() => {
    'use strict';

    const BASE = new URL('.', document.currentScript ? document.currentScript.src : location.href);
    const DECODE_TIMEOUT_MS = 30000;
    const PRIMARY_SOURCE = 3;
    const PRIMARY_TARGET = 0;
    const TEXT = {
        srcNotAllowed : " The parameter 'src' is not allowed! ",
        noUrl : " No image url specified in parameter 'kelvo'! ",
        noParameter : " No parameter 'kelvo' specified! ",
        tryLoading : ' Kelvo plugin >> try loading: ',
        receiving : ' Kelvo plugin >> receiving:  ',
        loadError : ' Kelvo plugin >> an error occured, while loading the image! ' +
                        'Propably the image link is broken.',
        errorPaint : 'An Error occured',
        preparing : 'Preparing Image',
        about : 'Kelvo Version 0.7\nShows the annotations hidden in pictures on web pages.',
    };

    // ---- dictionary -------------------------------------------------------------------------

    let dictionaryPromise = null;
    function loadDictionary() {
        if (!dictionaryPromise) {
            dictionaryPromise = fetch(new URL('kelvo-dictionary.json', BASE))
                                    .then((r) => (r.ok ? r.json() : null))
                                    .catch(() => null)
                                    .then((d) => d || {languages : [], dictionaries : []});
        }
        return dictionaryPromise;
    }

    // "[<_ID n>]<coded word>term", read as the native viewers read it.
    function parseReference(reference) {
        let id = -1;
        if (reference.includes('<_ID')) {
            const close = reference.indexOf('>');
            if (close !== -1) {
                id = parseInt(close > 5 ? reference.slice(5, close) : '', 10);
                if (!Number.isFinite(id))
                    id = 0;
            }
        }
        const term = reference.slice(reference.lastIndexOf('>') + 1);
        const afterOpen = reference.slice(reference.lastIndexOf('<') + 1);
        const close = afterOpen.indexOf('>');
        return {id, term, codedWord : close === -1 ? afterOpen : afterOpen.slice(0, close)};
    }

    function lookupReference(dictionary, reference) {
        const parsed = parseReference(reference);
        for (const file of dictionary.dictionaries) {
            const byId = parsed.id !== -1;
            const item = byId ? file.byId[parsed.id] : file.byWord[parsed.codedWord];
            if (item && parsed.codedWord) {
                return {term : parsed.term, item : {...item, codedWord : parsed.codedWord}};
            }
        }
        return null;
    }

    function dictionaryText(entry, settings) {
        const translations = entry.item.translations;
        if (Object.keys(translations).length === 0)
            return 'error'; // an item without any language, as the native balloon says
        const from = translations[settings.source]?.primary || '';
        const to = translations[settings.target]?.primary || '';
        let showCoded = settings.showCodedWord;
        let text;
        if (from && to) {
            text = `\u2022 ${from}\n\u2022 ${to}`;
        } else {
            text = `[${entry.term}]`;
            showCoded = false;
        }
        const secondaries = translations[settings.target]?.secondaries || [];
        if (settings.showAmbiguities && secondaries.length) {
            text += ` {${secondaries.join(', ')}}`;
        }
        if (showCoded && entry.term)
            text += `\n\n(${entry.term})`;
        return text;
    }

    // ---- decoding ---------------------------------------------------------------------------

    // Decodes in a worker of its own, so that a hostile picture can be stopped.
    function decodeInWorker(bytes) {
        return new Promise((resolve, reject) => {
            let worker;
            try {
                worker = new Worker(new URL('kelvo-worker.mjs', BASE), {type : 'module'});
            } catch (e) {
                reject(e);
                return;
            }
            const timer = setTimeout(() => {
                worker.terminate();
                reject(new Error('decoding took too long'));
            }, DECODE_TIMEOUT_MS);
            const finish = (fn, value) => {
                clearTimeout(timer);
                worker.terminate();
                fn(value);
            };
            worker.onmessage = ({data}) =>
                data.error ? finish(reject, new Error(data.error)) : finish(resolve, data.picture);
            worker.onerror = (e) => {
                e.preventDefault();
                finish(reject, new Error(e.message || 'worker failed'));
            };
            worker.postMessage({bytes}, [ bytes.buffer ]);
        });
    }

    function hexBytes(hex) {
        const out = new Uint8Array(hex.length >> 1);
        for (let i = 0; i < out.length; i++)
            out[i] = parseInt(hex.substr(2 * i, 2), 16);
        return out;
    }

    // The regions of a decoded picture: what each shows, its box, a point to show it at, and
    // its image snippet as a canvas.
    function buildRegions(picture, dictionary) {
        const regions = new Map();
        const stats = {areas : 0, texts : 0, formatted : 0, translatable : 0, images : 0};
        if (!picture.report)
            return {regions, stats};
        for (const region of picture.report.regions) {
            stats.areas++;
            const r = {
                key : region.key,
                balloon : null,
                shapes : [],
                image : null,
                colours : region.colours,
                box : null,
                anchor : null
            };
            for (const record of region.records) {
                if (record.type === 0) {
                    stats.texts++;
                    r.balloon = {text : record.text};
                } else if (record.type === 2) {
                    stats.images++;
                    r.image = hexBytes(record.payload);
                } else if (record.type === 1) {
                    for (const shape of record.shapes) {
                        stats.formatted++;
                        if (shape.kind >= 1)
                            r.shapes.push(shape);
                    }
                } else if (record.type === 6) {
                    const entry = lookupReference(dictionary, record.text);
                    if (entry) {
                        stats.translatable++;
                        r.balloon = {dictionary : entry};
                    }
                }
            }
            const start = region.startPoints[0];
            r.anchor = start ? {x : start.x, y : start.y} : null;
            regions.set(region.key, r);
        }
        scanIdImage(picture, regions);
        return {regions, stats};
    }

    // Fill pixels (palette entries with red 255) belong to the region named by blue.
    function scanIdImage(picture, regions) {
        if (!picture.ids)
            return;
        const {width, height, ids, palette} = picture;
        const keyOf = new Int16Array(256).fill(-1);
        for (let i = 0; i < palette.length && i < 256; i++) {
            const entry = palette[i];
            const key = entry & 0xff;
            if (((entry >>> 16) & 0xff) === 255 && regions.has(key))
                keyOf[i] = key;
        }
        const boxes = new Map();
        for (let y = 0, p = 0; y < height; y++) {
            for (let x = 0; x < width; x++, p++) {
                const key = keyOf[ids[p]];
                if (key < 0)
                    continue;
                let b = boxes.get(key);
                if (!b)
                    boxes.set(key, (b = {minX : x, minY : y, maxX : x, maxY : y, first : {x, y}}));
                if (x < b.minX)
                    b.minX = x;
                if (x > b.maxX)
                    b.maxX = x;
                b.maxY = y;
            }
        }
        let budget = width * height * 4;
        for (const [key, b] of boxes) {
            const r = regions.get(key);
            r.box = b;
            r.anchor = {
                x : Math.round((b.minX + b.maxX) / 2),
                y : Math.round((b.minY + b.maxY) / 2)
            };
            if (keyOf[ids[r.anchor.y * width + r.anchor.x]] !== key)
                r.anchor = b.first;
            const w = b.maxX - b.minX + 1;
            const h = b.maxY - b.minY + 1;
            if (!r.image || w * h > budget) {
                r.image = null;
                continue;
            }
            budget -= w * h;
            const data = new ImageData(w, h);
            let next = 0;
            for (let y = b.minY; y <= b.maxY; y++) {
                for (let x = b.minX; x <= b.maxX && next < r.image.length; x++) {
                    if (keyOf[ids[y * width + x]] !== key)
                        continue;
                    const index = r.image[next++];
                    if (index >= r.colours.length)
                        continue;
                    const c = r.colours[index];
                    const o = 4 * ((y - b.minY) * w + (x - b.minX));
                    data.data[o] = (c >>> 16) & 0xff;
                    data.data[o + 1] = (c >>> 8) & 0xff;
                    data.data[o + 2] = c & 0xff;
                    data.data[o + 3] = 255;
                }
            }
            r.image = canvasOf(data);
        }
    }

    function canvasOf(imageData) {
        const canvas = document.createElement('canvas');
        canvas.width = imageData.width;
        canvas.height = imageData.height;
        canvas.getContext('2d').putImageData(imageData, 0, 0);
        return canvas;
    }

    // ---- drawing shaped texts ---------------------------------------------------------------

    const SPEECH_MAX_ARC_POINTS = 2048;

    function normalizedAngle(a) {
        const n = a % 360;
        return n < 0 ? n + 360 : n;
    }

    function speechOutline(l, t, r, b, angle1, angle2, peak) {
        const rx = (r - l) / 2;
        const ry = (b - t) / 2;
        const cx = l + rx;
        const cy = t + ry;
        const start = normalizedAngle(angle1);
        const end = normalizedAngle(angle2);
        const span = end > start ? end - start : end + 360 - start;
        const startRad = (start * Math.PI) / 180;
        const spanRad = (span * Math.PI) / 180;
        const steps = Math.min(SPEECH_MAX_ARC_POINTS,
                               Math.max(2, Math.trunc((spanRad * Math.max(rx, ry)) / 2)));
        const points = [];
        for (let i = 0; i <= steps; i++) {
            const a = startRad + (spanRad * i) / steps;
            // Not rounded to whole pixels as the native outline is: a smooth path draws cleaner.
            points.push([ cx + rx * Math.cos(a), cy - ry * Math.sin(a) ]);
        }
        points.push(peak);
        return points;
    }

    // The stored weight codes as the native viewers map them; sizes in pixels (negative) keep
    // the default size there, as here.
    const FONT_WEIGHTS = {25 : 300, 63 : 600, 75 : 700, 87 : 900};

    function cssFont(font) {
        const weight = FONT_WEIGHTS[font.weight] || 400;
        const size = font.pointSize > 0 ? `${font.pointSize}pt` : '13px';
        return `${font.italic ? 'italic ' : ''}${weight} ${size} "${font.family}", sans-serif`;
    }

    function wrapLines(ctx, text, width) {
        const lines = [];
        for (const paragraph of text.split('\n')) {
            let line = '';
            for (const word of paragraph.split(' ')) {
                const candidate = line ? `${line} ${word}` : word;
                if (line && ctx.measureText(candidate).width > width) {
                    lines.push(line);
                    line = word;
                } else {
                    line = candidate;
                }
            }
            lines.push(line);
        }
        return lines;
    }

    // Draws one shape in its own coordinates (the widget's top left at 0, 0).
    function drawShape(ctx, s) {
        const [l, t, r, b] = s.rect;
        const w = s.outlineWidth;
        ctx.save();
        ctx.lineJoin = 'miter';
        ctx.strokeStyle = s.outlineColour;
        ctx.fillStyle = s.backgroundColour;
        ctx.lineWidth = 2 * w - (w % 2);
        const path = new Path2D();
        const ellipse = (x0, y0, x1, y1) => {
            path.moveTo(x1, (y0 + y1) / 2);
            path.ellipse((x0 + x1) / 2, (y0 + y1) / 2, Math.max(0, (x1 - x0) / 2),
                         Math.max(0, (y1 - y0) / 2), 0, 0, 2 * Math.PI);
        };
        if (s.kind === 1) {
            path.rect(l + 0.5, t + 0.5, r - l, b - t);
            ctx.lineWidth = w;
        } else if (s.kind === 2) {
            ellipse(l + 0.5, t + 0.5, r - 0.5, b - 0.5);
        } else if (s.kind === 3) {
            const points = speechOutline(l, t, r, b, s.angles[0], s.angles[1], s.peak);
            points.forEach(([ x, y ], i) =>
                               (i ? path.lineTo(x + 0.5, y + 0.5) : path.moveTo(x + 0.5, y + 0.5)));
            path.closePath();
        } else if (s.kind === 4) {
            ellipse(l + 0.5, t + 0.5, r - 0.5, b - 0.5);
            for (const [x, y, cw, ch] of s.circles)
                ellipse(x + 0.5, y + 0.5, x + cw - 1.5, y + ch - 1.5);
        }
        if (s.filled)
            ctx.fill(path, 'nonzero');
        // Ellipses and bubbles are cut to their shape, so only the inner half of their wide pen
        // shows, as in the native viewers.
        if (s.kind !== 1)
            ctx.clip(path);
        if (w > 0)
            ctx.stroke(path);
        ctx.font = cssFont(s.font);
        ctx.fillStyle = s.textColour;
        ctx.textBaseline = 'top';
        const boxWidth = Math.max(1, r - l + 1);
        const lines = wrapLines(ctx, s.text, boxWidth);
        const widest = Math.max(...lines.map((line) => ctx.measureText(line).width));
        const lineHeight = ctx.measureText('Mg').fontBoundingBoxAscent +
                           ctx.measureText('Mg').fontBoundingBoxDescent;
        lines.forEach((line, i) => {
            const lw = ctx.measureText(line).width;
            const dx = s.alignment === 2 ? (widest - lw) / 2 : s.alignment === 3 ? widest - lw : 0;
            ctx.fillText(line, s.labelX + dx, s.labelY + i * lineHeight);
        });
        ctx.restore();
    }

    // ---- the viewer ---------------------------------------------------------------------------

    const STYLE = `
.kelvo-viewer{position:relative;display:inline-block;overflow:visible;vertical-align:bottom;
  font:13px sans-serif;color:#000;background:#fff;outline-offset:2px;touch-action:manipulation}
.kelvo-viewer:focus-visible{outline:2px solid #2a62c9}
.kelvo-viewer canvas{position:absolute;left:0;top:0}
.kelvo-viewer .kelvo-overlay{pointer-events:none}
.kelvo-viewer[data-link] .kelvo-picture{cursor:pointer}
.kelvo-status{position:absolute;inset:0;display:flex;flex-direction:column;justify-content:flex-end;
  background:#f4f4f4;border:1px solid #ccc;box-sizing:border-box;padding:2px;gap:2px;overflow:hidden}
.kelvo-status .kelvo-row{display:flex;gap:4px;align-items:center;white-space:pre;min-height:1.3em}
.kelvo-viewer[data-state=error] .kelvo-row{white-space:normal;font-size:11px}
.kelvo-status progress{flex:1;min-width:40px}
.kelvo-status .kelvo-centre{flex:1;display:flex;align-items:center;justify-content:center;
  text-align:center;padding:0 12.5%;white-space:normal;font-weight:bold}
.kelvo-status[hidden]{display:none}
.kelvo-viewer[data-state=error] .kelvo-status{background:#fff0f0;border-color:#d88}
.kelvo-viewer[data-state=error][data-link] .kelvo-status{cursor:pointer}
.kelvo-balloon{position:absolute;z-index:10;display:none;width:max-content;max-width:240px;background:#c0c0c0;pointer-events:none;
  color:#000;border:1px solid #808080;border-radius:6px;padding:8px 12px;white-space:pre-wrap;
  box-shadow:2px 2px 4px rgba(0,0,0,.35);font:13px sans-serif}
.kelvo-balloon.anchored,.kelvo-balloon button{pointer-events:auto}
.kelvo-balloon button{position:absolute;width:16px;height:16px;border-radius:50%;padding:0;
  border:1px solid #555;background:radial-gradient(circle at 35% 35%,#fff,#aaa);cursor:pointer}
.kelvo-balloon button[aria-pressed=true]{background:radial-gradient(circle at 35% 35%,#fc6,#c60)}
.kelvo-balloon.right button{left:-8px}.kelvo-balloon.left button{right:-8px}
.kelvo-balloon.above button{bottom:-8px}.kelvo-balloon.below button{top:-8px}
.kelvo-live{position:absolute;width:1px;height:1px;overflow:hidden;clip:rect(0 0 0 0)}
.kelvo-menu{position:fixed;z-index:1000;background:#f8f8f8;border:1px solid #999;padding:3px 0;
  box-shadow:2px 2px 6px rgba(0,0,0,.3);font:13px sans-serif;min-width:180px}
.kelvo-menu [role=menuitem],.kelvo-menu [role=menuitemcheckbox],.kelvo-menu [role=menuitemradio]{
  display:block;width:100%;box-sizing:border-box;text-align:left;border:0;background:none;padding:3px 18px 3px 22px;
  font:inherit;color:#000;cursor:default;position:relative;white-space:nowrap}
.kelvo-menu [aria-checked=true]::before{content:'\\2713';position:absolute;left:6px}
.kelvo-menu [aria-haspopup]::after{content:'\\25B8';position:absolute;right:6px}
.kelvo-menu [role^=menuitem]:hover:not([aria-disabled=true]),
.kelvo-menu [role^=menuitem]:focus{background:#3465a4;color:#fff;outline:none}
.kelvo-menu [aria-disabled=true]{color:#999}
.kelvo-menu hr{border:0;border-top:1px solid #ccc;margin:3px 0}
.kelvo-menu .kelvo-sub{display:none;position:absolute;left:100%;top:-4px}
.kelvo-menu .kelvo-has-sub{position:relative}
.kelvo-menu .kelvo-has-sub:hover>.kelvo-sub,.kelvo-menu .kelvo-has-sub:focus-within>.kelvo-sub{display:block}
.kelvo-dialog{font:13px sans-serif;border:1px solid #888;padding:10px;background:#e8e3e3}
.kelvo-dialog table{border-spacing:0 1px}.kelvo-dialog td{padding:0 6px 0 0;vertical-align:top}
.kelvo-dialog input{min-width:200px;background:#e8e3e3;border:1px solid #aaa}
.kelvo-dialog h2{font-size:14px;margin:0 0 10px}
`;

    function ensureStyle() {
        if (document.getElementById('kelvo-web-style'))
            return;
        const style = document.createElement('style');
        style.id = 'kelvo-web-style';
        style.textContent = STYLE;
        document.head.appendChild(style);
    }

    function element(tag, props = {}, ...children) {
        const e = document.createElement(tag);
        for (const [k, v] of Object.entries(props)) {
            if (k === 'class')
                e.className = v;
            else if (k === 'text')
                e.textContent = v;
            else if (k.startsWith('on'))
                e.addEventListener(k.slice(2), v);
            else
                e.setAttribute(k, v);
        }
        e.append(...children);
        return e;
    }

    // Leading decimal digits, as the plug-in reads width and height; absent gives 0.
    function leadingInt(value) {
        const m = /^\s*(\d+)/.exec(value || '');
        return m ? parseInt(m[1], 10) : 0;
    }

    function fileSizeText(bytes) {
        if (bytes < 0)
            return 'unknown';
        if (bytes <= 1024)
            return `${bytes} bytes`;
        const g = (v) => String(Number(v.toPrecision(6)));
        const kb = bytes / 1024;
        return kb > 1024 ? `${g(kb / 1024)}MB (${bytes} bytes)` : `${g(kb)}KB (${bytes} bytes)`;
    }

    class KelvoViewer {
        constructor(params, original) {
            this.params = params;
            this.width = leadingInt(params.width);
            this.height = leadingInt(params.height);
            this.href = params.href ?? null;
            this.target = params.target || '_BLANK';
            this.settings = {
                source : PRIMARY_SOURCE,
                target : PRIMARY_TARGET,
                showCodedWord : false,
                showAmbiguities : false
            };
            this.outlines = false;
            this.shownKey = -1;
            this.focusIndex = -1;
            this.anchored = false;

            this.root = element('div', {
                class : 'kelvo-viewer',
                'data-state' : 'message',
                role : 'group',
                'aria-roledescription' : 'annotated picture'
            });
            if (this.href !== null)
                this.root.dataset.link = this.href;
            if (original.id)
                this.root.id = original.id;
            this.status = element('div', {class : 'kelvo-status'});
            this.label1 = element('div', {class : 'kelvo-row'});
            this.label2 = element('span');
            this.progress = element('progress', {max : '100', value : '0'});
            this.progress.hidden = true;
            this.received = element('span');
            this.status.append(this.label1, element('div', {class : 'kelvo-row'}, this.label2,
                                                    this.progress, this.received));
            this.live =
                element('div', {class : 'kelvo-live', 'aria-live' : 'polite', role : 'status'});
            this.root.append(this.status, this.live);
            this.setSize(this.width || 200, this.height || 60);
            original.replaceWith(this.root);
            this.root.kelvoViewer = this;
            this.start();
        }

        setSize(w, h) {
            this.root.style.width = `${w}px`;
            this.root.style.height = `${h}px`;
        }

        start() {
            const p = this.params;
            const url = p.kelvo;
            if (p.src !== undefined && p.src !== null) {
                this.label1.textContent = TEXT.srcNotAllowed;
            } else if (url !== undefined && url !== null && url.trim() === '') {
                this.label1.textContent = TEXT.noUrl;
            } else if (url !== undefined && url !== null) {
                this.load(url);
            } else {
                this.label1.textContent = TEXT.noParameter;
            }
        }

        async load(url) {
            this.url = url;
            this.root.dataset.state = 'loading';
            this.label1.textContent = TEXT.tryLoading + url;
            let bytes;
            try {
                const response = await fetch(new URL(url, document.baseURI));
                if (!response.ok || !response.body)
                    throw new Error(`HTTP ${response.status}`);
                this.label2.textContent = TEXT.receiving;
                this.progress.hidden = false;
                const chunks = [];
                let size = 0;
                let progress = 0;
                const reader = response.body.getReader();
                for (;;) {
                    const {done, value} = await reader.read();
                    if (done)
                        break;
                    chunks.push(value);
                    size += value.length;
                    progress = Math.min(100, progress + 10);
                    this.progress.value = progress;
                    this.received.textContent = `${(size / 1024).toFixed(2)}KB`;
                }
                bytes = new Uint8Array(size);
                let at = 0;
                for (const c of chunks) {
                    bytes.set(c, at);
                    at += c.length;
                }
            } catch (e) {
                this.fail(`loading ${url}: ${e.message}`);
                return;
            }
            this.fileSize = bytes.length;
            this.originalBytes = bytes.slice();
            this.label1.textContent = '';
            this.progress.hidden = true;
            this.label2.textContent = '';
            this.status.replaceChildren(
                element('div', {class : 'kelvo-centre', text : TEXT.preparing}));
            try {
                const [picture, dictionary] =
                    await Promise.all([ decodeInWorker(bytes), loadDictionary() ]);
                this.show(picture, dictionary);
            } catch (e) {
                this.fail(`${url}: ${e.message}`);
            }
        }

        fail(reason) {
            this.root.dataset.state = 'error';
            this.root.dataset.error = reason;
            if (this.root.querySelector('.kelvo-picture')) {
                for (const c of this.root.querySelectorAll('canvas'))
                    c.remove();
            }
            this.status.hidden = false;
            this.status.replaceChildren(
                element('div', {class : 'kelvo-centre', text : TEXT.errorPaint}),
                element('div', {class : 'kelvo-row', text : TEXT.loadError}));
            this.root.setAttribute('aria-label', TEXT.errorPaint);
            this.live.textContent = TEXT.errorPaint;
            if (this.href !== null) {
                this.status.addEventListener('click', () => window.open(this.href, this.target));
            }
        }

        show(picture, dictionary) {
            this.picture = picture;
            this.dictionary = dictionary;
            const pw = picture.width;
            const ph = picture.height;
            const W = this.width > 0 ? this.width : pw;
            const H = this.height > 0 ? this.height : ph;
            const sx = W / pw;
            const sy = H / ph;
            const near = (f, n) => f >= 1 - 1.1 / n && f <= 1 + 1.1 / n;
            this.scaled = !(near(sx, pw) && near(sy, ph));
            this.sx = this.scaled ? sx : 1;
            this.sy = this.scaled ? sy : 1;
            this.displayW = this.scaled ? W : pw;
            this.displayH = this.scaled ? H : ph;
            this.setSize(W, H);

            this.plain = canvasOf(new ImageData(picture.rgba, pw, ph));
            this.outlined = null;
            if (picture.markDots && picture.markDots.length) {
                const rgba = new Uint8ClampedArray(picture.rgba);
                const dots = picture.markDots;
                for (let d = 0; d < dots.length; d += 2) {
                    const o = 4 * dots[d];
                    const m = dots[d + 1];
                    rgba[o] = (m >>> 16) & 0xff;
                    rgba[o + 1] = (m >>> 8) & 0xff;
                    rgba[o + 2] = m & 0xff;
                    rgba[o + 3] = m >>> 24;
                }
                this.outlined = canvasOf(new ImageData(rgba, pw, ph));
            }
            const {regions, stats} = buildRegions(picture, dictionary);
            this.regions = regions;
            this.stats = stats;
            this.order = [...regions.values() ]
                             .filter((r) => r.anchor)
                             .sort((a, b) => a.anchor.y - b.anchor.y || a.anchor.x - b.anchor.x);

            this.canvas = element('canvas', {class : 'kelvo-picture'});
            this.canvas.width = W;
            this.canvas.height = H;
            this.overlay = element('canvas', {class : 'kelvo-overlay'});
            this.overlay.width = W;
            this.overlay.height = H;
            this.balloon = element('div', {class : 'kelvo-balloon', role : 'tooltip'});
            this.balloonText = element('div');
            this.anchorButton = element('button', {
                type : 'button',
                tabindex : '-1',
                'aria-pressed' : 'false',
                'aria-label' : 'Keep this text open'
            });
            this.balloon.append(this.anchorButton, this.balloonText);
            this.status.hidden = true;
            this.root.prepend(this.canvas, this.overlay, this.balloon);
            this.root.dataset.state = 'shown';
            this.root.dataset.regions = String(regions.size);
            if (picture.decodeMs !== undefined)
                this.root.dataset.decodeMs = picture.decodeMs.toFixed(1);
            this.root.tabIndex = 0;
            // An image element's text alternative names the picture; else its file name does.
            const name = this.params.alt || this.fileName();
            const hint =
                `picture with ${regions.size} annotated areas; use the arrow keys to read them`;
            this.root.setAttribute('aria-label', regions.size ? `${name}: ${hint}` : name);
            this.paint();
            this.bindEvents();
        }

        fileName() {
            const parts = (this.url || '').split(/[\\/]/);
            return parts[parts.length - 1];
        }

        paint() {
            const ctx = this.canvas.getContext('2d');
            ctx.imageSmoothingEnabled = true;
            ctx.imageSmoothingQuality = 'high';
            ctx.clearRect(0, 0, this.canvas.width, this.canvas.height);
            const source = this.outlines && this.outlined ? this.outlined : this.plain;
            ctx.drawImage(source, 0, 0, this.displayW, this.displayH);
        }

        // Pointer positions in the picture canvas's coordinates. Listening on the root lets the
        // balloon's anchor button sit under the pointer, as in the native viewers, where a click
        // anchors the balloon in place.
        canvasPoint(e) {
            const box = this.canvas.getBoundingClientRect();
            return [ e.clientX - box.left, e.clientY - box.top ];
        }

        bindEvents() {
            const root = this.root;
            root.addEventListener('pointermove', (e) => {
                if (e.pointerType === 'mouse' && !this.menu)
                    this.pointAt(...this.canvasPoint(e));
            });
            root.addEventListener('pointerleave', (e) => {
                if (e.pointerType === 'mouse')
                    this.anchored ? this.clearShown() : this.hideAll();
            });
            root.addEventListener('pointerdown', (e) => {
                if (e.pointerType === 'mouse' || this.anchorButton.contains(e.target))
                    return;
                const [x, y] = this.canvasPoint(e);
                const key = this.regionAt(x, y);
                if (key === this.shownKey || key < 0)
                    this.hideAll();
                else
                    this.pointAt(x, y);
            });
            this.canvas.addEventListener('click', (e) => {
                if (this.href !== null && e.pointerType === 'mouse' &&
                    this.regionAt(...this.canvasPoint(e)) < 0) {
                    window.open(this.href, this.target);
                }
            });
            root.addEventListener('contextmenu', (e) => {
                e.preventDefault();
                this.openMenu(e.clientX, e.clientY);
            });
            root.addEventListener('keydown', (e) => this.onKey(e));
            root.addEventListener('blur', (e) => {
                if (!root.contains(e.relatedTarget)) {
                    this.focusIndex = -1;
                    if (!this.anchored)
                        this.hideAll();
                }
            }, true);
            this.anchorButton.addEventListener('click', () => this.setAnchored(!this.anchored));
        }

        setAnchored(on) {
            this.anchored = on;
            this.anchorButton.setAttribute('aria-pressed', String(on));
            this.balloon.classList.toggle('anchored', on);
        }

        regionAt(x, y) {
            const p = this.picture;
            if (!p.ids)
                return -1;
            const px = Math.floor(x / this.sx);
            const py = Math.floor(y / this.sy);
            if (px < 0 || py < 0 || px >= p.width || py >= p.height)
                return -1;
            const index = p.ids[py * p.width + px];
            if (index >= p.palette.length)
                return -1;
            const key = p.palette[index] & 0xff;
            return key < 255 && this.regions.has(key) ? key : -1;
        }

        pointAt(x, y) {
            const key = this.regionAt(x, y);
            if (key >= 0)
                this.showRegion(key, x, y);
            else if (this.anchored)
                this.clearShown();
            else
                this.hideAll();
        }

        // Shows a region's shapes and image, and its balloon with the anchor at (x, y). An
        // anchored balloon stays where it is, whatever the pointer shows meanwhile.
        showRegion(key, x, y) {
            const r = this.regions.get(key);
            if (key !== this.shownKey) {
                this.shownKey = key;
                this.root.dataset.shownRegion = String(key);
                this.drawOverlay(r);
                const text = this.balloonFor(r);
                const spoken = [ text, ...r.shapes.map((s) => s.text) ].filter(Boolean).join('. ');
                this.live.textContent = spoken || (r.image ? 'picture' : '');
                if (!this.anchored) {
                    this.balloonKey = key;
                    this.balloonText.textContent = text || '';
                    this.balloon.style.display = text ? 'block' : 'none';
                }
            }
            if (this.balloon.style.display === 'block' && !this.anchored)
                this.placeBalloon(x, y);
        }

        balloonFor(r) {
            if (r.image || !r.balloon)
                return null;
            return r.balloon.dictionary ? dictionaryText(r.balloon.dictionary, this.settings)
                                        : r.balloon.text;
        }

        // Right of and below the pointer where there is room, else left or above; the anchor
        // button's centre, on the corner nearest the pointer, lies on the pointer.
        placeBalloon(x, y) {
            const b = this.balloon;
            const w = b.offsetWidth;
            const h = b.offsetHeight;
            const right = x <= this.canvas.width - w;
            const above = y >= h;
            b.classList.toggle('right', right);
            b.classList.toggle('left', !right);
            b.classList.toggle('above', above);
            b.classList.toggle('below', !above);
            b.style.left = `${right ? x : x - w}px`;
            b.style.top = `${above ? y - h : y}px`;
        }

        drawOverlay(r) {
            const ctx = this.overlay.getContext('2d');
            ctx.clearRect(0, 0, this.overlay.width, this.overlay.height);
            if (r.image && r.box) {
                ctx.imageSmoothingEnabled = this.scaled;
                ctx.drawImage(r.image, r.box.minX * this.sx, r.box.minY * this.sy,
                              r.image.width * this.sx, r.image.height * this.sy);
            }
            for (const s of r.shapes) {
                ctx.save();
                ctx.translate(Math.round(s.x * this.sx), Math.round(s.y * this.sy));
                drawShape(ctx, s);
                ctx.restore();
            }
        }

        // Hides the shapes and image; an anchored balloon stays.
        clearShown() {
            if (this.shownKey === -1)
                return;
            this.shownKey = -1;
            delete this.root.dataset.shownRegion;
            this.overlay.getContext('2d').clearRect(0, 0, this.overlay.width, this.overlay.height);
        }

        hideAll() {
            this.clearShown();
            this.setAnchored(false);
            this.balloon.style.display = 'none';
            this.live.textContent = '';
        }

        onKey(e) {
            if (!this.order || !this.order.length)
                return;
            let step = 0;
            if (e.key === 'ArrowRight' || e.key === 'ArrowDown')
                step = 1;
            else if (e.key === 'ArrowLeft' || e.key === 'ArrowUp')
                step = -1;
            else if (e.key === 'Tab')
                step = e.shiftKey ? -1 : 1;
            else if (e.key === 'Enter' && this.balloon.style.display === 'block') {
                this.setAnchored(!this.anchored);
                return;
            } else if (e.key === 'Escape') {
                this.hideAll();
                this.focusIndex = -1;
                return;
            }
            if (!step)
                return;
            const next =
                this.focusIndex === -1 && step < 0 ? this.order.length - 1 : this.focusIndex + step;
            if (next < 0 || next >= this.order.length) {
                // Tab past the last region leaves the picture; arrows stop there.
                if (e.key === 'Tab') {
                    this.focusIndex = -1;
                    this.hideAll();
                    return;
                }
                e.preventDefault();
                return;
            }
            e.preventDefault();
            this.focusIndex = next;
            const r = this.order[next];
            this.showRegion(r.key, r.anchor.x * this.sx, r.anchor.y * this.sy);
        }

        // ---- context menu and dialogs ----

        openMenu(x, y) {
            this.closeMenu();
            if (this.root.dataset.state !== 'shown')
                return;
            const item = (label, action, {disabled = false, checked = null} = {}) => {
                const e = element('div', {
                    role : checked === null ? 'menuitem' : 'menuitemcheckbox',
                    tabindex : '-1',
                    text : label
                });
                if (checked !== null)
                    e.setAttribute('aria-checked', String(checked));
                if (disabled)
                    e.setAttribute('aria-disabled', 'true');
                else
                    e.addEventListener('click', () => {
                        this.closeMenu();
                        action();
                    });
                return e;
            };
            const menu = element('div', {class : 'kelvo-menu', role : 'menu'});
            menu.append(item('Image Properties', () => this.showProperties()),
                        item('Open Link Location', () => window.open(this.href, this.target),
                             {disabled : this.href === null}),
                        item('Save Image As', () => this.saveImage()), element('hr'));
            if (this.regions.size) {
                menu.append(item('Show Image Outlines', () => {
                    this.outlines = !this.outlines;
                    this.paint();
                }, {checked : this.outlines}));
                if (this.stats.translatable > 0)
                    menu.append(this.dictionaryMenu());
                else
                    menu.append(item('Image Dictionary', null, {disabled : true}));
                menu.append(element('hr'));
            }
            menu.append(item(
                'About', () => this.showDialog(
                             'Program Info',
                             element('p', {text : TEXT.about, style : 'white-space:pre-line'}))));
            menu.style.left = `${x}px`;
            menu.style.top = `${y}px`;
            document.body.appendChild(menu);
            this.menu = menu;
            menu.querySelector('[role^=menuitem]:not([aria-disabled])')?.focus();
            menu.addEventListener('keydown', (e) => this.menuKey(e));
            this.closer = (e) => {
                if (!menu.contains(e.target))
                    this.closeMenu();
            };
            setTimeout(() => document.addEventListener('pointerdown', this.closer, true));
        }

        menuKey(e) {
            const items =
                [...this.menu.querySelectorAll('[role^=menuitem]') ].filter((i) => i.offsetParent);
            const at = items.indexOf(document.activeElement);
            if (e.key === 'Escape') {
                this.closeMenu();
                this.root.focus();
            } else if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
                items[(at + (e.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length]
                    ?.focus();
            } else if (e.key === 'Enter' || e.key === ' ') {
                document.activeElement?.click();
            } else {
                return;
            }
            e.preventDefault();
        }

        dictionaryMenu() {
            const languages = this.dictionary.languages;
            const sub = (label, children) => {
                const box = element('div', {class : 'kelvo-has-sub'});
                box.append(
                    element('div', {
                        role : 'menuitem',
                        tabindex : '-1',
                        'aria-haspopup' : 'menu',
                        text : label
                    }),
                    element('div', {class : 'kelvo-sub kelvo-menu', role : 'menu'}, ...children));
                return box;
            };
            const radios = (field) => languages.map((lang, i) => {
                const e = element('div', {
                    role : 'menuitemradio',
                    tabindex : '-1',
                    text : lang.name,
                    'aria-checked' : String(this.settings[field] === i)
                });
                e.addEventListener('click', () => {
                    this.settings[field] = i;
                    this.closeMenu();
                    this.refreshDictionary();
                });
                return e;
            });
            const check = (label, field) => {
                const e = element('div', {
                    role : 'menuitemcheckbox',
                    tabindex : '-1',
                    text : label,
                    'aria-checked' : String(this.settings[field])
                });
                e.addEventListener('click', () => {
                    this.settings[field] = !this.settings[field];
                    this.closeMenu();
                    this.refreshDictionary();
                });
                return e;
            };
            return sub('Image Dictionary', [
                sub('Translate from ...', radios('source')),
                sub('Translate to ...', radios('target')), element('hr'),
                check('Show coded word', 'showCodedWord'),
                check('Show ambiguities', 'showAmbiguities')
            ]);
        }

        refreshDictionary() {
            const key = this.shownKey;
            if (key === -1)
                return;
            const r = this.regions.get(key);
            if (r.balloon?.dictionary) {
                this.balloonText.textContent = this.balloonFor(r);
                this.live.textContent = this.balloonText.textContent;
            }
        }

        closeMenu() {
            if (!this.menu)
                return;
            this.menu.remove();
            this.menu = null;
            document.removeEventListener('pointerdown', this.closer, true);
        }

        saveImage() {
            const link = element('a', {download : this.fileName() || 'kelvo.png'});
            link.href = URL.createObjectURL(new Blob([ this.originalBytes ], {type : 'image/png'}));
            document.body.appendChild(link);
            link.click();
            link.remove();
            setTimeout(() => URL.revokeObjectURL(link.href), 1000);
        }

        showProperties() {
            const p = this.picture;
            const location =
                element('input', {readonly : '', value : new URL(this.url, document.baseURI).href});
            const rows = [
                [ 'File Location:', location ],
                [ 'Width:', `${p.width} px (original) / ${this.displayW} px (displayed)` ],
                [ 'Height:', `${p.height} px (original) / ${this.displayH} px (displayed)` ],
                [ 'File Size:', fileSizeText(this.fileSize) ],
                [ 'Annotated Areas:', String(this.stats.areas) ],
                [ '  Unformatted Texts:', String(this.stats.texts) ],
                [ '  Formatted Texts:', String(this.stats.formatted) ],
                [ '  Translateable Texts:  ', String(this.stats.translatable) ],
                [ '  Encoded Images:', String(this.stats.images) ],
            ];
            const table = element(
                'table', {},
                ...rows.map(([ k, v ]) => element(
                                'tr', {}, element('td', {text : k, style : 'white-space:pre'}),
                                element('td', {}, v))));
            this.showDialog('Image Properties',
                            element('h2', {text : `Properties for "${this.fileName()}"`}), table);
        }

        showDialog(title, ...content) {
            const close = element('button', {type : 'button', text : 'Close', autofocus : ''});
            const dialog = element('dialog', {class : 'kelvo-dialog', 'aria-label' : title},
                                   ...content, element('p', {}, close));
            close.addEventListener('click', () => dialog.close());
            dialog.addEventListener('close', () => {
                dialog.remove();
                this.root.focus();
            });
            document.body.appendChild(dialog);
            dialog.showModal();
        }
    }

    // ---- finding the elements -----------------------------------------------------------------

    const PARAMS = [ 'kelvo', 'src', 'width', 'height', 'href', 'target', 'alt' ];

    function upgrade(e) {
        if (e.kelvoUpgraded)
            return;
        e.kelvoUpgraded = true;
        const params = {};
        if (e.tagName === 'IMG') {
            params.kelvo = e.getAttribute('src') ?? '';
            for (const name of ['width', 'height'])
                params[name] = e.getAttribute(name);
            params.href = e.getAttribute('data-href');
            params.target = e.getAttribute('data-target');
            params.alt = e.getAttribute('alt');
        } else {
            for (const name of PARAMS)
                params[name] = e.getAttribute(name);
        }
        for (const name of PARAMS)
            if (params[name] === null)
                delete params[name];
        new KelvoViewer(params, e);
    }

    const SELECTOR = 'embed[type="application/kelvo" i], img[data-kelvo]';

    function scan(root) {
        if (root.matches?.(SELECTOR))
            upgrade(root);
        root.querySelectorAll?.(SELECTOR).forEach(upgrade);
    }

    function init() {
        ensureStyle();
        scan(document);
        new MutationObserver((records) => {
            for (const r of records)
                r.addedNodes.forEach((n) => n.nodeType === 1 && scan(n));
        }).observe(document.documentElement, {childList : true, subtree : true});
    }

    window.KelvoWeb = {
        upgrade,
        decode : (bytes) => decodeInWorker(bytes),
        fileSizeText,
        parseReference,
    };
    if (document.readyState === 'loading')
        document.addEventListener('DOMContentLoaded', init);
    else
        init();
})();
