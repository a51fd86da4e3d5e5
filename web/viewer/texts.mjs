// The viewer's texts in the reader's language: English here, the others from
// kelvo-texts-<language>.json beside the viewer, fetched once per page. Texts are read when they
// are shown, so whatever is built after they arrive is translated.
import {baseUrl} from './base.mjs';

const LANGUAGES = [ 'en', 'de', 'es', 'fr', 'it', 'nl' ];

const ENGLISH = {
    srcNotAllowed : " The parameter 'src' is not allowed! ",
    noUrl : " No image url specified in parameter 'kelvo'! ",
    noParameter : " No parameter 'kelvo' specified! ",
    loadError : ' Kelvo plugin >> an error occured, while loading the image! Propably the image ' +
                    'link is broken.',
    errorPaint : 'An Error occured',
    programInfo : 'Program Info',
    about : 'Kelvo Version 0.7\nShows the annotations hidden in pictures on web pages.',
    imageProperties : 'Image Properties',
    openLink : 'Open Link Location',
    saveImage : 'Save Image As',
    showOutlines : 'Show Image Outlines',
    imageDictionary : 'Image Dictionary',
    aboutItem : 'About',
    translateFrom : 'Translate from ...',
    translateTo : 'Translate to ...',
    showCodedWord : 'Show coded word',
    showAmbiguities : 'Show ambiguities',
    propertiesFor : 'Properties for "%1"',
    fileLocation : 'File Location:',
    width : 'Width:',
    height : 'Height:',
    pixels : '%1 px (original) / %2 px (displayed)',
    fileSize : 'File Size:',
    annotatedAreas : 'Annotated Areas:',
    unformattedTexts : '  Unformatted Texts:',
    formattedTexts : '  Formatted Texts:',
    translatableTexts : '  Translateable Texts:  ',
    encodedImages : '  Encoded Images:',
    close : 'Close',
    unknown : 'unknown',
    bytes : '%1 bytes',
    megabytes : '%1MB (%2 bytes)',
    kilobytes : '%1KB (%2 bytes)',
    keepOpen : 'Keep this text open',
    pictureHint : 'picture with %1 annotated areas; use the arrow keys to read them',
};

let texts = ENGLISH;
let chosen = null;
let loading = null;

// The page's language, ahead of the browser's; takes effect for texts not fetched yet.
export function setLanguage(language) {
    chosen = language || null;
    texts = ENGLISH;
    loading = null;
}

function language() {
    for (const tag of [chosen, ...(navigator.languages || [])]) {
        const primary = (tag || '').split('-')[0].toLowerCase();
        if (LANGUAGES.includes(primary))
            return primary;
    }
    return 'en';
}

// Resolves once the texts are there; English stays when they cannot be fetched.
export function loadTexts() {
    if (loading)
        return loading;
    const lang = language();
    if (lang === 'en')
        return (loading = Promise.resolve());
    const file = `kelvo-texts-${lang}.json`;
    const promise =
        fetch(new URL(file, baseUrl()))
            .then((r) => {
                if (!r.ok)
                    throw new Error(`HTTP ${r.status}`);
                return r.json();
            })
            .then((fetched) => {
                const known = Object.entries(fetched ?? {})
                                  .filter(([ name, t ]) => Object.hasOwn(ENGLISH, name) &&
                                                           typeof t === 'string');
                if (loading === promise)
                    texts = {...ENGLISH, ...Object.fromEntries(known)};
            }, (e) => console.warn(`Kelvo: ${file}: ${e.message}; the texts stay English`));
    return (loading = promise);
}

// The text of a name with %1, %2 ... filled in.
export const text = (name, ...args) =>
    texts[name].replace(/%(\d)/g, (m, i) => (i > 0 && i <= args.length ? String(args[i - 1]) : m));
