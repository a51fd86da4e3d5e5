// The viewer's menu, after the ARIA menu pattern: arrow keys move between items, Right (or Enter,
// Space) opens a submenu, Left and Escape close it, Escape on the top level closes the menu and
// returns to where it was opened from. Items: {label, action, disabled, checked, radio, items}
// or null for a separator.
import {element} from './dom.mjs';
import {text} from './texts.mjs';

const ITEMS = '[role^=menuitem]';

export class Menu {
    constructor(items, label, {x, y, returnTo, onClose}) {
        this.returnTo = returnTo;
        this.onClose = onClose;
        this.root = this.build(items, label);
        this.root.classList.add('kelvo-menu');
        document.body.append(this.root);
        this.at = {x, y};
        this.fit();
        this.root.addEventListener('keydown', (e) => this.onKey(e));
        this.root.addEventListener('focusout', (e) => {
            if (!this.root.contains(e.relatedTarget))
                this.close(false);
        });
        this.outside = (e) => this.root.contains(e.target) || this.close(false);
        document.addEventListener('pointerdown', this.outside, true);
        this.itemsOf(this.root)[0]?.focus();
    }

    build(items, label) {
        const menu = element('div', {role : 'menu', 'aria-label' : label});
        for (const item of items) {
            if (!item) {
                menu.append(element('div', {role : 'separator'}));
                continue;
            }
            const role = item.radio                   ? 'menuitemradio'
                         : item.checked !== undefined ? 'menuitemcheckbox'
                                                      : 'menuitem';
            const e = element('div', {role, tabindex : '-1', text : item.label});
            if (item.checked !== undefined)
                e.setAttribute('aria-checked', String(item.checked));
            if (item.disabled || (!item.action && !item.items))
                e.setAttribute('aria-disabled', 'true');
            if (item.items) {
                e.setAttribute('aria-haspopup', 'menu');
                e.setAttribute('aria-expanded', 'false');
                const sub = this.build(item.items, item.label);
                sub.classList.add('kelvo-menu', 'kelvo-sub');
                const box = element('div', {role : 'none', class : 'kelvo-has-sub'}, e, sub);
                e.addEventListener('click', () => this.openSub(e));
                box.addEventListener('pointerenter', () => this.fit(sub));
                menu.append(box);
            } else {
                if (item.action && !item.disabled) {
                    e.addEventListener('click', () => {
                        this.close(true);
                        item.action();
                    });
                }
                menu.append(e);
            }
        }
        return menu;
    }

    // Keeps the menu inside the viewport, also as it grows with submenus opened inline on narrow
    // screens; a submenu beside it opens to the left where the right has no room.
    fit(sub = null) {
        const vw = document.documentElement.clientWidth;
        const vh = document.documentElement.clientHeight;
        if (sub) {
            sub.classList.remove('kelvo-flip');
            if (getComputedStyle(sub).position === 'absolute' &&
                sub.getBoundingClientRect().right > vw - 4)
                sub.classList.add('kelvo-flip');
        }
        const {offsetWidth : w, offsetHeight : h} = this.root;
        this.root.style.left = `${Math.max(4, Math.min(this.at.x, vw - w - 4))}px`;
        this.root.style.top = `${Math.max(4, Math.min(this.at.y, vh - h - 4))}px`;
    }

    itemsOf(menu) {
        return [...menu.children ]
            .map((c) => (c.matches(ITEMS) ? c : c.querySelector(':scope>' + ITEMS)))
            .filter((i) => i && i.getAttribute('aria-disabled') !== 'true');
    }

    openSub(item) {
        item.parentElement.classList.add('open');
        item.setAttribute('aria-expanded', 'true');
        this.fit(item.nextElementSibling);
        this.itemsOf(item.nextElementSibling)[0]?.focus();
    }

    closeSub(menu) {
        const item = menu.previousElementSibling;
        menu.parentElement.classList.remove('open');
        item.setAttribute('aria-expanded', 'false');
        this.fit();
        item.focus();
    }

    onKey(e) {
        const item = document.activeElement;
        const menu = item?.closest('[role=menu]');
        if (!menu)
            return;
        const items = this.itemsOf(menu);
        const at = items.indexOf(item);
        const isSub = menu !== this.root;
        if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
            items[(at + (e.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length]?.focus();
        } else if (e.key === 'Home' || e.key === 'End') {
            items[e.key === 'Home' ? 0 : items.length - 1]?.focus();
        } else if (e.key === 'ArrowRight' && item.hasAttribute('aria-haspopup')) {
            this.openSub(item);
        } else if ((e.key === 'ArrowLeft' || e.key === 'Escape') && isSub) {
            this.closeSub(menu);
        } else if (e.key === 'Escape') {
            this.close(true);
        } else if (e.key === 'Enter' || e.key === ' ') {
            item.click();
        } else if (e.key === 'Tab') {
            this.close(false);
            return;
        } else {
            return;
        }
        e.preventDefault();
        e.stopPropagation();
    }

    close(refocus) {
        if (this.closed)
            return;
        this.closed = true; // removing the focused menu sends a focusout that closes it again
        document.removeEventListener('pointerdown', this.outside, true);
        this.root.remove();
        if (refocus)
            this.returnTo?.focus();
        this.onClose?.();
    }
}

// A modal dialog that gives the focus back when it closes.
export function showDialog(title, returnTo, ...content) {
    const close = element('button', {type : 'button', text : text('close'), autofocus : ''});
    const dialog = element('dialog', {class : 'kelvo-dialog', 'aria-label' : title}, ...content,
                           element('p', {}, close));
    close.addEventListener('click', () => dialog.close());
    dialog.addEventListener('close', () => {
        dialog.remove();
        returnTo?.focus();
    });
    document.body.append(dialog);
    dialog.showModal();
}
