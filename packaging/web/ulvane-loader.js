// Loads the program into the page: checks that the browser can run it, downloads the
// .wasm with a percent shown, starts it in the page's screen element, and says when
// the last window has been closed. Qt's own loader shows no progress, hence this one.
'use strict';

(() => {
    const script = document.currentScript;
    const program = script.dataset.program;
    // The size of the unpacked .wasm: a compressing server's Content-Length is smaller.
    const wasmBytes = Number(script.dataset.wasmBytes) || 0;
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

    async function download(url) {
        const response = await fetch(url);
        if (!response.ok)
            throw new Error(`${url}: ${response.status} ${response.statusText}`);
        const total = wasmBytes || Number(response.headers.get('Content-Length')) || 0;
        const reader = response.body.getReader();
        const parts = [];
        let received = 0;
        for (;;) {
            const { done, value } = await reader.read();
            if (done)
                break;
            parts.push(value);
            received += value.length;
            showPercent(received, total);
        }
        const bytes = new Uint8Array(received);
        let offset = 0;
        for (const part of parts) {
            bytes.set(part, offset);
            offset += part.length;
        }
        return bytes;
    }

    function loadScript(url) {
        return new Promise((resolve, reject) => {
            const element = document.createElement('script');
            element.src = url;
            element.onload = resolve;
            element.onerror = () => reject(new Error(`${url}: не загружен`));
            document.head.append(element);
        });
    }

    async function start() {
        const [wasm] = await Promise.all([download(program + '.wasm'), loadScript(program + '.js')]);
        message.textContent = 'Запуск программы…';
        const compiled = await WebAssembly.compile(wasm);
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
    }

    window.addEventListener('ulvane-finished', () => say('Работа с программой завершена.', true));

    if (typeof WebAssembly !== 'object' || typeof WebAssembly.compile !== 'function') {
        say('Этот браузер не умеет запускать WebAssembly, без которого Ulvane не работает. ' +
            'Откройте страницу в новой версии Chrome, Edge, Firefox или Safari.');
    } else {
        start().catch(error => say(`Не удалось загрузить программу: ${error.message}.`, true));
    }
})();
