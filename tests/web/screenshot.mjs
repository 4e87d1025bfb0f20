// The page as a player sees it in a 1280 x 800 browser window, after the scenario docs/screenshot.kvs
// (the agent introduces himself to the mayor), saved to docs/screens/browser-1280x800.png.
// Usage: node screenshot.mjs SITE_DIR
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from './serve.mjs';
import { launch, gamePage, idle } from './browser.mjs';
import { Player, parseScenario } from './player.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
const server = await serve(path.resolve(process.argv[2] || path.join(root, 'build-web/site')));
const browser = await launch();
try {
    const { page } = await gamePage(browser, server.url + '?manual-clock');
    await page.setViewportSize({ width: 1280, height: 800 });
    const player = new Player(page);
    for (const step of parseScenario(fs.readFileSync(path.join(root, 'docs/screenshot.kvs'), 'utf8'))) await player.act(step.line);
    await page.mouse.move(640, 790);
    await page.waitForLoadState('networkidle');
    await idle(page);
    const out = path.join(root, 'docs/screens/browser-1280x800.png');
    await page.screenshot({ path: out });
    console.log(out);
} finally {
    await browser.close();
    server.close();
}
