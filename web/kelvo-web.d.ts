// Types of kelvo-web.mjs.

export interface ViewerOptions {
    /** The picture's link; followed on Enter and on a tap or click where no annotation is. */
    href?: string | null;
    /** Where the link opens; the page itself when not given. */
    target?: string | null;
    /** Decode at once rather than when the picture comes near the viewport. */
    eager?: boolean;
}

export interface RegionShownDetail {
    key: number;
    /** The balloon's texts: the region's text first, a dictionary entry's terms below it. */
    texts: string[];
}

export interface KelvoViewerEventMap {
    load: CustomEvent<{regions: number}>;
    error: CustomEvent<{reason: string}>;
    regionshown: CustomEvent<RegionShownDetail>;
}

export class KelvoViewer extends EventTarget {
    constructor(img: HTMLImageElement, options?: ViewerOptions);
    readonly img: HTMLImageElement;
    addEventListener<K extends keyof KelvoViewerEventMap>(
        type: K, listener: (event: KelvoViewerEventMap[K]) => void,
        options?: boolean | AddEventListenerOptions): void;
    addEventListener(type: string, listener: EventListenerOrEventListenerObject | null,
                     options?: boolean | AddEventListenerOptions): void;
    /** Hides the shown annotation and its balloon. */
    hideAll(): void;
    /** Removes the viewer; the picture stays as it is. */
    destroy(): void;
}

/** The selector of the elements attach() turns into viewers. */
export const SELECTOR: string;

/** One viewer for an <img> or <embed type="application/kelvo">. */
export function attach(element: HTMLImageElement | HTMLEmbedElement,
                       options?: ViewerOptions): KelvoViewer | null;
/** Viewers for every <img data-kelvo> and Kelvo <embed> below root (the page by default),
 *  also for those added later. */
export function attach(root?: Document | Element): null;

/** The folder of the worker, codec, dictionary and texts (beside kelvo-web.mjs by default). */
export function setBase(url: string | URL): void;

/** The language of the viewer's texts (en, de, es, fr, it or nl), ahead of the browser's
 *  languages; set it before the first picture is shown. */
export function setLanguage(language: string | null): void;

export interface DecodedPicture {
    width: number;
    height: number;
    coded: boolean;
    decodeMs?: number;
}
/** Decodes a picture, given by its absolute URL or its bytes, in the page's decoding worker. */
export function decode(source: string | Uint8Array): Promise<DecodedPicture>;

export function parseReference(reference: string):
    {id: number; term: string; codedWord: string};
