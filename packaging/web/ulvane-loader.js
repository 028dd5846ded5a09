// Loads the program into the page: checks that the browser can run it, downloads the
// .wasm with a percent shown, starts it in the page's screen element (and says so
// with an ulvane-started event), and says when the last window has been closed.
// Qt's own loader shows no progress, hence this one.
'use strict';

(() => {
    const script = document.currentScript;
    const program = script.dataset.program;
    // The sizes of the .wasm and of its packed forms; a compressing server's
    // Content-Length tells none of them.
    const wasmBytes = Number(script.dataset.wasmBytes) || 0;
    const packedBytes = { gzip: Number(script.dataset.gzipBytes) || 0, brotli: Number(script.dataset.brotliBytes) || 0 };
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

    // The program comes packed, so that a server that compresses nothing still sends a
    // third of it, in the form packing.js chose. A server may unpack it on the way
    // itself (Content-Encoding on the packed file), or gzip it once more, which the
    // browser undoes or not (WebKitGTK leaves it on a file of type application/gzip):
    // what arrives is unpacked as long as it is still packed, and the percent counts
    // what arrives against the size of the packed or the plain file. Without
    // DecompressionStream the plain files are fetched, for a server that compresses them.
    const packing = self.ulvanePacking;

    // How the first bytes are packed, if at all: gzip has its magic number; brotli has
    // none, but the plain files have theirs, the .wasm its own and the script text,
    // which no packed stream starts with for long.
    const plainWasm = [0x00, 0x61, 0x73, 0x6d];
    function packedAs(head) {
        if (!packing)
            return null;
        if (head[0] === 0x1f && head[1] === 0x8b)
            return 'gzip';
        const text = head.every(byte => byte === 0x09 || byte === 0x0a || byte === 0x0d || (byte >= 0x20 && byte < 0x7f));
        const plain = text || plainWasm.every((byte, i) => head[i] === byte);
        return packing.format === 'brotli' && !plain ? 'brotli' : null;
    }

    // The stream with its first bytes read ahead: enough to tell how they are packed,
    // or all of a shorter stream.
    async function readAhead(stream) {
        const reader = stream.getReader();
        const start = [];
        let startBytes = 0;
        while (startBytes < 64) {
            const { done, value } = await reader.read();
            if (done)
                break;
            start.push(value);
            startBytes += value.length;
        }
        const head = new Uint8Array(startBytes);
        start.reduce((offset, piece) => (head.set(piece, offset), offset + piece.length), 0);
        const whole = new ReadableStream({
            async pull(controller) {
                const { done, value } = start.length ? { value: start.shift() } : await reader.read();
                if (done)
                    controller.close();
                else
                    controller.enqueue(value);
            },
            cancel: reason => reader.cancel(reason),
        });
        return { head, stream: whole };
    }

    async function download(url, type, { plainBytes = 0, counting = false } = {}) {
        const response = await fetch(packing ? url + packing.suffix : url);
        if (!response.ok)
            throw new Error(`${response.url}: ${response.status} ${response.statusText}`);
        let { head, stream } = await readAhead(response.body);
        const total = packedAs(head) ? packedBytes[packing.format] : plainBytes;
        let received = 0;
        stream = stream.pipeThrough(new TransformStream({
            transform(piece, controller) {
                received += piece.length;
                if (counting)
                    showPercent(received, total);
                controller.enqueue(piece);
            },
            // All there, though a server's packing came out smaller than the file.
            flush() {
                if (counting && received < total)
                    showPercent(total, total);
            },
        }));
        // Our packing and one more of a server's at most.
        for (let layers = 0; layers < 2 && packedAs(head); ++layers)
            ({ head, stream } = await readAhead(stream.pipeThrough(new DecompressionStream(packedAs(head)))));
        return new Response(stream, { headers: { 'Content-Type': type } });
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
        const wasm = download(program + '.wasm', 'application/wasm', { plainBytes: wasmBytes, counting: true });
        const [compiled] = await Promise.all([WebAssembly.compileStreaming(wasm), loadScript(program + '.js')]);
        // Qt takes the screen's size from its element, so it is shown before Qt starts.
        status.style.display = 'none';
        screen.style.display = 'block';
        // A screen reader has to hear the status go before the program's first focus:
        // told both at once, it took the code box for the place the status left and
        // did not announce it. A hidden tab draws no frames, hence the time limit.
        await new Promise(shown => {
            requestAnimationFrame(() => setTimeout(shown));
            setTimeout(shown, 100);
        });
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
