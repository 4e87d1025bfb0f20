// The boxes the core asks for and the two information windows, as dialogs over the page. While
// one is open the game takes no input (the dialogs' layer covers the layout, the blocker the
// menu bar); a box also holds the game's clock, an information window lets it run (a cutscene
// goes on behind it).

const windows = () => document.getElementById('windows');
const blocker = () => document.getElementById('blocker');
let open = 0;   // boxes and windows: the game takes no input
let boxes = 0;  // boxes only: the game's clock is held

export const dialogOpen = () => open > 0;
export const clockHeld = () => boxes > 0;
// Holds the game's clock over more than one dialog (a choice and the questions that follow it).
export const holdClock = () => { boxes++; };
export const releaseClock = () => { boxes--; };

function opened() {
    open++;
    blocker().hidden = false;
    windows().classList.add('modal');
}
function closed() {
    if (--open > 0) return;
    blocker().hidden = true;
    windows().classList.remove('modal');
}

function frame(caption, className) {
    const w = document.createElement('div');
    w.className = `window ${className}`;
    w.setAttribute('role', 'dialog');
    w.setAttribute('aria-modal', 'true');
    const title = document.createElement('div');
    title.className = 'title';
    title.textContent = caption;
    const body = document.createElement('div');
    body.className = 'body';
    w.append(title, body);
    return [w, body];
}

// A Yes/No question (question true) or an OK box; resolves true for Yes or OK. A long text
// scrolls, shown from its end when endFirst is set (the newest lines of a history); labels
// holds the buttons' words in the game's language ({ yes, no, ok }).
export function box(caption, text, question, endFirst, labels) {
    return new Promise((resolve) => {
        opened();
        boxes++;
        const [w, body] = frame(caption, 'box');
        const message = document.createElement('div');
        message.className = 'text';
        message.textContent = text;
        const buttons = document.createElement('div');
        buttons.className = 'buttons';
        const answer = (yes) => () => {
            w.remove();
            document.removeEventListener('keydown', keys, true);
            boxes--;
            closed();
            resolve(yes);
        };
        const add = (label, yes, id) => {
            const b = document.createElement('button');
            b.textContent = label;
            b.id = id;
            b.addEventListener('click', answer(yes));
            buttons.appendChild(b);
            return b;
        };
        const first = question ? add(labels.yes, true, 'boxYes') : add(labels.ok, true, 'boxOk');
        if (question) add(labels.no, false, 'boxNo');
        // Enter takes the default (Yes, OK); Escape answers No or closes the OK box.
        const keys = (event) => {
            if (event.key === 'Enter') { event.preventDefault(); answer(true)(); }
            else if (event.key === 'Escape') { event.preventDefault(); answer(!question)(); }
        };
        document.addEventListener('keydown', keys, true);
        body.append(message, buttons);
        windows().appendChild(w);
        if (endFirst) message.scrollTop = message.scrollHeight;
        first.focus();
    });
}

// The window of saved positions (as the core describes it: captions, each slot's lines, picture and
// whether it can be chosen, the row ready for Enter). Resolves with the chosen slot's number, or
// null after Zrušit or Escape. A click picks a slot, a double click or Enter takes it; the arrow
// keys move among the slots that can be chosen.
export function slotWindow(slotList, pictureUrl) {
    return new Promise((resolve) => {
        opened();
        boxes++;
        const [w, body] = frame(slotList.caption, 'box slots');
        const list = document.createElement('div');
        list.className = 'slotlist';
        list.setAttribute('role', 'listbox');
        const buttons = document.createElement('div');
        buttons.className = 'buttons';
        let current = slotList.preselected;
        const rows = slotList.slots.map((slot, index) => {
            const row = document.createElement('div');
            row.className = 'slot';
            row.id = `slot-${slot.slot}`;
            row.setAttribute('role', 'option');
            row.classList.toggle('unusable', !slot.usable);
            const picture = document.createElement(slot.picture ? 'img' : 'div');
            picture.className = 'thumb';
            if (slot.picture) { picture.src = pictureUrl(slot.picture); picture.alt = ''; }
            const text = document.createElement('div');
            text.className = 'lines';
            slot.lines.forEach((line, i) => {
                const e = document.createElement('div');
                e.textContent = line;
                if (i === 0) e.className = 'name';
                text.appendChild(e);
            });
            row.append(picture, text);
            row.addEventListener('click', () => select(index));
            row.addEventListener('dblclick', () => { select(index); take(); });
            list.appendChild(row);
            return row;
        });
        const finish = (slot) => {
            w.remove();
            document.removeEventListener('keydown', keys, true);
            boxes--;
            closed();
            resolve(slot);
        };
        const take = () => { if (current !== null && slotList.slots[current].usable) finish(slotList.slots[current].slot); };
        const choose = document.createElement('button');
        choose.textContent = slotList.choose;
        choose.id = 'slotChoose';
        choose.addEventListener('click', take);
        const cancel = document.createElement('button');
        cancel.textContent = slotList.cancel;
        cancel.id = 'slotCancel';
        cancel.addEventListener('click', () => finish(null));
        buttons.append(choose, cancel);
        function select(index) {
            if (index === null || !slotList.slots[index].usable) return;
            current = index;
            rows.forEach((row, i) => row.setAttribute('aria-selected', String(i === current)));
            rows[current].scrollIntoView({ block: 'nearest' });
            choose.disabled = false;
        }
        const step = (by) => {
            for (let i = (current ?? -by) + by; i >= 0 && i < rows.length; i += by)
                if (slotList.slots[i].usable) { select(i); return; }
        };
        const keys = (event) => {
            const handled = { Enter: take, Escape: () => finish(null), ArrowDown: () => step(1), ArrowUp: () => step(-1) }[event.key];
            if (!handled) return;
            event.preventDefault();
            event.stopPropagation();
            handled();
        };
        document.addEventListener('keydown', keys, true);
        body.append(list, buttons);
        windows().appendChild(w);
        choose.disabled = current === null;
        select(current);
        (current === null ? cancel : choose).focus();
    });
}

function placedText(t, left) {
    const e = document.createElement('div');
    e.className = 'placed';
    e.textContent = t.text;
    Object.assign(e.style, {
        left: `${left ?? t.rect[0]}px`, top: `${t.rect[1]}px`,
        font: `${t.bold ? 'bold ' : ''}${t.size}px "DejaVu Sans", sans-serif`,
        color: `#${t.rgb.toString(16).padStart(6, '0')}`,
    });
    return e;
}

function sized(e, [left, top, width, height]) {
    Object.assign(e.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`, height: `${height}px` });
}

// An information window: the Controls window (which 0) or the About window (1), drawn from the
// core's texts. about.activate(width) and about.advance(ms) move the About window's slide-in.
export function infoWindow(which, looks, about) {
    opened();
    const windowShape = which === 0 ? looks.controls : looks.about;
    const [w, body] = frame(windowShape.caption, 'info');
    const [, , width, height] = windowShape.window;
    Object.assign(w.style, { left: `${(1024 - width) / 2}px`, top: `${(768 - height) / 2}px`, width: `${width}px` });
    body.style.height = `${height - 22}px`;
    let stop = () => {};
    if (which === 0) {
        body.appendChild(placedText(windowShape.heading));
        const panel = document.createElement('div');
        panel.className = 'raised';
        sized(panel, windowShape.panel);
        for (const line of windowShape.lines) panel.appendChild(placedText(line));
        body.appendChild(panel);
    } else {
        const group = document.createElement('div');
        group.className = 'group';
        sized(group, windowShape.groupBox);
        const lines = windowShape.lines.map((line) => placedText(line));
        group.append(...lines);
        body.appendChild(group);
        const show = (parts) => {
            group.style.left = `${parts.groupBoxLeft}px`;
            lines.forEach((e, i) => { e.style.left = `${parts.lineLefts[i]}px`; });
        };
        show(about.activate(width));
        let last = performance.now(), running = true;
        const step = (now) => {
            if (!running) return;
            show(about.advance(now - last));
            last = now;
            requestAnimationFrame(step);
        };
        requestAnimationFrame(step);
        stop = () => { running = false; };
    }
    const ok = document.createElement('button');
    ok.textContent = looks.ok;
    ok.id = which === 0 ? 'controlsOk' : 'aboutOk';
    sized(ok, windowShape.okButton);
    body.appendChild(ok);
    const close = () => {
        stop();
        w.remove();
        document.removeEventListener('keydown', keys, true);
        closed();
    };
    const keys = (event) => {
        if (event.key === 'Enter' || event.key === 'Escape') { event.preventDefault(); close(); }
    };
    ok.addEventListener('click', close);
    document.addEventListener('keydown', keys, true);
    windows().appendChild(w);
    if (which === 0) widenToLines(w, body.querySelector('.raised'), ok, windowShape);
    ok.focus();
}

// The help lines were placed for a narrower face: where one runs past the panel, the panel and
// the window grow to hold it, and the window stays centred.
function widenToLines(w, panel, ok, windowShape) {
    const right = Math.max(...[...panel.children].map((line) => line.offsetLeft + line.offsetWidth));
    const extra = Math.max(0, Math.ceil(right + 10 - windowShape.panel[2]));
    if (extra === 0) return;
    const width = windowShape.window[2] + extra;
    panel.style.width = `${windowShape.panel[2] + extra}px`;
    Object.assign(w.style, { width: `${width}px`, left: `${(1024 - width) / 2}px` });
    ok.style.left = `${windowShape.okButton[0] + extra / 2}px`;
}
