// Sounds through Web Audio: the browser allows them only after the player's first click or tap.
// A new sound cuts off the one playing, as in the desktop.

let context = null;
const buffers = new Map();  // url -> Promise<AudioBuffer>
let playing = null;
let latest = 0;

export function unlockAudio() {
    if (context === null) {
        const Context = window.AudioContext || window.webkitAudioContext;
        if (!Context) return;
        context = new Context();
    }
    if (context.state === 'suspended') context.resume();
}

function decoded(url) {
    if (!buffers.has(url))
        buffers.set(url, fetch(url).then((r) => r.arrayBuffer()).then((data) => context.decodeAudioData(data)));
    return buffers.get(url);
}

export function playSound(url) {
    if (context === null) return;  // no click yet: silence, as without an audio device
    const ticket = ++latest;
    decoded(url).then((buffer) => {
        if (ticket !== latest) return;  // a newer sound came meanwhile
        if (playing !== null) { try { playing.stop(); } catch { /* ended */ } }
        playing = context.createBufferSource();
        playing.buffer = buffer;
        playing.connect(context.destination);
        playing.start();
    }).catch(() => {});
}
