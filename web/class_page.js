'use strict';
// «Журнал класса» in the page: the controls are made by walking the table the module hands
// over, in its palette and sizes; what the teacher types goes to the journal in the module,
// and the page draws the view it answers, says its announcement, keeps the text it gives
// where she asks and writes the spreadsheet's bytes it gives. Nothing here reads a code,
// counts, or words a text.

// Where the journal is kept when the teacher asks: the journal's own text.
const JournalKey = 'velmorand-class-journal';

// The browser may refuse the storage altogether (a file opened in some browsers, a private
// window): then nothing is kept, and the page says so when asked to keep the class.
function keptJournal() {
    try {
        return localStorage.getItem(JournalKey) ?? '';
    } catch {
        return '';
    }
}

function keepJournal(text) {
    try {
        localStorage.setItem(JournalKey, text);
        return true;
    } catch {
        return false;
    }
}

function dropJournal() {
    try {
        localStorage.removeItem(JournalKey);
    } catch {
        // Nothing was kept where nothing can be.
    }
}

function svgElement(tag, attributes = {}) {
    const made = document.createElementNS('http://www.w3.org/2000/svg', tag);
    for (const [name, value] of Object.entries(attributes))
        made.setAttribute(name, String(value));
    return made;
}

// The chart as the module pictures it: a row per mistake group, its name, its bar and its
// count where the picture puts them. It is one picture to a screen reader, which hears the
// chart's text instead.
function drawChart(chart, picture) {
    const {Width: width, Height: height, TextPixels: size} = picture;
    chart.setAttribute('viewBox', `0 0 ${width} ${height}`);
    chart.setAttribute('width', width);
    chart.setAttribute('height', height);
    const text = (box, words, className) => {
        const [left, top, , boxHeight] = box;
        const written = svgElement('text', {x: left, y: top + boxHeight / 2, 'font-size': size,
                                            fill: picture.TextColour, class: className,
                                            'data-width': box[2]});
        written.textContent = words;
        return written;
    };
    const drawn = [svgElement('rect', {width, height, fill: picture.Background})];
    for (const row of picture.Rows) {
        const [x, y, barWidth, barHeight] = row.Bar;
        drawn.push(text(row.NameBox, row.Name, 'name'),
                   svgElement('rect', {x, y, width: barWidth, height: barHeight,
                                       fill: picture.BarColour, class: 'bar'}),
                   text(row.CountBox, String(row.Count), 'count'));
    }
    chart.replaceChildren(...drawn);
    // A name the font draws wider than its room is made smaller to fit, once the font is in.
    document.fonts.ready.then(() => {
        for (const name of chart.querySelectorAll('text.name')) {
            const room = Number(name.dataset.width);
            const length = name.getComputedTextLength();
            if (length > room && length > 0)
                name.setAttribute('font-size', size * room / length);
        }
    });
}

class ClassPage {
    constructor(layout) {
        this.layout = layout;
        this.root = document.getElementById('Class');
        this.store = '';
        const style = document.documentElement.style;
        for (const [name, colour] of Object.entries(layout.Palette))
            style.setProperty('--' + name, colour);
        for (const [name, pixels] of Object.entries(layout.Sizes))
            style.setProperty('--' + name, pixels + 'px');
        const parts = [element('h1', {textContent: layout.Caption})];
        // Fields, buttons and checks that follow each other stand in one line.
        let line = null;
        for (const row of layout.Controls) {
            const made = this.make(row);
            if (row.Kind === 'Field' || row.Kind === 'Button' || row.Kind === 'Check') {
                if (line === null)
                    parts.push(line = element('div', {className: 'line'}));
                line.append(made);
            } else {
                line = null;
                parts.push(made);
            }
        }
        this.root.append(...parts);
        // The chart is laid out again for a narrower or wider window, not scaled.
        addEventListener('resize', () => {
            if (this.chartWidth() !== this.chartDrawnWidth)
                this.show(askModule('velmorand_class_view', this.chartWidth()));
        });
    }

    // As wide as the journal's chart, or as the window leaves room for.
    chartWidth() {
        const room = this.control(this.chartName).parentElement.clientWidth;
        return Math.min(this.layout.Sizes.chart, room || this.layout.Sizes.chart);
    }

    control(name) {
        return document.getElementById(name);
    }

    // The control of a command, by the table.
    commandControl(command) {
        return this.control(this.layout.Controls.find(row => row.Command === command).Name);
    }

    make(row) {
        const name = row.Name;
        switch (row.Kind) {
        case 'Field': {
            const field = element('input', {id: name, type: 'text', autocomplete: 'off',
                                            spellcheck: 'false', enterkeyhint: 'go'});
            field.addEventListener('keydown', event => {
                if (event.key === 'Enter' && !event.isComposing) {
                    event.preventDefault();
                    this.command(row, true);
                }
            });
            if (row.Command === 'ChooseProblems') {
                // Chosen on Enter or when the focus leaves the field, if it was edited.
                field.addEventListener('input', () => this.choiceEdited = true);
                field.addEventListener('focusout', () => this.command(row));
            } else {
                // A list pasted, a line a pupil, goes to the journal whole: the field itself
                // would join its lines.
                field.addEventListener('paste', event => {
                    const pasted = event.clipboardData?.getData('text/plain') ?? '';
                    if (!/[\r\n]/.test(pasted))
                        return;
                    event.preventDefault();
                    const text = field.value.slice(0, field.selectionStart) + pasted +
                                 field.value.slice(field.selectionEnd);
                    if (this.deliver(askModule('velmorand_class_add', text, '')).Changed)
                        field.value = '';
                });
            }
            return element('div', {className: 'field'},
                           element('label', {for: name, textContent: row.Label}), field);
        }
        case 'Button': {
            const button = element('button', {id: name, type: 'button', textContent: row.Label});
            button.addEventListener('click', () => this.command(row));
            return button;
        }
        case 'Check': {
            const box = element('input', {id: name, type: 'checkbox'});
            box.addEventListener('change', () => this.command(row));
            return element('div', {className: 'check'}, box,
                           element('label', {for: name, textContent: row.Label}));
        }
        case 'Table': {
            const head = element('tr', {}, ...this.layout.Columns.map(
                header => element('th', {scope: 'col', textContent: header})));
            this.body = element('tbody');
            // A narrow screen scrolls the table sideways rather than squeeze its columns.
            return element('div', {className: 'table-room'},
                           element('table', {id: name},
                                   element('caption', {textContent: row.Label}),
                                   element('thead', {}, head), this.body));
        }
        case 'Chart':
            this.chartName = name;
            return element('figure', {className: 'chart'},
                           element('figcaption', {id: name + '-label', textContent: row.Label}),
                           svgElement('svg', {id: name, role: 'img'}));
        default: {
            if (row.Announced) {
                // The one live region: it shows the last action's message and says its
                // announcement, worded for speech.
                const status = element('div', {id: name, role: 'status', className: 'text'});
                this.messageShown = element('span', {'aria-hidden': 'true'});
                this.spoken = element('span', {className: 'spoken'});
                status.append(this.messageShown, this.spoken);
                this.status = status;
                return status;
            }
            return element('p', {id: name, className: 'text'});
        }
        }
    }

    command(row, entered = false) {
        switch (row.Command) {
        case 'ChooseProblems': {
            if (!this.choiceEdited && !entered)
                return;
            this.choiceEdited = false;
            this.deliver(askModule('velmorand_class_choose', this.control(row.Name).value));
            return;
        }
        case 'AddPupil':
            return this.addPupil();
        case 'Remember':
            return this.remember(this.control(row.Name).checked);
        case 'Forget':
            return this.forget();
        case 'Print':
            return window.print();
        case 'SaveCsv':
            return this.saveCsv();
        }
    }

    addPupil() {
        const [name, code] = this.layout.Controls.filter(row => row.Kind === 'Field' &&
                                                                row.Command === 'AddPupil')
            .map(row => this.control(row.Name));
        if (!this.deliver(askModule('velmorand_class_add', name.value, code.value)).Changed)
            return;
        name.value = '';
        code.value = '';
        name.focus(); // the next pupil
    }

    remember(on) {
        if (!on) {
            dropJournal();
            return;
        }
        const kept = keepJournal(this.store);
        if (!kept)
            this.commandControl('Remember').checked = false;
        const said = kept ? this.layout.Words.Remembered : this.layout.Words.NotRemembered;
        this.deliver({Changed: kept, Message: said, Announcement: said});
    }

    forget() {
        dropJournal();
        this.commandControl('Remember').checked = false;
        this.deliver(askModule('velmorand_class_forget'));
    }

    // The spreadsheet's bytes as the journal writes them, its byte-order mark included,
    // downloaded under the journal's file name.
    saveCsv() {
        const csv = askModule('velmorand_class_csv');
        if (this.csvAddress)
            URL.revokeObjectURL(this.csvAddress);
        this.csvAddress = URL.createObjectURL(
            new Blob([decodeBase64(csv.Bytes)], {type: 'text/csv'}));
        const link = element('a', {href: this.csvAddress, download: csv.FileName});
        document.body.append(link);
        link.click();
        link.remove();
        this.deliver({Changed: true, Message: csv.Message, Announcement: csv.Announcement});
    }

    // Shows what an action answered: its message, the journal drawn anew and kept where the
    // teacher asked, and its announcement said. Answers the change.
    deliver(change) {
        this.messageShown.textContent = change.Message;
        this.status.dataset.fault = change.Changed ? '' : 'true';
        if (change.Changed) {
            this.show(askModule('velmorand_class_view', this.chartWidth()));
            if (this.commandControl('Remember').checked && !keepJournal(this.store)) {
                this.commandControl('Remember').checked = false;
                this.messageShown.textContent = this.layout.Words.NotRemembered;
            }
        }
        announce(this.spoken, change.Announcement);
        return change;
    }

    show(view) {
        this.store = view.Store;
        for (const [name, text] of Object.entries(view.Texts)) {
            if (name === this.chartName)
                this.control(name).setAttribute('aria-label', text);
            else if (this.control(name).textContent !== text)
                this.control(name).textContent = text;
        }
        this.body.replaceChildren(...view.Rows.map(row => {
            // A cell said otherwise than it is shown (a code, a note) is named by what is said.
            const cells = row.Cells.map((text, index) => {
                const made = element(index === 0 ? 'th' : 'td', {textContent: text});
                if (row.Said[index] !== text)
                    made.setAttribute('aria-label', row.Said[index]);
                return made;
            });
            cells[0].setAttribute('scope', 'row');
            const drawn = element('tr', {className: row.State}, ...cells);
            Object.assign(drawn.dataset, {state: row.State, solved: row.Solved,
                                          firstTry: row.FirstTry, hints: row.Hints,
                                          mistakes: row.Mistakes});
            return drawn;
        }));
        this.chartDrawnWidth = this.chartWidth();
        drawChart(this.control(this.chartName), view.Chart);
    }

    // The journal kept before, or a fresh one; a damaged text kept is dropped.
    start() {
        const kept = keptJournal();
        const started = askModule('velmorand_class_start', kept);
        if (kept && !started.Kept)
            dropJournal();
        this.commandControl('Remember').checked = started.Kept;
        const view = askModule('velmorand_class_view', this.chartWidth());
        this.show(view);
        this.commandControl('ChooseProblems').value = view.Choice;
    }
}

function startPage() {
    const layout = WindowTable;
    document.title = layout.Caption;
    new ClassPage(layout).start();
    performance.mark('velmorand-started');
}
