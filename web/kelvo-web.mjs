// The Kelvo web viewer as an ES module:
//
//   import {attach} from './kelvo-web.mjs';
//   attach();                 // every <img data-kelvo> and <embed type="application/kelvo">
//   const viewer = attach(img, {href, target, eager});   // one picture: a KelvoViewer
//   viewer.addEventListener('load' | 'error' | 'regionshown', ...); viewer.destroy();
//
// The worker, codec, dictionary and texts are loaded from beside this file unless setBase() names
// another folder. The texts follow the browser's languages unless setLanguage() names one.
import {upgradeEmbed} from './viewer/embed.mjs';
import {KelvoViewer} from './viewer/viewer.mjs';

export {setBase} from './viewer/base.mjs';
export {parseReference} from './viewer/dictionary.mjs';
export {setLanguage} from './viewer/texts.mjs';
export {decode} from './viewer/worker-client.mjs';
export {KelvoViewer};

export const SELECTOR = 'embed[type="application/kelvo" i], img[data-kelvo]';

function upgrade(e, options) {
    if (e.kelvoViewer || e.kelvoUpgraded)
        return e.kelvoViewer || null;
    e.kelvoUpgraded = true;
    if (e.tagName === 'EMBED')
        return upgradeEmbed(e);
    return new KelvoViewer(
        e,
        {href : e.getAttribute('data-href'), target : e.getAttribute('data-target'), ...options});
}

let watching = false;

// attach(element[, options]) makes one viewer; attach() or attach(root) makes viewers for every
// picture in the page (or root) and for those added later.
export function attach(target = document, options = {}) {
    if (target.matches?.(SELECTOR))
        return upgrade(target, options);
    target.querySelectorAll(SELECTOR).forEach((e) => upgrade(e));
    if (!watching) {
        watching = true;
        new MutationObserver((records) => {
            for (const r of records) {
                for (const n of r.addedNodes) {
                    if (n.nodeType !== 1)
                        continue;
                    if (n.matches(SELECTOR))
                        upgrade(n);
                    n.querySelectorAll(SELECTOR).forEach((e) => upgrade(e));
                }
            }
        }).observe(document.documentElement, {childList : true, subtree : true});
    }
    return null;
}
