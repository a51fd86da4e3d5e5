// <embed type="application/kelvo" kelvo="PICTURE.png" [width height href target alt]>, as the
// editor's HTML generator writes it: replaced by a box that holds an <img> of the picture and
// its viewer. An embed has no picture to fall back to, so its messages and errors show in the box.
import {element, leadingInt, openLink} from './dom.mjs';
import {adoptStyle} from './style.mjs';
import {loadTexts, text} from './texts.mjs';
import {KelvoViewer} from './viewer.mjs';

function statusBox(box, ...rows) {
    box.querySelector('.kelvo-status')?.remove();
    box.append(element('div', {class : 'kelvo-status', role : 'status'}, ...rows));
}

export function upgradeEmbed(embed) {
    adoptStyle();
    const param = (name) => embed.getAttribute(name);
    const box = element('div', {class : 'kelvo-embed'});
    if (embed.id)
        box.id = embed.id;
    const width = leadingInt(param('width'));
    const height = leadingInt(param('height'));
    embed.replaceWith(box);
    const url = param('kelvo');
    const message = param('src') !== null ? 'srcNotAllowed'
                    : url === null        ? 'noParameter'
                    : url.trim() === ''   ? 'noUrl'
                                          : null;
    if (message) {
        box.style.width = `${width || 200}px`;
        box.style.height = `${height || 60}px`;
        loadTexts().then(() => {
            box.dataset.kelvoState = 'message';
            statusBox(box, element('div', {class : 'kelvo-row', text : text(message)}));
        });
        return null;
    }
    const img = element('img', {src : url, alt : param('alt') || url.split(/[\\/]/).pop()});
    if (width)
        img.width = width;
    if (height)
        img.height = height;
    box.append(img);
    box.dataset.kelvoState = 'loading';
    if (param('href') !== null)
        box.dataset.link = param('href');
    const viewer =
        new KelvoViewer(img, {href : param('href'), target : param('target'), eager : true});
    viewer.addEventListener('load', () => {
        box.dataset.kelvoState = 'shown';
        box.querySelector('.kelvo-status')?.remove();
    });
    viewer.addEventListener('error', (e) => {
        box.dataset.kelvoState = 'error';
        box.dataset.error = e.detail.reason;
        box.style.width = `${width || 200}px`;
        box.style.height = `${height || 60}px`;
        img.hidden = true;
        statusBox(box, element('div', {class : 'kelvo-centre', text : text('errorPaint')}),
                  element('div', {class : 'kelvo-row', text : text('loadError')}));
        if (param('href') !== null)
            box.querySelector('.kelvo-status')
                .addEventListener('click', () => openLink(param('href'), param('target')));
    });
    return viewer;
}
