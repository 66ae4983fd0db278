'use strict';
// «Листы для печати»: the teacher's view of the practice page that prints sheets for a class.
// The module gives the view's controls as the core's table has them, makes the pages from the
// choices and describes each in millimetres; the page draws them as they are, as SVG in
// millimetres, so that printed at 100 % each cell is as large as the core says, in the
// palette's colours the module hands over.

const SvgNamespace = 'http://www.w3.org/2000/svg';

function svgElement(tag, attributes = {}) {
    const made = document.createElementNS(SvgNamespace, tag);
    for (const [name, value] of Object.entries(attributes))
        made.setAttribute(name, String(value));
    return made;
}

// One printed page: the faint squared paper under everything, then the lines and the texts.
// Each problem's place is kept on an empty group, in order, for whoever reads the preview.
function drawPrintedPage(page) {
    const drawn = svgElement('svg', {
        class: 'sheet-page', viewBox: `0 0 ${page.Width} ${page.Height}`,
        width: page.Width + 'mm', height: page.Height + 'mm',
        'data-kind': page.Kind, 'data-level': page.Level, 'data-variant': page.Variant,
        'data-sheet': page.Sheet, 'data-pitch': page.Squares.Pitch});
    drawn.append(svgElement('rect', {class: 'paper-sheet', width: page.Width,
                                     height: page.Height}));
    const squares = page.Squares;
    const [left, top] = squares.Origin;
    const right = left + squares.Columns * squares.Pitch;
    const bottom = top + squares.Rows * squares.Pitch;
    const path = [];
    for (let column = 0; column <= squares.Columns; ++column)
        path.push(`M${left + column * squares.Pitch} ${top}V${bottom}`);
    for (let row = 0; row <= squares.Rows; ++row)
        path.push(`M${left} ${top + row * squares.Pitch}H${right}`);
    drawn.append(svgElement('path', {class: 'grid', d: path.join('')}));
    for (const problem of page.Problems) {
        const [x, y, width, height] = problem.Area;
        drawn.append(svgElement('g', {
            class: 'problem', 'data-number': problem.Number, 'data-problem': problem.Text,
            'data-answer': problem.Answer, 'data-area': `${x} ${y} ${width} ${height}`}));
    }
    for (const line of page.Lines) {
        const [x1, y1] = line.From;
        const [x2, y2] = line.To;
        drawn.append(svgElement('line', {x1, y1, x2, y2, 'stroke-width': line.Width,
                                         class: line.Grey ? 'grey' : ''}));
    }
    for (const text of page.Texts) {
        let written;
        if (text.InCell) {
            const [x, y, width, height] = text.Cell;
            written = svgElement('text', {x: x + width / 2, y: y + height / 2,
                                          class: 'in-cell', 'font-size': text.Size});
        } else {
            written = svgElement('text', {x: text.X, y: text.Baseline, 'font-size': text.Size,
                                          'data-width': text.Width});
        }
        if (text.Grey)
            written.classList.add('grey');
        written.textContent = text.Text;
        drawn.append(written);
    }
    return drawn;
}

// A text that the font draws wider than the room it has is made smaller, evenly, to fit.
function fitSheetTexts(pages) {
    for (const text of pages.querySelectorAll('text[data-width]')) {
        const room = Number(text.dataset.width);
        const length = text.getComputedTextLength();
        if (length > room && length > 0) {
            const size = Number(text.getAttribute('font-size'));
            text.setAttribute('font-size', size * room / length);
        }
    }
}

class SheetsPanel {
    // panel: the module's caption, controls and look of the view; practice: the window it
    // opens from.
    constructor(panel, levels, practice) {
        this.panel = panel;
        this.practice = practice;
        this.drawing = 0;
        // The page writes no files: the browser's print dialog saves a PDF.
        this.rows = panel.Controls.filter(row => !row.WritesFile);
        const choices = element('div', {className: 'choices'});
        const buttons = element('div', {className: 'buttons'});
        for (const row of this.rows) {
            const made = this.make(row);
            if (row.Kind === 'Pages')
                this.pages = made;
            else if (row.Kind === 'Button' || row.Kind === 'PageCount')
                buttons.append(made);
            else
                choices.append(made);
        }
        this.root = element(
            'section', {id: 'Sheets', 'aria-labelledby': 'SheetsCaption'},
            element('div', {className: 'sheets-controls'},
                    element('h1', {id: 'SheetsCaption', className: 'caption', tabindex: '-1',
                                   textContent: panel.Caption}),
                    choices, buttons),
            this.pages);
        const look = panel.Look;
        for (const [name, value] of [['--sheet-ruling', look.Ruling],
                                     ['--sheet-ruling-width', look.RulingWidth],
                                     ['--sheet-ink', look.Ink], ['--sheet-grey', look.Grey],
                                     ['--sheet-paper', look.Paper],
                                     ['--sheet-font', `"${panel.Font}"`]])
            this.root.style.setProperty(name, String(value));
        this.root.hidden = true;
        this.root.addEventListener('keydown', event => {
            if (event.key === 'Escape')
                this.close();
        });
        document.body.insertBefore(this.root, practice.root.nextSibling);
        // The practice window's own button opens the view; the focus goes back to it after.
        this.opener = practice.control('OpenSheets');
        practice.root.addEventListener('open-sheets', () => this.open());
    }

    // A control of the table, with its label where it has one.
    make(row) {
        const name = row.Name;
        const labelled = control => element(
            'div', {className: 'choice'}, element('label', {for: name, textContent: row.Text}),
            control);
        switch (row.Kind) {
        case 'NumberList': {
            const list = element('select', {id: name});
            for (let value = row.Lowest; value <= row.Highest; ++value)
                list.append(element('option', {
                    value: String(value),
                    textContent: value === row.Lowest && row.LowestText ? row.LowestText
                                                                         : String(value)}));
            list.addEventListener('change', () => this.update());
            return labelled(list);
        }
        case 'NumberField': {
            const field = element('input', {
                id: name, type: 'text', inputmode: 'numeric', autocomplete: 'off',
                spellcheck: 'false', enterkeyhint: 'go'});
            field.addEventListener('change', () => this.update());
            field.addEventListener('keydown', event => {
                if (event.key === 'Enter' && !event.isComposing)
                    this.update();
            });
            return labelled(field);
        }
        case 'Check': {
            const box = element('input', {id: name, type: 'checkbox'});
            box.addEventListener('change', () => this.update());
            return element('div', {className: 'choice'}, box,
                           element('label', {for: name, textContent: row.Text}));
        }
        case 'Button': {
            const button = element('button', {id: name, type: 'button', textContent: row.Text});
            button.addEventListener('click', () => row.Command === 'Close' ? this.close()
                                                                           : window.print());
            return button;
        }
        case 'PageCount':
            return element('p', {id: name, className: 'page-count'});
        default: // the pages
            return element('div', {id: name, className: 'sheet-pages', role: 'region',
                                   'aria-label': row.Text});
        }
    }

    control(name) {
        return document.getElementById(name);
    }

    // The row that sets a choice, by its word.
    choiceRow(word) {
        return this.rows.find(row => row.Word === word);
    }

    // The view, with the level and variant being practised chosen to begin with and the
    // other choices as the module begins them.
    open() {
        this.chosen = null;
        this.practice.root.hidden = true;
        this.root.hidden = false;
        this.update(`level=${this.practice.control('Level').value}` +
                    `&variant=${this.practice.variantShown ?? ''}`);
        this.control('SheetsCaption').focus();
    }

    close() {
        this.root.hidden = true;
        this.practice.root.hidden = false;
        this.pages.replaceChildren();
        this.opener.focus();
    }

    // The choices as the module reads them, "word=value" by the table's words. A variant
    // typed that is no number leaves the one taken before: the module keeps the last value of
    // a name that is a number.
    choices() {
        const pairs = [];
        for (const row of this.rows.filter(row => row.Word)) {
            const shown = this.control(row.Name);
            if (row.Kind === 'Check') {
                pairs.push(`${row.Word}=${shown.checked ? 1 : 0}`);
            } else if (row.Kind === 'NumberField') {
                if (this.chosen)
                    pairs.push(`${row.Word}=${this.chosen[row.Word]}`);
                pairs.push(`${row.Word}=${shown.value.trim()}`);
            } else {
                pairs.push(`${row.Word}=${shown.value}`);
            }
        }
        return pairs.join('&');
    }

    // Asks the module for the pages of the choices, shows the choices as it took them and
    // draws the pages.
    update(choices = this.choices()) {
        const sheets = askModule('velmorand_practice_sheets', choices);
        this.chosen = sheets.Options;
        for (const [word, value] of Object.entries(sheets.Options)) {
            const row = this.choiceRow(word);
            const shown = this.control(row.Name);
            if (row.Kind === 'Check')
                shown.checked = value !== 0;
            else
                shown.value = String(value);
        }
        const count = this.rows.find(row => row.Kind === 'PageCount');
        this.control(count.Name).textContent = count.Text + sheets.Pages.length;
        const drawing = ++this.drawing;
        delete this.pages.dataset.drawn;
        this.pages.replaceChildren(...sheets.Pages.map(drawPrintedPage));
        // The texts are measured in the page's own font, once it is loaded.
        document.fonts.load(`4px "${this.panel.Font}"`).then(() => document.fonts.ready)
            .then(() => {
                if (drawing !== this.drawing)
                    return;
                fitSheetTexts(this.pages);
                this.pages.dataset.drawn = String(sheets.Pages.length);
            });
    }
}
