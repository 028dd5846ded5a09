// Which packed form of the program this browser fetches and keeps: brotli where its
// DecompressionStream unpacks that (a quarter smaller), gzip elsewhere, none without
// DecompressionStream. The page's loader and the service worker both read it, so
// that the cache holds what the page asks for.
'use strict';

self.ulvanePacking = (() => {
    if (typeof DecompressionStream !== 'function')
        return null;
    try {
        new DecompressionStream('brotli');
        return { format: 'brotli', suffix: '.br' };
    } catch {
        return { format: 'gzip', suffix: '.gz' };
    }
})();
