'use strict';
// The module's JSON answers as the page gets them: module.js, page.js and the module run
// together, as in velmorand.html, and every text goes through module.js's own askModule. Pasted
// texts of every kind must come back whole, as JSON that parses, in well-formed UTF-8.
//
// node bridge_test.js SHARED_SCRIPT PAGE_SCRIPT MODULE_SCRIPT MODULE_CODE
const assert = require('node:assert/strict');
const test = require('node:test');
const vm = require('node:vm');
const {loadPage} = require('./load_page.js');

const {page, heap} = loadPage(...process.argv.slice(2));
const strictUtf8 = new TextDecoder('utf-8', {fatal: true});

// The worksheet's answer as the page reads it, after checking that its bytes are UTF-8.
function worksheet() {
    const address = page.Module._velmorand_worksheet();
    const bytes = heap();
    const end = bytes.indexOf(0, address);
    assert.doesNotThrow(() => strictUtf8.decode(bytes.subarray(address, end)),
                        'the answer is not well-formed UTF-8');
    return page.askModule('velmorand_worksheet');
}

// Each text as the pupil pastes it into the dividend and into a field of the column.
const pasted = [
    ['quotes and backslashes', 'a"b\\c\\"d""\\\\'],
    ['control characters', '\x01\x1f\x7fx\x02\x1b\x08\x0c'],
    ['a tab, a line feed and a carriage return', '12\t34\n56\r\n78'],
    ['letters, digits and a smiley', 'Делимое 234567 ≠ 1,5 😀'],
    ['line and paragraph separators', '1\u20282\u20293'],
    ['JSON and HTML', '{"Text1":"1"}, </script><b>&amp;'],
    ['an empty text', ''],
];

test('pasted texts come back unchanged', () => {
    for (const field of ['Text1', 'Text2']) {
        for (const [what, text] of pasted) {
            assert.ok(page.askModule('velmorand_edit', field, text), what);
            assert.equal(worksheet()[field], text, `${what} in ${field}`);
        }
    }
});

test("the dividend's message counts the pasted characters", () => {
    page.askModule('velmorand_edit', 'Text1', '1"\\\t');
    assert.equal(worksheet().Label1, 'Разрядов делимого  4');
});

// A JavaScript text may hold a lone UTF-16 surrogate, which UTF-8 cannot: each becomes U+FFFD,
// and the characters beside it stay; also in a browser without String.toWellFormed.
test('a lone surrogate becomes U+FFFD', () => {
    const cases = [
        ['\uD800a', '\uFFFDa'], ['a\uDC00b', 'a\uFFFDb'], ['12\uD83D', '12\uFFFD'],
        ['\uDE00\uD83D', '\uFFFD\uFFFD'], ['\uD83D\uDE00\uD83D', '😀\uFFFD'],
        ['\uD83D\uD83D\uDE00\uDE00', '\uFFFD😀\uFFFD'],
    ];
    for (const older of [false, true]) {
        if (older)
            vm.runInContext('delete String.prototype.toWellFormed', page);
        for (const [text, expected] of cases) {
            page.askModule('velmorand_edit', 'Text1', text);
            assert.equal(worksheet().Text1, expected, `${JSON.stringify(text)}, older: ${older}`);
        }
    }
});

// Bytes that are not UTF-8, written into the heap as no JavaScript text can: the answer reads
// them as the browser's own decoder does, and what follows them is kept, quotes included.
test('bytes that are not UTF-8 are read as the browser reads them', () => {
    const encode = text => [...new TextEncoder().encode(text)];
    const cases = [
        [0xff],
        [0x31, 0xc3, 0x22, 0x32],                       // a cut two-byte letter before a quote
        [0xd0, 0x94, 0xd0],                             // a letter cut at the end
        [0xe2, 0x82, 0x5c, 0x5c],                       // a cut three-byte one before backslashes
        [0xed, 0xa0, 0x80, 0x41],                       // a surrogate written as UTF-8
        [0xc0, 0xaf, 0xe0, 0x80, 0xaf],                 // overlong forms
        [0xf4, 0x90, 0x80, 0x80, 0xf8, 0x80],           // beyond U+10FFFF, and no lead byte
        [0xf0, 0x9f, 0x98, 0x22, 0x7d, 0x09, 0x80, 0x01], // a cut smiley, "}, a tab, control bytes
    ];
    const name = page.Module._malloc(8);
    heap().set([...encode('Text1'), 0], name);
    try {
        for (const bytes of cases) {
            const text = page.Module._malloc(bytes.length + 1);
            heap().set([...bytes, 0], text);
            page.Module._velmorand_edit(name, text);
            page.Module._free(text);
            const expected = new TextDecoder().decode(new Uint8Array(bytes));
            assert.equal(worksheet().Text1, expected, bytes.map(b => b.toString(16)).join(' '));
        }
    } finally {
        page.Module._free(name);
    }
});

test('a field the window does not have changes nothing', () => {
    page.askModule('velmorand_edit', 'Text1', '861');
    const before = worksheet();
    assert.equal(page.askModule('velmorand_edit', 'Label1', 'x"').ShowWorksheet, false);
    assert.equal(page.askModule('velmorand_edit', 'Text1"', 'x'), null);
    assert.deepEqual(worksheet(), before);
});
