// Compares a region of two PNG pictures inside the page (the browser decodes them): the share of
// pixels whose colour differs by more than a small tolerance, and the mean difference per channel.
// The region lies lower by secondTop in the second picture (a menu bar above the layout).
export async function comparePictures(page, first, second, region, secondTop = 0) {
    return page.evaluate(async ([a, b, r, top]) => {
        const pixels = async (base64, dy) => {
            const img = new Image();
            img.src = `data:image/png;base64,${base64}`;
            await img.decode();
            const c = document.createElement('canvas');
            c.width = r.width; c.height = r.height;
            const g = c.getContext('2d');
            g.drawImage(img, r.x, r.y + dy, r.width, r.height, 0, 0, r.width, r.height);
            return g.getImageData(0, 0, r.width, r.height).data;
        };
        const [p, q] = [await pixels(a, 0), await pixels(b, top)];
        let differing = 0, sum = 0;
        for (let i = 0; i < p.length; i += 4) {
            let worst = 0;
            for (let k = 0; k < 3; k++) {
                const d = Math.abs(p[i + k] - q[i + k]);
                sum += d;
                worst = Math.max(worst, d);
            }
            if (worst > 24) differing++;
        }
        const count = p.length / 4;
        return { differingShare: differing / count, meanDifference: sum / (count * 3) };
    }, [first.toString('base64'), second.toString('base64'), region, secondTop]);
}
