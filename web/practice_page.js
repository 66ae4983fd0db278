'use strict';
// The practice window «Тренажёр» in the page: the controls are made by walking the table the
// module hands over; the pupil's answers, hints and choices go to the session in the module,
// and the page draws the view it answers and delivers its one announcement. Nothing here
// checks an answer or words a text.

// Where the progress is kept between visits: the session's own text, numbers only.
const ProgressKey = 'velmorand-practice-progress';

// The grid's cell in CSS pixels: never smaller than a finger's target, and on a panel no larger
// than reads well.
const SmallestCell = 28;
const LargestCell = 120;

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

class PracticeWindow {
    constructor(layout) {
        this.layout = layout;
        this.root = document.getElementById('Practice');
        // The caption as it is written, and as a screen reader says it.
        this.root.append(element('h1', {className: 'caption', textContent: layout.Caption,
                                        'aria-label': layout.SpokenCaption}));
        // The level and the variant share a line, and so do the buttons; the question, the
        // answer field and what is said about the answer make the bar a phone keeps in sight.
        const groups = {LevelChoice: 'choices', VariantField: 'choices', Button: 'buttons',
                        AnswerField: 'answer-bar', Text: 'answer-bar'};
        // The texts after the column, the answer line and the progress, stand under the paper.
        let afterColumn = false;
        for (const row of layout.Controls) {
            const made = this.makeControl(row);
            afterColumn = afterColumn || row.Kind === 'ColumnGrid';
            const alone = row.Kind === 'Text' && (row.AccessibleName || afterColumn);
            const group = alone ? null : groups[row.Kind];
            const last = this.root.lastElementChild;
            if (group && last?.className === group)
                last.append(made);
            else
                this.root.append(group ? element('div', {className: group}, made) : made);
        }
        // An on-screen keyboard shrinks only the visual viewport; the field being typed into and
        // the row it writes stay in sight above it.
        this.showFocusNow = () => this.showFocus();
        window.visualViewport?.addEventListener('resize', this.showFocusNow);
        addEventListener('resize', () => {
            this.fitGrid();
            this.showFocus();
        });
        this.root.addEventListener('focusin', this.showFocusNow);
        addEventListener('hashchange', () => this.start());
    }

    control(name) {
        return document.getElementById(name);
    }

    // Each control as its table row says: its element, its label and its events.
    makeControl(row) {
        const label = row.AccessibleName ?? '';
        switch (row.Kind) {
        case 'LevelChoice': {
            const list = element('select', {id: row.Name});
            for (let level = 1; level <= this.layout.Levels; ++level)
                list.append(element('option', {value: String(level), textContent: String(level)}));
            list.addEventListener('change', () =>
                this.deliver(askModule('velmorand_practice_level', list.value)));
            return element('div', {className: 'choice'},
                           element('label', {for: row.Name, textContent: label}), list);
        }
        case 'VariantField': {
            const field = element('input', {
                id: row.Name, type: 'text', inputmode: 'numeric', autocomplete: 'off',
                spellcheck: 'false', enterkeyhint: 'go'});
            // Enter or leaving the field chooses the variant typed, once.
            const choose = () => {
                if (field.value !== this.variantShown)
                    this.deliver(askModule('velmorand_practice_variant', field.value));
            };
            field.addEventListener('keydown', event => {
                if (event.key === 'Enter' && !event.isComposing)
                    choose();
            });
            field.addEventListener('change', choose);
            return element('div', {className: 'choice'},
                           element('label', {for: row.Name, textContent: label}), field);
        }
        case 'AnswerField': {
            const field = element('input', {
                id: row.Name, type: 'text', inputmode: 'numeric', autocomplete: 'off',
                spellcheck: 'false', enterkeyhint: 'enter', 'aria-describedby': 'Question'});
            field.addEventListener('keydown', event => {
                if (event.key === 'Enter' && !event.isComposing) {
                    event.preventDefault();
                    this.deliver(askModule('velmorand_practice_answer', field.value));
                }
            });
            return element('div', {className: 'entry'},
                           element('label', {for: row.Name, textContent: label}), field);
        }
        case 'Button': {
            const button = element('button', {id: row.Name, type: 'button',
                                              textContent: row.Caption ?? ''});
            if (label)
                button.setAttribute('aria-label', label);
            button.addEventListener('click', () => {
                if (row.Command === 'Sheets') // the teacher's view, which sheets_page.js draws
                    this.root.dispatchEvent(new Event('open-sheets'));
                else
                    this.deliver(askModule('velmorand_practice_command', row.Name));
            });
            return button;
        }
        case 'ColumnGrid': {
            // The squared paper is drawn for the eye; a screen reader reads the column row by row
            // from the rows the session words, one cell each.
            const column = element('div', {id: row.Name, role: 'table', tabindex: '0'});
            if (label)
                column.setAttribute('aria-label', label);
            this.paper = element('div', {className: 'paper', 'aria-hidden': 'true'});
            this.spokenRows = element('div', {role: 'rowgroup', className: 'spoken'});
            column.append(this.paper, this.spokenRows);
            return element('div', {className: 'sheet'}, column);
        }
        default: { // a text of the view
            if (row.Announced) {
                // The one live region: what it says is the session's announcement, worded for
                // speech; what it shows is the feedback line, for the eye.
                const status = element('div', {id: row.Name, role: 'status',
                                               'data-mistake': '', 'data-hint': ''});
                this.feedbackShown = element('span', {className: 'shown', 'aria-hidden': 'true'});
                this.spoken = element('span', {className: 'spoken'});
                status.append(this.feedbackShown, this.spoken);
                return status;
            }
            const text = element('div', {id: row.Name, className: 'text ' + row.Name.toLowerCase()});
            if (!label)
                return text;
            text.setAttribute('role', 'group');
            text.setAttribute('aria-label', label);
            return element('div', {className: 'labelled'},
                           element('span', {className: 'label', 'aria-hidden': 'true',
                                            textContent: label}), text);
        }
        }
    }

    // The session at the level and variant the address names, with the progress kept before.
    start() {
        this.show(askModule('velmorand_practice_start', location.hash.slice(1), keptProgress()));
        this.control('Entry').value = '';
    }

    // Carries out what the session answered an action with; its one announcement is the only
    // thing the page says.
    deliver(result) {
        if (result === null)
            return;
        if (result.Progress !== undefined)
            keepProgress(result.Progress);
        this.show(result.View);
        if (result.ClearEntry)
            this.control('Entry').value = '';
        if (result.FocusEntry)
            this.control('Entry').focus();
        this.announce(result.Announcement ?? '');
        this.showFocus();
    }

    // Says a text through the live region; the same text twice is said twice.
    announce(text) {
        clearTimeout(this.announcing);
        this.spoken.textContent = '';
        this.announcing = setTimeout(() => this.spoken.textContent = text, 100);
    }

    show(view) {
        const level = this.control('Level');
        level.value = String(view.Level);
        level.classList.toggle('suggest-next', view.SuggestNextLevel);
        this.variantShown = String(view.Variant);
        this.control('Variant').value = this.variantShown;
        // The address names the problem shown, so that a reload or a shared link comes back to it.
        const address = `#level=${view.Level}&variant=${view.Variant}`;
        if (location.hash !== address) {
            try {
                history.replaceState(null, '', address);
            } catch {
                // A browser that refuses it keeps the address it had.
            }
        }
        for (const [name, text] of Object.entries(view.Texts)) {
            const shown = this.control(name);
            (shown.getAttribute('role') === 'status' ? this.feedbackShown : shown).textContent = text;
        }
        this.control('Question').dataset.step = view.Step;
        const feedback = this.control('Feedback');
        feedback.dataset.mistake = view.Mistake;
        feedback.dataset.hint = view.HintLevel > 0 ? String(view.HintLevel) : '';
        this.drawColumn(view.Column, view.FinishedRows, view.FinishedColumns);
    }

    // The column on squared paper: a cell's place is its row and column, one margin cell
    // around the whole; the lines run along the cells' edges.
    drawColumn(grid, finishedRows, finishedColumns) {
        this.size = {rows: Math.max(grid.Rows, finishedRows) + 2,
                     columns: Math.max(grid.Columns, finishedColumns) + 2};
        const current = new Set(grid.Current.map(([row, column]) => row + ',' + column));
        const cells = [];
        const written = new Set();
        const place = (item, row, column) => {
            item.style.setProperty('--row', row + 1);
            item.style.setProperty('--column', column + 1);
        };
        for (const [row, column, digit] of grid.Cells) {
            const key = row + ',' + column;
            written.add(key);
            const cell = element('span', {className: digit === '.' ? 'cell pending' : 'cell',
                                          'data-row': row, 'data-col': column,
                                          textContent: digit === '.' ? '' : digit});
            cell.classList.toggle('current', current.has(key));
            place(cell, row, column);
            cells.push(cell);
        }
        for (const [row, column] of grid.Current) { // the cells the answer goes into, still empty
            if (written.has(row + ',' + column))
                continue;
            const cell = element('span', {className: 'cell current empty',
                                          'data-row': row, 'data-col': column});
            place(cell, row, column);
            cells.push(cell);
        }
        for (const [row, column] of grid.Minuses) { // before each subtraction
            const minus = element('span', {className: 'minus', textContent: '−'});
            place(minus, row, column - 1);
            cells.push(minus);
        }
        for (const line of grid.Lines) {
            const drawn = element('span', {className: line.Vertical ? 'line vertical'
                                                                     : 'line horizontal'});
            drawn.style.setProperty('--row', line.Row + 1 + (line.Vertical ? 0 : 1));
            drawn.style.setProperty('--column', line.Column + 1);
            drawn.style.setProperty('--length', line.Length);
            cells.push(drawn);
        }
        this.paper.replaceChildren(...cells);
        this.paper.style.setProperty('--rows', this.size.rows);
        this.paper.style.setProperty('--columns', this.size.columns);
        this.spokenRows.replaceChildren(...grid.SpokenRows.map(text => element(
            'div', {role: 'row'}, element('span', {role: 'cell', textContent: text}))));
        this.fitGrid();
    }

    // The largest cell with which the whole paper fits the room the layout leaves it: beside
    // the controls on a wide screen, the page's width on a narrow one, where the page scrolls
    // down and the paper sideways rather than the digits growing too small.
    fitGrid() {
        if (!this.size)
            return;
        const sheet = this.paper.closest('.sheet');
        const {rows, columns} = this.size;
        const width = sheet.clientWidth;
        const wide = getComputedStyle(this.root).getPropertyValue('--wide').trim() === '1';
        let cell = width / columns;
        if (wide) {
            const top = sheet.getBoundingClientRect().top + scrollY;
            const height = document.documentElement.clientHeight - top - 16;
            cell = Math.min(cell, height / rows);
        }
        cell = Math.floor(Math.min(LargestCell, Math.max(SmallestCell, cell)));
        this.paper.style.setProperty('--cell', cell + 'px');
    }

    // Scrolls the control with the focus into sight; while it is the answer field, the row the
    // answer goes into too, as far as both fit above the keyboard.
    showFocus() {
        const focused = document.activeElement;
        if (focused === null || !this.root.contains(focused))
            return;
        // The bar with the answer field stays at the foot of a narrow screen: what scrolls
        // into sight stops above it.
        const bar = this.root.querySelector('.answer-bar');
        const sticks = bar !== null && getComputedStyle(bar).position === 'sticky';
        document.documentElement.style.scrollPaddingBottom = sticks ? bar.offsetHeight + 'px' : '';
        focused.scrollIntoView({block: 'nearest', inline: 'nearest'});
        const current = this.paper.querySelector('.current');
        if (focused.id !== 'Entry' || current === null)
            return;
        current.scrollIntoView({block: 'nearest', inline: 'nearest'});
        // The row scrolled into sight may have pushed the field out: the field comes first.
        const viewport = window.visualViewport;
        const top = viewport ? viewport.offsetTop : 0;
        const bottom = top + (viewport ? viewport.height : innerHeight);
        const field = focused.getBoundingClientRect();
        if (field.bottom > bottom || field.top < top)
            focused.scrollIntoView({block: 'nearest', inline: 'nearest'});
    }
}

function startPage() {
    const layout = askModule('velmorand_practice_layout');
    document.title = layout.Caption;
    const practice = new PracticeWindow(layout);
    new SheetsPanel(layout.Sheets, layout.Levels, practice);
    practice.start();
    practice.control('Entry').focus();
    performance.mark('velmorand-started');
}
