// The packed program from three kinds of server: one that sends files as they are,
// one that declares the .gz and .br files gzip- and brotli-encoded (the browser
// unpacks them), and one that gzips every file again on its way. A browser that
// unpacks brotli fetches the .br, any other the .gz. Each time the program starts, it
// is unpacked no more than once (or the module would not compile), and the percent
// climbs to 100 without falling back. In Chromium and WebKit (WebKitGTK's
// MiniBrowser), which unpack gzip alone, and in Firefox, which unpacks brotli too.
//
//   node tests/web/download_test.mjs build/web [chromium|firefox|webkit…]
import { launchChromium, launchFirefox } from './browsers.mjs';
import { Student, check, failures } from './browser_test.mjs';
import { serve } from './serve.mjs';
import { launchWebKit } from './webkit.mjs';

const folder = process.argv[2] ?? 'build/web';
const engines = { chromium: launchChromium, firefox: launchFirefox, webkit: launchWebKit };
const unpacksBrotli = `(() => {
    try {
        new DecompressionStream('brotli');
        return true;
    } catch {
        return false;
    }
})()`;
const fetched = new Set();
const chosen = process.argv.length > 3 ? process.argv.slice(3) : Object.keys(engines);

// Every percent the page shows, in order; put into the page by the server, as
// WebDriver runs no script before a page's own.
const percentLog = `addEventListener('DOMContentLoaded', () => {
    const percent = document.getElementById('percent');
    window.ulvanePercents = [percent.textContent];
    new MutationObserver(() => window.ulvanePercents.push(percent.textContent))
        .observe(percent, { childList: true, characterData: true, subtree: true });
});`;

for (const engine of chosen) {
    for (const compress of ['none', 'encoded', 'on-the-fly']) {
        const what = `${engine}, ${compress}`;
        const site = await serve(folder, { compress, firstScript: percentLog });
        const page = await engines[engine]('ru-RU');
        try {
            await page.goto(site.url);
            await new Student(page, `${engine}-ru-RU-${compress}`).awaitWindow('start window');
            const percents = (await page.evaluate('window.ulvanePercents')).map(text => parseInt(text, 10));
            check(percents.at(-1) === 100 && percents.every((value, i) => i === 0 || value >= percents[i - 1]),
                  `${what}: the percent climbs to 100 (${percents.length} steps, last ${percents.at(-1)})`);
            const packed = await page.evaluate(unpacksBrotli) ? 'ulvane.wasm.br' : 'ulvane.wasm.gz';
            // The service worker fetches it again for its cache.
            const wasm = [...new Set(site.paths().filter(file => file.startsWith('/ulvane.wasm')))];
            check(wasm.join() === `/${packed}`, `${what}: fetched ${packed} alone (${wasm.join(' ')})`);
            fetched.add(packed);
        } catch (error) {
            check(false, `${what}: ${error.message}`);
        } finally {
            await page.browser().close();
            site.close();
        }
    }
}
if (chosen.length === Object.keys(engines).length)
    check(fetched.size === 2, `both kinds of browser tried (${[...fetched].join(', ')})`);
console.log(failures.length ? `${failures.length} failed` : 'all passed');
process.exit(failures.length ? 1 : 0);
