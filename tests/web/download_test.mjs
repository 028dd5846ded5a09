// The packed program from three kinds of server: one that sends files as they are,
// one that declares the .gz file gzip-encoded (the browser unpacks it), and one that
// gzips every file again on its way. Each time the program starts, it is unpacked
// no more than once (or the module would not compile), and the percent climbs to
// 100 without falling back.
//
//   node tests/web/download_test.mjs build/web
import { launchChromium } from './browsers.mjs';
import { Student, check, failures } from './browser_test.mjs';
import { serve } from './serve.mjs';

const folder = process.argv[2] ?? 'build/web';

// Every percent the page shows, in order.
const percentLog = `addEventListener('DOMContentLoaded', () => {
    const percent = document.getElementById('percent');
    window.ulvanePercents = [percent.textContent];
    new MutationObserver(() => window.ulvanePercents.push(percent.textContent))
        .observe(percent, { childList: true, characterData: true, subtree: true });
});`;

for (const compress of ['none', 'gz-encoded', 'on-the-fly']) {
    const site = await serve(folder, { compress });
    const page = await launchChromium('ru-RU');
    try {
        await page.evaluateOnNewDocument(percentLog);
        await page.goto(site.url);
        await new Student(page, `ru-RU-${compress}`).awaitWindow('start window');
        const percents = (await page.evaluate('window.ulvanePercents')).map(text => parseInt(text, 10));
        check(percents.at(-1) === 100 && percents.every((value, i) => i === 0 || value >= percents[i - 1]),
              `${compress}: the percent climbs to 100 (${percents.length} steps, last ${percents.at(-1)})`);
    } catch (error) {
        check(false, `${compress}: ${error.message}`);
    } finally {
        await page.browser().close();
        site.close();
    }
}
console.log(failures.length ? `${failures.length} failed` : 'all passed');
process.exit(failures.length ? 1 : 0);
