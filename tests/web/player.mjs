// Plays a kvelnor-script scenario in the page through real DOM mouse events: menus, the scene,
// the list and the buttons are clicked where a player would click them. Only time is given by
// the test (wait, settle), so that hours of cutscenes take seconds.
import { idle } from './browser.mjs';

// The layout point where a player clicks the named component, as page coordinates.
async function aimAt(page, name) {
    const point = await page.evaluate((n) => {
        const p = window.kvelnor.aim(n);
        return p && window.kvelnor.toPage(p[0], p[1]);
    }, name);
    if (!point) throw new Error(`no component ${name}`);
    return point;
}

async function clickElement(page, selector, options = {}) {
    const box = await page.locator(selector).boundingBox();
    if (!box) return false;  // hidden: a player cannot click it
    const x = box.x + (options.x ?? box.width / 2), y = box.y + (options.y ?? box.height / 2);
    if (options.double) await page.mouse.dblclick(x, y);
    else await page.mouse.click(x, y);
    return true;
}

export async function menu(page, top, ...path) {
    await clickElement(page, `#${top}`);
    for (const item of path) {
        await idle(page);
        const box = await page.locator(`#${item}`).boundingBox();
        await page.mouse.move(box.x + 5, box.y + box.height / 2);
        await page.mouse.click(box.x + 5, box.y + box.height / 2);
    }
}

const speeds = { high: 'mmVysoka', medium: 'mmStredni', low: 'mmNizka' };
const buttons = { 'Zpět': 'btnZpet', 'Průzkum': 'btnPruzkum', 'Spojit': 'btnSpojit' };

// The list entry's index for "Caption" or #N (1-based as the script counts), or -1.
async function entryIndex(page, argument) {
    if (argument.startsWith('#')) return Number(argument.slice(1)) - 1;
    const caption = JSON.parse(argument);
    return page.evaluate((c) => window.kvelnor.view().list.items.indexOf(c), caption);
}

export class Player {
    constructor(page) {
        this.page = page;
        this.answers = [];
    }

    // Answers a box the page shows: from the queue, Yes when it is empty; OK for a message.
    async answerBoxes() {
        for (;;) {
            await idle(this.page);
            const open = await this.page.evaluate(() => window.kvelnor.dialogOpen());
            if (!open) return;
            if (await this.page.locator('#boxOk').count()) await this.page.click('#boxOk');
            else await this.page.click(this.answers.length === 0 || this.answers.shift() ? '#boxYes' : '#boxNo');
        }
    }

    async act(line) {
        const page = this.page;
        const [word, ...rest] = line.trim().split(/\s+/);
        const argument = rest.join(' ');
        switch (word) {
            case 'new': await menu(page, 'mmHra', 'mmNova'); break;
            case 'continue': await menu(page, 'mmHra', 'mmNahrat'); break;
            case 'quit': await menu(page, 'mmHra', 'mmKonec'); break;
            case 'answer': this.answers.push(argument === 'yes'); break;
            case 'speed': await menu(page, 'mmNastaveni', 'mmRychlost', speeds[argument]); break;
            case 'settings': await clickElement(page, '#mmNastaveni'); await clickElement(page, '#mmNastaveni'); break;
            case 'sound': await menu(page, 'mmNastaveni', 'mmZvuky'); break;
            case 'controls': await menu(page, 'mmInformace', 'mmOvladani'); await idle(page); await page.click('#controlsOk'); break;
            case 'about': await menu(page, 'mmInformace', 'mmOprogramu'); await idle(page); await page.click('#aboutOk'); break;
            case 'move': case 'click': {
                let point;
                if (/^\d+$/.test(rest[0])) point = await page.evaluate(([x, y]) => window.kvelnor.toPage(x, y), [Number(rest[0]), Number(rest[1])]);
                else point = await aimAt(page, rest[0]);
                if (word === 'move') await page.mouse.move(point[0], point[1]);
                else await page.mouse.click(point[0], point[1]);
                break;
            }
            case 'select': case 'dblclick': {
                if (argument === 'none') {
                    // The empty area below the entries.
                    const box = await page.locator('#list').boundingBox();
                    if (box) await page.mouse.click(box.x + box.width / 2, box.y + box.height - 6);
                    break;
                }
                const index = await entryIndex(page, argument);
                if (index < 0) break;
                await clickElement(page, `#list li:nth-child(${index + 1})`, { double: word === 'dblclick' });
                break;
            }
            case 'button': await clickElement(page, `#${buttons[argument]}`); break;
            case 'wait': await page.evaluate((ms) => window.kvelnor.wait(ms), Number(argument)); break;
            case 'settle': await page.evaluate(() => window.kvelnor.settle()); break;
            case 'dump': break;
            default: throw new Error(`the browser player does not know "${line}"`);
        }
        await this.answerBoxes();
    }
}

// The scenario's actions and, for each dump, the checks of storyTick and the scene picture.
export function parseScenario(text) {
    const steps = [];
    for (const raw of text.split('\n')) {
        const line = raw.trim();
        const check = /^#> (state\.storyTick|picture) (.+)$/.exec(line);
        if (check && steps.length > 0) steps[steps.length - 1].checks.push([check[1], JSON.parse(check[2])]);
        if (line === '' || line.startsWith('#')) continue;
        steps.push({ line, checks: [] });
    }
    return steps;
}

// The state the checks read: storyTick and the path in the scene picture.
export async function checkedState(page) {
    return page.evaluate(() => {
        const view = window.kvelnor.view();
        const scene = view.stack.find((c) => c.name === 'imgHlavni');
        return { 'state.storyTick': view.storyTick, picture: scene ? scene.picture : '' };
    });
}
