// service-worker.js as write_site.cmake writes it: what it caches on install, which
// caches it deletes on activation, and what it answers from the cache or the network.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { browserDecompression, readPageFile, runPageScript } from './page.mjs';

const scope = 'https://lab.example/ulvane/';
const release = '0123456789abcdef';
// The site's files without the plain program, in write_site.cmake's order.
const cached = 'index.html ulvane.svg ulvane.wasm.gz ulvane.wasm.br ulvane.js.gz ulvane.js.br ulvane-loader.js packing.js ' +
               'scorm.js screen-fit.js offline.js manifest.webmanifest';
const page = 'index.html ulvane.svg';
const scripts = 'ulvane-loader.js packing.js scorm.js screen-fit.js offline.js manifest.webmanifest';

class Request {
    constructor(url, init = {}) {
        this.url = new URL(url, scope).href;
        this.method = init.method ?? 'GET';
        this.cache = init.cache ?? 'default';
    }
}

function response(url, status = 200) {
    return { url, status, ok: status >= 200 && status < 300, clone() { return { ...this, cloneOf: this }; } };
}

// The browser's caches: name → (URL → response).
function fakeCaches(stored = {}, missing = null) {
    const caches = new Map(Object.entries(stored).map(([name, entries]) => [name, new Map(Object.entries(entries))]));
    const log = [];
    const without = (url, ignoreSearch) => (ignoreSearch ? url.replace(/\?.*$/, '') : url);
    return {
        caches,
        log,
        async open(name) {
            if (!caches.has(name))
                caches.set(name, new Map());
            const entries = caches.get(name);
            return {
                async addAll(requests) {
                    log.push(['addAll', name, Array.from(requests, ({ url, cache }) => `${url} ${cache}`)]);
                    if (requests.some(({ url }) => url.endsWith(missing)))
                        throw new TypeError(`${missing}: 404`);
                    for (const request of requests)
                        entries.set(request.url, response(request.url));
                },
                async match(request, { ignoreSearch = false } = {}) {
                    for (const [url, stored] of entries)
                        if (without(url, ignoreSearch) === without(request.url, ignoreSearch))
                            return stored;
                    return undefined;
                },
                async put(request, stored) {
                    log.push(['put', name, request.url]);
                    entries.set(request.url, stored);
                },
            };
        },
        async keys() { return [...caches.keys()]; },
        async delete(name) {
            log.push(['delete', name]);
            return caches.delete(name);
        },
    };
}

// The browser unpacks gzip, brotli too, or has no DecompressionStream.
function worker({ stored, missing, network = url => response(url), unpacks = 'gzip' } = {}) {
    const caches = fakeCaches(stored, missing);
    const fetched = [];
    const source = readPageFile('service-worker.js').replaceAll('@RELEASE@', release).replaceAll('@CACHED_FILES@', cached);
    const self = runPageScript('service-worker.js', {
        caches,
        Request,
        URL,
        location: new URL('service-worker.js', scope),
        ...(unpacks ? { DecompressionStream: browserDecompression({ brotli: unpacks === 'brotli' }) } : {}),
        fetch: async request => { fetched.push(request.url); return network(request.url); },
        skipWaiting: async () => { caches.log.push(['skipWaiting']); },
        clients: { claim: async () => { caches.log.push(['claim']); } },
    }, source);
    // Fires a lifecycle event; resolves with what the worker waited for.
    async function lifecycle(type) {
        let waited;
        self.dispatchEvent(Object.assign(new Event(type), { waitUntil: promise => { waited = promise; } }));
        return waited;
    }
    async function request(url, method = 'GET') {
        let answer = null;
        self.dispatchEvent(Object.assign(new Event('fetch'), {
            request: new Request(url, { method }),
            respondWith: promise => { answer = promise; },
        }));
        return answer && await answer;
    }
    return { caches, fetched, lifecycle, request };
}

test('install caches the release\'s files the browser uses, checked with the server, then takes over', async () => {
    const addAll = files => ['addAll', `ulvane-${release}`, ['', ...files.split(' ')].map(name => `${scope}${name} no-cache`)];
    const cases = [
        { name: 'a browser that unpacks gzip', log: [addAll(`${page} ulvane.wasm.gz ulvane.js.gz ${scripts}`), ['skipWaiting']] },
        { name: 'one that unpacks brotli', unpacks: 'brotli',
          log: [addAll(`${page} ulvane.wasm.br ulvane.js.br ${scripts}`), ['skipWaiting']] },
        // It keeps the plain files once its page has fetched them.
        { name: 'one that unpacks nothing', unpacks: null, log: [addAll(`${page} ${scripts}`), ['skipWaiting']] },
        // The older release stays in charge.
        { name: 'a file missing', missing: 'ulvane.wasm.gz', log: [addAll(`${page} ulvane.wasm.gz ulvane.js.gz ${scripts}`)],
          failure: 'ulvane.wasm.gz: 404' },
    ];
    for (const { name, missing, unpacks, log, failure } of cases) {
        const { caches, lifecycle } = worker({ missing, unpacks });
        const installed = lifecycle('install').then(() => 'installed', error => error.message);
        assert.equal(await installed, failure ?? 'installed', name);
        assert.deepEqual(caches.log, log, name);
    }
});

test('activation deletes the older releases\' caches alone', async () => {
    const { caches, lifecycle } = worker({
        stored: { 'ulvane-fedcba9876543210': {}, [`ulvane-${release}`]: {}, 'other-site': {}, 'ulvane': {} },
    });
    await lifecycle('activate');
    assert.deepEqual(caches.log, [['delete', 'ulvane-fedcba9876543210'], ['claim']]);
});

test('requests answered from the cache, else from the network', async () => {
    const inCache = response(`${scope}ulvane.wasm.gz`);
    const cases = [
        { name: 'a cached file', url: `${scope}ulvane.wasm.gz`, answer: inCache, fetched: [], put: [] },
        { name: 'a cached file asked with a query', url: `${scope}ulvane.wasm.gz?v=2`, answer: inCache, fetched: [], put: [] },
        { name: 'the plain .wasm of an older browser', url: `${scope}ulvane.wasm`, status: 200,
          fetched: [`${scope}ulvane.wasm`], put: [`${scope}ulvane.wasm`] },
        { name: 'a missing file', url: `${scope}missing.js`, status: 404, fetched: [`${scope}missing.js`], put: [] },
        { name: 'another site\'s file', url: 'https://cdn.example/font.woff2', status: 200,
          fetched: ['https://cdn.example/font.woff2'], put: [] },
        { name: 'a form sent', url: `${scope}ulvane.wasm.gz`, method: 'POST', answer: null, fetched: [], put: [] },
    ];
    for (const { name, url, method, status, answer, fetched, put } of cases) {
        const sw = worker({ stored: { [`ulvane-${release}`]: { [`${scope}ulvane.wasm.gz`]: inCache } },
                            network: requested => response(requested, status) });
        const got = await sw.request(url, method);
        if (answer !== undefined)
            assert.equal(got, answer, name);
        else
            assert.deepEqual([got.url, got.status, 'cloneOf' in got], [url, status, false], name);
        assert.deepEqual(sw.fetched, fetched, name);
        assert.deepEqual(sw.caches.log.filter(([what]) => what === 'put').map(([, , url]) => url), put, name);
        for (const stored of put)
            assert.equal(sw.caches.caches.get(`ulvane-${release}`).get(stored).cloneOf, got, name);
    }
});
