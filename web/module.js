'use strict';
// What the pages share to run their module: its code, which the page's first script holds as
// ModuleCode in base64, and the one way to call it. Each page's own script has the startPage()
// the module calls when it is ready; the window's table is in the page already, as WindowTable,
// written in when the page was built.

// An element with its id, class and text set as properties, its other attributes as
// attributes, and its children: how the practice and class pages build what the table lists.
function element(tag, properties = {}, ...children) {
    const made = document.createElement(tag);
    for (const [name, value] of Object.entries(properties)) {
        if (name === 'className' || name === 'id' || name === 'textContent')
            made[name] = value;
        else
            made.setAttribute(name, value);
    }
    made.append(...children);
    return made;
}

function decodeBase64(text) {
    if (Uint8Array.fromBase64)
        return Uint8Array.fromBase64(text);
    const binary = atob(text);
    const bytes = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; ++i)
        bytes[i] = binary.charCodeAt(i);
    return bytes;
}

// The module reads this object when it starts; its code is inside the page already.
var Module = {
    wasmBinary: decodeBase64(ModuleCode),
    onRuntimeInitialized: () => startPage(),
};

// A text with each lone UTF-16 surrogate, which no UTF-8 can hold, made U+FFFD; the module's
// own encoder would join it to the character after it.
function wellFormed(text) {
    if (text.toWellFormed)
        return text.toWellFormed();
    // Older browsers: each pair stays, a surrogate left over is alone.
    return text.replace(/[\uD800-\uDBFF][\uDC00-\uDFFF]|[\uD800-\uDFFF]/g,
                        found => found.length === 2 ? found : '\uFFFD');
}

// Calls a function of the module with texts in the heap and numbers as they are, and reads the
// JSON it answers.
function askModule(name, ...values) {
    const addresses = [];
    const passed = values.map(value => {
        if (typeof value === 'number')
            return value;
        const text = wellFormed(value);
        const size = Module.lengthBytesUTF8(text) + 1;
        const address = Module._malloc(size);
        Module.stringToUTF8(text, address, size);
        addresses.push(address);
        return address;
    });
    try {
        const answer = Module.UTF8ToString(Module['_' + name](...passed));
        return answer === '' ? null : JSON.parse(answer);
    } finally {
        addresses.forEach(address => Module._free(address));
    }
}
