// The browser build against a bare Qt Widgets window built with the same Qt: the
// .wasm's size raw, at gzip -9 and at brotli -q 11; then, served by Debian's nginx
// in its stock configuration and by python's http.server (neither compresses the
// program), the time from navigation to the first frame Qt paints in headless
// Chromium (median of rounds, fresh cache each time) on this machine, and over an
// emulated 10 Mbit/s link with 40 ms latency with everything the visit moves.
//
//   node bench/web_benchmark.mjs <program site> <bare window site> [rounds]
import { execFileSync, spawn } from 'node:child_process';
import { mkdtempSync, readFileSync, readdirSync, rmSync, statSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { launchChromium } from '../tests/web/browsers.mjs';
import { freePort } from '../tests/web/serve.mjs';

const [programSite, bareSite, roundsText = '5'] = process.argv.slice(2);
const rounds = Number(roundsText);
const throttledRounds = 3;
const Link = { latency: 40, download: 10e6 / 8, upload: 10e6 / 8 };

function sizesOf(site) {
    const name = readdirSync(site).find(file => file.endsWith('.wasm'));
    const file = path.join(site, name);
    const packed = (command, ...args) => execFileSync(command, [...args, '-c', file], { maxBuffer: 1 << 28 }).length;
    return { name, raw: statSync(file).size, gzip: packed('gzip', '-9') };
}

// The first image Qt puts on a window's 2D canvas (or, for a Qt that draws through
// WebGL, the first draw call) marks Qt's first frame; the animation frame after it is
// the moment that frame has been painted.
const firstFrameProbe = `(() => {
    const probe = window.ulvaneFirstFrame = {};
    for (const [context, names] of [[CanvasRenderingContext2D, ['putImageData']],
                                    [WebGLRenderingContext, ['drawArrays', 'drawElements']],
                                    [WebGL2RenderingContext, ['drawArrays', 'drawElements']]]) {
        for (const name of names) {
            const draw = context.prototype[name];
            context.prototype[name] = function (...args) {
                if (probe.drawn === undefined) {
                    probe.drawn = performance.now();
                    requestAnimationFrame(() => { probe.painted = performance.now(); });
                }
                return draw.apply(this, args);
            };
        }
    }
})();`;

// A server process on 127.0.0.1, ready once it answers.
async function startServer(command, args, port, scratch) {
    const server = spawn(command, args, { stdio: 'ignore' });
    const url = `http://127.0.0.1:${port}/`;
    for (let tries = 0; ; ++tries) {
        try {
            await fetch(url);
            break;
        } catch (error) {
            if (tries > 100)
                throw new Error(`${command}: no answer at ${url}`);
            await new Promise(resolve => setTimeout(resolve, 100));
        }
    }
    return { url, close: () => { server.kill(); if (scratch) rmSync(scratch, { recursive: true, force: true }); } };
}

// Debian's nginx.conf as installed, its sites replaced by one on 127.0.0.1 serving site.
async function nginx(site) {
    const scratch = mkdtempSync(path.join(os.tmpdir(), 'ulvane-nginx-'));
    const port = await freePort();
    const config = readFileSync('/etc/nginx/nginx.conf', 'utf8')
        .replace(/^pid .*;$/m, `pid ${scratch}/nginx.pid;`)
        .replace(/^error_log .*;$/m, `error_log ${scratch}/error.log;`)
        .replace(/^(\s*)access_log .*;$/m, '$1access_log off;')
        .replace(/include \/etc\/nginx\/sites-enabled\/\*;/,
                 `server { listen 127.0.0.1:${port}; root ${path.resolve(site)}; index index.html; }`);
    writeFileSync(path.join(scratch, 'nginx.conf'), config);
    return startServer('nginx', ['-c', path.join(scratch, 'nginx.conf'), '-g', 'daemon off;'], port, scratch);
}

async function pythonServer(site) {
    const port = await freePort();
    return startServer('python3', ['-m', 'http.server', '--bind', '127.0.0.1', String(port), '--directory', site], port);
}

// Median first frame over rounds fresh loads, and the bytes the median one moved.
async function firstFrame(url, count, link) {
    const page = await launchChromium('ru-RU');
    try {
        // The bytes on the wire, which only DevTools' own events tell.
        let moved = 0;
        const devtools = await page.createCDPSession();
        devtools.on('Network.loadingFinished', ({ encodedDataLength }) => { moved += encodedDataLength; });
        await devtools.send('Network.enable');
        // Every round a first visit: nothing from the browser's cache or a worker's.
        await page.setCacheEnabled(false);
        await page.setBypassServiceWorker(true);
        if (link)
            await page.emulateNetworkConditions(link);
        await page.evaluateOnNewDocument(firstFrameProbe);
        const loads = [];
        for (let round = 0; round < count; ++round) {
            await page.goto('about:blank');
            await new Promise(resolve => setTimeout(resolve, 300));
            moved = 0;
            await page.goto(`${url}?round=${round}`, { waitUntil: 'domcontentloaded' });
            let painted;
            for (let tries = 0; tries < 1200 && painted === undefined; ++tries) {
                await new Promise(resolve => setTimeout(resolve, 50));
                painted = await page.evaluate('window.ulvaneFirstFrame && window.ulvaneFirstFrame.painted');
            }
            if (painted === undefined)
                throw new Error(`${url}: no frame painted`);
            await new Promise(resolve => setTimeout(resolve, 1000));
            loads.push({ painted, moved });
        }
        loads.sort((a, b) => a.painted - b.painted);
        return { ...loads[Math.floor(loads.length / 2)], times: loads.map(load => load.painted) };
    } finally {
        await page.browser().close();
    }
}

const mb = bytes => (bytes / 1e6).toFixed(2) + ' MB';
const ms = value => value.toFixed(0) + ' ms';
const program = sizesOf(programSite);
const bare = sizesOf(bareSite);
const brotli = file => execFileSync('brotli', ['-q', '11', '-c', path.join(programSite, file)], { maxBuffer: 1 << 28 }).length;
console.log(`${program.name}: ${mb(program.raw)} raw, ${mb(program.gzip)} gzip -9 (goal 3.5 MB), ${mb(brotli(program.name))} brotli -q 11`);
console.log(`ulvane.js: ${mb(statSync(path.join(programSite, 'ulvane.js')).size)} raw, ` +
            `${mb(statSync(path.join(programSite, 'ulvane.js.gz')).size)} gzip -9, ${mb(brotli('ulvane.js'))} brotli -q 11`);
console.log(`${bare.name}: ${mb(bare.raw)} raw, ${mb(bare.gzip)} gzip -9`);
console.log(`size at gzip -9: ${(program.gzip / bare.gzip).toFixed(2)}x the bare window (goal 1.25x)`);

for (const [serverName, start] of [['nginx', nginx], ['python3 -m http.server', pythonServer]]) {
    const programServer = await start(programSite);
    const bareServer = await start(bareSite);
    try {
        const local = await firstFrame(programServer.url, rounds);
        const localBare = await firstFrame(bareServer.url, rounds);
        console.log(`${serverName}, first frame here: ${ms(local.painted)} (${local.times.map(ms).join(', ')}), ` +
                    `bare window ${ms(localBare.painted)}: ${(local.painted / localBare.painted).toFixed(2)}x (goal 1.3x)`);
        const slow = await firstFrame(programServer.url, throttledRounds, Link);
        console.log(`${serverName}, 10 Mbit/s and 40 ms: first frame ${ms(slow.painted)} (${slow.times.map(ms).join(', ')}; ` +
                    `goal 3500 ms), moved ${mb(slow.moved)} (goal 3.8 MB)`);
    } finally {
        programServer.close();
        bareServer.close();
    }
}
