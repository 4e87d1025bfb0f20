// Draws the picture and label stack the core describes into the canvas: pictures unscaled from
// each component's top-left corner, cut to its rectangle; labels in their looks.

const images = new Map();  // url -> HTMLImageElement

// How each label of the stack looks (the desktop's looks; the texts come from the core).
const labelLooks = {
    lblX: { font: 'bold 16px "DejaVu Sans Condensed", "DejaVu Sans", sans-serif', colour: '#00ff00' },
    lblkasa1: { font: 'bold 13px "DejaVu Sans", sans-serif', colour: '#000000', background: '#ffffff' },
    lblkasa2: { font: 'bold 13px "DejaVu Sans", sans-serif', colour: '#000000', background: '#ffffff' },
};
const defaultLook = { font: '11px "DejaVu Sans", sans-serif', colour: '#000000' };

export function image(url, onLoad) {
    let img = images.get(url);
    if (!img) {
        img = new Image();
        img.decoding = 'async';
        img.src = url;
        images.set(url, img);
    }
    if (!img.complete && onLoad) img.addEventListener('load', onLoad, { once: true });
    return img;
}

// Fetches every picture in the background, a few at a time, so later scenes show at once.
export function preload(urls) {
    const rest = [...urls];
    const next = () => {
        const url = rest.shift();
        if (url === undefined) return;
        // Decoded ahead too, so that the click that shows it does not wait for the decoder.
        image(url).decode().then(next, next);
    };
    for (let i = 0; i < 4; i++) next();
}

export class SceneCanvas {
    constructor(canvas, pictureUrl) {
        this.canvas = canvas;
        this.pictureUrl = pictureUrl;
        this.context = canvas.getContext('2d');
        this.scale = 1;
        this.lastView = null;
        this.painted = 0;  // frames painted, for the page's measurements
        this.onComplete = null;  // called after a frame in which every picture could be drawn
    }

    // The canvas keeps one backing pixel per device pixel of the scaled layout.
    setScale(scale, crisp) {
        this.scale = scale;
        this.canvas.width = Math.round(1024 * scale);
        this.canvas.height = Math.round(768 * scale);
        this.canvas.classList.toggle('crisp', crisp);
        this.crisp = crisp;
        if (this.lastView) this.draw(this.lastView);
    }

    draw(view) {
        this.lastView = view;
        const c = this.context;
        c.setTransform(this.scale, 0, 0, this.scale, 0, 0);
        c.imageSmoothingEnabled = !this.crisp;
        c.clearRect(0, 0, 1024, 768);
        let complete = true;
        for (const item of view.stack) {
            const [left, top, width, height] = item.rect;
            if (item.picture) {
                const img = image(this.pictureUrl(item.shown || item.picture), () => this.draw(this.lastView));
                if (!img.complete || img.naturalWidth === 0) { complete = false; continue; }
                const w = Math.min(width, img.naturalWidth), h = Math.min(height, img.naturalHeight);
                c.drawImage(img, 0, 0, w, h, left, top, w, h);
            } else if (item.text) {
                this.drawLabel(item.name, item.text, left, top);
            }
        }
        if (this.reveal) this.drawReveal(this.reveal);
        this.painted++;
        if (complete && this.onComplete) this.onComplete();
    }

    // Outlines each spot with its hint above it.
    drawReveal(spots) {
        const c = this.context;
        c.font = 'bold 12px "DejaVu Sans", sans-serif';
        c.textBaseline = 'top';
        for (const spot of spots) {
            const [left, top, width, height] = spot.rect;
            c.lineWidth = 2;
            c.strokeStyle = '#000000';
            c.strokeRect(left + 1, top + 1, width - 2, height - 2);
            c.lineWidth = 1;
            c.strokeStyle = '#ffd400';
            c.strokeRect(left + 1.5, top + 1.5, width - 3, height - 3);
            if (!spot.hint) continue;
            const w = c.measureText(spot.hint).width + 6;
            c.fillStyle = 'rgba(0, 0, 0, 0.75)';
            c.fillRect(left + 2, top + 2, w, 16);
            c.fillStyle = '#ffd400';
            c.fillText(spot.hint, left + 5, top + 4);
        }
    }

    drawLabel(name, text, left, top) {
        const c = this.context;
        const look = labelLooks[name] || defaultLook;
        c.font = look.font;
        c.textBaseline = 'top';
        const lines = text.split('\n');
        const size = parseInt(/(\d+)px/.exec(look.font)[1], 10);
        const lineHeight = Math.round(size * 1.17);
        if (look.background) {
            const width = Math.max(...lines.map((line) => c.measureText(line).width));
            c.fillStyle = look.background;
            c.fillRect(left, top, Math.ceil(width), lineHeight * lines.length);
        }
        c.fillStyle = look.colour;
        lines.forEach((line, i) => c.fillText(line, left, top + i * lineHeight));
    }
}
