// The dictionary converted for the web (kelvo-dictionary.json) and the texts a dictionary
// entry shows, read as the native viewers read them.
import {baseUrl} from './base.mjs';

let dictionaryPromise = null;

// Fetched once per page, and only when a picture holds dictionary entries.
export function loadDictionary() {
    if (!dictionaryPromise) {
        dictionaryPromise = fetch(new URL('kelvo-dictionary.json', baseUrl()))
                                .then((r) => (r.ok ? r.json() : null))
                                .catch(() => null)
                                .then((d) => d || {languages : [], dictionaries : []});
    }
    return dictionaryPromise;
}

// "[<_ID n>]<coded word>term".
export function parseReference(reference) {
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

export function lookupReference(dictionary, reference) {
    const parsed = parseReference(reference);
    for (const file of dictionary.dictionaries) {
        const byId = parsed.id !== -1;
        const item = byId ? file.byId[parsed.id] : file.byWord[parsed.codedWord];
        if (item && parsed.codedWord)
            return {term : parsed.term, item : {...item, codedWord : parsed.codedWord}};
    }
    return null;
}

export function dictionaryText(entry, settings) {
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
    if (settings.showAmbiguities && secondaries.length)
        text += ` {${secondaries.join(', ')}}`;
    if (showCoded && entry.term)
        text += `\n\n(${entry.term})`;
    return text;
}
