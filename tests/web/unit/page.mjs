// Runs one of the page's scripts (packaging/web) in a fresh vm context whose globals
// are the given fakes of the browser's window, as the page's <script> element would.
// The context's global object is the window: `window`, `self` and the global names
// the script uses are the same object.
import { readFileSync } from 'node:fs';
import { Duplex } from 'node:stream';
import vm from 'node:vm';
import zlib from 'node:zlib';

export const pageDir = new URL('../../../packaging/web/', import.meta.url);

export function readPageFile(name) {
    return readFileSync(new URL(name, pageDir), 'utf8');
}

// A window that dispatches events with node's own EventTarget; `globals` become its
// properties. Scripts of the page that `name` needs run first: a list names them
// before it. Returns the context's global, on which the test fires events.
export function runPageScript(name, globals = {}, source = undefined) {
    const before = [name].flat();
    const last = before.pop();
    const target = new EventTarget();
    const window = vm.createContext({
        addEventListener: target.addEventListener.bind(target),
        removeEventListener: target.removeEventListener.bind(target),
        dispatchEvent: target.dispatchEvent.bind(target),
        Event,
        CustomEvent,
        ...globals,
    });
    window.window = window;
    window.self = window;
    // A top window is its own parent.
    if (!('parent' in globals))
        window.parent = window;
    // A worker's way to run another script.
    window.importScripts = (...names) => names.forEach(script => vm.runInContext(readPageFile(script), window));
    window.importScripts(...before);
    vm.runInContext(source ?? readPageFile(last), window, { filename: last });
    return window;
}

// A console that keeps what is written to it, by level.
export function recordingConsole() {
    const lines = { log: [], warn: [], error: [] };
    return {
        lines,
        log: (...args) => lines.log.push(args.join(' ')),
        warn: (...args) => lines.warn.push(args.join(' ')),
        error: (...args) => lines.error.push(args.join(' ')),
    };
}

// Lets the streams, promises and timers queued so far run until `done()` holds.
export async function settle(done = () => false, rounds = 10_000) {
    for (let i = 0; i < rounds && !done(); ++i)
        await new Promise(resolve => setImmediate(resolve));
}

// DecompressionStream as a browser offers it: gzip, and brotli where it knows that
// (node's own has no brotli; Firefox and Safari have it, Chromium not yet).
export function browserDecompression({ brotli }) {
    return function DecompressionStream(format) {
        if (format === 'brotli' && brotli)
            return Duplex.toWeb(zlib.createBrotliDecompress());
        return new globalThis.DecompressionStream(format);
    };
}
