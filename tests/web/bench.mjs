// The browser version measured in Debian's Chromium (headless) on localhost: what the page
// transfers, the time from navigation to the first painted frame, and every click of the
// walkthrough from its DOM event to the painted frame that shows what it changed, at 1x and 2x.
// Prints figures; judges nothing. Usage: node bench.mjs SITE_DIR [RUNS]
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from './serve.mjs';
import { available, launch, gamePage, idle, CHROMIUM } from './browser.mjs';
import { Player, parseScenario } from './player.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const site = path.resolve(process.argv[2] || path.join(here, '../../build-web/site'));
const runs = Number(process.argv[3] || 5);

function percentile(values, p) {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.min(sorted.length - 1, Math.ceil((p / 100) * sorted.length) - 1)];
}
const median = (values) => percentile(values, 50);
const ms = (v) => `${v.toFixed(2).padStart(9)} ms`;

function siteBytes(dir) {
    let total = 0;
    for (const entry of fs.readdirSync(dir, { withFileTypes: true }))
        total += entry.isDirectory() ? siteBytes(path.join(dir, entry.name)) : fs.statSync(path.join(dir, entry.name)).size;
    return total;
}

async function startup(browser, server) {
    const firstFrames = [], toFirstFrame = [], everything = [];
    for (let run = 0; run <= runs; run++) {
        const context = await browser.newContext({ viewport: { width: 1024, height: 800 } });
        const page = await context.newPage();
        server.stats.bytes = 0;
        await page.goto(server.url);
        await page.waitForFunction(() => window.kvelnor && window.kvelnor.measured.firstFrame > 0, null, { timeout: 30000 });
        const first = await page.evaluate(() => window.kvelnor.measured.firstFrame);
        const bytesAtFirstFrame = server.stats.bytes;
        await page.waitForLoadState('networkidle');
        if (run > 0) {  // the first run warms the browser up
            firstFrames.push(first);
            toFirstFrame.push(bytesAtFirstFrame);
            everything.push(server.stats.bytes);
        }
        await context.close();
    }
    return { firstFrame: median(firstFrames), bytesAtFirstFrame: median(toFirstFrame), bytesAll: median(everything) };
}

async function clicks(browser, server, scale) {
    const steps = parseScenario(fs.readFileSync(path.join(here, '../scenarios/walkthrough.kvs'), 'utf8'));
    const all = [];
    for (let run = 0; run < runs; run++) {
        const context = await browser.newContext({ viewport: { width: 1024 * scale, height: 800 * scale }, deviceScaleFactor: 1 });
        const page = await context.newPage();
        await page.goto(server.url + '?manual-clock');
        await page.waitForFunction(() => window.kvelnor && window.kvelnor.ready === true);
        const bar = await page.evaluate(() => document.getElementById('menubar').getBoundingClientRect().height);
        await page.setViewportSize({ width: 1024 * scale, height: 768 * scale + Math.ceil(bar) });
        await page.waitForLoadState('networkidle');  // every picture fetched, as the desktop reads its files
        await idle(page);
        const player = new Player(page);
        for (const step of steps) {
            await player.act(step.line);
            if (/^(click|select|dblclick|button)\b/.test(step.line)) await page.waitForTimeout(40);  // its frame painted
        }
        all.push(...await page.evaluate(() => window.kvelnor.measured.clicks));
        await context.close();
    }
    return { count: all.length, p50: percentile(all, 50), p99: percentile(all, 99), max: Math.max(...all) };
}

async function main() {
    if (!available()) { console.log(`SKIPPED: ${CHROMIUM} is not installed`); return; }
    const server = await serve(site);
    const browser = await launch();
    try {
        const version = browser.version();
        const s = await startup(browser, server);
        console.log(`Browser (Chromium ${version}, headless, localhost), ${runs} runs after a warm-up`);
        console.log(`  site on disk                 ${(siteBytes(site) / 1048576).toFixed(2).padStart(9)} MiB`);
        console.log(`  transferred to first frame   ${(s.bytesAtFirstFrame / 1048576).toFixed(2).padStart(9)} MiB`);
        console.log(`  transferred with all pictures${(s.bytesAll / 1048576).toFixed(2).padStart(9)} MiB`);
        console.log(`  navigation to first frame    ${ms(s.firstFrame)}`);
        for (const scale of [1, 2]) {
            const c = await clicks(browser, server, scale);
            console.log(`Clicks at ${scale}x: DOM event to painted frame (${runs} runs, ${c.count} clicks)`);
            console.log(`                                   p50        p99        max`);
            console.log(`  page                     ${ms(c.p50)}${ms(c.p99)}${ms(c.max)}`);
        }
    } finally {
        await browser.close();
        server.close();
    }
}
main();
