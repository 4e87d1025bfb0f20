// Browser checks of the keys that set the pace and of saved positions: Space, Esc, Tab and H in
// Chromium's real keyboard events, the menu "Zobrazení", and a position saved through the slot
// window that survives a reload and loads back into the same scene, and one the storage refuses.
import { gamePage, idle } from './browser.mjs';
import { menu } from './player.mjs';

const MEDIUM_TICK_MS = 1300;  // "Střední", the speed at start

const view = (page) => page.evaluate(() => window.kvelnor.view());
const sceneShot = (page) => page.locator('#scene').screenshot();

async function key(page, name) {
    await page.keyboard.press(name);
    await idle(page);
}

// Space moves the line on without the page's time passing; Esc runs to the player's turn (it
// changes what shows, and settling afterwards changes nothing); Tab held outlines the spots and letting go removes them;
// H and "Zobrazení → Historie rozhovorů" show the lines seen; "Ukázat aktivní místa" outlines
// them without Tab. Returns the problems found.
export async function paceKeys(browser, url) {
    const { page, context, errors } = await gamePage(browser, url + '?manual-clock');
    const problems = [];
    try {
        await menu(page, 'mmHra', 'mmNova');
        await idle(page);
        await page.evaluate((ms) => window.kvelnor.wait(ms), 12 * MEDIUM_TICK_MS);
        await idle(page);
        const first = await view(page);
        await key(page, 'Space');
        const spaced = await view(page);
        if (spaced.line === first.line || spaced.storyTick <= first.storyTick)
            problems.push(`Space: line "${first.line}" at tick ${first.storyTick} became "${spaced.line}" at tick ${spaced.storyTick}`);

        await key(page, 'Escape');
        const skipped = await view(page);
        await page.evaluate(() => window.kvelnor.settle());
        await idle(page);
        const settled = await view(page);
        if (skipped.changes === spaced.changes || settled.changes !== skipped.changes)
            problems.push(`Esc: view ${spaced.changes} -> ${skipped.changes}, ${settled.changes} after settling`);

        await page.mouse.move(1, 1);
        await idle(page);
        const plain = await sceneShot(page);
        await page.keyboard.down('Tab');
        await idle(page);
        const revealed = await sceneShot(page);
        await page.keyboard.up('Tab');
        await idle(page);
        const after = await sceneShot(page);
        if (plain.equals(revealed)) problems.push('Tab held drew nothing over the scene');
        if (!plain.equals(after)) problems.push('the outlines stayed after Tab was let go');

        await menu(page, 'mmZobrazeni', 'mmAktivniMista');
        await idle(page);
        const chosen = await sceneShot(page);
        if (!chosen.equals(revealed)) problems.push('"Ukázat aktivní místa" did not outline the spots as Tab does');
        await menu(page, 'mmZobrazeni', 'mmAktivniMista');
        await idle(page);
        if (!(await sceneShot(page)).equals(plain)) problems.push('choosing "Ukázat aktivní místa" again left the outlines');

        const history = await page.evaluate(() => window.kvelnor.history());
        for (const open of [() => key(page, 'h'), () => menu(page, 'mmZobrazeni', 'mmHistorie')]) {
            await open();
            await page.waitForSelector('.box', { timeout: 5000 });
            const title = await page.locator('.box .title').innerText();
            const text = await page.locator('.box .text').innerText();
            const held = await page.evaluate(() => window.kvelnor.clockHeld());
            if (title !== 'Historie rozhovorů' || history.length === 0 || !text.includes(history.at(-1)) || !held)
                problems.push(`history box "${title}" (clock held: ${held}) shows "${text.slice(0, 80)}"`);
            await page.click('#boxOk');
            await idle(page);
        }
        if (errors.length > 0) problems.push(errors.join('; '));
    } finally {
        await context.close();
    }
    return problems;
}

// Opens the slot window with the shortcut key and takes the slot with a double click.
async function chooseSlot(page, shortcut, slot) {
    await page.keyboard.press(shortcut);
    await page.waitForSelector('.slots', { timeout: 5000 });
    if (!(await page.evaluate(() => window.kvelnor.clockHeld()))) throw new Error('the slot window does not hold the clock');
    await page.dblclick(`#slot-${slot}`);
    await idle(page);
}

// A game saved into slot 3 from the menu, the page reloaded, the position loaded back with
// Ctrl+O: the same scene is drawn. Closing the page kept the game in the automatic slot; slot 4,
// saved while the storage was full, got the game's message and was kept once it had room again.
export async function positionsAcrossReload(browser, url) {
    const { page, context, errors } = await gamePage(browser, url + '?manual-clock');
    const problems = [];
    try {
        await menu(page, 'mmHra', 'mmNova');
        await page.evaluate(() => window.kvelnor.settle());
        await idle(page);
        await menu(page, 'mmHra', 'mmUlozitPozici');
        await page.waitForSelector('.slots', { timeout: 5000 });
        await page.click('#slot-3');
        await page.click('#slotChoose');
        await idle(page);
        const saved = await view(page);
        const shot = await sceneShot(page);
        const stored = await page.evaluate(() => localStorage.getItem('kvelnor/saves/pozice-3.json') !== null);
        if (!stored) problems.push('slot 3 is not in the browser\'s storage after saving');

        // A full storage: saving into slot 4 gets the game's message naming the slot.
        await page.evaluate(() => {
            window.keptSetItem = Storage.prototype.setItem;
            Storage.prototype.setItem = () => { throw new DOMException('full', 'QuotaExceededError'); };
        });
        await chooseSlot(page, 'Control+s', 4);
        await page.waitForSelector('.box', { timeout: 5000 });
        const full = await page.locator('.box .text').innerText();
        if (full !== 'Pozici 4 se nepodařilo uložit: zápis na disk se nezdařil.') problems.push(`full storage: box "${full}"`);
        await page.click('#boxOk');
        await page.evaluate(() => { Storage.prototype.setItem = window.keptSetItem; });

        // Another scene before the reload, so that loading has something to change.
        await page.evaluate((ms) => window.kvelnor.wait(ms), 3 * MEDIUM_TICK_MS);
        await page.reload();
        await page.waitForFunction(() => window.kvelnor && window.kvelnor.ready === true, null, { timeout: 30000 });
        await idle(page);
        await page.keyboard.press('Control+o');
        await page.waitForSelector('.slots', { timeout: 5000 });
        const slots = await page.evaluate(() => [...document.querySelectorAll('.slot')].map((e) => ({
            id: e.id, usable: !e.classList.contains('unusable'), text: e.innerText })));
        await page.keyboard.press('Escape');
        await idle(page);
        const automatic = slots.find((s) => s.id === 'slot-0');
        const three = slots.find((s) => s.id === 'slot-3');
        if (!automatic || !automatic.usable) problems.push(`closing the page kept no automatic position: ${JSON.stringify(automatic)}`);
        if (!three || !three.usable || !three.text.includes('Pozice 3')) problems.push(`slot 3 after the reload: ${JSON.stringify(three)}`);
        const four = slots.find((s) => s.id === 'slot-4');
        if (!four || !four.usable) problems.push(`slot 4, kept once the storage had room again: ${JSON.stringify(four)}`);

        await chooseSlot(page, 'Control+o', 3);
        const loaded = await view(page);
        await page.mouse.move(1, 1);
        await idle(page);
        const sameStack = JSON.stringify(loaded.stack) === JSON.stringify(saved.stack);
        if (!sameStack || loaded.storyTick !== saved.storyTick) problems.push(`loaded tick ${loaded.storyTick} (saved ${saved.storyTick}), same pictures: ${sameStack}`);
        if (!(await sceneShot(page)).equals(shot)) problems.push('the loaded scene is drawn differently from the saved one');
        if (errors.length > 0) problems.push(errors.join('; '));
    } finally {
        await context.close();
    }
    return problems;
}
