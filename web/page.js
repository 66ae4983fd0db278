'use strict';
// The window Form1 in the page: the controls are made by walking the table the module hands
// over, and every change and click goes to the worksheet in the module.

// What the page shows after Exit, where the browser keeps the tab open.
const ClosedNotice = 'Программа закрыта';

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
    wasmBinary: decodeBase64(document.getElementById('ModuleCode').text),
    onRuntimeInitialized: () => startForm1(),
};

// A text with each lone UTF-16 surrogate, which no UTF-8 can hold, made U+FFFD; the module's
// own encoder would join it to the character after it.
function wellFormed(text) {
    if (text.toWellFormed)
        return text.toWellFormed();
    return text.replace(/[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(?<![\uD800-\uDBFF])[\uDC00-\uDFFF]/g,
                        '\uFFFD');
}

// Calls a function of the module with texts in the heap, and reads the text it answers.
function callModule(name, returnsText, ...texts) {
    const addresses = texts.map(wellFormed).map(text => {
        const size = Module.lengthBytesUTF8(text) + 1;
        const address = Module._malloc(size);
        Module.stringToUTF8(text, address, size);
        return address;
    });
    try {
        const answer = Module['_' + name](...addresses);
        return returnsText ? Module.UTF8ToString(answer) : answer;
    } finally {
        addresses.forEach(address => Module._free(address));
    }
}

function askModule(name, ...texts) {
    const answer = callModule(name, true, ...texts);
    return answer === '' ? null : JSON.parse(answer);
}

// The browser's language decides the decimal separator: "," in Russian, "." in English.
function decimalSeparator() {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
    const decimal = parts.find(part => part.type === 'decimal');
    return decimal ? decimal.value : '.';
}

// Windows' points are 1/72 inch at 96 pixels an inch.
const pixelsPerPoint = 96 / 72;

function makeElement(row) {
    switch (row.Kind) {
    case 'TextField': {
        const field = document.createElement('input');
        field.type = 'text';
        field.spellcheck = false;
        field.autocomplete = 'off';
        return field;
    }
    case 'Button': {
        const button = document.createElement('button');
        button.type = 'button';
        button.textContent = row.Caption;
        return button;
    }
    case 'Picture': {
        const picture = document.createElement('div');
        picture.setAttribute('role', 'img');
        picture.tabIndex = 0;
        picture.append(document.getElementById('WorkedExample').content.cloneNode(true));
        return picture;
    }
    default: { // a label or the line
        const label = document.createElement('div');
        label.className = row.Kind;
        label.textContent = row.Caption || '';
        return label;
    }
    }
}

function placeControl(element, row, twipsPerPixel, lineThickness) {
    const style = element.style;
    style.left = row.Left / twipsPerPixel + 'px';
    style.width = row.Width / twipsPerPixel + 'px';
    if (row.Kind === 'Line') { // its thickness is centred on it
        style.top = row.Top / twipsPerPixel - lineThickness / 2 + 'px';
        style.height = lineThickness + 'px';
        style.background = row.TextColor;
    } else {
        style.top = row.Top / twipsPerPixel + 'px';
        style.height = row.Height / twipsPerPixel + 'px';
        style.color = row.TextColor || '';
        style.background = row.Background || '';
    }
    style.fontSize = row.Points * pixelsPerPoint + 'px';
    style.fontWeight = row.Bold ? 'bold' : 'normal';
    if (row.Kind !== 'Button') // a button's caption is always centred
        style.textAlign = row.Centered ? 'center' : 'left';
}

function describe(element, row, descriptions) {
    if (row.ToolTip)
        element.title = row.ToolTip;
    if (row.AccessibleName)
        element.setAttribute('aria-label', row.AccessibleName);
    if (row.AccessibleDescription) {
        const description = document.createElement('span');
        description.id = row.Name + '-description';
        description.textContent = row.AccessibleDescription;
        descriptions.append(description);
        element.setAttribute('aria-describedby', description.id);
    }
}

class Form1 {
    constructor(layout) {
        this.separator = decimalSeparator();
        this.window = document.createElement('div');
        this.window.id = 'Form1';
        this.width = layout.Width / layout.TwipsPerPixel;
        this.height = layout.Height / layout.TwipsPerPixel;
        Object.assign(this.window.style, {
            width: this.width + 'px', height: this.height + 'px', background: layout.Background});
        const descriptions = document.createElement('div');
        descriptions.hidden = true;
        this.runButtons = [];
        for (const row of layout.Controls)
            this.window.append(this.makeControl(row, layout, descriptions));
        this.window.append(descriptions);
        this.fit = () => this.fitViewport();
        addEventListener('resize', this.fit);
        document.body.prepend(this.window);
        this.fitViewport();
    }

    makeControl(row, layout, descriptions) {
        const element = makeElement(row);
        element.id = row.Name;
        placeControl(element, row, layout.TwipsPerPixel, layout.LineThicknessPixels);
        describe(element, row, descriptions);
        if (row.Kind === 'TextField')
            element.addEventListener('input', () => this.fieldChanged(element));
        if (row.Kind === 'Label' && row.ShowsWorksheet) // the message line
            element.setAttribute('role', 'status');
        if (row.Kind === 'Label' && row.Action === 'OpenLink')
            element.setAttribute('role', 'link');
        if (row.Kind === 'Button' || row.Action === 'OpenLink') {
            element.addEventListener('click', event => {
                // A double click is one click to a pupil: its second click opens no second page.
                if (row.Action !== 'OpenLink' || event.detail <= 1)
                    this.act(row);
            });
        }
        if (row.Action === 'Run')
            this.runButtons.push(element);
        return element;
    }

    // The largest size that fits the viewport, in the window's proportions.
    fitViewport() {
        const viewport = document.documentElement;
        const scale = Math.min(viewport.clientWidth / this.width,
                               viewport.clientHeight / this.height);
        this.window.style.transform = `scale(${scale})`;
        this.window.style.left =
            Math.max(0, (viewport.clientWidth - this.width * scale) / 2) + 'px';
    }

    fieldChanged(field) {
        callModule('velmorand_set_text', false, field.id, field.value);
        this.showWorksheet();
    }

    act(row) {
        const result = askModule('velmorand_act', row.Name, this.separator);
        if (result.ExitProgram)
            return this.exit();
        if (result.LinkToOpen)
            window.open(result.LinkToOpen, '_blank', 'noopener');
        if (result.ShowWorksheet)
            this.showWorksheet();
        if (result.Focus)
            document.getElementById(result.Focus).focus();
        if (result.Announcement)
            announce(result.Announcement);
    }

    showWorksheet() {
        const sheet = askModule('velmorand_worksheet');
        for (const [name, text] of Object.entries(sheet)) {
            const element = document.getElementById(name);
            if (element === null)
                continue;
            if (element.localName === 'input') {
                if (element.value !== text) // leaves the cursor alone in the field being typed in
                    element.value = text;
            } else if (element.textContent !== text) {
                element.textContent = text;
            }
        }
        this.runButtons.forEach(button => button.hidden = !sheet.RunVisible);
    }

    // A browser closes only the tabs a script opened; elsewhere the worksheet goes and a
    // notice stays, as close as a page comes to ending.
    exit() {
        removeEventListener('resize', this.fit);
        this.window.remove();
        const notice = document.createElement('p');
        notice.id = 'Closed';
        notice.textContent = ClosedNotice;
        notice.tabIndex = -1; // the focus goes there, so that a screen reader says it
        document.body.append(notice);
        notice.focus();
        window.close();
    }
}

// Says a text through the screen reader without showing it; the same text twice is said twice.
function announce(text) {
    const status = document.getElementById('Announcement');
    status.textContent = '';
    setTimeout(() => status.textContent = text, 100);
}

function startForm1() {
    const layout = askModule('velmorand_layout');
    document.title = layout.Caption;
    const form = new Form1(layout);
    form.showWorksheet();
    document.getElementById('Text1').focus();
    performance.mark('velmorand-started');
}
