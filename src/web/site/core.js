// The game's core compiled to WebAssembly: loading it, and calling it one call at a time.
// A call may stop half-way while the page shows a box (the core waits for the answer), so every
// call that can run a handler goes through one queue and the page knows when the core is busy.

let module = null;
let queue = Promise.resolve();
let pending = 0;

// Loads kvelnor.js and resolves once the core is ready; page is the object the core calls back.
export function loadCore(page) {
    return new Promise((resolve, reject) => {
        window.Module = {
            page,
            locateFile: (name) => name,
            onRuntimeInitialized: () => { module = window.Module; resolve(); },
            onAbort: (what) => reject(new Error(String(what))),
            print: () => {},
            printErr: (text) => console.warn(text),
        };
        const script = document.createElement('script');
        script.src = 'kvelnor.js';
        script.onerror = () => reject(new Error('kvelnor.js se nepodařilo načíst'));
        document.body.appendChild(script);
    });
}

export const busy = () => pending > 0;

// Runs a core function that may run game handlers (and so open a box); resolves with its result
// once it has really finished, after the player answered any box it opened.
export function run(name, returnType = null, argTypes = [], args = []) {
    pending++;
    const call = queue.then(() => module.ccall(name, returnType, argTypes, args, { async: true }));
    queue = call.catch(() => {}).finally(() => { pending--; });
    return call;
}

// Reads from the core without running any handler: never waits.
export function read(name, returnType = 'string', argTypes = [], args = []) {
    return module.ccall(name, returnType, argTypes, args);
}

export const fs = () => module.FS;
