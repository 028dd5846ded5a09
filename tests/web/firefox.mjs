// Debian's Firefox ESR driven over WebDriver BiDi with node's own WebSocket, offering
// the few DevTools calls of tests/web/chromium.mjs that the browser test's walk makes,
// so that the same walk runs in both browsers.
import { execFileSync, spawn } from 'node:child_process';
import { mkdtemp, rm, writeFile } from 'node:fs/promises';
import { createServer } from 'node:net';
import os from 'node:os';
import path from 'node:path';

export const firefoxVersion = () => execFileSync('firefox-esr', ['--version'], { encoding: 'utf8' }).trim();

async function freePort() {
    const server = createServer();
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    const { port } = server.address();
    await new Promise(resolve => server.close(resolve));
    return port;
}

// WebDriver's code points of the keys the walk presses, and its DevTools modifier bits.
const Keys = { Enter: '\uE007', Tab: '\uE004', Escape: '\uE00C', ArrowRight: '\uE014', Alt: '\uE00A', Control: '\uE009' };
const Modifiers = [[1, Keys.Alt], [2, Keys.Control]];
const Buttons = { left: 0, middle: 1, right: 2 };

// A fresh headless Firefox with its own profile, whose languages are the given one.
export async function launchFirefox(language, { width = 1024, height = 768 } = {}) {
    const profile = await mkdtemp(path.join(os.tmpdir(), 'ulvane-firefox-'));
    await writeFile(path.join(profile, 'user.js'), [
        `user_pref("intl.accept_languages", "${language}, ${language.split('-')[0]}");`,
        'user_pref("browser.shell.checkDefaultBrowser", false);',
        'user_pref("datareporting.policy.dataSubmissionEnabled", false);',
    ].join('\n'));
    const port = await freePort();
    const process = spawn('firefox-esr', ['--headless', '--no-remote', '--profile', profile,
                                         `--remote-debugging-port=${port}`, 'about:blank'],
                          { stdio: ['ignore', 'ignore', 'pipe'] });
    await new Promise((resolve, reject) => {
        let output = '';
        process.stderr.on('data', data => {
            output += data;
            if (/WebDriver BiDi listening/.test(output))
                resolve();
        });
        process.on('exit', code => reject(new Error(`firefox ended (${code}): ${output}`)));
    });
    const bidi = await connect(`ws://127.0.0.1:${port}/session`);
    await bidi.send('session.new', { capabilities: {} });
    const { contexts: [{ context }] } = await bidi.send('browsingContext.getTree', {});
    await bidi.send('browsingContext.setViewport', { context, viewport: { width, height } });
    await bidi.send('session.subscribe', { events: ['log.entryAdded'] });

    const held = new Set();
    const keys = actions => bidi.send('input.performActions',
                                      { context, actions: [{ type: 'key', id: 'keyboard', actions }] });
    const pointer = actions => bidi.send('input.performActions', {
        context, actions: [{ type: 'pointer', id: 'mouse', parameters: { pointerType: 'mouse' }, actions }] });
    // A key event of DevTools: its modifiers are pressed around it unless already held.
    async function key({ type, key, modifiers = 0 }) {
        const value = Keys[key] ?? key;
        const around = Modifiers.filter(([bit, code]) => modifiers & bit && !held.has(code) && code !== value)
                                .map(([, code]) => code);
        if (type === 'keyUp') {
            held.delete(value);
            return keys([{ type: 'keyUp', value }, ...around.map(code => ({ type: 'keyUp', value: code }))]);
        }
        if (key === 'Alt' || key === 'Control')
            held.add(value);
        return keys([...around.map(code => ({ type: 'keyDown', value: code })), { type: 'keyDown', value }]);
    }
    const calls = {
        'Page.navigate': ({ url }) => bidi.send('browsingContext.navigate', { context, url, wait: 'complete' }),
        'Page.captureScreenshot': () => bidi.send('browsingContext.captureScreenshot', { context }),
        'Input.dispatchMouseEvent': ({ type, x, y, button = 'left' }) => pointer([
            { type: 'pointerMove', x: Math.round(x), y: Math.round(y) },
            ...type === 'mousePressed' ? [{ type: 'pointerDown', button: Buttons[button] }] : [],
            ...type === 'mouseReleased' ? [{ type: 'pointerUp', button: Buttons[button] }] : [],
        ]),
        'Input.dispatchKeyEvent': key,
    };
    return {
        send(method, params) {
            if (!calls[method])
                throw new Error(`${method}: not offered for Firefox`);
            return calls[method](params);
        },
        // The page's console, as DevTools reports it.
        on(method, callback) {
            if (method === 'Runtime.consoleAPICalled')
                bidi.listen('log.entryAdded', ({ level, text }) => callback({ type: level, args: [{ value: text }] }));
        },
        async evaluate(expression) {
            const { type, result, exceptionDetails } = await bidi.send('script.evaluate', {
                expression: `(async () => JSON.stringify(await (${expression})))()`,
                target: { context }, awaitPromise: true });
            if (type === 'exception')
                throw new Error(`${expression}: ${exceptionDetails.text}`);
            return result.value === undefined ? undefined : JSON.parse(result.value);
        },
        async close() {
            bidi.socket.close();
            process.kill();
            await new Promise(resolve => process.once('exit', resolve));
            await rm(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 200 });
        },
    };
}

async function connect(endpoint) {
    const socket = new WebSocket(endpoint);
    await new Promise((resolve, reject) => {
        socket.onopen = resolve;
        socket.onerror = () => reject(new Error(`no WebDriver BiDi connection at ${endpoint}`));
    });
    let lastId = 0;
    const pending = new Map();
    const listeners = [];
    socket.onmessage = ({ data }) => {
        const message = JSON.parse(data);
        if (message.id !== undefined) {
            const { resolve, reject } = pending.get(message.id);
            pending.delete(message.id);
            message.type === 'error' ? reject(new Error(`${message.error}: ${message.message}`)) : resolve(message.result);
        } else {
            for (const [method, callback] of listeners)
                message.method === method && callback(message.params);
        }
    };
    return {
        send(method, params) {
            const id = ++lastId;
            socket.send(JSON.stringify({ id, method, params }));
            return new Promise((resolve, reject) => pending.set(id, { resolve, reject }));
        },
        listen: (method, callback) => listeners.push([method, callback]),
        socket,
    };
}
