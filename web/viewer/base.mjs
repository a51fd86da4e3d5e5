// Where the viewer's own files (worker, codec, dictionary) are: beside kelvo-web.mjs unless the
// page sets another folder.
let base = new URL('../', import.meta.url);

export const baseUrl = () => base;

export function setBase(url) {
    const href = new URL(url, document.baseURI).href;
    base = new URL(href.endsWith('/') ? href : `${href}/`);
}
