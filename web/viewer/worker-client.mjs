// One decoding worker (one WebAssembly instance) for all pictures of the page. Pictures are
// decoded one after the other; a picture that takes too long stops the worker, which starts
// anew for the next one. An idle worker is stopped after a while: the memory of a WebAssembly
// instance never shrinks, and a large picture leaves it large.
import {baseUrl} from './base.mjs';

const DECODE_TIMEOUT_MS = 30000;
const IDLE_MS = 2000;

let worker = null;
let current = null; // {bytes, resolve, reject, timer}
const queue = [];
let nextId = 1;
let idleTimer = 0;

// A worker's script must come from the page's origin: from another one (a CDN), a same-origin
// blob imports it.
function workerUrl() {
    const url = new URL('kelvo-worker.mjs', baseUrl());
    if (url.origin === location.origin)
        return url;
    const source = `import ${JSON.stringify(url.href)};`;
    return URL.createObjectURL(new Blob([ source ], {type : 'text/javascript'}));
}

function stopWorker() {
    worker?.terminate();
    worker = null;
}

function finish(fn, value) {
    clearTimeout(current.timer);
    const done = current;
    current = null;
    fn.call(done, value);
    pump();
}

function startWorker() {
    worker = new Worker(workerUrl(), {type : 'module'});
    worker.onmessage = ({data}) => {
        if (!current || data.id !== current.id)
            return;
        data.error ? finish(current.reject, new Error(data.error))
                   : finish(current.resolve, data.picture);
    };
    worker.onerror = (e) => {
        e.preventDefault();
        stopWorker();
        if (current)
            finish(current.reject, new Error(e.message || 'the decoding worker failed to start'));
    };
}

function pump() {
    if (current)
        return;
    clearTimeout(idleTimer);
    if (!queue.length) {
        idleTimer = setTimeout(stopWorker, IDLE_MS);
        return;
    }
    current = queue.shift();
    try {
        if (!worker)
            startWorker();
    } catch (e) {
        finish(current.reject, e);
        return;
    }
    current.timer = setTimeout(() => {
        stopWorker();
        finish(current.reject, new Error('decoding took too long'));
    }, DECODE_TIMEOUT_MS);
    const {id, source, marks} = current;
    if (typeof source === 'string')
        worker.postMessage({id, url : source, marks});
    else
        worker.postMessage({id, bytes : source, marks}, [ source.buffer ]);
}

// Decodes a picture given by its absolute URL or its bytes (handed over to the worker). Resolves
// to the decoded picture (see kelvo-worker.mjs), or with `marks` to its outline dots alone
// ({markDots}); rejects with the reason.
export function decode(source, {marks = false} = {}) {
    return new Promise((resolve, reject) => {
        queue.push({id : nextId++, source, marks, resolve, reject});
        pump();
    });
}
