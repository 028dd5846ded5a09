// A static web server on 127.0.0.1 and Debian's headless Chromium driven through the
// DevTools protocol over node's own WebSocket; shared by the browser test and the
// web benchmark.
import { spawn } from 'node:child_process';
import { mkdtemp, readFile, rm } from 'node:fs/promises';
import { createServer } from 'node:http';
import { gzipSync } from 'node:zlib';
import os from 'node:os';
import path from 'node:path';

const contentTypes = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png', '.gz': 'application/gzip',
    '.webmanifest': 'application/manifest+json',
};

// Serves folder as a static web server does, with the types a page of Qt needs.
// compress as servers differ: 'none'; 'gz-encoded', a .gz file sent as gzip-encoded
// content of its own type; 'on-the-fly', every file gzipped again on its way.
// Keeps the paths it was asked for, to tell whether a page reached it at all.
export async function serve(folder, { compress = 'none' } = {}) {
    const root = path.resolve(folder);
    const requests = [];
    const server = createServer(async (request, response) => {
        const { pathname } = new URL(request.url, 'http://127.0.0.1');
        requests.push(pathname);
        const file = path.join(root, decodeURIComponent(pathname.endsWith('/') ? pathname + 'index.html' : pathname));
        try {
            if (!file.startsWith(root + path.sep))
                throw new Error('outside');
            let body = await readFile(file);
            const headers = { 'Content-Type': contentTypes[path.extname(file)] ?? 'application/octet-stream',
                              'Cache-Control': 'no-store' };
            if (compress === 'gz-encoded' && file.endsWith('.gz')) {
                headers['Content-Type'] = contentTypes[path.extname(file.slice(0, -3))];
                headers['Content-Encoding'] = 'gzip';
            } else if (compress === 'on-the-fly' && /\bgzip\b/.test(request.headers['accept-encoding'] ?? '')) {
                body = gzipSync(body, { level: 1 });
                headers['Content-Encoding'] = 'gzip';
            }
            response.writeHead(200, { ...headers, 'Content-Length': body.length });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    await new Promise(resolve => server.listen(0, '127.0.0.1', resolve));
    return { url: `http://127.0.0.1:${server.address().port}/`, port: server.address().port,
             paths: () => [...requests], close: () => server.close() };
}

// A phone's browser as Qt's browser platform tells it: an Android user agent and
// touch input; on-screen keyboards commit text into the focused element.
const AndroidUserAgent = 'Mozilla/5.0 (Linux; Android 14; Pixel 8) AppleWebKit/537.36 ' +
    '(KHTML, like Gecko) Chrome/156.0.0.0 Mobile Safari/537.36';

// A fresh Chromium with its own profile and the given browser language; WebGL through
// SwiftShader, since there is no GPU. With touch, it passes for an Android phone or
// tablet of that size and pixel ratio, which page.resize turns.
export async function launchChromium(language, { width = 1024, height = 768, flags = [], touch = false, ratio = 1 } = {}) {
    const profile = await mkdtemp(path.join(os.tmpdir(), 'ulvane-chromium-'));
    const process = spawn('chromium', [
        '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync',
        `--user-data-dir=${profile}`, '--remote-debugging-port=0', '--use-gl=angle', '--use-angle=swiftshader',
        '--enable-unsafe-swiftshader', `--lang=${language}`, `--accept-lang=${language}`,
        `--window-size=${width},${height}`, ...flags, 'about:blank',
    ], { stdio: ['ignore', 'ignore', 'pipe'] });
    const endpoint = await new Promise((resolve, reject) => {
        let output = '';
        process.stderr.on('data', data => {
            output += data;
            const match = output.match(/DevTools listening on (ws:\/\/\S+)/);
            if (match)
                resolve(match[1]);
        });
        process.on('exit', code => reject(new Error(`chromium ended (${code}): ${output}`)));
    });
    const browser = await connect(endpoint);
    const { targetId } = await browser.send('Target.createTarget', { url: 'about:blank' });
    const { sessionId } = await browser.send('Target.attachToTarget', { targetId, flatten: true });
    const page = browser.session(sessionId);
    await page.send('Page.enable');
    await page.send('Runtime.enable');
    page.resize = (width, height) => page.send('Emulation.setDeviceMetricsOverride', {
        width, height, deviceScaleFactor: ratio, mobile: touch,
        screenOrientation: width > height ? { type: 'landscapePrimary', angle: 90 } : { type: 'portraitPrimary', angle: 0 } });
    await page.resize(width, height);
    await page.send('Emulation.setUserAgentOverride', {
        userAgent: touch ? AndroidUserAgent : (await browser.send('Browser.getVersion')).userAgent,
        acceptLanguage: language });
    if (touch)
        await page.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
    page.close = async () => {
        browser.socket.close();
        process.kill();
        await new Promise(resolve => process.once('exit', resolve));
        await rm(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 200 });
    };
    return page;
}

async function connect(endpoint) {
    const socket = new WebSocket(endpoint);
    await new Promise((resolve, reject) => {
        socket.onopen = resolve;
        socket.onerror = () => reject(new Error(`no DevTools connection at ${endpoint}`));
    });
    let lastId = 0;
    const pending = new Map();
    const listeners = new Set();
    socket.onmessage = ({ data }) => {
        const message = JSON.parse(data);
        if (message.id !== undefined) {
            const { method, resolve, reject } = pending.get(message.id);
            pending.delete(message.id);
            message.error ? reject(new Error(`${method}: ${message.error.message} (${message.error.code})`))
                          : resolve(message.result);
        } else {
            for (const listener of listeners)
                listener(message);
        }
    };
    const session = sessionId => ({
        send(method, params = {}) {
            const id = ++lastId;
            socket.send(JSON.stringify({ id, method, params, sessionId }));
            return new Promise((resolve, reject) => pending.set(id, { method, resolve, reject }));
        },
        // The next event of that name, or undefined after timeout milliseconds.
        next(method, timeout = 30000) {
            return new Promise(resolve => {
                const listener = message => {
                    if (message.method === method && message.sessionId === sessionId) {
                        listeners.delete(listener);
                        resolve(message.params);
                    }
                };
                listeners.add(listener);
                setTimeout(() => { listeners.delete(listener); resolve(undefined); }, timeout);
            });
        },
        on(method, callback) {
            listeners.add(message => message.method === method && message.sessionId === sessionId && callback(message.params));
        },
        async evaluate(expression) {
            const { result, exceptionDetails } = await this.send('Runtime.evaluate',
                { expression, awaitPromise: true, returnByValue: true });
            if (exceptionDetails)
                throw new Error(`${expression}: ${exceptionDetails.exception?.description ?? exceptionDetails.text}`);
            return result.value;
        },
        socket,
    });
    return Object.assign(session(undefined), { session });
}
