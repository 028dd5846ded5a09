// ulvane-loader.js with fake servers and browsers: which file it asks for (brotli,
// gzip or plain), when it unpacks what arrives, the size its percent counts against, and what it says when
// the download, the script or the browser fails.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import vm from 'node:vm';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { browserDecompression, readPageFile, recordingConsole, runPageScript, settle } from './page.mjs';

const pageUrl = 'https://lab.example/ulvane/index.html';

// The program as the build leaves it: a .wasm (its magic number first) and a .js.
const wasm = Buffer.concat([Buffer.from([0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00]),
                            Buffer.from(Array.from({ length: 392 }, (_, i) => (i * 7) % 251))]);
const js = 'window.ulvane_entry = config => ulvaneTest.entry(config);\n';
// Packed as write_site.cmake packs them. The .wasm stored (gzip -0) so that its size
// is known: 23 bytes of header, block header and trailer more.
const brotli = bytes => brotliCompressSync(bytes, { params: { [constants.BROTLI_PARAM_QUALITY]: 11 } });
const files = {
    'ulvane.wasm': wasm,
    'ulvane.wasm.gz': gzipSync(wasm, { level: 0 }),
    'ulvane.wasm.br': brotli(wasm),
    'ulvane.js': Buffer.from(js),
    'ulvane.js.gz': gzipSync(js, { level: 9 }),
    'ulvane.js.br': brotli(Buffer.from(js)),
};
assert.equal(files['ulvane.wasm.gz'].length, 423);
assert.equal(files['ulvane.wasm.br'].length, 246);

// The loader's data-* attributes as write_site.cmake writes them into the page.
function loaderDataset({ program = 'ulvane', wasmBytes = wasm.length, gzipBytes = files['ulvane.wasm.gz'].length,
                         brotliBytes = files['ulvane.wasm.br'].length } = {}) {
    const page = readPageFile('index.html.in').replaceAll('@PROGRAM@', program).replaceAll('@WASM_BYTES@', wasmBytes)
        .replaceAll('@GZIP_BYTES@', gzipBytes).replaceAll('@BROTLI_BYTES@', brotliBytes);
    const tag = page.match(/<script src="ulvane-loader\.js"([^>]*)>/)[1];
    const dataset = {};
    for (const [, name, value] of tag.matchAll(/\sdata-([a-z-]+)="([^"]*)"/g))
        dataset[name.replace(/-([a-z])/g, (_, letter) => letter.toUpperCase())] = value;
    return dataset;
}

// What reaches the page for each file, after the browser has undone any
// Content-Encoding. A server that gzips everything again on the way delivers what one
// that sends files as they are does; one that marks the packed files with their
// Content-Encoding delivers the plain bytes.
// One that gzips them once more, where the browser leaves that on (WebKitGTK, for a
// file of type application/gzip), delivers them packed twice.
const servers = {
    'files as they are': name => files[name],
    'the packed files marked with their Content-Encoding': name => files[name.replace(/\.(gz|br)$/, '')],
    'gzipped once more, left on': name => files[name] && gzipSync(files[name], { level: 0 }),
};

// The page's elements, as far as the loader touches them.
function elements() {
    const percents = [];
    const parts = ['Загрузка программы Ulvane…'];
    return {
        percents,
        status: { style: { display: '' } },
        screen: { style: { display: '' } },
        progress: { hidden: false, value: 0 },
        percent: {
            hidden: false,
            set textContent(value) { percents.push(value); },
        },
        message: {
            said: 0,
            set textContent(value) { parts.splice(0, parts.length, value); ++this.said; },
            append(...nodes) {
                parts.push(...nodes.map(node => (typeof node === 'string' ? node
                    : `<a href="${node.href}">${node.textContent}</a>`)));
            },
            get shown() { return parts.join(''); },
        },
    };
}

// Loads the page with the loader: `serve(name)` gives a file's bytes or nothing (404);
// the body arrives in `chunk`-byte pieces (or pieces of the sizes listed, the last
// size repeated). The browser unpacks gzip, brotli too, or has no DecompressionStream.
async function load({ serve = servers['files as they are'], chunk = 100, unpacks = 'gzip', dataset = loaderDataset(),
                      webAssembly = true, scriptFails = false, fetchFails = null } = {}) {
    const page = elements();
    const seen = { fetched: [], compiled: [], started: 0, entry: null, revoked: [], frames: [] };
    const blobs = new Map();
    let done = false;

    function response(url) {
        const bytes = serve(url);
        if (!bytes)
            return { ok: false, status: 404, statusText: 'Not Found', url: new URL(url, pageUrl).href };
        let offset = 0;
        let pieces = 0;
        const body = new ReadableStream({
            pull(controller) {
                if (offset >= bytes.length) {
                    controller.close();
                    return;
                }
                const sizes = [chunk].flat();
                const size = sizes[Math.min(pieces++, sizes.length - 1)];
                controller.enqueue(new Uint8Array(bytes.subarray(offset, offset + size)));
                offset += size;
            },
        });
        return { ok: true, status: 200, statusText: 'OK', url: new URL(url, pageUrl).href, body };
    }

    const document = {
        currentScript: { dataset },
        getElementById: id => page[id],
        createElement: tag => ({ tag }),
        head: {
            async append(element) {
                const blob = blobs.get(element.src);
                const source = await blob.text();
                if (scriptFails)
                    return element.onerror();
                window.ulvaneTest.source = source;
                window.ulvaneTest.type = blob.type;
                vm.runInContext(source, window);
                element.onload();
            },
        },
    };
    let nextBlob = 0;
    const globals = {
        document,
        location: { href: pageUrl },
        console: recordingConsole(),
        fetch: async url => {
            seen.fetched.push(url);
            if (fetchFails)
                throw new TypeError(fetchFails);
            return response(url);
        },
        // A frame shows the page as it stands when the frame comes.
        requestAnimationFrame: callback => setImmediate(() => {
            seen.frames.push(page.status.style.display);
            callback(0);
        }),
        setTimeout,
        ReadableStream,
        TransformStream,
        Response,
        URL: {
            createObjectURL: blob => { const url = `blob:${pageUrl}#${++nextBlob}`; blobs.set(url, blob); return url; },
            revokeObjectURL: url => { blobs.delete(url); seen.revoked.push(url); },
        },
        WebAssembly: webAssembly ? {
            compile: async () => { throw new Error('not used'); },
            compileStreaming: async source => {
                const response = await source;
                const module = { bytes: Buffer.from(await response.arrayBuffer()),
                                 type: response.headers.get('Content-Type') };
                seen.compiled.push(module);
                return module;
            },
            instantiate: async (module, imports) => ({ module, imports }),
        } : undefined,
        ulvaneTest: {
            entry: async config => {
                seen.entry = config;
                seen.framesBeforeEntry = [...seen.frames];
                await new Promise(resolve => config.instantiateWasm({ env: {} }, (instance, module) => {
                    seen.instantiated = { instance, module };
                    resolve();
                }));
            },
        },
        ...(unpacks ? { DecompressionStream: browserDecompression({ brotli: unpacks === 'brotli' }) } : {}),
    };
    const window = runPageScript(['packing.js', 'ulvane-loader.js'], globals);
    window.addEventListener('ulvane-started', () => { ++seen.started; done = true; });
    await settle(() => done || page.message.said > 0);
    return { page, seen, window, blobs };
}

const names = { [wasm.toString('hex')]: 'plain wasm', [files['ulvane.wasm.gz'].toString('hex')]: 'packed wasm' };

test('packed or plain files, unpacked once, the percent against what arrives', async () => {
    const urls = suffix => ['ulvane.wasm', 'ulvane.js'].map(name => name + suffix);
    // 423 gzip bytes, 246 brotli bytes or 400 plain ones, in pieces of 100.
    const ofGzip = ['23 %', '47 %', '70 %', '94 %', '100 %'];
    const ofBrotli = ['40 %', '81 %', '100 %'];
    const ofPlain = ['25 %', '50 %', '75 %', '100 %'];
    const marked = 'the packed files marked with their Content-Encoding';
    const cases = [
        { server: 'files as they are', fetched: urls('.gz'), percents: ofGzip },
        { server: marked, fetched: urls('.gz'), percents: ofPlain },
        { server: 'files as they are', unpacks: 'brotli', fetched: urls('.br'), percents: ofBrotli },
        // 446 bytes, counted against the 423 of the .gz, or the 246 of the .br.
        { server: 'gzipped once more, left on', fetched: urls('.gz'), percents: ['23 %', '47 %', '70 %', '94 %', '100 %'] },
        { server: 'gzipped once more, left on', unpacks: 'brotli', fetched: urls('.br'), percents: ['40 %', '81 %', '100 %'] },
        { server: marked, unpacks: 'brotli', fetched: urls('.br'), percents: ofPlain },
        // A piece too short to tell is read on until enough has come.
        { server: 'files as they are', chunk: [2, 1000], fetched: urls('.gz'), percents: ['0 %', '100 %'] },
        { server: marked, chunk: [2, 1000], fetched: urls('.gz'), percents: ['0 %', '100 %'] },
        { server: 'files as they are', unpacks: 'brotli', chunk: [2, 30, 1000], fetched: urls('.br'),
          percents: ['0 %', '13 %', '100 %'] },
        { server: marked, unpacks: 'brotli', chunk: [2, 30, 1000], fetched: urls('.br'), percents: ['0 %', '8 %', '100 %'] },
        { server: 'files as they are', chunk: 1000, fetched: urls('.gz'), percents: ['100 %'] },
        { server: marked, unpacks: 'brotli', chunk: 1000, fetched: urls('.br'), percents: ['100 %'] },
        // Without DecompressionStream: the plain files.
        { server: 'files as they are', unpacks: null, fetched: urls(''), percents: ofPlain },
        // Sizes smaller than what arrives (a page of an older build): no more than 100 %.
        { server: 'files as they are', dataset: loaderDataset({ gzipBytes: 300 }), fetched: urls('.gz'),
          percents: ['33 %', '66 %', '100 %', '100 %', '100 %'] },
        // Sizes larger than what arrives (a server's packing over ours came out
        // smaller): 100 % once all is there.
        { server: 'files as they are', dataset: loaderDataset({ gzipBytes: 500 }), fetched: urls('.gz'),
          percents: ['20 %', '40 %', '60 %', '80 %', '84 %', '100 %'] },
        // A page without the sizes shows 0 % until the program starts.
        { server: 'files as they are', unpacks: 'brotli', dataset: loaderDataset({ wasmBytes: '', brotliBytes: '' }),
          fetched: urls('.br'), percents: Array(3).fill('0 %') },
    ];
    for (const { server, chunk, unpacks = 'gzip', dataset, fetched, percents } of cases) {
        const name = `${server}, ${[chunk ?? 100].flat().join('+')}-byte pieces, unpacking ${unpacks}`;
        const { page, seen, window } = await load({ serve: servers[server], chunk, unpacks, dataset });
        assert.deepEqual(seen.fetched, fetched, name);
        assert.deepEqual(page.percents, percents, name);
        assert.deepEqual(seen.compiled.map(({ bytes, type }) => [names[bytes.toString('hex')] ?? bytes.length, type]),
                         [['plain wasm', 'application/wasm']], name);
        assert.equal(seen.instantiated.module, seen.compiled[0], name);
        assert.equal(window.ulvaneTest.source, js, name);
        assert.equal(page.progress.value, Number.parseInt(percents.at(-1)), name);
    }
});

test('the script runs from a blob, then the program starts in the screen element', async () => {
    for (const unpacks of ['brotli', 'gzip', null]) {
        const { page, seen, window, blobs } = await load({ unpacks });
        assert.equal(window.ulvaneTest.source, js);
        assert.equal(window.ulvaneTest.type, 'text/javascript');
        assert.equal(blobs.size, 0, 'the blob is released');
        assert.equal(seen.revoked.length, 1);
        assert.equal(seen.entry.qtContainerElements.length, 1);
        assert.equal(seen.entry.qtContainerElements[0], page.screen);
        assert.deepEqual([page.status.style.display, page.screen.style.display], ['none', 'block']);
        assert.deepEqual(seen.framesBeforeEntry, ['none'], 'a frame shows the status gone before the program starts');
        assert.equal(seen.started, 1);
    }
});

test('what the page says when the program cannot run or has ended', async () => {
    const restart = `<a href="${pageUrl}">Начать заново</a>`;
    const noWebAssembly = 'Этот браузер не умеет запускать WebAssembly, без которого Ulvane не работает. ' +
                          'Откройте страницу в новой версии Chrome, Edge, Firefox или Safari.';
    const cases = [
        { name: 'the packed .wasm missing', serve: name => (name === 'ulvane.wasm.gz' ? null : files[name]),
          shown: `Не удалось загрузить программу: https://lab.example/ulvane/ulvane.wasm.gz: 404 Not Found. ${restart}` },
        { name: 'the plain .js missing', unpacks: null, serve: name => (name === 'ulvane.js' ? null : files[name]),
          shown: `Не удалось загрузить программу: https://lab.example/ulvane/ulvane.js: 404 Not Found. ${restart}` },
        { name: 'no network', fetchFails: 'Failed to fetch',
          shown: `Не удалось загрузить программу: Failed to fetch. ${restart}` },
        { name: 'the script refused', scriptFails: true,
          shown: `Не удалось загрузить программу: ulvane.js: не загружен. ${restart}` },
        { name: 'no WebAssembly', webAssembly: false, fetched: [], shown: noWebAssembly },
        { name: 'the program aborts', then: ({ seen }) => seen.entry.onAbort('RuntimeError: unreachable'),
          shown: `Программа завершилась с ошибкой: RuntimeError: unreachable ${restart}` },
        { name: 'the last window closed', then: ({ window }) => window.dispatchEvent(new Event('ulvane-finished')),
          shown: `Работа с программой завершена. ${restart}` },
    ];
    for (const { name, then, fetched, shown, ...options } of cases) {
        const loaded = await load(options);
        then?.(loaded);
        const { page, seen } = loaded;
        assert.equal(page.message.shown, shown, name);
        assert.deepEqual([page.status.style.display, page.screen.style.display, page.progress.hidden, page.percent.hidden],
                         ['', 'none', true, true], name);
        if (fetched)
            assert.deepEqual(seen.fetched, fetched, name);
    }
});
