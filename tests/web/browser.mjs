// Debian's Chromium, headless, driven through the DevTools protocol by playwright-core (which
// never downloads a browser of its own), with the flags that work on a machine without network.
import fs from 'node:fs';

export const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';

export const available = () => fs.existsSync(CHROMIUM);

// playwright-core is loaded only here: where Chromium is missing it may be missing too.
export async function launch() {
    const { chromium } = await import('playwright-core');
    return chromium.launch({
        executablePath: CHROMIUM,
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required'],
    });
}

// A page at layout factor 1: the window is the layout plus the menu bar.
export async function gamePage(browser, url) {
    const context = await browser.newContext({ viewport: { width: 1024, height: 800 }, deviceScaleFactor: 1 });
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    await page.goto(url);
    await page.waitForFunction(() => window.kvelnor && window.kvelnor.ready === true, null, { timeout: 30000 });
    const bar = await page.evaluate(() => document.getElementById('menubar').getBoundingClientRect().height);
    await page.setViewportSize({ width: 1024, height: 768 + Math.ceil(bar) });
    await idle(page);
    return { page, context, errors };
}

// Waits until the core has finished every call the page made.
export async function idle(page) {
    await page.waitForFunction(() => window.kvelnor.idle() || window.kvelnor.dialogOpen(), null, { timeout: 60000 });
}
