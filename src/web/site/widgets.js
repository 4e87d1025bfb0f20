// The window's widgets above the scene, kept in step with the core's model: the text panel's
// line, the three buttons, the inventory list and the menu bar. Each forwards the player's input
// to the core and holds no rule of its own.

function place(element, [left, top, width, height]) {
    Object.assign(element.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
}

export class Widgets {
    // input: { button(name, stamp), listClick(index, stamp), listDoubleClick(index, stamp), menu(name) }
    constructor(stage, input) {
        this.input = input;
        this.line = document.getElementById('line');
        this.list = document.getElementById('list');
        this.buttons = new Map();
        this.stage = stage;
        this.shownItems = '';
        this.list.addEventListener('click', (event) => {
            const entry = event.target.closest('li');
            // The second click of a double click is the double click's, not a click of its own.
            if (entry && event.detail % 2 === 0) return;
            this.input.listClick(entry ? Number(entry.dataset.index) : -1, event.timeStamp);
        });
        document.getElementById('panel').addEventListener('click', (event) => this.input.panelClick(event.timeStamp));
        this.list.addEventListener('dblclick', (event) => {
            const entry = event.target.closest('li');
            if (entry) this.input.listDoubleClick(Number(entry.dataset.index), event.timeStamp);
        });
    }

    show(view) {
        if (this.line.textContent !== view.line) this.line.textContent = view.line;
        for (const b of view.buttons) {
            let button = this.buttons.get(b.name);
            if (!button) {
                button = document.createElement('button');
                button.className = 'gamebutton';
                button.id = b.name;
                button.tabIndex = -1;  // Space and Enter belong to the story, not to a focused button
                button.addEventListener('click', (event) => this.input.button(b.name, event.timeStamp));
                this.stage.insertBefore(button, this.list);
                this.buttons.set(b.name, button);
            }
            place(button, b.rect);
            button.textContent = b.text;
            button.disabled = !b.enabled;
            // Spojit stays pressed while a combination is armed, as the model says.
            button.classList.toggle('armed', b.name === 'btnSpojit' && view.combinationArmed);
            button.hidden = !b.visible;
        }
        const list = view.list;
        place(this.list, list.rect);
        this.list.hidden = !list.visible;
        this.list.classList.toggle('disabled', !list.enabled);
        const items = JSON.stringify(list.items);
        if (items !== this.shownItems) {
            this.shownItems = items;
            this.list.replaceChildren(...list.items.map((caption, index) => {
                const li = document.createElement('li');
                li.textContent = caption;
                li.dataset.index = String(index);
                return li;
            }));
        }
        [...this.list.children].forEach((li, index) => li.classList.toggle('held', index === list.highlighted));
        if (list.highlighted !== null && this.list.children[list.highlighted])
            this.list.children[list.highlighted].scrollIntoView({ block: 'nearest' });
    }
}

// The menu bar: the core's menus and items; opening one tells the core (the settings menu arms
// the sound switch that way), choosing an item clicks it in the core. Items marked "page" (saving
// positions, the menu "Zobrazení") are the page's own and go to input.pageItem instead.
export class MenuBar {
    constructor(bar, input, keys = []) {
        this.bar = bar;
        this.input = input;
        this.keys = keys;
        this.items = [];
        this.shown = '';
        this.open = null;
        document.addEventListener('pointerdown', (event) => {
            if (this.open && !this.bar.contains(event.target) && !event.target.closest('.dropdown')) this.close();
        });
    }

    // force: draw again though the core's menu is unchanged (a page item's check changed).
    show(menu, force = false) {
        const shown = JSON.stringify(menu);
        if (shown === this.shown && !force) return;
        this.shown = shown;
        this.items = menu;
        if (this.bar.children.length === 0) {
            for (const top of menu) {
                const element = document.createElement('div');
                element.className = 'top';
                element.id = top.name;
                element.textContent = top.caption;
                element.addEventListener('click', () => (this.open && this.open.name === top.name ? this.close() : this.openMenu(top.name)));
                this.bar.appendChild(element);
            }
        }
        // The captions follow the game's language.
        for (const top of menu) {
            const element = document.getElementById(top.name);
            if (element.textContent !== top.caption) element.textContent = top.caption;
        }
        if (this.open) this.renderOpen();
    }

    openMenu(name) {
        this.close();
        const element = document.getElementById(name);
        this.open = { name, element, dropdowns: [] };
        element.classList.add('open');
        // The open notification; the items are drawn from the next view.
        if (!this.items.find((item) => item.name === name).page) this.input.menu(name);
        this.renderOpen();
    }

    renderOpen() {
        const top = this.items.find((item) => item.name === this.open.name);
        for (const d of this.open.dropdowns) d.remove();
        this.open.dropdowns = [];
        const box = this.open.element.getBoundingClientRect();
        this.dropdown(top.children, box.left, box.bottom);
    }

    dropdown(items, left, top) {
        const d = document.createElement('div');
        d.className = 'dropdown';
        Object.assign(d.style, { left: `${left}px`, top: `${top}px`, position: 'fixed' });
        for (const item of items) {
            if (item.separator) {
                const line = document.createElement('div');
                line.className = 'separator';
                d.appendChild(line);
                continue;
            }
            const row = document.createElement('div');
            row.className = 'item';
            row.id = item.name;
            row.textContent = item.caption;
            const key = this.keys.find((k) => k.name === item.name);
            if (key) {
                const label = document.createElement('span');
                label.className = 'key';
                label.textContent = key.label;
                row.appendChild(label);
            }
            row.classList.toggle('disabled', !item.enabled);
            if (item.checked || (item.page && this.input.pageChecked(item.name))) {
                const mark = document.createElement('span');
                mark.className = 'mark';
                mark.textContent = item.radio ? '●' : '✓';
                row.prepend(mark);
            }
            if (item.children.length > 0) {
                row.classList.add('sub');
                row.addEventListener('pointerenter', () => this.submenu(d, row, item.children));
                row.addEventListener('click', () => this.submenu(d, row, item.children));
            } else {
                row.addEventListener('pointerenter', () => this.submenu(d, null, null));
                row.addEventListener('click', () => {
                    if (!item.enabled) return;
                    this.close();
                    if (item.page) this.input.pageItem(item.name);
                    else this.input.menu(item.name);
                });
            }
            d.appendChild(row);
        }
        document.body.appendChild(d);
        this.open.dropdowns.push(d);
        return d;
    }

    submenu(parent, row, items) {
        const level = this.open.dropdowns.indexOf(parent);
        for (const d of this.open.dropdowns.splice(level + 1)) d.remove();
        if (!row) return;
        const box = row.getBoundingClientRect();
        this.dropdown(items, box.right, box.top);
    }

    close() {
        if (!this.open) return;
        this.open.element.classList.remove('open');
        for (const d of this.open.dropdowns) d.remove();
        this.open = null;
    }
}
