'use strict';
// The window Form1 in the page: the controls are made by walking the table the module hands
// over, and every change and click goes to the worksheet in the module.

// What the page shows after Exit, where the browser keeps the tab open.
const ClosedNotice = 'Программа закрыта';

// The browser's language decides the decimal separator: "," in Russian, "." in English.
function decimalSeparator() {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
    const decimal = parts.find(part => part.type === 'decimal');
    return decimal ? decimal.value : '.';
}

// Windows' points are 1/72 inch at 96 pixels an inch.
const pixelsPerPoint = 96 / 72;

// The smallest target a finger can be sure to hit (WCAG 2.5.8), in CSS pixels.
const smallestTarget = 24;

function makeElement(row, layout) {
    switch (row.Kind) {
    case 'TextField': {
        const field = document.createElement('input');
        field.type = 'text';
        field.spellcheck = false;
        field.autocomplete = 'off';
        if (row.TakesNumber) // a tablet or a phone shows its keyboard of digits
            field.inputMode = 'decimal';
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
        picture.style.borderWidth = layout.PictureBorderPixels + 'px';
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

function placeControl(element, row) {
    const style = element.style;
    const place = row.Pixels;
    // A control lower than the smallest target gets a taller box, padded evenly around what it
    // shows, which stays in its place; the padding is left without its background. The line
    // is drawn, not a target.
    const padding = row.Role === 'Separator' ? 0 : Math.max(0, (smallestTarget - place.Height) / 2);
    style.left = place.Left + 'px';
    style.width = place.Width + 'px';
    style.top = place.Top - padding + 'px';
    style.height = place.Height + 2 * padding + 'px';
    style.color = row.TextColor || '';
    style.background = row.Fill || row.Background || '';
    if (padding > 0) {
        style.paddingTop = style.paddingBottom = padding + 'px';
        style.backgroundClip = 'content-box';
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
        // The viewport's size before anything is laid out, which reading it costs nothing then.
        const viewport = [innerWidth, innerHeight];
        this.separator = decimalSeparator();
        this.window = document.createElement('div');
        this.window.id = 'Form1';
        this.width = layout.Width / layout.TwipsPerPixel;
        this.height = layout.Height / layout.TwipsPerPixel;
        Object.assign(this.window.style, {
            width: this.width + 'px', height: this.height + 'px', background: layout.Background});
        // For the style, which centres the window and scales it to the sheet in print.
        this.window.style.setProperty('--window-width', this.width);
        this.window.style.setProperty('--window-height', this.height);
        const descriptions = document.createElement('div');
        descriptions.hidden = true;
        this.runButtons = [];
        for (const row of layout.Controls)
            this.window.append(this.makeControl(row, layout, descriptions));
        this.window.append(descriptions);
        this.zoom = 1;
        this.fit = () => {
            this.fitViewport();
            this.showFocus();
        };
        addEventListener('resize', this.fit);
        // An on-screen keyboard shrinks only the visual viewport, as does zooming in with two
        // fingers, which must not change the fit.
        this.showFocusNow = () => this.showFocus();
        window.visualViewport?.addEventListener('resize', this.showFocusNow);
        this.window.addEventListener('focusin', this.showFocusNow);
        // The caption for a screen reader's list of headings, in the words it says; the
        // browser's title shows it as written.
        const caption = document.createElement('h1');
        caption.className = 'spoken';
        caption.textContent = layout.Caption;
        caption.setAttribute('aria-label', layout.SpokenCaption);
        document.body.prepend(caption, this.window);
        this.fitViewport(...viewport);
    }

    makeControl(row, layout, descriptions) {
        const element = makeElement(row, layout);
        element.id = row.Name;
        // The first control that takes the focus has it as the browser first draws the page,
        // without the page waiting for the style to be worked out.
        element.autofocus = row.Name === layout.FirstFocus;
        placeControl(element, row);
        describe(element, row, descriptions);
        if (row.Kind === 'TextField')
            element.addEventListener('input', () => this.fieldChanged(element));
        if (row.Role === 'Link')
            element.setAttribute('role', 'link');
        if (row.Kind === 'Button' || row.Role === 'Link') {
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

    // The largest size that fits the viewport, in the window's proportions, times the
    // browser's zoom; but never below the designed size, where every control is a target large
    // enough and the digits are as large as on the desktop. Where the screen is smaller, the
    // page scrolls.
    // The viewport is measured with its scroll bars, which go when the window fits; the style
    // centres the window in what they leave.
    fitViewport(width = innerWidth, height = innerHeight) {
        this.followZoom(width);
        const fit = Math.min(width / this.width, height / this.height);
        this.window.style.setProperty('--scale', Math.max(1, fit * this.zoom));
    }

    // The browser's zoom (Ctrl + and -) changes the device pixels a CSS pixel takes and the
    // viewport's size in CSS pixels together, so that its size in device pixels stays; a screen
    // of another pixel density changes the first alone. Zoom then enlarges the window as it
    // would a page of text, instead of being undone by the fit.
    followZoom(width) {
        const now = {ratio: devicePixelRatio, width};
        const last = this.lastViewport;
        if (last && now.ratio !== last.ratio &&
            Math.abs(now.width * now.ratio - last.width * last.ratio) <
                Math.abs(now.width - last.width))
            this.zoom *= now.ratio / last.ratio;
        this.lastViewport = now;
    }

    // Scrolls the control with the focus into sight, after the viewport shrank under it too.
    showFocus() {
        const focused = document.activeElement;
        if (focused !== null && this.window.contains(focused))
            focused.scrollIntoView({block: 'nearest', inline: 'nearest'});
    }

    fieldChanged(field) {
        this.deliver(askModule('velmorand_edit', field.id, field.value));
    }

    act(row) {
        this.deliver(askModule('velmorand_act', row.Name, this.separator));
    }

    // Carries out what the module says an action or an edit asks for: the focus moves, then the
    // texts change, then its one announcement, the only thing the page says on its own.
    deliver(result) {
        if (result.ExitProgram)
            return this.exit();
        if (result.LinkToOpen)
            window.open(result.LinkToOpen, '_blank', 'noopener');
        if (result.Focus)
            document.getElementById(result.Focus).focus();
        if (result.ShowWorksheet)
            this.showWorksheet();
        announce(document.getElementById('Announcement'), result.Announcement);
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
        for (const [name, spoken] of Object.entries(sheet.SpokenNames)) {
            const element = document.getElementById(name);
            if (element.getAttribute('aria-label') !== spoken)
                element.setAttribute('aria-label', spoken);
        }
        this.runButtons.forEach(button => button.hidden = !sheet.RunVisible);
    }

    // A browser closes only the tabs a script opened; elsewhere the worksheet goes and a
    // notice stays, as close as a page comes to ending.
    exit() {
        removeEventListener('resize', this.fit);
        window.visualViewport?.removeEventListener('resize', this.showFocusNow);
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

function startPage() {
    const layout = WindowTable;
    document.title = layout.Caption;
    const form = new Form1(layout);
    form.showWorksheet();
    performance.mark('velmorand-started');
}
