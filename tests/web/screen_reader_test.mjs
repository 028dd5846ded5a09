// The program as a screen reader meets it in headless Chromium, through the page's
// accessibility tree read over DevTools as Chromium gives it (through a raw DevTools
// session: puppeteer's own snapshot of the tree prunes and folds nodes) and nothing
// drawn on the canvas. On the start
// page, the admission test, and the data and result pages of both studies, every
// box is named by its prompt, the access code box is a password field, check boxes,
// links and buttons are named by their captions, result boxes are read-only with
// their value, and hidden pages are hidden. A student goes from the start page
// through the access code to a result of each study only by focusing, setting the
// value of (or typing into) and pressing those elements. The start page's tree, as
// a screen reader reads it, goes to <folder>/screenshots/screen-reader-start.txt.
//
//   node tests/web/screen_reader_test.mjs build/web
import { mkdirSync, writeFileSync } from 'node:fs';
import path from 'node:path';
import { launchChromium } from './browsers.mjs';
import { serve } from './serve.mjs';

const folder = process.argv[2] ?? 'build/web';
const failures = [];
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));
const Roles = new Set(['textbox', 'button', 'link', 'checkbox', 'radio', 'tab', 'StaticText']);

// A name as the tree gives it: white space collapsed.
const spoken = text => text.replace(/\s+/g, ' ').trim();

function check(condition, what) {
    console.log(`${condition ? 'ok  ' : 'FAIL'} ${what}`);
    if (!condition)
        failures.push(what);
}

// What a screen reader can reach: the tree's unignored nodes of these roles, each
// with its element's type, read-only state and value.
async function readTree(devtools) {
    const { nodes } = await devtools.send('Accessibility.getFullAXTree');
    const roles = new Map(nodes.map(node => [node.nodeId, node.role?.value]));
    const items = [];
    for (const node of nodes) {
        const role = node.role?.value;
        if (node.ignored || !Roles.has(role) || node.backendDOMNodeId === undefined)
            continue;
        // The text inside a button or link is its name, read once.
        if (role === 'StaticText' && Roles.has(roles.get(node.parentId)))
            continue;
        const { object } = await devtools.send('DOM.resolveNode', { backendNodeId: node.backendDOMNodeId });
        const { result } = await devtools.send('Runtime.callFunctionOn', { objectId: object.objectId, returnByValue: true,
            functionDeclaration: 'function() { return { id: this.id, type: this.type ?? "", readOnly: !!this.readOnly, value: this.value ?? "" }; }' });
        items.push({ role, name: spoken(node.name?.value ?? ''), node: node.backendDOMNodeId, ...result.value });
    }
    return items;
}

function describe(items) {
    return items.filter(item => item.role !== 'StaticText' || item.name).map(({ role, name, type, readOnly, value }) =>
        [role, JSON.stringify(name), type === 'password' ? 'password' : '', readOnly ? 'read-only' : '',
         value && type !== 'password' ? `= ${value}` : ''].filter(Boolean).join(' ')).join('\n');
}

class Reader {
    constructor(page, devtools) {
        this.page = page;
        this.devtools = devtools;
    }

    // Waits until the named element is there, and returns the tree.
    async awaitElement(role, name) {
        for (let tries = 0; tries < 120; ++tries) {
            const items = await readTree(this.devtools);
            if (items.some(item => item.role === role && item.name === spoken(name)))
                return items;
            await sleep(500);
        }
        throw new Error(`no ${role} «${name}» in the accessibility tree`);
    }

    async find(role, name) {
        return (await this.awaitElement(role, name)).find(item => item.role === role && item.name === spoken(name));
    }

    async call(item, functionDeclaration, ...args) {
        const { object } = await this.devtools.send('DOM.resolveNode', { backendNodeId: item.node });
        await this.devtools.send('Runtime.callFunctionOn', { objectId: object.objectId, functionDeclaration,
                                                          arguments: args.map(value => ({ value })) });
        await sleep(400);
    }

    // Focuses the box named by its prompt and gives it the text, as a screen reader does.
    async fill(name, text) {
        const box = await this.find('textbox', name);
        await this.devtools.send('DOM.focus', { backendNodeId: box.node });
        await this.call(box, 'function(text) { this.value = text; this.dispatchEvent(new InputEvent("input", { bubbles: true, data: text })); }', text);
    }

    // Focuses the box and types the text on the keyboard, as a screen reader passes it on.
    async type(name, text) {
        const box = await this.find('textbox', name);
        await this.devtools.send('DOM.focus', { backendNodeId: box.node });
        for (const key of text)
            await this.page.keyboard.press(key);
        await sleep(400);
    }

    // Moves to the element and presses it.
    async press(role, name) {
        const item = await this.find(role, name);
        await this.devtools.send('DOM.focus', { backendNodeId: item.node });
        await this.call(item, 'function() { this.click(); }');
    }

    // Checks a page's tree: the elements it must show (role, name, and value where
    // given) and those of hidden pages it must not; on a result page every result
    // box has its value.
    async expect(what, shown, hidden = [], results = false) {
        const items = await this.awaitElement(shown[0][0], shown[0][1]);
        for (const [role, name, value] of shown) {
            const item = items.find(item => item.role === role && item.name === spoken(name));
            check(item && (value === undefined || item.value === value),
                  `${what}: ${role} «${name}»${value === undefined ? '' : ` = ${value}`}${item && value !== undefined && item.value !== value ? ` (is ${item.value})` : ''}`);
        }
        for (const [role, name] of hidden)
            check(!items.some(item => item.role === role && item.name === spoken(name)), `${what}: no ${role} «${name}» of a hidden page`);
        const nameless = items.filter(item => ['textbox', 'checkbox', 'button', 'link', 'tab'].includes(item.role) && !item.name);
        check(nameless.length === 0, `${what}: every box, check box, button, link and tab has a name` +
              nameless.map(item => ` (not ${item.role} ${item.id})`).join(''));
        const boxes = items.filter(item => item.role === 'textbox' && item.readOnly);
        if (results)
            check(boxes.length > 0 && boxes.every(item => item.value !== ''), `${what}: ${boxes.length} read-only result boxes, each with a value`);
        return items;
    }
}

async function session(site, work) {
    const page = await launchChromium('ru-RU');
    try {
        const devtools = await page.createCDPSession();
        await devtools.send('Accessibility.enable');
        await devtools.send('DOM.enable');
        await page.goto(site.url);
        await work(new Reader(page, devtools));
    } finally {
        await page.browser().close();
    }
}

const CodePrompt = 'Введите пароль (необязательно)';
const Forward = 'Вперед >>';

const site = await serve(folder);
try {
    // The start page, and the admission test a wrong code leads to.
    await session(site, async reader => {
        const start = await reader.expect('start page', [['textbox', CodePrompt], ['button', Forward]],
                                          [['checkbox', 'радиостанции']]);
        check(start.find(item => item.name === CodePrompt).type === 'password', 'start page: the access code box is a password field');
        mkdirSync(path.join(folder, 'screenshots'), { recursive: true });
        writeFileSync(path.join(folder, 'screenshots', 'screen-reader-start.txt'), describe(start) + '\n');
        console.log(describe(start).replace(/^/gm, '     '));
        await reader.fill(CodePrompt, '1');
        await reader.press('button', Forward);
        await reader.expect('admission test', [['checkbox', 'атмосферное электричество'], ['checkbox', 'радиостанции'],
                                               ['button', Forward]], [['textbox', CodePrompt]]);
    });

    // The access code to the workbook, and a result of each study.
    await session(site, async reader => {
        await reader.fill(CodePrompt, 'R2864');
        await reader.press('button', Forward);
        await reader.press('link', Forward);
        const lightning = [
            ['1. Максимально допустимое импульсное напряжение на изоляции кабеля, В', '3800', '3800'],
            ['2. Радиус кабеля по внешней поверхности металлических покровов, мм', '14', '14'],
            ['3. Сопротивление металлических покровов кабеля на постоянном токе,Ом/км', '210', '2.10'],
            ['4. Удельное сопротивления грунта в Ом*м (от 10 до 10000 Ом*м)', '2000', '2000'],
            ['5. Среднее число грозочасов в год', '40', '40'],
        ];
        await reader.expect('lightning data page', [['checkbox', 'Кабель в шланге'], ['link', 'Расчет >>'],
                                                     ...lightning.map(([name]) => ['textbox', name])],
                            [['textbox', '6. Среднее сопротивление заземления, Ом']]);
        for (const [name, text] of lightning.slice(0, -1))
            await reader.fill(name, text);
        await reader.type(...lightning.at(-1));
        await reader.press('link', 'Расчет >>');
        await reader.expect('lightning result page', [
            ...lightning.map(([name, , shown]) => ['textbox', name, shown]),
            ['textbox', 'Ожидается N=', '0,875046874477859'],
            ['textbox', 'При использовании 1-го троса ПС-70 ожидается N=', '0,463465082496935'],
            ['textbox', 'При использовании 2-х тросов ПС-70 ожидается N=', '0,431022526722149']], [], true);

        const influence = [
            ['1. Введите значение удельного сопротивления грунта в Ом*м (от 10 до 10000 Ом*м)', '100'],
            ['2. Введите эквивалентную ширину участка сближения в км ( в пределах 0.01- 5 км)', '050'],
            ['3. Введите длину участка сближения  L в км (в пределах 0.5 - 5 км)', '1'],
            ['4. Введите I кз - ток короткого замыкания ЛЭП в кА (в пределах 1 - 10 кА )', '1'],
        ];
        await reader.press('tab', 'Исследование опасного влияния ЛЭП на электрический кабель связи');
        await reader.press('link', Forward);
        await reader.expect('influence data page', influence.map(([name]) => ['textbox', name]),
                            [['textbox', 'Ожидается N=']]);
        for (const [name, text] of influence)
            await reader.fill(name, text);
        await reader.press('link', 'Расчет >>');
        await reader.expect('influence result page', [
            ['textbox', 'При заданных параметрах значение продольной ЭДС, наведенной в жилах составляет', '3865,'],
            ['textbox', 'При использовании 1- го троса значение наведенной ЭДС составляет Е=', '3285,'],
            ['textbox', 'При использовании 2- го троса значение наведенной ЭДС составляет Е=', '3479,05570823419']], [], true);
    });
} catch (error) {
    failures.push(error.message);
    console.log(`FAIL ${error.message}`);
} finally {
    site.close();
}
console.log(failures.length ? `${failures.length} failed` : 'all passed');
process.exit(failures.length ? 1 : 0);
