'use strict';
// The practice module's JSON answers as velmorand-practice.html gets them: module.js,
// practice_page.js and the module run together, and every text goes through askModule. Whatever
// the pupil types or pastes, the address holds or the storage kept, the answer is JSON that
// parses, and the session stays within its levels and variants.
//
// node practice_bridge_test.js SHARED_SCRIPT PAGE_SCRIPT MODULE_SCRIPT MODULE_CODE
const assert = require('node:assert/strict');
const test = require('node:test');
const {loadPage} = require('./load_page.js');

const {page} = loadPage(...process.argv.slice(2));
const ask = (name, ...texts) => page.askModule(name, ...texts);

test('the layout has a kind for every control and one announced text', () => {
    const layout = ask('velmorand_practice_layout');
    const kinds = ['LevelChoice', 'VariantField', 'Text', 'AnswerField', 'SetField', 'Button',
                   'ColumnGrid'];
    for (const control of layout.Controls)
        assert.ok(kinds.includes(control.Kind), control.Name);
    assert.equal(layout.Controls.filter(c => c.Announced).length, 1);
});

test('any address starts a session within the levels and variants', () => {
    const addresses = [
        ['level=5&variant=42', 5, 42], ['', 1, 1], ['level=0', 1, 1], ['level=11&variant=-1', 10, 1],
        ['variant=99999999999999999999999', 1, 999999], ['level=-99999999999999999999', 1, 1],
        ['level=5x&variant=4 2', 1, 1], ['=&&=5&level', 1, 1], ['level=+3', 1, 1],
        ['level=3&variant=7&level=6', 6, 7], ['level="\\\u0000\uD800', 1, 1],
        ['x'.repeat(100000) + '&level=2', 2, 1],
    ];
    for (const [address, level, variant] of addresses) {
        const view = ask('velmorand_practice_start', address, '');
        assert.deepEqual([view.Level, view.Variant], [level, variant], JSON.stringify(address));
        assert.equal(view.Step, 'first');
    }
});

test('damaged progress starts afresh', () => {
    const fresh = ask('velmorand_practice_start', 'level=3', '').Texts.Progress;
    for (const kept of ['{', '\u0000', '-5 -5', '9'.repeat(5000), '😀"\\', '\uDC00'])
        assert.equal(ask('velmorand_practice_start', 'level=3', kept).Texts.Progress, fresh,
                     JSON.stringify(kept.slice(0, 20)));
});

test('pasted answers of every kind come back as a mistake, nothing else changed', () => {
    const start = ask('velmorand_practice_start', 'level=5&variant=42', '');
    const pasted = ['a"b\\c', '\x01\x1f\x7f', '12\t34\n', 'Делимое 😀', '</script>',
                    '\uD800', '7'.repeat(1000000), '', '   '];
    for (const text of pasted) {
        const result = ask('velmorand_practice_answer', text);
        const what = JSON.stringify(text.slice(0, 20));
        assert.notEqual(result.View.Mistake, '', what);
        assert.equal(result.ClearEntry, false, what);
        assert.equal(result.View.Question, start.Question, what);
        assert.equal(result.Progress, undefined, what);
        assert.deepEqual(result.View.Column, start.Column, what);
    }
});

test('a button the window does not have, or a level that is no number, changes nothing', () => {
    const before = ask('velmorand_practice_view');
    assert.equal(ask('velmorand_practice_command', 'Hint"'), null);
    assert.equal(ask('velmorand_practice_command', 'Entry'), null);
    assert.equal(ask('velmorand_practice_level', 'two'), null);
    assert.deepEqual(ask('velmorand_practice_view'), before);
});

test('a set the address carries is practised, or its reasons shown at the level named', () => {
    const addresses = [
        ['set=7240%20:%208;648:6', '7240 : 8;648:6', '7240:8,648:6', 1],
        ['level=4&set=%FF%00%2', '\uFFFD\u0000%2', '', 4],
        ['set=' + '9'.repeat(1000000), '9'.repeat(1000000), '', 1],
    ];
    for (const [address, carried, practised, level] of addresses) {
        const view = ask('velmorand_practice_start', address, '');
        const what = JSON.stringify(address.slice(0, 30));
        assert.deepEqual([view.AddressSet, view.SetText, view.Level], [carried, practised, level],
                         what);
        assert.equal(view.Texts.SetError === '', practised !== '', what);
    }
});
