// Loads the program into the page: checks that the browser can run it, downloads the
// .wasm with a percent shown, starts it in the page's screen element (and says so
// with an ulvane-started event), and says when the last window has been closed.
// Qt's own loader shows no progress, hence this one.
'use strict';

(() => {
    const script = document.currentScript;
    const program = script.dataset.program;
    // The sizes of the .wasm and of its .gz; a compressing server's Content-Length
    // tells neither.
    const wasmBytes = Number(script.dataset.wasmBytes) || 0;
    const gzipBytes = Number(script.dataset.gzipBytes) || 0;
    const status = document.getElementById('status');
    const message = document.getElementById('message');
    const progress = document.getElementById('progress');
    const percent = document.getElementById('percent');
    const screen = document.getElementById('screen');

    function say(text, withRestart) {
        screen.style.display = 'none';
        status.style.display = '';
        progress.hidden = true;
        percent.hidden = true;
        message.textContent = text;
        if (withRestart) {
            const restart = document.createElement('a');
            restart.href = location.href;
            restart.textContent = 'Начать заново';
            message.append(' ', restart);
        }
    }

    function showPercent(received, total) {
        const value = total > 0 ? Math.min(100, Math.floor(received * 100 / total)) : 0;
        progress.value = value;
        percent.textContent = value + ' %';
    }

    // The program comes gzip-compressed, so that a server that compresses nothing still
    // sends a third of it. A server may unpack it on the way itself (Content-Encoding
    // on the .gz file, or gzip added on the fly over it): what arrives is then
    // unpacked only if it still starts as gzip does, and the percent counts what
    // arrives against the size of what that is. Without DecompressionStream the
    // plain files are fetched, for a server that compresses them.
    const packed = typeof DecompressionStream === 'function';

    async function download(url, type, { plainBytes = 0, gzipBytes = 0, counting = false } = {}) {
        const response = await fetch(packed ? url + '.gz' : url);
        if (!response.ok)
            throw new Error(`${response.url}: ${response.status} ${response.statusText}`);
        const reader = response.body.getReader();
        let next = await reader.read();
        const gzip = !next.done && next.value[0] === 0x1f && next.value[1] === 0x8b;
        const total = gzip ? gzipBytes : plainBytes;
        let received = 0;
        const counted = new ReadableStream({
            async pull(controller) {
                const { done, value } = next ?? await reader.read();
                next = null;
                if (done) {
                    controller.close();
                    return;
                }
                received += value.length;
                if (counting)
                    showPercent(received, total);
                controller.enqueue(value);
            },
            cancel: reason => reader.cancel(reason),
        });
        const body = gzip ? counted.pipeThrough(new DecompressionStream('gzip')) : counted;
        return new Response(body, { headers: { 'Content-Type': type } });
    }

    // Run from a blob, as the script was fetched packed.
    async function loadScript(url) {
        const code = await (await download(url, 'text/javascript')).blob();
        const source = URL.createObjectURL(code);
        try {
            await new Promise((resolve, reject) => {
                const element = document.createElement('script');
                element.src = source;
                element.onload = resolve;
                element.onerror = () => reject(new Error(`${url}: не загружен`));
                document.head.append(element);
            });
        } finally {
            URL.revokeObjectURL(source);
        }
    }

    async function start() {
        // Compiled while it downloads.
        const wasm = download(program + '.wasm', 'application/wasm',
                              { plainBytes: wasmBytes, gzipBytes, counting: true });
        const [compiled] = await Promise.all([WebAssembly.compileStreaming(wasm), loadScript(program + '.js')]);
        // Qt takes the screen's size from its element, so it is shown before Qt starts.
        status.style.display = 'none';
        screen.style.display = 'block';
        await window[program + '_entry']({
            qtContainerElements: [screen],
            instantiateWasm(imports, done) {
                WebAssembly.instantiate(compiled, imports).then(instance => done(instance, compiled));
                return {};
            },
            print: text => console.log(text),
            printErr: text => console.warn(text),
            onAbort: text => say(`Программа завершилась с ошибкой: ${text}`, true),
        });
        window.dispatchEvent(new Event('ulvane-started'));
    }

    window.addEventListener('ulvane-finished', () => say('Работа с программой завершена.', true));

    if (typeof WebAssembly !== 'object' || typeof WebAssembly.compile !== 'function') {
        say('Этот браузер не умеет запускать WebAssembly, без которого Ulvane не работает. ' +
            'Откройте страницу в новой версии Chrome, Edge, Firefox или Safari.');
    } else {
        start().catch(error => say(`Не удалось загрузить программу: ${error.message}.`, true));
    }
})();
