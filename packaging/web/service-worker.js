// Keeps the program on the device after the first visit, so that the page opens with
// the network gone: the page's files are served from a cache named by the release.
// A new release changes this file, so the browser installs it on the next online
// visit; it fills its own cache and deletes the older releases' ones.
'use strict';

const cacheName = 'ulvane-@RELEASE@';

// Of the packed program only the form the page's loader fetches here.
importScripts('packing.js');
const packing = self.ulvanePacking?.suffix;
const files = ['./', ...'@CACHED_FILES@'.split(' ').filter(file => !/\.(gz|br)$/.test(file) || file.endsWith(packing))];

self.addEventListener('install', event => {
    // Checked with the server, as the browser's own cache may still hold the older
    // release; what the first visit has just downloaded is not sent again.
    event.waitUntil(caches.open(cacheName)
        .then(cache => cache.addAll(files.map(file => new Request(file, { cache: 'no-cache' }))))
        .then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
    event.waitUntil(caches.keys()
        .then(names => Promise.all(names.filter(name => name.startsWith('ulvane-') && name !== cacheName)
                                        .map(name => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener('fetch', event => {
    if (event.request.method !== 'GET')
        return;
    // What the release did not list (the plain .wasm an older browser asks for) is
    // kept once fetched.
    event.respondWith(caches.open(cacheName).then(cache => cache.match(event.request, { ignoreSearch: true })
        .then(cached => cached ?? fetch(event.request).then(response => {
            if (response.ok && new URL(event.request.url).origin === location.origin)
                cache.put(event.request, response.clone());
            return response;
        }))));
});
