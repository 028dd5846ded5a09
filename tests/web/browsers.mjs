// Debian's Chromium and Firefox ESR, each a fresh headless browser with its own
// profile, driven through puppeteer-core (Chromium over DevTools, Firefox over
// WebDriver BiDi; nothing downloaded). Each launch returns a puppeteer Page; the
// walks use only the part of it that tests/web/webkit.mjs offers too: goto, reload,
// evaluate of an expression, screenshot, setViewport, the mouse and keyboard, and
// the console, so that the same walk runs in every engine. Chromium's pages also
// touch, commit text as an on-screen keyboard (keyboard.sendCharacter), and open a
// raw DevTools session (createCDPSession) for what no other engine has.
import { readlinkSync } from 'node:fs';
import path from 'node:path';
import puppeteer from 'puppeteer-core';

// A phone's browser as Qt's browser platform tells it: an Android user agent and
// touch input; on-screen keyboards commit text into the focused element.
const AndroidUserAgent = 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 ' +
    '(KHTML, like Gecko) Chrome/156.0.0.0 Mobile Safari/537.36';

// /usr/bin/firefox-esr is a link; puppeteer wants the binary itself, to find its
// folder's files.
const firefoxBinary = () => path.resolve('/usr/bin', readlinkSync('/usr/bin/firefox-esr'));

// A fresh Chromium with the given browser language; WebGL through SwiftShader, since
// there is no GPU. With touch, it passes for an Android phone or tablet of that size
// and pixel ratio, which setViewport turns.
export async function launchChromium(language, { width = 1024, height = 768, flags = [], touch = false, ratio = 1 } = {}) {
    const browser = await puppeteer.launch({
        executablePath: '/usr/bin/chromium', headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update', '--disable-sync',
               '--use-gl=angle', '--use-angle=swiftshader', '--enable-unsafe-swiftshader',
               `--lang=${language}`, `--accept-lang=${language}`, `--window-size=${width},${height}`, ...flags],
        defaultViewport: { width, height, deviceScaleFactor: ratio, isMobile: touch, hasTouch: touch,
                           isLandscape: width > height },
    });
    const [page] = await browser.pages();
    if (touch) {
        await page.setUserAgent(AndroidUserAgent);
        // Qt counts the touch points once, as it starts; a phone has more than
        // puppeteer's one. An emulation lasts as long as its session: this one stays.
        const devtools = await page.createCDPSession();
        await devtools.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
    }
    return page;
}

// A fresh Firefox whose languages are the given one, at the given page size.
export async function launchFirefox(language, { width = 1024, height = 768 } = {}) {
    const browser = await puppeteer.launch({
        browser: 'firefox', executablePath: firefoxBinary(), protocol: 'webDriverBiDi', headless: true,
        extraPrefsFirefox: {
            'intl.accept_languages': `${language}, ${language.split('-')[0]}`,
            'browser.shell.checkDefaultBrowser': false,
            'datareporting.policy.dataSubmissionEnabled': false,
        },
        defaultViewport: null,
    });
    const [page] = await browser.pages();
    await page.setViewport({ width, height });
    return page;
}
