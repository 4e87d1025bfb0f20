// Starts the game in the page: loads the core and the list of data files, draws what the core's
// model says, forwards the player's input through the core's input path and lets the page's
// real time pass on the core's clock.
import { loadCore, run, read, busy, fs } from './core.js';
import { restore, persist, slotOf } from './storage.js';
import { unlockAudio, playSound } from './sound.js';
import { Layout } from './layout.js';
import { SceneCanvas, preload } from './draw.js';
import { Widgets, MenuBar } from './widgets.js';
import { box, infoWindow, slotWindow, dialogOpen, clockHeld, holdClock, releaseClock } from './dialogs.js';
import { listenToKeys, menuKeys } from './keys.js';

// The core loses nothing while the tab sleeps: at most this much time passes in one frame, so a
// hidden tab pauses the game instead of running its cutscenes unseen.
const MAX_FRAME_MS = 250;
// With ?manual-clock the page's time does not move the game: the browser test gives the time.
const manualClock = new URLSearchParams(location.search).has('manual-clock');

const area = document.getElementById('area');
const stage = document.getElementById('stage');
const layout = new Layout(area, stage);
let manifest = {};
let looks = null;
let ended = false;
// For the benchmark: milliseconds from navigation to the first painted frame, and from each
// click's event to the frame that shows what it changed.
const measured = { firstFrame: null, clicks: [] };

// Calls back once the frame drawn now has been painted.
const afterPaint = (done) => requestAnimationFrame(() => setTimeout(done, 0));

// Times a click from its event to the painted frame, when it changed what shows.
function timed(stamp, promise) {
    const before = shownChanges;
    return promise.then((result) => {
        if (shownChanges !== before) afterPaint(() => measured.clicks.push(performance.now() - stamp));
        return result;
    });
}

const pictureUrl = (path) => manifest[path] || path;
const scene = new SceneCanvas(document.getElementById('scene'), pictureUrl);
let shownChanges = -1;
scene.onComplete = () => {
    if (measured.firstFrame !== null) return;
    measured.firstFrame = 0;
    afterPaint(() => { measured.firstFrame = performance.now(); });
};
let pointer = null;  // the last layout point the pointer was at, over the stage

// What the core calls back (see page_bridge.cpp).
const page = {
    hasFile: (path) => Object.prototype.hasOwnProperty.call(manifest, path),
    playSound: (path) => playSound(pictureUrl(path)),
    dialog: (caption, text, question) => { refresh(); return box(caption, text, question, false, looks); },
    showWindow: (which) => { refresh(); infoWindow(which, looks, about); },
    quit: () => { ended = true; },
    savedAtNow: () => {
        const d = new Date();
        return `${d.getDate()}. ${d.getMonth() + 1}. ${d.getFullYear()} ${d.getHours()}:${String(d.getMinutes()).padStart(2, '0')}`;
    },
};

const about = {
    activate: (width) => { read('kv_about_activate', null, ['number'], [width]); return about.advance(0); },
    advance: (ms) => JSON.parse(read('kv_about_advance', 'string', ['number'], [ms])),
};

function showCursor(look) {
    scene.canvas.style.cursor = cursors[look.cursor] || 'default';
    scene.canvas.title = look.hint;
}

// Draws the model if it changed. A picture under a pointer that stayed still may have changed:
// what lies there now hears of the pointer, as in the desktop.
function refresh() {
    const changes = read('kv_changes', 'number');
    if (changes === shownChanges) return;
    shownChanges = changes;
    const view = JSON.parse(read('kv_view'));
    lastView = view;
    if (revealing()) scene.reveal = JSON.parse(read('kv_reachable'));
    scene.draw(view);
    widgets.show(view);
    menuBar.show(view.menu);
    if (pointer) showCursor(JSON.parse(read('kv_look_at', 'string', ['number', 'number'], pointer)));
}

async function call(name, types = [], args = [], returnType = null) {
    if (ended) return null;
    const result = await run(name, returnType, types, args);
    afterCall();
    return result;
}

function afterCall() {
    // The browser refused to keep a file (full or forbidden): the game's message for a write
    // that did not complete (for a saved position, the one naming its slot); the game plays on
    // and the file is tried again after later calls.
    const messages = new Set(persist(fs()).map((path) => {
        const slot = slotOf(path);
        return slot === null ? 'Nepodařilo se uzavřít soubor!' : read('kv_slot_not_written', 'string', ['number'], [slot]);
    }));
    for (const message of messages) box('Kvelnor', message, false, false, looks);
    refresh();
    if (ended) endScreen();
}

function replayPointer() {
    if (pointer && !dialogOpen()) call('kv_move', ['number', 'number'], pointer, 'string');
}

const input = {
    button: (name, stamp) => { if (!dialogOpen()) timed(stamp, call('kv_button', ['string'], [name])); },
    listClick: (index, stamp) => { if (!dialogOpen()) timed(stamp, call('kv_list_click', ['number'], [index])); },
    listDoubleClick: (index, stamp) => { if (!dialogOpen()) timed(stamp, call('kv_list_double_click', ['number'], [index])); },
    menu: (name) => { if (!dialogOpen()) call('kv_menu', ['string'], [name], 'number'); },
    pageItem: (name) => {
        if (dialogOpen()) return;
        if (name.startsWith('lang-')) chooseLanguage(name.slice(5));
        else pageItems[name]();
    },
    pageChecked: (name) => name === 'mmAktivniMista' && revealChosen,
    panelClick: (stamp) => { if (!dialogOpen()) timed(stamp, call('kv_panel_click')); },
};
const widgets = new Widgets(stage, input);
const menuBar = new MenuBar(document.getElementById('menubar'), input, menuKeys);

// Tab held, or "Ukázat aktivní místa" chosen: every spot a click would reach now, outlined with
// its hint, drawn from the core.
let tabHeld = false, revealChosen = false;
const revealing = () => tabHeld || revealChosen;
function showReveal() {
    scene.reveal = revealing() ? JSON.parse(read('kv_reachable')) : null;
    if (scene.lastView) scene.draw(scene.lastView);
}

// The dialogue history in a box like the others: the clock holds while it is open.
function showHistory() {
    const history = JSON.parse(read('kv_history'));
    const lines = history.lines;
    box(history.caption, lines.length > 0 ? lines.join('\n') : history.empty, false, true, { ...looks, ok: history.close });
}

// "Uložit pozici…" (mode 0) and "Nahrát pozici…" (mode 1): the slot window from the core's
// list, then the game saves or loads the chosen slot with its own questions. The clock holds
// from the opening of the window to the last answer: the position is the moment of the choice.
let lastView = null;
async function openSlots(mode) {
    if (dialogOpen() || ended || busy()) return;
    // A shortcut key reaches this even when the menu would show the item greyed.
    if (mode === 0 && !(lastView && lastView.gameInProgress)) return;
    holdClock();
    try {
        const slot = await slotWindow(JSON.parse(read('kv_slots', 'string', ['number'], [mode])), pictureUrl);
        if (slot !== null) await call(mode === 0 ? 'kv_save_position' : 'kv_load_position', ['number'], [slot], 'number');
    } finally {
        releaseClock();
    }
}

// "Nastavení → Jazyk": the game in another language, remembered for the next visit.
const LANGUAGE_KEY = 'kvelnor-language';
function rememberedLanguage() {
    try { return window.localStorage.getItem(LANGUAGE_KEY) || 'cs'; } catch { return 'cs'; }
}
function chooseLanguage(code) {
    if (dialogOpen() || busy()) return;
    const problem = read('kv_set_language', 'string', ['string'], [code]);
    if (problem) { box('Kvelnor', problem, false, false, looks); return; }
    try { window.localStorage.setItem(LANGUAGE_KEY, code); } catch { /* kept for this visit only */ }
    showLanguage();
}
// The page's own words and the information windows in the game's language, and every widget
// drawn again.
function showLanguage() {
    looks = JSON.parse(read('kv_looks'));
    document.documentElement.lang = looks.language;
    shownChanges = -1;
    refresh();
}

// The items the page adds to the game's menu, answered here.
const pageItems = {
    mmUlozitPozici: () => openSlots(0),
    mmNahratPozici: () => openSlots(1),
    mmHistorie: showHistory,
    mmAktivniMista: () => { revealChosen = !revealChosen; showReveal(); if (lastView) menuBar.show(lastView.menu, true); },
};

listenToKeys({
    blocked: () => dialogOpen() || menuBar.open !== null || ended,
    advance: () => call('kv_story_advance'),
    escape: () => call('kv_escape'),
    reveal: (on) => { if (on !== tabHeld) { tabHeld = on; showReveal(); } },
    history: showHistory,
    shortcut: (name) => call('kv_shortcut', ['string'], [name], 'number'),
    pageItem: (name) => pageItems[name](),
});

// Pointer input on the scene: mouse, pen and touch alike; a tap is a click.
let moving = null;
function pointAt(event) { return layout.toLayout(event.clientX, event.clientY); }
// One move at a time; the latest position follows once the previous one is through.
function sendMove() {
    if (moving || !pointer || dialogOpen()) return;
    const point = pointer;
    moving = call('kv_move', ['number', 'number'], point, 'string').then((look) => {
        moving = null;
        if (look) showCursor(JSON.parse(look));
        if (pointer && (pointer[0] !== point[0] || pointer[1] !== point[1])) sendMove();
    });
}
scene.canvas.addEventListener('pointermove', (event) => {
    pointer = pointAt(event);
    sendMove();
});
scene.canvas.addEventListener('pointerleave', () => { pointer = null; });
scene.canvas.addEventListener('pointerdown', (event) => {
    unlockAudio();
    if (event.button !== 0 || dialogOpen()) return;
    pointer = pointAt(event);
    // A finger has no hover: the move comes with the touch.
    if (event.pointerType !== 'mouse') call('kv_move', ['number', 'number'], pointer, 'string');
    call('kv_press', ['number', 'number'], pointer);
});
scene.canvas.addEventListener('pointerup', (event) => {
    if (event.button !== 0 || dialogOpen()) return;
    pointer = pointAt(event);
    timed(event.timeStamp, call('kv_release', ['number', 'number'], pointer)).then(replayPointer);
    if (event.pointerType !== 'mouse') pointer = null;
});
document.addEventListener('pointerdown', unlockAudio);

// The clock: the page's real time, except while a box holds it or the core is still busy. An
// information window lets it run: a cutscene goes on behind it, as in the desktop.
let last = null;
function frame(now) {
    if (ended) return;
    if (last === null || clockHeld()) last = now;
    if (!busy() && !clockHeld() && !manualClock) {
        const elapsed = Math.min(now - last, MAX_FRAME_MS);
        last = now;
        if (elapsed > 0) {
            const before = shownChanges;
            call('kv_advance', ['number'], [elapsed]).then(() => { if (shownChanges !== before) replayPointer(); });
        }
    }
    requestAnimationFrame(frame);
}

function fit() {
    layout.fit();
    scene.setScale(layout.devicePixelsPerLayoutPixel(), layout.crisp());
}
window.addEventListener('resize', fit);

// The page is closed or reloaded: a game in progress goes into the automatic slot, as when the
// desktop's window is closed, and is stored at once. Not while the core waits for a box: the
// game is then in the middle of a handler.
window.addEventListener('pagehide', () => {
    if (ended || busy() || !window.kvelnor.ready) return;
    read('kv_page_closing', null);
    persist(fs());
});

function endScreen() {
    if (document.getElementById('ended')) return;
    const e = document.createElement('div');
    e.id = 'ended';
    e.textContent = looks.gameEnded;
    const again = document.createElement('button');
    again.textContent = looks.playAgain;
    again.addEventListener('click', () => location.reload());
    e.appendChild(again);
    document.body.appendChild(e);
}

// The six cursors from the core's pictures of them, as CSS cursors with their hot spots.
const cursors = {};
function makeCursors() {
    for (const c of looks.cursors) {
        const canvas = document.createElement('canvas');
        canvas.width = canvas.height = 32;
        const g = canvas.getContext('2d');
        c.rows.forEach((row, y) => [...row].forEach((ch, x) => {
            if (ch === ' ') return;
            g.fillStyle = ch === '#' ? '#000' : '#fff';
            g.fillRect(x, y, 1, 1);
        }));
        cursors[c.number] = `url(${canvas.toDataURL()}) ${c.hotX} ${c.hotY}, default`;
    }
}

// For the browser test and the benchmark: time without waiting, and where to aim.
window.kvelnor = {
    wait: (ms) => call('kv_advance', ['number'], [ms]),
    settle: () => call('kv_settle'),
    aim: (name) => JSON.parse(read('kv_aim', 'string', ['string'], [name])),
    toPage: (x, y) => layout.toPage(x, y),
    view: () => JSON.parse(read('kv_view')),
    idle: () => !busy(),
    history: () => JSON.parse(read('kv_history')).lines,
    dialogOpen,
    clockHeld,
    measured,
    framesPainted: () => scene.painted,
};

// The translation catalogues the site carries, put where the game looks for them (data/lang). A
// language's own drawings are drawn from the site; the game finds them by their presence, so an
// empty stand-in of each lies there. The storage never keeps any of this (only the player's files).
async function writeCatalogues() {
    const FS = fs();
    for (const [path, url] of Object.entries(manifest)) {
        if (!path.startsWith('data/lang/')) continue;
        const bytes = path.endsWith('.mo') ? new Uint8Array(await (await fetch(url)).arrayBuffer()) : new Uint8Array(0);
        let dir = '';
        for (const part of path.split('/').slice(0, -1)) {
            dir += (dir ? '/' : '') + part;
            try { FS.mkdir(dir); } catch { /* already there */ }
        }
        FS.writeFile(path, bytes);
    }
}

async function start() {
    try {
        // The list of files and the core load side by side.
        const files = fetch('data/files.json').then((response) => response.json());
        const core = loadCore(page);
        manifest = await files;
        await core;
    } catch (error) {
        document.getElementById('loading').textContent = `Hru se nepodařilo načíst: ${error.message}`;
        return;
    }
    restore(fs());
    try {
        await writeCatalogues();
    } catch (error) {
        console.warn(`catalogues: ${error.message}`);  // the game is then offered in Czech only
    }
    read('kv_create', null, ['string'], [rememberedLanguage()]);
    looks = JSON.parse(read('kv_looks'));
    document.documentElement.lang = looks.language;
    makeCursors();
    fit();
    document.getElementById('loading').remove();
    await call('kv_start');
    window.kvelnor.ready = true;
    requestAnimationFrame(frame);
    preload(Object.values(manifest).filter((url) => !url.endsWith('.wav')));
}
start();
