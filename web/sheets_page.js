'use strict';
// «Листы для печати»: the teacher's view of the practice page that prints worksheets for a
// class. The module makes the pages from the choices and describes each in millimetres; the
// page draws them as they are, as SVG in millimetres, so that printed at 100 % each cell is as
// large as the core says. The words of the view are the module's too.

const SvgNamespace = 'http://www.w3.org/2000/svg';

function svgElement(tag, attributes = {}) {
    const made = document.createElementNS(SvgNamespace, tag);
    for (const [name, value] of Object.entries(attributes))
        made.setAttribute(name, String(value));
    return made;
}

// One worksheet page: the faint squared paper under everything, then the lines and the texts.
// Each problem's place is kept on an empty group, in order, for whoever reads the preview.
function drawSheetPage(page) {
    const drawn = svgElement('svg', {
        class: 'sheet-page', viewBox: `0 0 ${page.Width} ${page.Height}`,
        width: page.Width + 'mm', height: page.Height + 'mm',
        'data-kind': page.Kind, 'data-level': page.Level, 'data-variant': page.Variant,
        'data-pitch': page.Grid.Pitch});
    drawn.append(svgElement('rect', {class: 'paper-sheet', width: page.Width,
                                     height: page.Height}));
    const grid = page.Grid;
    const [left, top] = grid.Origin;
    const right = left + grid.Columns * grid.Pitch;
    const bottom = top + grid.Rows * grid.Pitch;
    const path = [];
    for (let column = 0; column <= grid.Columns; ++column)
        path.push(`M${left + column * grid.Pitch} ${top}V${bottom}`);
    for (let row = 0; row <= grid.Rows; ++row)
        path.push(`M${left} ${top + row * grid.Pitch}H${right}`);
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
    // words: the module's texts and ranges for the view; practice: the window it opens from.
    constructor(words, levels, practice) {
        this.words = words;
        this.practice = practice;
        this.drawing = 0;
        const field = (name, label, control) => element(
            'div', {className: 'choice'}, element('label', {for: name, textContent: label}),
            control);
        const list = (name, first, last, caption = () => null) => {
            const made = element('select', {id: name});
            for (let value = first; value <= last; ++value)
                made.append(element('option', {value: String(value),
                                               textContent: caption(value) ?? String(value)}));
            made.addEventListener('change', () => this.update());
            return made;
        };
        const box = (name, label) => {
            const made = element('input', {id: name, type: 'checkbox'});
            made.addEventListener('change', () => this.update());
            return element('div', {className: 'choice'}, made,
                           element('label', {for: name, textContent: label}));
        };
        const variant = element('input', {
            id: 'SheetVariant', type: 'text', inputmode: 'numeric', autocomplete: 'off',
            spellcheck: 'false', enterkeyhint: 'go'});
        variant.addEventListener('change', () => this.update());
        variant.addEventListener('keydown', event => {
            if (event.key === 'Enter' && !event.isComposing)
                this.update();
        });
        const print = element('button', {id: 'PrintSheets', type: 'button',
                                          textContent: words.Print});
        print.addEventListener('click', () => window.print());
        const close = element('button', {id: 'CloseSheets', type: 'button',
                                          textContent: words.Close});
        close.addEventListener('click', () => this.close());
        this.pages = element('div', {id: 'SheetPages', className: 'sheet-pages',
                                     role: 'region', 'aria-label': words.Preview});
        this.root = element(
            'section', {id: 'Sheets', 'aria-labelledby': 'SheetsCaption'},
            element('div', {className: 'sheets-controls'},
                    element('h1', {id: 'SheetsCaption', className: 'caption', tabindex: '-1',
                                   textContent: words.Caption}),
                    element('div', {className: 'choices'},
                            field('SheetLevel', words.Level, list('SheetLevel', 1, levels)),
                            field('SheetVariant', words.Variant, variant),
                            field('SheetVariants', words.Variants,
                                  list('SheetVariants', 1, words.MostVariants)),
                            field('SheetProblems', words.Problems,
                                  list('SheetProblems', 0, words.MostProblems,
                                       value => value === 0 ? words.AsManyAsFit : null)),
                            box('SheetAnswers', words.Answers),
                            box('SheetLarge', words.Large)),
                    element('div', {className: 'buttons'}, print, close)),
            this.pages);
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

    control(name) {
        return document.getElementById(name);
    }

    // The view, with the level and variant being practised chosen to begin with.
    open() {
        this.control('SheetLevel').value = this.practice.control('Level').value;
        this.control('SheetVariant').value = this.practice.variantShown ?? '1';
        this.chosen = null;
        this.practice.root.hidden = true;
        this.root.hidden = false;
        this.update();
        this.control('SheetsCaption').focus();
    }

    close() {
        this.root.hidden = true;
        this.practice.root.hidden = false;
        this.pages.replaceChildren();
        this.opener.focus();
    }

    // The choices as the module reads them. A variant typed that is no number leaves the one
    // taken before: the module keeps the last value of a name that is a number.
    choices() {
        const typed = this.control('SheetVariant').value.trim();
        const before = this.chosen ? `variant=${this.chosen.Variant}&` : '';
        return `level=${this.control('SheetLevel').value}&${before}variant=${typed}` +
               `&variants=${this.control('SheetVariants').value}` +
               `&problems=${this.control('SheetProblems').value}` +
               `&answers=${this.control('SheetAnswers').checked ? 1 : 0}` +
               `&large=${this.control('SheetLarge').checked ? 1 : 0}`;
    }

    // Asks the module for the pages of the choices, shows the choices as it took them and
    // draws the pages.
    update() {
        const sheets = askModule('velmorand_practice_sheets', this.choices());
        const chosen = sheets.Options;
        this.chosen = chosen;
        this.control('SheetLevel').value = String(chosen.Level);
        this.control('SheetVariant').value = String(chosen.Variant);
        this.control('SheetVariants').value = String(chosen.Variants);
        this.control('SheetProblems').value = String(chosen.Problems);
        this.control('SheetAnswers').checked = chosen.Answers;
        this.control('SheetLarge').checked = chosen.Large;
        const drawing = ++this.drawing;
        delete this.pages.dataset.drawn;
        this.pages.replaceChildren(...sheets.Pages.map(drawSheetPage));
        // The texts are measured in the page's own font, once it is loaded.
        document.fonts.load(`4px "Liberation Sans"`).then(() => document.fonts.ready).then(() => {
            if (drawing !== this.drawing)
                return;
            fitSheetTexts(this.pages);
            this.pages.dataset.drawn = String(sheets.Pages.length);
        });
    }
}
