// The 1024 x 768 layout scaled as a whole to the window, letterboxed and centred. Whole
// multiples of the screen's pixels stay crisp; any other factor is smoothed.

export const WIDTH = 1024;
export const HEIGHT = 768;

export class Layout {
    constructor(area, stage) {
        this.area = area;
        this.stage = stage;
        this.factor = 1;
        this.left = 0;
        this.top = 0;
    }

    // Fits the layout to the area; true when the factor changed.
    fit() {
        const w = this.area.clientWidth, h = this.area.clientHeight;
        const ratio = window.devicePixelRatio || 1;
        let factor = Math.min(w / WIDTH, h / HEIGHT);
        // Within a hair of a whole number of device pixels per layout pixel: take it, crisp.
        const device = factor * ratio;
        if (device >= 1 && Math.abs(device - Math.round(device)) < 0.02) factor = Math.round(device) / ratio;
        const changed = factor !== this.factor;
        this.factor = factor;
        this.left = Math.floor((w - WIDTH * factor) / 2);
        this.top = Math.floor((h - HEIGHT * factor) / 2);
        this.stage.style.transform = `translate(${this.left}px, ${this.top}px) scale(${factor})`;
        return changed;
    }

    devicePixelsPerLayoutPixel() { return this.factor * (window.devicePixelRatio || 1); }
    crisp() {
        const d = this.devicePixelsPerLayoutPixel();
        return Math.abs(d - Math.round(d)) < 1e-6;
    }

    // The layout pixel under a pointer event's page position.
    toLayout(clientX, clientY) {
        const box = this.area.getBoundingClientRect();
        return [Math.floor((clientX - box.left - this.left) / this.factor),
                Math.floor((clientY - box.top - this.top) / this.factor)];
    }

    // The page position in the middle of a layout pixel, as a player's pointer would be there.
    toPage(x, y) {
        const box = this.area.getBoundingClientRect();
        return [box.left + this.left + (x + 0.5) * this.factor, box.top + this.top + (y + 0.5) * this.factor];
    }
}
