// Browser check of "Nastavení → Jazyk": English chosen from the menu shows the menus, the boxes'
// answers and the title in English, is remembered across a reload, and Czech comes back.
import { gamePage, idle } from './browser.mjs';
import { menu } from './player.mjs';

const topCaption = (page) => page.locator('#mmHra').innerText();
const titleShown = (page) => page.evaluate(() => window.kvelnor.view().stack.find((c) => c.name === 'imgHlavni')?.shown);

export async function languageChoice(browser, url) {
    const { page, context, errors } = await gamePage(browser, url + '?manual-clock');
    const problems = [];
    try {
        await menu(page, 'mmNastaveni', 'mmJazyk', 'lang-en');
        await idle(page);
        if ((await topCaption(page)) !== 'Game') problems.push(`after English the first menu is "${await topCaption(page)}"`);
        await menu(page, 'mmHra', 'mmKonec');
        await page.waitForSelector('.box', { timeout: 5000 });
        const answers = [await page.locator('#boxYes').innerText(), await page.locator('#boxNo').innerText()];
        if (answers.join('/') !== 'Yes/No') problems.push(`the question's answers are ${answers.join('/')}`);
        await page.click('#boxNo');
        await idle(page);

        await page.reload();
        await page.waitForFunction(() => window.kvelnor && window.kvelnor.ready === true, null, { timeout: 30000 });
        await idle(page);
        if ((await topCaption(page)) !== 'Game') problems.push(`after a reload the first menu is "${await topCaption(page)}"`);
        const title = await titleShown(page);
        if (title !== 'data/lang/en/Uvod.bmp') problems.push(`the title drawn in English is ${title}`);

        await menu(page, 'mmNastaveni', 'mmJazyk', 'lang-cs');
        await idle(page);
        if ((await topCaption(page)) !== 'Hra') problems.push(`after Čeština the first menu is "${await topCaption(page)}"`);
        if ((await titleShown(page)) !== 'data/Uvod.bmp') problems.push(`the title drawn in Czech is ${await titleShown(page)}`);
        if (errors.length > 0) problems.push(errors.join('; '));
    } finally {
        await context.close();
    }
    return problems;
}
