// Debian's WebKitGTK: its MiniBrowser driven by WebKitWebDriver over plain WebDriver
// (HTTP and JSON through node's fetch), in a virtual X display of its own with a
// D-Bus session, as WebKitGTK needs both even to draw off screen. The page it
// returns offers the part of puppeteer's Page that the walks use (goto, reload,
// evaluate, screenshot, setViewport, mouse, keyboard, console), so that the same
// student walks in WebKit as in Chromium and Firefox.
import { execFileSync, spawn } from 'node:child_process';
import { existsSync, mkdirSync, readdirSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { freePort } from './serve.mjs';

// Debian puts MiniBrowser beside WebKitGTK's own processes, not on the PATH.
function miniBrowser() {
    for (const folder of readdirSync('/usr/lib')) {
        for (const api of ['webkit2gtk-4.1', 'webkitgtk-6.0']) {
            const binary = path.join('/usr/lib', folder, api, 'MiniBrowser');
            if (existsSync(binary))
                return binary;
        }
    }
    throw new Error('no MiniBrowser: tools/install-dependencies webkit2gtk-driver');
}

// WebKitGTK takes navigator.language from the process's locale, which must exist;
// Debian generates only those chosen in /etc/locale.gen, so it is made here, in a
// folder of its own, with no change to the system.
function locale(language) {
    const name = `${language.replace('-', '_')}.UTF-8`;
    const folder = path.join(os.tmpdir(), 'ulvane-locales');
    if (!existsSync(path.join(folder, name))) {
        mkdirSync(folder, { recursive: true });
        execFileSync('localedef', ['-i', name.split('.')[0], '-f', 'UTF-8', path.join(folder, name)]);
    }
    return { LOCPATH: folder, LANG: name, LANGUAGE: language.replace('-', '_'), LC_ALL: name };
}

// WebDriver's code points of the keys the walks press; a letter or digit is itself.
const Keys = { Enter: '\uE007', Tab: '\uE004', Escape: '\uE00C', ArrowRight: '\uE014', Alt: '\uE00A', Control: '\uE009' };
const Buttons = { left: 0, middle: 1, right: 2 };
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

// WebDriver has no console, and MiniBrowser under automation writes none: the page's
// console is wrapped, by each evaluation if not yet, and what it said comes back with
// the next evaluation's value. What a page says before the walk first looks at it
// after loading is lost.
const ConsoleHook = `if (!window.ulvaneConsole) {
    window.ulvaneConsole = [];
    for (const level of ['warn', 'error', 'info', 'debug']) {
        const original = console[level];
        console[level] = (...args) => {
            ulvaneConsole.push([level, args.map(String).join(' ')]);
            return original.apply(console, args);
        };
    }
}`;

// A fresh MiniBrowser whose language is the given one, its page at the given size.
export async function launchWebKit(language, { width = 1024, height = 768 } = {}) {
    const port = await freePort();
    const env = { ...process.env, ...locale(language), LIBGL_ALWAYS_SOFTWARE: '1' };
    // WebKitGTK's sandbox cannot start as root.
    if (process.getuid?.() === 0)
        env.WEBKIT_DISABLE_SANDBOX_THIS_IS_DANGEROUS = '1';
    // A group of its own, so that closing ends the display, the bus and the browser's
    // helper processes together.
    const driver = spawn('xvfb-run', ['-a', '-s', '-screen 0 1920x1200x24', 'dbus-run-session', '--',
                                      'WebKitWebDriver', `--port=${port}`],
                         { env, detached: true, stdio: ['ignore', 'ignore', 'pipe'] });
    let errors = '';
    driver.stderr.on('data', data => { errors += data; });
    const ended = new Promise(resolve => driver.once('exit', resolve));
    const end = async () => {
        try {
            process.kill(-driver.pid);
        } catch {
            // Gone already.
        }
        await ended;
    };

    const base = `http://127.0.0.1:${port}`;
    async function request(method, url, body) {
        const response = await fetch(base + url, {
            method, headers: { 'Content-Type': 'application/json' }, body: body && JSON.stringify(body) });
        const { value } = await response.json();
        if (!response.ok)
            throw new Error(`WebDriver ${method} ${url}: ${value?.error}: ${value?.message}`);
        return value;
    }
    try {
        for (let tries = 0; !await request('GET', '/status').then(status => status.ready, () => false); ++tries) {
            if (tries > 100)
                throw new Error(`WebKitWebDriver: not ready on ${base}: ${errors}`);
            await sleep(100);
        }
        // Without --automation MiniBrowser opens no window for the session and
        // creating it hangs.
        const { sessionId, capabilities } = await request('POST', '/session', { capabilities: { alwaysMatch: {
            'webkitgtk:browserOptions': { binary: miniBrowser(), args: ['--automation'] },
            timeouts: { script: 120000 },
        } } });
        const page = webDriverPage((method, url, body) => request(method, `/session/${sessionId}${url}`, body));
        page.browser = () => ({
            version: async () => `${capabilities.browserName} ${capabilities.browserVersion}`,
            async close() {
                await page.session('DELETE', '').catch(() => {});
                await end();
            },
        });
        await page.setViewport({ width, height });
        return page;
    } catch (error) {
        await end();
        throw error;
    }
}

// The page of a WebDriver session, as puppeteer's.
function webDriverPage(session) {
    const listeners = [];
    const pointer = actions => session('POST', '/actions', { actions: [
        { type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions }] });
    const keys = actions => session('POST', '/actions', { actions: [{ type: 'key', id: 'keyboard', actions }] });
    const key = name => Keys[name] ?? name;
    const page = {
        session,
        goto: url => session('POST', '/url', { url }),
        reload: () => session('POST', '/refresh', {}),
        // The expression's value, awaited if a promise, as puppeteer's evaluate gives it.
        async evaluate(expression) {
            const { value, error, said } = await session('POST', '/execute/async', { args: [expression], script: `
                const done = arguments[1];
                ${ConsoleHook}
                Promise.resolve().then(() => (0, eval)(arguments[0])).then(value => ({ value }), error => ({ error: String(error) }))
                    .then(result => done({ ...result, said: window.ulvaneConsole.splice(0) }));` });
            for (const [level, text] of said)
                listeners.forEach(callback => callback({ type: () => level, text: () => text }));
            if (error)
                throw new Error(`${expression}: ${error}`);
            return value;
        },
        async screenshot({ encoding, path: file } = {}) {
            const data = await session('GET', '/screenshot');
            if (file)
                writeFileSync(file, Buffer.from(data, 'base64'));
            return encoding === 'base64' ? data : Buffer.from(data, 'base64');
        },
        // The window made as much larger than the page as MiniBrowser's own bar takes.
        async setViewport({ width, height }) {
            let [innerWidth, innerHeight] = [width, height];
            for (let tries = 0; tries < 3; ++tries) {
                const rect = await session('GET', '/window/rect');
                await session('POST', '/window/rect', { width: rect.width + width - innerWidth,
                                                        height: rect.height + height - innerHeight });
                [innerWidth, innerHeight] = await page.evaluate('[innerWidth, innerHeight]');
                if (innerWidth === width && innerHeight === height)
                    return;
            }
            throw new Error(`WebKit: a page of ${width}x${height} asked, ${innerWidth}x${innerHeight} given`);
        },
        mouse: {
            move: (x, y) => pointer([{ type: 'pointerMove', x: Math.round(x), y: Math.round(y) }]),
            down: ({ button = 'left' } = {}) => pointer([{ type: 'pointerDown', button: Buttons[button] }]),
            up: ({ button = 'left' } = {}) => pointer([{ type: 'pointerUp', button: Buttons[button] }]),
        },
        keyboard: {
            down: name => keys([{ type: 'keyDown', value: key(name) }]),
            up: name => keys([{ type: 'keyUp', value: key(name) }]),
            press: name => keys([{ type: 'keyDown', value: key(name) }, { type: 'keyUp', value: key(name) }]),
        },
        on(event, callback) {
            if (event === 'console')
                listeners.push(callback);
        },
    };
    return page;
}
