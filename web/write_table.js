'use strict';
// Writes a window's table, which its module answers the same on every call, to a file for
// make_page.py: the page is built with it and starts without asking the module for it.
//
// node write_table.js LOADER MODULE_CODE FUNCTION OUTPUT
const fs = require('node:fs');
const vm = require('node:vm');

const [loader, moduleCode, name, output] = process.argv.slice(2);
const page = vm.createContext({
    WebAssembly, TextDecoder, TextEncoder, console,
    Module: {wasmBinary: fs.readFileSync(moduleCode)},
});
vm.runInContext(fs.readFileSync(loader, 'utf8'), page, {filename: loader});
const table = JSON.parse(page.Module.UTF8ToString(page.Module['_' + name]()));
// Inside the page's script no text may close the script: every < is written as an escape.
fs.writeFileSync(output, JSON.stringify(table).replaceAll('<', '\\u003c'));
