// A region's balloon: the annotation's text (and a dictionary entry's terms below it) in a
// popover that stays inside the viewport, with a button that keeps it open. The tooltip holds
// only the annotation's text, so that is its accessible name.
import {element, uniqueId} from './dom.mjs';
import {text} from './texts.mjs';

const MARGIN = 4;
const TOUCH_MARGIN = 14; // room for the larger pin of touch screens
const TOUCH_GAP = 24;    // keeps the balloon clear of the finger

export class Balloon {
    constructor(parent) {
        this.box = element('div', {class : 'kelvo-balloon', popover : 'manual'});
        this.pin = element(
            'button',
            {type : 'button', class : 'kelvo-pin', tabindex : '-1', 'aria-pressed' : 'false'});
        this.tooltip = element('div', {role : 'tooltip', id : uniqueId('kelvo-balloon')});
        this.box.append(this.pin, this.tooltip);
        parent.append(this.box);
        this.pinned = false;
    }

    get shown() { return this.box.matches(':popover-open'); }

    contains(node) { return this.box.contains(node); }

    setParts(parts) {
        this.tooltip.replaceChildren(
            ...parts.map((p, i) => element('div', {class : i ? 'kelvo-terms' : '', text : p})));
    }

    // Shows the balloon by the point (x, y) in viewport coordinates: right of and above it where
    // there is room, else flipped, else shifted inside the viewport. For a mouse the pin's centre
    // lies on the pointer, as in the native viewers; for touch it sits on the far corner.
    show(parts, x, y, touch) {
        this.setParts(parts);
        this.pin.setAttribute('aria-label', text('keepOpen'));
        if (!this.shown)
            this.box.showPopover();
        this.place(x, y, touch);
    }

    place(x, y, touch) {
        const b = this.box;
        const w = b.offsetWidth;
        const h = b.offsetHeight;
        const vw = document.documentElement.clientWidth;
        const vh = document.documentElement.clientHeight;
        const gap = touch ? TOUCH_GAP : 0;
        const m = touch ? TOUCH_MARGIN : MARGIN;
        const right = x + gap + w <= vw - m || x - gap - w < m;
        const above = y - gap - h >= m || y + gap + h > vh - m;
        const clamp = (v, size, limit) => Math.max(m, Math.min(v, limit - size - m));
        b.style.left = `${clamp(right ? x + gap : x - gap - w, w, vw)}px`;
        b.style.top = `${clamp(above ? y - gap - h : y + gap, h, vh)}px`;
        b.classList.toggle('touch', Boolean(touch));
        const nearLeft = right !== Boolean(touch);
        const nearBottom = above !== Boolean(touch);
        this.pin.className =
            `kelvo-pin ${nearLeft ? 'left' : 'right'} ${nearBottom ? 'bottom' : 'top'}`;
    }

    setPinned(on) {
        this.pinned = on;
        this.pin.setAttribute('aria-pressed', String(on));
    }

    hide() {
        this.setPinned(false);
        if (this.shown)
            this.box.hidePopover();
    }
}
