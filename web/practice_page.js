'use strict';
// The practice window «Тренажёр» in the page: the controls are made by walking the table the
// module hands over and stand where its arrangement places them, in its palette; the pupil's
// answers, hints and choices go to the session in the module, and the page draws the view it
// answers and delivers its one announcement. Nothing here checks an answer, words a text or
// decides a size or a colour.

// Where the progress is kept between visits: the session's own text, numbers only.
const ProgressKey = 'velmorand-practice-progress';

// The browser may refuse the storage altogether (a file opened in some browsers, a private
// window, a blocked site's data): then the page works on and keeps nothing.
function keptProgress() {
    try {
        return window.localStorage.getItem(ProgressKey) ?? '';
    } catch {
        return '';
    }
}

function keepProgress(text) {
    try {
        window.localStorage.setItem(ProgressKey, text);
    } catch {
        // Nothing is kept; the session itself goes on.
    }
}

// Puts an element at [left, top, width, height] in CSS pixels.
function placeAt(made, [left, top, width, height]) {
    Object.assign(made.style,
                  {left: left + 'px', top: top + 'px', width: width + 'px', height: height + 'px'});
}

// One shape of the column in pixels, cells `cell` pixels wide: a line and a minus are `stroke`
// pixels thick, across their middle, whatever their thickness in cells.
function shapeStyle([kind, left, top, width, height], cell, stroke) {
    let x = left * cell;
    let y = top * cell;
    let w = width * cell;
    let h = height * cell;
    if (kind === 'Line' || kind === 'Minus') {
        if (w < h) {
            x += (w - stroke) / 2;
            w = stroke;
        } else {
            y += (h - stroke) / 2;
            h = stroke;
        }
    }
    const round = Math.round;
    return `left:${round(x)}px;top:${round(y)}px;width:${round(w)}px;height:${round(h)}px`;
}

// The window's room for the page, without its scroll bars.
function clientSize() {
    return [document.documentElement.clientWidth, document.documentElement.clientHeight];
}

class PracticeWindow {
    constructor(layout, width, height) {
        this.layout = layout;
        this.root = document.getElementById('Practice');
        this.size = [width, height];
        const colours = document.documentElement.style;
        for (const [name, colour] of Object.entries(layout.Palette))
            colours.setProperty('--' + name, colour);
        // The caption for a screen reader's list of headings; the browser's title shows it.
        const made = [element('h1', {className: 'spoken', textContent: layout.Caption,
                                     'aria-label': layout.SpokenCaption})];
        this.labels = {};
        for (const row of layout.Controls) {
            if (row.Label) {
                this.labels[row.Name] = element('label', {id: row.Name + '-label', for: row.Name,
                                                          textContent: row.Label});
                made.push(this.labels[row.Name]);
            }
            made.push(this.makeControl(row));
        }
        this.root.append(...made);
        this.entry = this.control('Entry');
        this.variant = this.control('Variant');
        this.setField = this.control(layout.Controls.find(row => row.Kind === 'SetField').Name);
        this.shapes = new Map(); // the column's elements, by their shapes' kind and place
        this.rows = [];          // the column's rows as read, one element each
        this.activeRow = 0;
        // An on-screen keyboard shrinks only the visual viewport; the field being typed into
        // and the cells it writes stay in sight above it.
        this.showFocusSoon = () => {
            if (this.showing === undefined)
                this.showing = requestAnimationFrame(() => {
                    this.showing = undefined;
                    this.showFocus();
                });
        };
        window.visualViewport?.addEventListener('resize', this.showFocusSoon);
        addEventListener('resize', () => {
            this.arrange();
            this.showFocusSoon();
        });
        this.root.addEventListener('focusin', this.showFocusSoon);
        addEventListener('hashchange', () => this.start());
    }

    control(name) {
        return document.getElementById(name);
    }

    // Each control as its table row says: its element, its name for a screen reader and its
    // events. A labelled control is named by its label.
    makeControl(row) {
        const made = this.makeElement(row);
        made.id = row.Name;
        const shown = row.Label ?? row.Caption;
        if (row.AccessibleName && row.AccessibleName !== shown)
            made.setAttribute('aria-label', row.AccessibleName);
        if (row.TakesNumber) // a phone offers its keyboard of digits
            made.setAttribute('inputmode', 'numeric');
        return made;
    }

    makeElement(row) {
        switch (row.Kind) {
        case 'LevelChoice': {
            const list = element('select');
            // The texts of the levels in order; each option's value is its level's number.
            // A screen reader hears each as the module words it for speech, without the colon.
            this.layout.Levels.forEach((text, index) => {
                const option = element('option', {value: String(index + 1), textContent: text});
                option.setAttribute('aria-label', this.layout.SpokenLevels[index]);
                list.append(option);
            });
            list.addEventListener('change', () =>
                this.deliver(askModule('velmorand_practice_level', list.value)));
            return list;
        }
        case 'VariantField': {
            const field = element('input', {type: 'text', autocomplete: 'off',
                                            spellcheck: 'false', enterkeyhint: 'go'});
            // What is typed is chosen on Enter or when the focus leaves the field, once, and
            // only if it was edited since the variant was last chosen or shown.
            field.addEventListener('input', () => this.variantEdited = true);
            const choose = () => {
                if (!this.variantEdited)
                    return;
                this.variantEdited = false;
                this.deliver(askModule('velmorand_practice_variant', field.value));
            };
            field.addEventListener('keydown', event => {
                if (event.key === 'Enter' && !event.isComposing)
                    choose();
            });
            field.addEventListener('focusout', choose);
            return field;
        }
        case 'AnswerField': {
            const field = element('input', {type: 'text', autocomplete: 'off', spellcheck: 'false',
                                            enterkeyhint: 'enter'});
            // The pupil types here from the start: the browser focuses it as it first draws
            // the page, without the page waiting for the style to be worked out.
            field.autofocus = true;
            field.addEventListener('keydown', event => {
                if (event.key === 'Enter' && !event.isComposing) {
                    event.preventDefault();
                    this.deliver(askModule('velmorand_practice_answer', field.value));
                }
            });
            return field;
        }
        case 'SetField': // the teacher types or pastes her problems, a line or more each
            return element('textarea', {autocomplete: 'off', spellcheck: 'false'});
        case 'Button': {
            const button = element('button', {type: 'button', textContent: row.Caption ?? ''});
            button.addEventListener('click', () => {
                if (row.Command === 'Sheets') // the teacher's view, which sheets_page.js draws
                    this.root.dispatchEvent(new Event('open-sheets'));
                else if (row.Command === 'MakeSet')
                    this.deliver(askModule('velmorand_practice_make_set', this.setField.value));
                else
                    this.deliver(askModule('velmorand_practice_command', row.Name));
            });
            return button;
        }
        case 'ColumnGrid':
            return this.makeColumn();
        default: { // a text of the view
            if (row.Announced) {
                this.announcedName = row.Name;
                // The one live region: what it says is the session's announcement, worded for
                // speech; what it shows is the feedback line, for the eye.
                const status = element('div', {role: 'status', className: 'text'});
                this.feedbackShown = element('span', {'aria-hidden': 'true'});
                this.spoken = element('span', {className: 'spoken'});
                status.append(this.feedbackShown, this.spoken);
                return status;
            }
            const text = element('div', {className: 'text'});
            if (row.Label) {
                text.setAttribute('role', 'group');
                text.setAttribute('aria-labelledby', row.Name + '-label');
            }
            return text;
        }
        }
    }

    // The squared paper is drawn for the eye; a screen reader reads the column row by row, from
    // the rows the session words, with Up, Down, Home and End.
    makeColumn() {
        const column = element('div', {role: 'grid', 'aria-readonly': 'true', tabindex: '0'});
        this.paper = element('div', {className: 'paper', 'aria-hidden': 'true'});
        this.spokenRows = element('div', {className: 'spoken'});
        column.append(this.paper, this.spokenRows);
        column.addEventListener('keydown', event => {
            const moves = {ArrowUp: this.activeRow - 1, ArrowDown: this.activeRow + 1, Home: 0,
                           End: this.rows.length - 1};
            if (!(event.key in moves) || event.altKey || event.ctrlKey || event.metaKey)
                return;
            event.preventDefault();
            this.readRow(moves[event.key]);
        });
        column.addEventListener('focus', () => this.readRow(this.activeRow));
        return column;
    }

    readRow(index) {
        if (this.rows.length === 0)
            return;
        this.activeRow = Math.max(0, Math.min(index, this.rows.length - 1));
        this.control('Column').setAttribute('aria-activedescendant',
                                            this.rows[this.activeRow].firstChild.id);
    }

    // Asks where everything stands for the window's size and the paper of the problems shown,
    // and puts it there; only a change of either moves anything. A scroll bar that comes or
    // goes with the new arrangement changes the room: once drawn, it is arranged again for the
    // room left, once.
    arrange(size = clientSize(), again = false) {
        if (this.arrangement && String(this.arrangement.Paper) === this.paperSize &&
            size[0] === this.size[0] && size[1] === this.size[1])
            return;
        this.size = size;
        const arranged = askModule('velmorand_practice_arrange', size[0], size[1]);
        this.arrangement = arranged;
        placeAt(this.root, [0, 0, arranged.Width, arranged.Height]);
        this.root.style.setProperty('--cell', arranged.CellPixels + 'px');
        this.root.style.setProperty('--stroke', arranged.StrokePixels + 'px');
        this.root.style.setProperty('--digit', arranged.DigitPixels + 'px');
        for (const [name, placed] of Object.entries(arranged.Controls)) {
            const made = this.control(name);
            placeAt(made, placed.Place);
            if (placed.TextPixels > 0) {
                made.style.fontSize = placed.TextPixels + 'px';
                made.style.fontWeight = placed.Bold ? 'bold' : 'normal';
            }
            if (placed.LinePixels)
                made.style.lineHeight = placed.LinePixels + 'px';
            const label = this.labels[name];
            if (label) {
                placeAt(label, placed.Label);
                label.style.fontSize = arranged.LabelPixels + 'px';
            }
        }
        for (const shown of this.shapes.values())
            shown.cell = 0; // every shape is drawn again at the new size
        if (this.column)
            this.drawColumn(this.column);
        if (!again)
            requestAnimationFrame(() => this.arrange(clientSize(), true));
    }

    // The session at the level and variant the address names, or its set, with the progress
    // kept before; the set the address carries stands in the set field, to be mended if bad.
    start() {
        const view = askModule('velmorand_practice_start', location.hash.slice(1), keptProgress());
        if (view.AddressSet !== undefined)
            this.setField.value = view.AddressSet;
        this.show(view);
        this.entry.value = '';
    }

    // Carries out what the session answered an action with: the view drawn, then the answer
    // field emptied, focused or its text selected, then the one announcement said.
    deliver(result) {
        if (result === null)
            return;
        if (result.Progress !== undefined)
            keepProgress(result.Progress);
        this.show(result.View);
        if (result.ClearEntry)
            this.entry.value = '';
        if (result.FocusEntry)
            this.entry.focus({preventScroll: true});
        if (result.SelectEntry)
            this.entry.select();
        announce(this.spoken, result.Announcement);
        this.showFocusSoon();
    }

    show(view) {
        const level = this.control('Level');
        if (level.value !== String(view.Level))
            level.value = String(view.Level);
        level.classList.toggle('suggest-next', view.SuggestNextLevel);
        this.variantShown = String(view.Variant);
        if (this.variant.value !== this.variantShown)
            this.variant.value = this.variantShown;
        this.variantEdited = false;
        this.showAddress(view.SetText ? `#set=${view.SetText}`
                                      : `#level=${view.Level}&variant=${view.Variant}`);
        for (const [name, text] of Object.entries(view.Texts)) {
            if (name === this.announcedName) {
                if (this.feedbackShown.textContent !== text)
                    this.feedbackShown.textContent = text;
            } else {
                this.showText(this.control(name), text, view.SpokenTexts[name]);
            }
        }
        // Where the session stands, for whoever drives the page.
        this.control('Question').dataset.step = view.Step;
        // The answer field is described by the question, as it is said.
        this.control('Entry').setAttribute('aria-description', view.SpokenQuestion);
        const feedback = this.control(this.announcedName);
        feedback.dataset.mistake = view.Mistake;
        feedback.dataset.hint = view.HintLevel > 0 ? String(view.HintLevel) : '';
        feedback.style.color = view.FeedbackColour;
        this.column = view.Column;
        this.paperSize = String(view.Column.Paper);
        if (!this.arrangement || String(this.arrangement.Paper) !== this.paperSize)
            this.arrange(this.size);
        else
            this.drawColumn(view.Column);
    }

    // The address names the problem shown, or the set, so that a reload or a shared link comes
    // back to it. Chromium takes milliseconds to write it, so the start's address is written
    // just after the window is first painted: the pupil sees the window sooner.
    showAddress(address) {
        this.address = address;
        if (this.addressAfterPaint || location.hash === address)
            return;
        try {
            history.replaceState(null, '', address);
        } catch {
            // A browser that refuses it keeps the address it had.
        }
    }

    afterFirstPaint() {
        this.addressAfterPaint = true;
        requestAnimationFrame(() => setTimeout(() => {
            this.addressAfterPaint = false;
            this.showAddress(this.address);
        }));
    }

    // A text said otherwise than it is shown (the code, a character at a time) is named by what
    // is said, its letters hidden from a screen reader, which would spell the dashes out too;
    // otherwise its label or its own text name it.
    showText(made, text, spoken) {
        if (spoken === undefined) {
            if (made.textContent !== text || made.firstElementChild)
                made.textContent = text;
            if (made.hasAttribute('aria-label')) {
                made.removeAttribute('aria-label');
                if (this.labels[made.id])
                    made.setAttribute('aria-labelledby', made.id + '-label');
            }
        } else if (made.getAttribute('aria-label') !== spoken || made.textContent !== text) {
            made.replaceChildren(element('span', {'aria-hidden': 'true', textContent: text}));
            made.removeAttribute('aria-labelledby');
            made.setAttribute('aria-label', spoken);
        }
    }

    // The column's shapes, in the order they are painted: an element that shows a shape of the
    // same kind and place stays and changes only where its shape did; the others come and go.
    drawColumn(column) {
        const {CellPixels: cell, StrokePixels: stroke} = this.arrangement;
        const shown = new Map();
        for (const shape of column.Shapes) {
            let key = shape[0] + ' ' + shape[1] + ' ' + shape[2];
            while (shown.has(key))
                key += '+';
            shown.set(key, shape);
        }
        for (const [key, kept] of this.shapes) {
            if (!shown.has(key)) {
                kept.element.remove();
                this.shapes.delete(key);
            }
        }
        let next = this.paper.firstChild;
        for (const [key, shape] of shown) {
            let kept = this.shapes.get(key);
            if (kept === undefined) {
                kept = {element: element('div', {className: shape[0]}), shape: [], cell: 0};
                this.shapes.set(key, kept);
            }
            const made = kept.element;
            if (kept.cell !== cell || kept.shape[3] !== shape[3] || kept.shape[4] !== shape[4])
                made.style.cssText = shapeStyle(shape, cell, stroke);
            if (kept.shape[5] !== shape[5])
                made.textContent = shape[5] ?? '';
            kept.shape = shape;
            kept.cell = cell;
            if (made === next)
                next = next.nextSibling;
            else
                this.paper.insertBefore(made, next);
        }
        this.drawRows(column.SpokenRows);
    }

    drawRows(texts) {
        texts.forEach((text, index) => {
            if (index === this.rows.length) {
                const cell = element('div', {role: 'gridcell', id: 'ColumnRow' + (index + 1)});
                this.rows.push(element('div', {role: 'row'}, cell));
                this.spokenRows.append(this.rows[index]);
            }
            const cell = this.rows[index].firstChild;
            if (cell.textContent !== text)
                cell.textContent = text;
        });
        while (this.rows.length > texts.length)
            this.rows.pop().remove();
        if (this.activeRow >= texts.length)
            this.readRow(texts.length - 1);
    }

    // Scrolls the control with the focus into sight; while it is the answer field, the cells
    // the answer goes into too, as far as both fit above the keyboard, the field first.
    showFocus() {
        const focused = document.activeElement;
        if (focused === null || !this.root.contains(focused))
            return;
        if (document.documentElement.clientWidth !== this.size[0])
            this.arrange(); // a scroll bar came or went
        focused.scrollIntoView({block: 'nearest', inline: 'nearest'});
        const current = this.paper.querySelector('.Current');
        if (focused !== this.entry || current === null)
            return;
        current.scrollIntoView({block: 'nearest', inline: 'nearest'});
        const viewport = window.visualViewport;
        const top = viewport ? viewport.offsetTop : 0;
        const bottom = top + (viewport ? viewport.height : innerHeight);
        const field = focused.getBoundingClientRect();
        if (field.bottom > bottom || field.top < top)
            focused.scrollIntoView({block: 'nearest', inline: 'nearest'});
    }
}

function startPage() {
    // The window's size, read before the controls are made: the layout that reading it forces
    // is then one of an empty page.
    const width = innerWidth;
    const height = innerHeight;
    const layout = WindowTable;
    document.title = layout.Caption;
    const practice = new PracticeWindow(layout, width, height);
    // The worksheets' view is made when it is first opened, and listens itself from then on.
    practice.root.addEventListener('open-sheets', () => {
        new SheetsPanel(layout.Sheets, layout.Levels, practice).open();
    }, {once: true});
    practice.afterFirstPaint();
    practice.start();
    performance.mark('velmorand-started');
}
