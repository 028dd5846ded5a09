// A static web server on 127.0.0.1 for the browser tests and the web benchmark.
import { readFile } from 'node:fs/promises';
import { createServer } from 'node:http';
import { createServer as createSocketServer } from 'node:net';
import { gzipSync } from 'node:zlib';
import path from 'node:path';

const contentTypes = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
    '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png', '.gz': 'application/gzip',
    '.br': 'application/octet-stream',
    '.webmanifest': 'application/manifest+json',
};

// Serves folder as a static web server does, with the types a page of Qt needs.
// compress as servers differ: 'none'; 'encoded', a .gz or .br file sent as gzip- or
// brotli-encoded content of its own type; 'on-the-fly', every file gzipped again on
// its way.
// Keeps the paths it was asked for, to tell whether a page reached it at all.
// firstScript goes into every HTML page before the page's own scripts, where a
// browser offers no way to run one there. Set offline, it drops each connection
// unanswered, as a browser without a network meets a server.
export async function serve(folder, { compress = 'none', firstScript } = {}) {
    const root = path.resolve(folder);
    const requests = [];
    let offline = false;
    const server = createServer(async (request, response) => {
        const { pathname } = new URL(request.url, 'http://127.0.0.1');
        requests.push(pathname);
        if (offline)
            return request.socket.destroy();
        const file = path.join(root, decodeURIComponent(pathname.endsWith('/') ? pathname + 'index.html' : pathname));
        try {
            if (!file.startsWith(root + path.sep))
                throw new Error('outside');
            let body = await readFile(file);
            if (firstScript && file.endsWith('.html'))
                body = Buffer.from(body.toString('utf8').replace('<head>', `<head>\n<script>${firstScript}</script>`));
            const headers = { 'Content-Type': contentTypes[path.extname(file)] ?? 'application/octet-stream',
                              'Cache-Control': 'no-store' };
            const encoding = { '.gz': 'gzip', '.br': 'br' }[path.extname(file)];
            if (compress === 'encoded' && encoding) {
                headers['Content-Type'] = contentTypes[path.extname(file.slice(0, -3))];
                headers['Content-Encoding'] = encoding;
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
             paths: () => [...requests], setOffline: value => { offline = value; },
             close: () => { server.close(); server.closeAllConnections(); } };
}

// A port on 127.0.0.1 that nothing listens on, for a server or browser started apart.
export async function freePort() {
    const probe = createSocketServer();
    await new Promise(resolve => probe.listen(0, '127.0.0.1', resolve));
    const { port } = probe.address();
    await new Promise(resolve => probe.close(resolve));
    return port;
}
