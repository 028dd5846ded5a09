// offline.js: the service worker is registered once the program has started, and
// only where the browser allows one.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { recordingConsole, runPageScript, settle } from './page.mjs';

test('the worker registered after the start, where allowed', async () => {
    const cases = [
        { name: 'HTTPS', registered: ['service-worker.js'] },
        { name: 'plain HTTP on a LAN address', secure: false, registered: [] },
        { name: 'no service workers (a private window)', serviceWorker: false, registered: [] },
        { name: 'registration refused', refusal: 'The operation is insecure.', registered: ['service-worker.js'],
          warnings: ['Без работы офлайн: The operation is insecure.'] },
    ];
    for (const { name, secure = true, serviceWorker = true, refusal, registered, warnings = [] } of cases) {
        const urls = [];
        const navigator = serviceWorker ? {
            serviceWorker: {
                register: async url => {
                    urls.push(url);
                    if (refusal)
                        throw new Error(refusal);
                    return {};
                },
            },
        } : {};
        const console = recordingConsole();
        const window = runPageScript('offline.js', { navigator, isSecureContext: secure, console });
        await settle(() => false, 5);
        assert.deepEqual(urls, [], `${name}: nothing before the start`);
        window.dispatchEvent(new Event('ulvane-started'));
        window.dispatchEvent(new Event('ulvane-started'));
        await settle(() => false, 5);
        assert.deepEqual(urls, registered, name);
        assert.deepEqual(console.lines.warn, warnings, name);
    }
});
