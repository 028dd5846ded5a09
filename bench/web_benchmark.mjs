// The browser build against a bare Qt Widgets window built with the same Qt: the
// .wasm's size raw and at gzip -9, and the time from navigation to the first frame
// Qt paints, in headless Chromium (median of rounds, fresh cache each time).
//
//   node --experimental-websocket bench/web_benchmark.mjs <program site> <bare window site> [rounds]
import { execFileSync } from 'node:child_process';
import { readdirSync, statSync } from 'node:fs';
import path from 'node:path';
import { launchChromium, serve } from '../tests/web/chromium.mjs';

const [programSite, bareSite, roundsText = '5'] = process.argv.slice(2);
const rounds = Number(roundsText);

function wasmOf(site) {
    const name = readdirSync(site).find(file => file.endsWith('.wasm'));
    const file = path.join(site, name);
    return { name, raw: statSync(file).size, gzip: execFileSync('gzip', ['-9', '-c', file], { maxBuffer: 1 << 28 }).length };
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

async function firstFrame(site) {
    const server = await serve(site);
    const page = await launchChromium('ru-RU');
    try {
        await page.send('Network.enable');
        await page.send('Network.setCacheDisabled', { cacheDisabled: true });
        await page.send('Page.addScriptToEvaluateOnNewDocument', { source: firstFrameProbe });
        const times = [];
        for (let round = 0; round < rounds; ++round) {
            await page.send('Page.navigate', { url: `${server.url}?round=${round}` });
            let painted;
            for (let tries = 0; tries < 600 && painted === undefined; ++tries) {
                await new Promise(resolve => setTimeout(resolve, 100));
                painted = await page.evaluate('window.ulvaneFirstFrame && window.ulvaneFirstFrame.painted');
            }
            if (painted === undefined)
                throw new Error(`${site}: no frame painted`);
            times.push(painted);
        }
        times.sort((a, b) => a - b);
        return { median: times[Math.floor(times.length / 2)], times };
    } finally {
        await page.close();
        server.close();
    }
}

const program = wasmOf(programSite);
const bare = wasmOf(bareSite);
const mb = bytes => (bytes / 1e6).toFixed(2) + ' MB';
console.log(`${program.name}: ${mb(program.raw)} raw, ${mb(program.gzip)} gzip -9`);
console.log(`${bare.name}: ${mb(bare.raw)} raw, ${mb(bare.gzip)} gzip -9`);
console.log(`size at gzip -9: ${(program.gzip / bare.gzip).toFixed(2)}x the bare window (goal 1.25x)`);

const programFrame = await firstFrame(programSite);
const bareFrame = await firstFrame(bareSite);
const ms = value => value.toFixed(0) + ' ms';
console.log(`first frame, ${program.name}: median ${ms(programFrame.median)} (${programFrame.times.map(ms).join(', ')})`);
console.log(`first frame, ${bare.name}: median ${ms(bareFrame.median)} (${bareFrame.times.map(ms).join(', ')})`);
console.log(`first frame: ${(programFrame.median / bareFrame.median).toFixed(2)}x the bare window (goal 1.3x)`);
