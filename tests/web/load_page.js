'use strict';
// A page's scripts and its module run together under node, as in the page, inside a context of
// their own: the module's code comes from the page, as there, and the heap's memory is kept
// aside to write bytes no JavaScript text holds.
//
// loadPage(SHARED_SCRIPT, PAGE_SCRIPT, MODULE_SCRIPT, MODULE_CODE) -> {page, heap}
const assert = require('node:assert/strict');
const fs = require('node:fs');
const vm = require('node:vm');

exports.loadPage = (sharedScript, pageScript, moduleScript, moduleCode) => {
    let memory = null;
    const webAssembly = Object.create(WebAssembly);
    webAssembly.Instance = class extends WebAssembly.Instance {
        constructor(module, imports) {
            super(module, imports);
            const exported = Object.values(this.exports);
            memory = exported.find(value => value instanceof WebAssembly.Memory);
        }
    };
    const code = fs.readFileSync(moduleCode).toString('base64');
    const page = vm.createContext({
        WebAssembly: webAssembly, TextDecoder, TextEncoder, atob, console,
        ModuleCode: code,
    });
    for (const script of [sharedScript, pageScript])
        vm.runInContext(fs.readFileSync(script, 'utf8'), page, {filename: script});
    let started = false;
    page.startPage = () => started = true; // the window itself is the browser tests' part
    vm.runInContext(fs.readFileSync(moduleScript, 'utf8'), page, {filename: moduleScript});
    assert.ok(started, 'the module did not start');
    assert.ok(memory, "the module's memory was not found");
    return {page, heap: () => new Uint8Array(memory.buffer)};
};
