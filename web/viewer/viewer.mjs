// A viewer over an <img> of the page: the picture stays the page's own element; a layer laid
// over it follows its laid-out size and shows each region's annotation while the pointer is over
// it, on a tap, or with the arrow keys once the picture has the focus.
import {Balloon} from './balloon.mjs';
import {dictionaryText, loadDictionary, lookupReference} from './dictionary.mjs';
import {canvasOf, element, fileSizeText, openLink} from './dom.mjs';
import {Menu, showDialog} from './menu.mjs';
import {keyAt, NO_REGION} from './regions.mjs';
import {drawShape} from './shapes.mjs';
import {adoptStyle} from './style.mjs';
import {loadTexts, text} from './texts.mjs';
import {decode} from './worker-client.mjs';

const PRIMARY_SOURCE = 3;
const PRIMARY_TARGET = 0;
const NEAR_VIEWPORT = '300px';

// Escape hides every viewer's balloon, wherever the focus is.
const viewers = new Set();
document.addEventListener('keydown', (e) => {
    if (e.key === 'Escape')
        viewers.forEach((v) => v.hideAll());
});
document.addEventListener('pointerdown', (e) => {
    for (const v of viewers) {
        if (e.pointerType !== 'mouse' && !v.layer?.contains(e.target) && !v.balloon?.pinned)
            v.hideAll();
    }
}, true);

const px = (v) => parseFloat(v) || 0;

// The outline dots (pairs of pixel index and colour) on a clear picture.
function outlineCanvas(width, height, markDots) {
    const rgba = new Uint8ClampedArray(4 * width * height);
    for (let d = 0; d < markDots.length; d += 2) {
        const o = 4 * markDots[d];
        const m = markDots[d + 1];
        rgba[o] = (m >>> 16) & 0xff;
        rgba[o + 1] = (m >>> 8) & 0xff;
        rgba[o + 2] = m & 0xff;
        rgba[o + 3] = 255;
    }
    return canvasOf(width, height, rgba);
}

export class KelvoViewer extends EventTarget {
    // options: href and target of the picture's link; eager to decode at once rather than when
    // the picture comes near the viewport.
    constructor(img, {href = null, target = null, eager = false} = {}) {
        super();
        adoptStyle();
        this.img = img;
        this.href = href;
        this.target = target;
        this.settings = {
            source : PRIMARY_SOURCE,
            target : PRIMARY_TARGET,
            showCodedWord : false,
            showAmbiguities : false
        };
        this.outlines = false;
        this.shownKey = -1;
        this.focusIndex = -1;
        this.generation = 0;
        this.layer = null;
        this.menu = null;
        this.picture = null;
        this.regions = new Map();
        this.order = [];
        img.kelvoViewer = this;
        viewers.add(this);
        // A new src (or srcset choice) is decoded again once the browser has loaded it.
        this.onImgLoad = () => {
            if (this.url && this.url !== this.img.currentSrc)
                this.load();
        };
        img.addEventListener('load', this.onImgLoad);
        // The layer is there from the start, so that the keyboard reaches pictures not decoded
        // yet; the focus decodes them.
        this.buildLayer();
        if (eager || img.loading === 'eager') {
            this.load();
        } else {
            this.near = new IntersectionObserver((entries) => {
                if (entries.some((e) => e.isIntersecting)) {
                    this.near.disconnect();
                    this.load();
                }
            }, {rootMargin : NEAR_VIEWPORT});
            this.near.observe(img);
        }
    }

    setState(state) { this.img.dataset.kelvoState = state; }

    async load() {
        const src = this.img.currentSrc || this.img.getAttribute('src');
        if (!src)
            return;
        const url = new URL(src, document.baseURI).href;
        const generation = ++this.generation;
        this.url = url;
        this.setState('loading');
        try {
            const [picture] = await Promise.all([ decode(url), loadTexts() ]);
            this.fileSize = picture.fileSize;
            const dictionary =
                picture.regions.some((r) => r.references.length) ? await loadDictionary() : null;
            if (!picture.width) {
                // Not a PNG file: the browser shows it, if it can, without hidden data.
                await this.img.decode();
                picture.width = this.img.naturalWidth;
                picture.height = this.img.naturalHeight;
            }
            if (generation === this.generation)
                this.show(picture, dictionary);
        } catch (e) {
            if (generation === this.generation)
                this.fail(`${url}: ${e.message || 'the browser cannot show the picture'}`);
        }
    }

    // The plain picture stays as the browser shows it; the reason goes into data-error, an
    // error event and one warning.
    fail(reason) {
        this.removeLayer();
        this.setState('error');
        this.img.dataset.error = reason;
        console.warn(`Kelvo: ${reason}`);
        this.dispatchEvent(new CustomEvent('error', {detail : {reason}}));
    }

    show(picture, dictionary) {
        this.picture = picture;
        this.dictionary = dictionary;
        this.stats = {
            ...(picture.stats || {areas : 0, texts : 0, formatted : 0, images : 0}),
            translatable : 0
        };
        this.regions = new Map();
        for (const r of picture.regions) {
            r.entry = null;
            for (const reference of r.references)
                r.entry = lookupReference(dictionary, reference) || r.entry;
            if (r.entry)
                this.stats.translatable++;
            r.image =
                r.snippet ? canvasOf(r.snippet.width, r.snippet.height, r.snippet.rgba) : null;
            this.regions.set(r.key, r);
        }
        this.order = picture.regions.filter((r) => r.anchor)
                         .sort((a, b) => a.anchor.y - b.anchor.y || a.anchor.x - b.anchor.x);
        this.outlined = null;
        if (!this.layer)
            this.buildLayer();
        this.hideAll();
        this.describe();
        this.menuButton.hidden = false;
        this.layout();
        this.setState('shown');
        this.img.dataset.kelvoRegions = String(this.regions.size);
        delete this.img.dataset.error;
        this.dispatchEvent(new CustomEvent('load', {detail : {regions : this.regions.size}}));
    }

    alt() { return this.img.getAttribute('alt') || this.fileName(); }

    describe() {
        const n = this.regions.size;
        const alt = this.alt();
        this.surface.setAttribute('aria-label', n ? `${alt}: ${text('pictureHint', n)}` : alt);
    }

    buildLayer() {
        this.layer = element('div', {class : 'kelvo-layer'});
        this.overlay = element('canvas', {'aria-hidden' : 'true'});
        this.surface =
            this.href !== null
                ? element('a', {class : 'kelvo-surface', href : this.href, rel : 'noopener'})
                : element('div', {class : 'kelvo-surface', tabindex : '0', role : 'group'});
        if (this.href !== null && this.target)
            this.surface.target = this.target;
        this.describe();
        this.menuButton = element('button', {
            type : 'button',
            class : 'kelvo-menu-button',
            tabindex : '-1',
            'aria-haspopup' : 'menu',
            'aria-expanded' : 'false',
            'aria-label' : `Menu of ${this.alt()}`,
            text : '\u22ee'
        });
        this.menuButton.hidden = !this.picture;
        this.live = element('div', {class : 'kelvo-live', role : 'status', 'aria-live' : 'polite'});
        this.layer.append(this.overlay, this.surface, this.menuButton, this.live);
        this.balloon = new Balloon(this.layer);
        this.surface.setAttribute('aria-describedby', this.balloon.tooltip.id);
        this.img.after(this.layer);
        this.bindEvents();
        this.resize = new ResizeObserver(() => this.layout());
        this.resize.observe(this.img);
        this.resize.observe(this.img.offsetParent || document.body);
    }

    removeLayer() {
        this.resize?.disconnect();
        this.menu?.close(false);
        this.layer?.remove();
        this.layer = null;
        this.shownKey = -1;
    }

    // Follows the picture's laid-out content box; the overlay is drawn at the device's pixels.
    layout() {
        if (!this.layer)
            return;
        const img = this.img;
        const cs = getComputedStyle(img);
        const left = img.offsetLeft + px(cs.borderLeftWidth) + px(cs.paddingLeft);
        const top = img.offsetTop + px(cs.borderTopWidth) + px(cs.paddingTop);
        const w = Math.max(0, img.clientWidth - px(cs.paddingLeft) - px(cs.paddingRight));
        const h = Math.max(0, img.clientHeight - px(cs.paddingTop) - px(cs.paddingBottom));
        const s = this.layer.style;
        s.left = `${left}px`;
        s.top = `${top}px`;
        s.width = `${w}px`;
        s.height = `${h}px`;
        this.width = w;
        this.sx = this.picture ? w / this.picture.width : 1;
        this.sy = this.picture ? h / this.picture.height : 1;
        this.dpr = window.devicePixelRatio || 1;
        this.overlay.width = Math.round(w * this.dpr);
        this.overlay.height = Math.round(h * this.dpr);
        this.drawOverlay();
    }

    fileName() {
        const parts = new URL(this.url || this.img.src).pathname.split('/');
        return decodeURIComponent(parts[parts.length - 1]);
    }

    // The point of an event in the layer's coordinates.
    layerPoint(e) {
        const box = this.layer.getBoundingClientRect();
        return [ e.clientX - box.left, e.clientY - box.top ];
    }

    regionAt(x, y) {
        const p = this.picture;
        const px = Math.floor(x / this.sx);
        const py = Math.floor(y / this.sy);
        if (!p?.keyRuns || px < 0 || py < 0 || px >= p.width || py >= p.height)
            return -1;
        const key = keyAt(p.keyRuns, px, py);
        return key === NO_REGION ? -1 : key;
    }

    pointAt(e) {
        const key = this.regionAt(...this.layerPoint(e));
        if (key >= 0)
            this.showRegion(key, e.clientX, e.clientY, e.pointerType !== 'mouse');
        else if (this.balloon.pinned)
            this.clearShown();
        else
            this.hideAll();
    }

    // The balloon: the region's text first, a dictionary entry's terms below it. A region with
    // an image snippet shows the snippet instead.
    balloonParts(r) {
        if (r.image)
            return [];
        const parts = [ r.text, r.entry && dictionaryText(r.entry, this.settings) ];
        return parts.filter((p) => p !== null && p !== undefined);
    }

    spoken(r) {
        const texts = [...this.balloonParts(r), ...r.shapes.map((s) => s.text) ];
        if (r.image)
            texts.unshift('Image', r.text);
        return texts.filter(Boolean).join('. ');
    }

    // Shows a region's shapes and image, and its balloon by (x, y) in viewport coordinates. A
    // pinned balloon stays where it is, whatever the pointer shows meanwhile.
    showRegion(key, x, y, touch) {
        const r = this.regions.get(key);
        const parts = this.balloonParts(r);
        if (key !== this.shownKey) {
            this.shownKey = key;
            this.img.dataset.kelvoRegion = String(key);
            this.drawOverlay();
            this.live.textContent = this.spoken(r);
            this.dispatchEvent(new CustomEvent('regionshown', {detail : {key, texts : parts}}));
        }
        if (this.balloon.pinned)
            return;
        if (parts.length)
            this.balloon.show(parts, x, y, touch);
        else
            this.balloon.hide();
    }

    drawOverlay() {
        const ctx = this.overlay.getContext('2d');
        ctx.setTransform(1, 0, 0, 1, 0, 0);
        ctx.clearRect(0, 0, this.overlay.width, this.overlay.height);
        ctx.setTransform(this.dpr, 0, 0, this.dpr, 0, 0);
        if (this.outlines && this.outlined) {
            ctx.imageSmoothingEnabled = true;
            ctx.drawImage(this.outlined, 0, 0, this.width, this.picture.height * this.sy);
        }
        const r = this.regions.get(this.shownKey);
        if (!r)
            return;
        if (r.image && r.box) {
            ctx.imageSmoothingEnabled = this.sx < 1;
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

    // The regions' outline dots on a clear picture, made by the worker when first asked for.
    async toggleOutlines() {
        this.outlines = !this.outlines;
        if (this.outlines && !this.outlined) {
            const {picture, generation} = this;
            try {
                const {markDots} = await decode(this.url, {marks : true});
                if (generation !== this.generation)
                    return;
                this.outlined = outlineCanvas(picture.width, picture.height, markDots);
            } catch (e) {
                this.outlines = false;
                console.warn(`Kelvo: ${this.url}: ${e.message}`);
            }
        }
        this.drawOverlay();
    }

    // Hides the shapes and image; a pinned balloon stays.
    clearShown() {
        if (this.shownKey === -1)
            return;
        this.shownKey = -1;
        delete this.img.dataset.kelvoRegion;
        this.drawOverlay();
    }

    hideAll() {
        if (!this.layer)
            return;
        this.clearShown();
        this.balloon.hide();
        this.live.textContent = '';
    }

    bindEvents() {
        const {layer, surface, balloon} = this;
        layer.addEventListener('pointermove', (e) => {
            // The pointer may rest on the balloon to read it; its pin follows the pointer.
            if (e.pointerType !== 'mouse' || this.menu ||
                (balloon.contains(e.target) && e.target !== balloon.pin))
                return;
            this.pointAt(e);
        });
        layer.addEventListener('pointerleave', (e) => {
            if (e.pointerType === 'mouse')
                balloon.pinned ? this.clearShown() : this.hideAll();
        });
        // A tap shows a region without pinning its balloon; elsewhere it hides the balloon (and
        // the link, if any, is followed by the click).
        surface.addEventListener('pointerdown', (e) => {
            if (e.pointerType !== 'mouse')
                this.pointAt(e);
        });
        surface.addEventListener('click', (e) => {
            if (e.detail > 0 && this.regionAt(...this.layerPoint(e)) >= 0)
                e.preventDefault();
        });
        layer.addEventListener('contextmenu', (e) => {
            if (!this.picture)
                return;
            e.preventDefault();
            this.openMenu(e.clientX, e.clientY);
        });
        surface.addEventListener('keydown', (e) => this.onKey(e));
        surface.addEventListener('focus', () => {
            if (!this.url) {
                this.near?.disconnect();
                this.load();
            }
        });
        layer.addEventListener('focusout', (e) => {
            if (!layer.contains(e.relatedTarget)) {
                this.focusIndex = -1;
                if (!balloon.pinned)
                    this.hideAll();
            }
        });
        balloon.pin.addEventListener('click', () => balloon.setPinned(!balloon.pinned));
        this.menuButton.addEventListener('click', () => {
            const box = this.menuButton.getBoundingClientRect();
            this.openMenu(box.left, box.bottom, this.menuButton);
        });
    }

    onKey(e) {
        const steps = {ArrowRight : 1, ArrowDown : 1, ArrowLeft : -1, ArrowUp : -1};
        if (e.key === 'ContextMenu' || (e.key === 'F10' && e.shiftKey)) {
            const box = this.surface.getBoundingClientRect();
            this.openMenu(box.left, box.top);
        } else if (e.key === ' ' && this.balloon.shown) {
            this.balloon.setPinned(!this.balloon.pinned);
        } else if (e.key in steps || e.key === 'Home' || e.key === 'End') {
            if (!this.order.length)
                return;
            const last = this.order.length - 1;
            const step = steps[e.key];
            let next = e.key === 'Home' ? 0 : e.key === 'End' ? last : this.focusIndex + step;
            if (this.focusIndex === -1 && step < 0)
                next = last;
            this.focusIndex = Math.max(0, Math.min(last, next));
            const r = this.order[this.focusIndex];
            const box = this.layer.getBoundingClientRect();
            this.showRegion(r.key, box.left + r.anchor.x * this.sx, box.top + r.anchor.y * this.sy,
                            false);
        } else {
            return;
        }
        e.preventDefault();
    }

    // ---- menu and dialogs ----

    openMenu(x, y, opener = this.surface) {
        this.menu?.close(false);
        if (!this.picture)
            return;
        const hasRegions = this.regions.size > 0;
        const items = [
            {label : text('imageProperties'), action : () => this.showProperties()},
            {
                label : text('openLink'),
                action : () => openLink(this.href, this.target),
                disabled : this.href === null
            },
            {label : text('saveImage'), action : () => this.saveImage()},
            null,
        ];
        if (hasRegions) {
            items.push({
                label : text('showOutlines'),
                checked : this.outlines,
                action : () => this.toggleOutlines()
            },
                       this.stats.translatable > 0
                           ? this.dictionaryMenu()
                           : {label : text('imageDictionary'), disabled : true},
                       null);
        }
        items.push({
            label : text('aboutItem'),
            action : () => showDialog(text('programInfo'), this.surface,
                                      element('p', {class : 'kelvo-about', text : text('about')}))
        });
        this.menuButton.setAttribute('aria-expanded', 'true');
        this.menu = new Menu(items, 'Picture', {
            x,
            y,
            returnTo : opener,
            onClose : () => {
                this.menu = null;
                this.menuButton.setAttribute('aria-expanded', 'false');
            }
        });
    }

    dictionaryMenu() {
        const change = (fn) => () => {
            fn();
            this.refreshDictionary();
        };
        const radios = (field) =>
            this.dictionary.languages.map((lang, i) => ({
                                              label : lang.name,
                                              radio : true,
                                              checked : this.settings[field] === i,
                                              action : change(() => (this.settings[field] = i))
                                          }));
        const check = (label, field) => ({
            label,
            checked : this.settings[field],
            action : change(() => (this.settings[field] = !this.settings[field]))
        });
        return {
            label : text('imageDictionary'),
            items : [
                {label : text('translateFrom'), items : radios('source')},
                {label : text('translateTo'), items : radios('target')}, null,
                check(text('showCodedWord'), 'showCodedWord'),
                check(text('showAmbiguities'), 'showAmbiguities')
            ]
        };
    }

    refreshDictionary() {
        const r = this.regions.get(this.shownKey);
        if (r?.entry && this.balloon.shown) {
            this.balloon.setParts(this.balloonParts(r));
            this.live.textContent = this.spoken(r);
        }
    }

    async saveImage() {
        const blob = await (await fetch(this.url)).blob();
        const link = element('a', {download : this.fileName() || 'kelvo.png'});
        link.href = URL.createObjectURL(blob);
        link.click();
        setTimeout(() => URL.revokeObjectURL(link.href), 1000);
    }

    showProperties() {
        const p = this.picture;
        const location = element('input', {
            readonly : '',
            'aria-label' : text('fileLocation').replace(/\s*:\s*$/, ''),
            value : this.url
        });
        const shown = (n) => Math.round(n);
        const rows = [
            [ 'fileLocation', location ],
            [ 'width', text('pixels', p.width, shown(this.width)) ],
            [ 'height', text('pixels', p.height, shown(p.height * this.sy)) ],
            [ 'fileSize', fileSizeText(this.fileSize) ],
            [ 'annotatedAreas', String(this.stats.areas) ],
            [ 'unformattedTexts', String(this.stats.texts) ],
            [ 'formattedTexts', String(this.stats.formatted) ],
            [ 'translatableTexts', String(this.stats.translatable) ],
            [ 'encodedImages', String(this.stats.images) ],
        ];
        const table =
            element('table', {},
                    ...rows.map(([ k, v ]) => element('tr', {}, element('td', {text : text(k)}),
                                                      element('td', {}, v))));
        showDialog(text('imageProperties'), this.surface,
                   element('h2', {text : text('propertiesFor', this.fileName())}), table);
    }

    destroy() {
        this.generation++;
        this.near?.disconnect();
        this.removeLayer();
        this.img.removeEventListener('load', this.onImgLoad);
        viewers.delete(this);
        delete this.img.kelvoViewer;
        for (const name of ['kelvoState', 'kelvoRegions', 'kelvoRegion', 'error'])
            delete this.img.dataset[name];
    }
}
