// The browser test: the walkthrough played in Debian's Chromium through real DOM mouse events
// to the end titles, the checkpoint kept across a reload, storage that is full or refused, the
// pace keys, a saved position across a reload, the language choice, and a scene compared with
// kvelnor-shot's render of the same moment. Usage: node web_test.mjs SITE_DIR NATIVE_BUILD_DIR
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { execFileSync } from 'node:child_process';
import { fileURLToPath } from 'node:url';
import { serve } from './serve.mjs';
import { available, launch, gamePage, idle, CHROMIUM } from './browser.mjs';
import { Player, parseScenario, checkedState } from './player.mjs';
import { comparePictures } from './compare.mjs';
import { paceKeys, positionsAcrossReload } from './pace_and_positions.mjs';
import { languageChoice } from './language_choice.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const root = path.resolve(here, '../..');
const [site, nativeBuild] = process.argv.slice(2).map((p) => path.resolve(p));
// A scene may differ from the desktop's render in at most this share of its pixels.
const MAX_DIFFERING_SHARE = 0.01;

let passed = 0, failed = 0;
function result(name, ok, detail = '') {
    console.log(`browser: ${ok ? 'PASS' : 'FAIL'} ${name}${detail ? ': ' + detail : ''}`);
    if (ok) passed++; else failed++;
}

async function play(page, lines) {
    const player = new Player(page);
    for (const step of lines) {
        await player.act(step.line);
        if (step.checks.length === 0) continue;
        const state = await checkedState(page);
        for (const [key, expected] of step.checks)
            if (state[key] !== expected) return `after "${step.line}": ${key} is ${JSON.stringify(state[key])}, expected ${JSON.stringify(expected)}`;
    }
    return null;
}

async function walkthrough(browser, url) {
    const { page, context, errors } = await gamePage(browser, url + '?manual-clock');
    const steps = parseScenario(fs.readFileSync(path.join(root, 'tests/scenarios/walkthrough.kvs'), 'utf8'));
    const started = Date.now();
    const problem = await play(page, steps);
    const end = await checkedState(page);
    result('walkthrough to the end titles through DOM mouse events', !problem && end.picture === 'data/credits2.bmp' && errors.length === 0,
           problem || errors.join('; ') || `${steps.length} actions in ${((Date.now() - started) / 1000).toFixed(1)} s, last picture ${end.picture}`);

    // The checkpoint was written on the way: after a reload "Nahrát" is enabled and continues.
    await page.reload();
    await page.waitForFunction(() => window.kvelnor && window.kvelnor.ready === true);
    await idle(page);
    const enabled = await page.evaluate(() => window.kvelnor.view().menu[0].children[1].enabled);
    const continued = enabled ? await play(page, [{ line: 'continue', checks: [] }, { line: 'settle', checks: [] }]) : 'Nahrát is disabled';
    const after = await checkedState(page);
    result('checkpoint survives a reload', enabled && !continued && after['state.storyTick'] >= 412,
           continued || `Nahrát enabled, storyTick ${after['state.storyTick']} after continuing`);
    await context.close();
}

async function sceneAgainstDesktop(browser, url) {
    const scenario = 'new\nsettle\n';
    const { page, context } = await gamePage(browser, url + '?manual-clock');
    await play(page, parseScenario(scenario));
    await page.mouse.move(1, 1);  // the pointer off the scene, as in the desktop's render
    await idle(page);
    const area = await page.evaluate(() => {
        const [x, y] = window.kvelnor.toPage(0, 0);
        return { x: x - 0.5, y: y - 0.5 };
    });
    const browserShot = await page.screenshot({ clip: { x: area.x, y: area.y, width: 1024, height: 768 } });
    await context.close();

    const shot = path.join(nativeBuild, 'kvelnor-shot');
    if (!fs.existsSync(shot)) { result('scene compared with kvelnor-shot', false, `${shot} is missing`); return; }
    const work = fs.mkdtempSync(path.join(os.tmpdir(), 'kvelnor-web-'));
    fs.symlinkSync(path.join(nativeBuild, 'data'), path.join(work, 'data'));
    fs.writeFileSync(path.join(work, 'scenario.kvs'), scenario);
    execFileSync(shot, ['scenario.kvs', 'desktop.png'], { cwd: work, env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: 'ignore' });
    const desktopShot = fs.readFileSync(path.join(work, 'desktop.png'));
    fs.writeFileSync(path.join(work, 'browser.png'), browserShot);
    // kvelnor-shot draws the window with its menu bar above the layout.
    const menuBar = desktopShot.readUInt32BE(20) - 768;  // the PNG's height, from its header
    const comparing = await (await browser.newContext()).newPage();
    const sceneDiff = await comparePictures(comparing, browserShot, desktopShot, { x: 112, y: 0, width: 800, height: 600 }, menuBar);
    const wholeDiff = await comparePictures(comparing, browserShot, desktopShot, { x: 0, y: 0, width: 1024, height: 768 }, menuBar);
    const pct = (v) => `${(v * 100).toFixed(2)} %`;
    const ok = sceneDiff.differingShare <= MAX_DIFFERING_SHARE;
    result('scene compared with kvelnor-shot', ok,
           `scene: ${pct(sceneDiff.differingShare)} of pixels differ by more than 24/255 (mean ${sceneDiff.meanDifference.toFixed(2)}/255); ` +
           `whole layout: ${pct(wholeDiff.differingShare)} (mean ${wholeDiff.meanDifference.toFixed(2)}/255)` +
           (ok ? '' : `; both pictures kept in ${work}`));
    if (ok) fs.rmSync(work, { recursive: true, force: true });
}

// Opens the page with the browser's storage broken by the init script; returns the first box's text.
async function firstBoxWith(browser, url, breakStorage) {
    const context = await browser.newContext({ viewport: { width: 1024, height: 800 } });
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    await page.addInitScript(breakStorage);
    await page.goto(url + '?manual-clock');
    await page.waitForSelector('.box', { timeout: 30000 });
    const text = await page.locator('.box .text').innerText();
    await page.click('#boxOk');
    await page.waitForFunction(() => window.kvelnor && window.kvelnor.ready === true);
    // The game plays on: the opening starts.
    const problem = await play(page, parseScenario('new\nsettle\n'));
    const tick = (await checkedState(page))['state.storyTick'];
    await context.close();
    return { text, playsOn: !problem && tick > 0 && errors.length === 0, detail: problem || errors.join('; ') };
}

async function brokenStorage(browser, url) {
    const full = await firstBoxWith(browser, url, () => {
        Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); };
    });
    result('storage that is full: the game\'s message, then play', full.text === 'Nepodařilo se uzavřít soubor!' && full.playsOn,
           `box "${full.text}"${full.detail ? '; ' + full.detail : ''}`);
    const refused = await firstBoxWith(browser, url, () => {
        Object.defineProperty(window, 'localStorage', { get() { throw new DOMException('refused', 'SecurityError'); } });
    });
    result('storage that is refused: the game\'s message, then play', refused.text === 'Nepodařilo se otevřít soubor!' && refused.playsOn,
           `box "${refused.text}"${refused.detail ? '; ' + refused.detail : ''}`);
}

async function main() {
    if (!available()) {
        console.log(`browser: SKIPPED: ${CHROMIUM} is not installed (scripts/install-web-deps.sh could not install Chromium)`);
        console.log('0 passed, 0 failed');
        return;
    }
    const server = await serve(site);
    const browser = await launch();
    try {
        await walkthrough(browser, server.url);
        await brokenStorage(browser, server.url);
        const pace = await paceKeys(browser, server.url);
        result('Space, Esc, Tab, H and the menu "Zobrazení"', pace.length === 0, pace.join('; '));
        const positions = await positionsAcrossReload(browser, server.url);
        result('a saved position survives a reload and loads back the same scene', positions.length === 0, positions.join('; '));
        const language = await languageChoice(browser, server.url);
        result('English chosen in the menu, kept across a reload, and Czech again', language.length === 0, language.join('; '));
        await sceneAgainstDesktop(browser, server.url);
    } catch (error) {
        result('browser test', false, error.stack || String(error));
    } finally {
        await browser.close();
        server.close();
    }
    console.log(`${passed} passed, ${failed} failed`);
    process.exitCode = failed === 0 ? 0 : 1;
}
main();
