// Registers the service worker that keeps the program for use without a network.
// Browsers allow one only over HTTPS or from localhost; elsewhere (plain HTTP on a
// LAN address) the page works as before, always from the network.
'use strict';

// Only once the program runs: the worker fetches the files again, which would
// otherwise share the first visit's bandwidth with the program's download.
if ('serviceWorker' in navigator && window.isSecureContext) {
    window.addEventListener('ulvane-started', () => {
        navigator.serviceWorker.register('service-worker.js')
            .catch(error => console.warn(`Без работы офлайн: ${error.message}`));
    }, { once: true });
}
