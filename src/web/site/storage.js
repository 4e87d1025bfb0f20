// The player's files (data.dat and saved positions) kept in the browser's storage, so they
// survive a reload. The core reads and writes them in its own file system; after each call the
// page copies what changed into localStorage, and before the start it copies them back.

const prefix = 'kvelnor/';
export const home = '/hra';
let known = new Map();     // path below home -> content last stored
let reported = new Map();  // path -> content whose storing failed and was reported

// The game's own data (the translation catalogues the page puts there) is not the player's.
const notKept = new Set([home + '/data']);

function files(FS, dir, found) {
    for (const name of FS.readdir(dir)) {
        if (name === '.' || name === '..') continue;
        const path = dir + '/' + name;
        if (notKept.has(path)) continue;
        const stat = FS.stat(path);
        if (FS.isDir(stat.mode)) files(FS, path, found);
        else found.set(path.slice(home.length + 1), FS.readFile(path, { encoding: 'utf8' }));
    }
    return found;
}

function storage() {
    try { return window.localStorage; } catch { return null; }
}

// Puts the stored files into the core's file system and makes it the working directory. With
// no stored checkpoint at all (a first visit), data.dat holding 0 is made, as the desktop
// launcher does, so the game does not open on a box about a missing file. Storage that is
// refused leaves no file: the game then reports it cannot open data.dat and plays on.
export function restore(FS) {
    FS.mkdir(home);
    FS.chdir(home);
    const store = storage();
    let entries = [];
    try {
        if (store === null) throw new Error('refused');
        for (let i = 0; i < store.length; i++) {
            const key = store.key(i);
            if (key.startsWith(prefix)) entries.push([key.slice(prefix.length), store.getItem(key)]);
        }
    } catch {
        known = new Map();
        return;
    }
    known = new Map(entries);
    if (!entries.some(([path]) => path === 'data.dat')) entries.push(['data.dat', '0']);
    for (const [path, content] of entries) {
        if (path.includes('..') || path.startsWith('/')) continue;
        const parts = path.split('/');
        let dir = home;
        for (const part of parts.slice(0, -1)) {
            dir += '/' + part;
            try { FS.mkdir(dir); } catch { /* already there */ }
        }
        FS.writeFile(home + '/' + path, content);
    }
}

// Stores what changed since the last time. Returns the files the browser refused (full or
// forbidden) that it had not refused with that content before, so the player hears of each failed
// write once; empty when all is kept.
export function persist(FS) {
    const now = files(FS, home, new Map());
    const store = storage();
    const refused = [];
    for (const [path, content] of now) {
        if (known.get(path) === content) continue;
        try {
            store.setItem(prefix + path, content);
            known.set(path, content);
            reported.delete(path);
        } catch {
            if (reported.get(path) !== content) refused.push(path);
            reported.set(path, content);
        }
    }
    for (const path of [...known.keys()]) {
        if (now.has(path)) continue;
        try { store.removeItem(prefix + path); known.delete(path); } catch { refused.push(path); }
    }
    return refused;
}

// The slot a stored file belongs to (0 for the automatic one), or null for another file.
export function slotOf(path) {
    const match = /^saves\/pozice-(\d|auto)\.json$/.exec(path);
    if (!match) return null;
    return match[1] === 'auto' ? 0 : Number(match[1]);
}
