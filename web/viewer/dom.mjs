// Small DOM helpers shared by the viewer's parts.
import {text} from './texts.mjs';

export function element(tag, props = {}, ...children) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(props)) {
        if (k === 'class')
            e.className = v;
        else if (k === 'text')
            e.textContent = v;
        else
            e.setAttribute(k, v);
    }
    e.append(...children);
    return e;
}

let lastId = 0;
export const uniqueId = (prefix) => `${prefix}-${++lastId}`;

// Leading decimal digits, as the plug-in reads width and height; absent gives 0.
export function leadingInt(value) {
    const m = /^\s*(\d+)/.exec(value || '');
    return m ? parseInt(m[1], 10) : 0;
}

export function fileSizeText(bytes) {
    if (bytes < 0)
        return text('unknown');
    if (bytes <= 1024)
        return text('bytes', bytes);
    const g = (v) => String(Number(v.toPrecision(6)));
    const kb = bytes / 1024;
    return kb > 1024 ? text('megabytes', g(kb / 1024), bytes) : text('kilobytes', g(kb), bytes);
}

export function canvasOf(width, height, rgba) {
    const canvas = document.createElement('canvas');
    canvas.width = width;
    canvas.height = height;
    canvas.getContext('2d').putImageData(new ImageData(rgba, width, height), 0, 0);
    return canvas;
}

// Opens a link as the page's own links do: in the page itself unless a target is named, and
// without giving a new window a handle on this one.
export function openLink(href, target) {
    const a = element('a', {href, rel : 'noopener'});
    if (target)
        a.target = target;
    a.click();
}
