// The program's WebAssembly memory: the limits its .wasm declares, and what a walk
// makes the page allocate. A memory only grows, so its size when a walk ends is the
// walk's peak.
import { readFileSync } from 'node:fs';

const Page = 65536;

// The initial and maximum size in bytes of the memory the module defines or imports.
export function memoryLimits(wasmFile) {
    const bytes = readFileSync(wasmFile);
    let at = 8;
    const byte = () => bytes[at++];
    const number = () => {
        let value = 0;
        for (let shift = 0; ; shift += 7) {
            const next = byte();
            value += (next & 0x7f) * 2 ** shift;
            if (!(next & 0x80))
                return value;
        }
    };
    const skipName = () => {
        const length = number();
        at += length;
    };
    const limits = () => {
        const flags = byte();
        const initial = number() * Page;
        return { initial, maximum: flags & 1 ? number() * Page : undefined };
    };
    while (at < bytes.length) {
        const id = byte();
        const size = number();
        const end = at + size;
        if (id === 5 && number() > 0)
            return limits();
        if (id === 2) {
            for (let count = number(); count > 0; --count) {
                skipName();
                skipName();
                const kind = byte();
                if (kind === 2)
                    return limits();
                if (kind === 0 || kind === 4) {
                    if (kind === 4)
                        byte();
                    number();
                } else if (kind === 1) {
                    byte();
                    limits();
                } else {
                    at += 2;
                }
            }
        }
        at = end;
    }
    throw new Error(`${wasmFile} has no memory`);
}

// For the page, before its scripts: keeps the program's memory, which the module
// defines or imports, as window.ulvaneMemory when the loader instantiates it.
export const memoryProbe = `(() => {
    const instantiate = WebAssembly.instantiate;
    WebAssembly.instantiate = async function (module, imports) {
        const result = await instantiate.call(this, module, imports);
        const memoryIn = object => Object.values(object ?? {}).find(value => value instanceof WebAssembly.Memory);
        window.ulvaneMemory = memoryIn((result.instance ?? result).exports) ??
                              Object.values(imports ?? {}).map(memoryIn).find(Boolean);
        return result;
    };
})();`;
