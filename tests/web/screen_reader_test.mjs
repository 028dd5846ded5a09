// The program as a screen reader meets it. Its parts:
//
// - tree: in headless Chromium, through the page's accessibility tree read over
//   DevTools as Chromium gives it (through a raw DevTools session: puppeteer's own
//   snapshot of the tree prunes and folds nodes) and nothing drawn on the canvas. On
//   the start page, the admission test, and the data and result pages of both
//   studies, every box is named by its prompt, the access code box is a password
//   field, check boxes, links and buttons are named by their captions, result boxes
//   are read-only with their value, and hidden pages are hidden. A student goes from
//   the start page through the access code to a result of each study only by
//   focusing, setting the value of (or typing into) and pressing those elements. The
//   start page's tree, as a screen reader reads it, goes to
//   <folder>/screenshots/screen-reader-start.txt.
// - keyboard, keyboard-firefox: a whole lab by the keyboard alone, in Chromium and in
//   Firefox, following the page's focus (document.activeElement) as a screen reader
//   does: the page's focus is on the element of the control Qt's focus is on, after
//   every key; the tree reads in the window's order, each window named once; message
//   boxes are alert dialogs that take the focus, are read with their text and close on
//   Enter, Space and Escape, the focus going back where it was; the results are read
//   to every digit. In Chromium, axe-core checks every page state the walk passes: no
//   serious or critical violation.
//
//   node tests/web/screen_reader_test.mjs build/web [part…]
import { mkdirSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { launchChromium, launchFirefox } from './browsers.mjs';
import { serve } from './serve.mjs';

const folder = process.argv[2] ?? 'build/web';
const Parts = ['tree', 'keyboard', 'keyboard-firefox'];
const parts = process.argv.length > 3 ? process.argv.slice(3) : Parts;
const axeScript = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
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


// The tree's walks: the start page, and the admission test a wrong code leads to; the
// access code to the workbook, and a result of each study.
async function treeWalks(site) {
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
}

// The element that has the page's focus, inside Qt's shadow root, as a screen reader
// reads it, with the window it is in: that window's role, its name (its title bar's
// text) and its description, and how many times a screen reader reads that name
// (once as the window's, and again for each text of the frame that says it). Null
// where the focus is on no element of the tree.
const Focused = `(() => {
    let element = document.activeElement;
    while (element?.shadowRoot?.activeElement)
        element = element.shadowRoot.activeElement;
    if (!element?.closest('.qt-window-a11y-container'))
        return null;
    const spoken = text => (text ?? '').replace(/\\s+/g, ' ').trim();
    const window = element.closest('.qt-window');
    const root = window.getRootNode();
    const text = id => spoken(id && root.getElementById(id)?.textContent);
    const name = text(window.getAttribute('aria-labelledby'));
    const frameTexts = [...window.querySelectorAll('*')].filter(item => !item.closest('.qt-window-a11y-container')
        && !item.closest('[hidden], [aria-hidden=true]') && !item.children.length && spoken(item.textContent) === name);
    return {
        role: element.getAttribute('role') ?? (element.tagName === 'INPUT' ? element.type : element.tagName.toLowerCase()),
        name: spoken(element.getAttribute('aria-label') ?? element.textContent),
        value: element.type === 'password' ? '' : element.value ?? '', checked: !!element.checked, id: element.id,
        group: element.type === 'radio' ? element.name : '',
        window: { role: window.getAttribute('role'), name, description: text(window.getAttribute('aria-describedby')),
                  modal: window.getAttribute('aria-modal') === 'true', nameRead: (name ? 1 : 0) + frameTexts.length },
    };
})()`;

// The shown elements of the focused window's tree in page order, as a screen reader
// reads them: [role, name, value, id].
const Reading = `(() => {
    let element = document.activeElement;
    while (element?.shadowRoot?.activeElement)
        element = element.shadowRoot.activeElement;
    const container = element?.closest('.qt-window-a11y-container');
    if (!container)
        return [];
    const spoken = text => (text ?? '').replace(/\\s+/g, ' ').trim();
    return [...container.children].filter(item => !item.hidden).map(item => [
        item.getAttribute('role') ?? (item.tagName === 'INPUT' ? item.type : item.tagName.toLowerCase()),
        spoken(item.getAttribute('aria-label') ?? item.textContent), item.type === 'password' ? '' : item.value ?? '', item.id]);
})()`;

// The buttons of the focused window's title bar that show, as a screen reader reads
// them, and whether each picture in the title bar has an empty alt.
const TitleBar = `(() => {
    let element = document.activeElement;
    while (element?.shadowRoot?.activeElement)
        element = element.shadowRoot.activeElement;
    const bar = element?.closest('.qt-window')?.querySelector('.title-bar');
    if (!bar)
        return null;
    return {
        buttons: [...bar.querySelectorAll('.image-button')].filter(button => button.style.display !== 'none')
            .map(button => button.getAttribute('aria-hidden') === 'true' ? 'hidden' : \`\${button.getAttribute('role')} «\${button.getAttribute('aria-label')}»\`),
        altless: [...bar.querySelectorAll('img')].filter(image => image.getAttribute('alt') !== '').length,
    };
})()`;

// The count of radio buttons in each group the page's radio buttons form.
const RadioGroups = `(() => {
    const groups = {};
    const walk = root => root.querySelectorAll('*').forEach(item => {
        if (item.shadowRoot)
            walk(item.shadowRoot);
        if (item.type === 'radio')
            groups[item.name] = (groups[item.name] ?? 0) + 1;
    });
    walk(document);
    return groups;
})()`;

const describeFocus = focus => !focus ? 'nothing' : `${focus.role} «${focus.name}»` +
    (['checkbox', 'radio'].includes(focus.role) ? (focus.checked ? ' ticked' : '') : focus.value ? ` = ${focus.value}` : '');

// A student who uses the keyboard alone and hears what has the page's focus. In
// Chromium, axe-core checks each state of the page the walk passes, and the tree is
// also read over DevTools.
class KeyboardStudent {
    constructor(page, engine) {
        this.page = page;
        this.engine = engine;
        this.axe = engine === 'chromium' ? { counts: {}, rules: new Map(), states: 0 } : null;
    }

    async focus() {
        return this.page.evaluate(Focused);
    }

    // A key by its name (Tab, Enter, Space, ArrowDown, 7), with a modifier held.
    async key(key, modifier) {
        if (modifier)
            await this.page.keyboard.down(modifier);
        await this.page.keyboard.press(key === 'Space' ? ' ' : key);
        if (modifier)
            await this.page.keyboard.up(modifier);
        await sleep(250);
    }

    // Waits for the focus to be on what the test wants, and checks it is.
    async expectFocus(what, wanted) {
        let focus = null;
        for (let tries = 0; tries < 40; ++tries) {
            focus = await this.focus();
            if (focus && wanted(focus))
                break;
            await sleep(250);
        }
        check(focus && wanted(focus), `${this.engine}: ${what} (the focus is on ${describeFocus(focus)})`);
        return focus;
    }

    // Tab until the control of that role and name has the focus; the names passed on
    // the way, and the number of the control's match to reach (the second box of a
    // name).
    async tabTo(role, name, { times = 1, back = false, limit = 40 } = {}) {
        const passed = [];
        let seen = 0;
        for (let presses = 0; presses < limit; ++presses) {
            await this.key('Tab', back ? 'Shift' : undefined);
            const focus = await this.focus();
            passed.push(describeFocus(focus));
            if (focus && focus.role === role && focus.name === spoken(name) && ++seen === times)
                return passed;
        }
        throw new Error(`${this.engine}: Tab never reached ${role} «${name}»: ${passed.join(', ')}`);
    }

    async type(text) {
        for (const key of text)
            await this.key(key);
    }

    // A message box opens on the key: it is an alert dialog named "Ulvane" that blocks
    // the rest and is described by its text, with the focus on its OK button; the
    // closing key closes it and the focus goes back to the control it came from.
    async message(what, open, text, close) {
        const before = await this.focus();
        await this.key(...open);
        const focus = await this.expectFocus(`${what}: the message box has the focus on its OK button`,
                                             focus => focus.window.role === 'alertdialog');
        check(focus?.role === 'button' && focus.name === 'OK', `${this.engine}: ${what}: the focus is on the OK button (${describeFocus(focus)})`);
        check(focus?.window.name === 'Ulvane' && focus.window.modal && focus.window.description === text,
              `${this.engine}: ${what}: an alert dialog «Ulvane» that blocks the rest, described as «${text}»` +
              ` (${focus?.window.name}, modal ${focus?.window.modal}, «${focus?.window.description}»)`);
        check(focus?.window.nameRead === 1, `${this.engine}: ${what}: the box's name is read once (${focus?.window.nameRead})`);
        if (this.devtools) {
            const { nodes } = await this.devtools.send('Accessibility.getFullAXTree');
            const dialog = nodes.find(node => !node.ignored && node.role?.value === 'alertdialog');
            const focused = nodes.filter(node => !node.ignored && node.role?.value !== 'RootWebArea'
                && node.properties?.some(p => p.name === 'focused' && p.value.value)).at(-1);
            check(dialog?.name?.value === 'Ulvane' && spoken(dialog?.description?.value ?? '') === text
                  && focused?.role?.value === 'button' && focused?.name?.value === 'OK',
                  `${this.engine}: ${what}: the accessibility tree has the alert dialog «Ulvane», «${text}», and OK focused` +
                  ` (${dialog?.role?.value} «${dialog?.name?.value}» «${dialog?.description?.value}», focused ${focused?.role?.value} «${focused?.name?.value}»)`);
            await this.checkAxe(what);
        }
        await this.key(close);
        await this.expectFocus(`${what}: ${close} closes the box and the focus goes back to ${describeFocus(before)}`,
            focus => focus.window.role !== 'alertdialog' && focus.role === before?.role && focus.name === before?.name);
    }

    // axe-core on the page as it is: no violation of impact serious or critical; the
    // others are counted for the docs.
    async checkAxe(what) {
        if (!this.axe)
            return;
        if (!await this.page.evaluate('typeof axe !== "undefined"'))
            await this.page.addScriptTag({ path: axeScript });
        const violations = await this.page.evaluate(`axe.run(document, { resultTypes: ['violations'] })
            .then(result => result.violations.map(({ id, impact, nodes }) => ({ id, impact, nodes: nodes.length,
                where: nodes.slice(0, 3).map(node => node.html.slice(0, 120)).join(' | ') })))`);
        ++this.axe.states;
        for (const { id, impact, nodes } of violations) {
            this.axe.counts[impact] = (this.axe.counts[impact] ?? 0) + 1;
            const rule = this.axe.rules.get(id) ?? { impact, states: 0, nodes: 0 };
            this.axe.rules.set(id, { impact, states: rule.states + 1, nodes: Math.max(rule.nodes, nodes) });
        }
        const grave = violations.filter(({ impact }) => impact === 'serious' || impact === 'critical');
        check(grave.length === 0, `${this.engine}: ${what}: axe-core finds no serious or critical violation` +
              grave.map(({ id, impact, nodes, where }) => ` (${impact} ${id} on ${nodes}: ${where})`).join(''));
    }

    async state(what) {
        if (this.devtools)
            await this.checkAxe(what);
    }

    // Tab goes once round the window: the controls it reaches come in the tree in the
    // same order (the tree holds more: prompts, texts), each control read where the
    // window shows it. Shift+Tab goes round backwards, and the focus ends where it was.
    async checkTabOrder(what) {
        const start = await this.focus();
        const round = [start];
        for (let presses = 0; presses < 60; ++presses) {
            await this.key('Tab');
            const focus = await this.focus();
            if (!focus || focus.id === start?.id)
                break;
            round.push(focus);
        }
        const reading = (await this.page.evaluate(Reading)).map(([, , , id]) => id);
        const places = round.map(focus => reading.indexOf(focus?.id));
        const first = places.indexOf(Math.min(...places));
        const inOrder = [...places.slice(first), ...places.slice(0, first)];
        check(places.every(place => place >= 0) && inOrder.every((place, i) => i === 0 || place > inOrder[i - 1]),
              `${this.engine}: ${what}: the tree reads the ${round.length} controls in the order Tab takes: ` +
              round.map((focus, i) => `${describeFocus(focus)} (${places[i]})`).join(', '));
        const back = [start];
        for (let presses = 0; presses < round.length; ++presses) {
            await this.key('Tab', 'Shift');
            back.push(await this.focus());
        }
        check(back.map(focus => focus?.id).join() === [start, ...round.slice(1).reverse(), start].map(focus => focus?.id).join(),
              `${this.engine}: ${what}: Shift+Tab goes the same way back (${back.map(describeFocus).join(', ')})`);
    }

    // Each result box, read-only and named by its prompt, holds its number to the last
    // digit: in Chromium in the accessibility tree, elsewhere in the element it comes from.
    async expectResults(what, results) {
        await this.expectFocus(`${what}: the focus stays in the window`, focus => focus.window.role === 'dialog');
        await sleep(500);
        const items = this.devtools ? await readTree(this.devtools)
            : (await this.page.evaluate(Reading)).map(([role, name, value]) => ({ role: role === 'text' ? 'textbox' : role, name, value }));
        for (const [name, value] of results) {
            const item = items.find(item => item.role === 'textbox' && item.name === spoken(name));
            check(item?.value === value, `${this.engine}: ${what}: «${name}» = ${value}${item?.value === value ? '' : ` (is ${item?.value})`}`);
        }
        await this.state(what);
    }
}

// The admission test's boxes a pass ticks, by name, in the order Tab reaches them: two
// names stand in two questions, and only their first is ticked.
const Ticked = ['атмосферное электричество', 'промышленные электрические установки', 'линии электропередачи',
                'радиостанции', 'опасные влияния', '36 B', 'передающие радиостанции',
                'использование металлических грозостойких кабелей', 'прокладка металлических подземных тросов'];

const LightningTab = 'Исследование грозостойкости электрического кабеля связи';
const Cables = ['МКСБ 1х4', 'МКСАШп 1х4', 'МКСАБп 1х4', 'МКСБ 4х4', 'МКСАШп 4х4', 'МКСАБп 4х4', 'МКСАБпШп 4х4',
                'МКСАБ 4х4', 'МКССШп 4х4', 'МКСК 4х4', 'МКСБ 7х4', 'МКСАШ 7х4', 'МКСК 7х4', 'ВКПП 2,1/9,4',
                'МКТП -- 4', 'МКТПСБ -- 4'];
// Each box of a study's data page, its text and the value it shows then.
const LightningData = [
    ['1. Максимально допустимое импульсное напряжение на изоляции кабеля, В', '3800', '3800'],
    ['2. Радиус кабеля по внешней поверхности металлических покровов, мм', '14', '14'],
    ['3. Сопротивление металлических покровов кабеля на постоянном токе,Ом/км', '210', '2.10'],
    ['4. Удельное сопротивления грунта в Ом*м (от 10 до 10000 Ом*м)', '2000', '2000'],
    ['5. Среднее число грозочасов в год', '40', '40'],
];
const InfluenceData = [
    ['1. Введите значение удельного сопротивления грунта в Ом*м (от 10 до 10000 Ом*м)', '100'],
    ['2. Введите эквивалентную ширину участка сближения в км ( в пределах 0.01- 5 км)', '050'],
    ['3. Введите длину участка сближения  L в км (в пределах 0.5 - 5 км)', '1'],
    ['4. Введите I кз - ток короткого замыкания ЛЭП в кА (в пределах 1 - 10 кА )', '1'],
];
const InfluenceTab = 'Исследование опасного влияния ЛЭП на электрический кабель связи';

async function keyboardWalk(site, engine) {
    const page = await (engine === 'chromium' ? launchChromium('ru-RU') : launchFirefox('ru-RU'));
    const student = new KeyboardStudent(page, engine);
    try {
        if (engine === 'chromium') {
            student.devtools = await page.createCDPSession();
            await student.devtools.send('Accessibility.enable');
        }
        await page.goto(site.url);
        const start = await student.expectFocus('start page: the code box has the focus as the window opens',
                                                focus => focus.name === CodePrompt);
        check(start?.role === 'password', `${engine}: start page: the code box is a password field`);
        check(start?.window.role === 'dialog' && start.window.name === 'Ulvane' && start.window.nameRead === 1,
              `${engine}: start page: the window is named «Ulvane», read once (${start?.window.role} «${start?.window.name}», ${start?.window.nameRead} times)`);
        const bar = await page.evaluate(TitleBar);
        check(bar?.buttons.join() === 'hidden,button «Закрыть»' && bar.altless === 0,
              `${engine}: start page: the title bar holds the icon, hidden, and the button «Закрыть», their pictures without text (${bar?.buttons.join(', ')}; ${bar?.altless} pictures with an alt)`);
        const reading = await page.evaluate(Reading);
        console.log(reading.map(([role, name, value]) => `     ${[role, name, value].filter(Boolean).join(' ')}`).join('\n'));
        const at = name => reading.findIndex(([, text]) => text === spoken(name));
        check(at('Введите пароль (необязательно)') >= 0 && at('Введите пароль (необязательно)') < at('Вперед >>'),
              `${engine}: start page: the code box comes before «Вперед >>» in the tree`);
        await student.state('start page');

        // The Tab key and the page's focus go round the start page together.
        await student.key('1');
        const forward = await student.tabTo('button', Forward, { limit: 3 });
        check(forward.length === 1, `${engine}: start page: one Tab from the code box to «Вперед >>» (${forward.join(', ')})`);
        await student.tabTo('password', CodePrompt, { back: true, limit: 3 });
        await student.tabTo('button', Forward, { limit: 3 });

        // A wrong code, the admission test, its failed grading, then a pass.
        await student.key('Enter');
        await student.expectFocus('admission test: its first box has the focus', focus => focus.role === 'checkbox' && focus.name === Ticked[0]);
        await student.state('admission test');
        await student.checkTabOrder('admission test');
        await student.tabTo('button', Forward);
        await student.message('admission test failed', ['Space'], 'Тест не пройден', 'Escape');
        const seen = new Map();
        const ticked = [];
        for (let presses = 0; presses < 40; ++presses) {
            await student.key('Tab');
            const focus = await student.focus();
            if (focus?.role === 'button' && focus.name === Forward)
                break;
            if (focus?.role !== 'checkbox')
                continue;
            seen.set(focus.name, (seen.get(focus.name) ?? 0) + 1);
            if (Ticked.includes(focus.name) && seen.get(focus.name) === 1) {
                await student.key('Space');
                ticked.push((await student.focus()).checked);
            }
        }
        check(ticked.length === Ticked.length && ticked.every(Boolean),
              `${engine}: admission test: Space ticks each of ${Ticked.length} boxes and the element says so (${ticked.length} ticked)`);
        await student.key('Enter');

        // The workbook: the lightning study's cables, one radio group of sixteen, in
        // which the arrow keys move as in Qt.
        await student.expectFocus('workbook: the focus in the workbook', focus => focus.window.role === 'dialog');
        await student.state('workbook, the lightning study\'s cables');
        await student.tabTo('radio', Cables[0]);
        const lightningGroup = (await student.focus()).group;
        const groups = await page.evaluate(RadioGroups);
        check(groups[lightningGroup] === Cables.length, `${engine}: workbook: the catalogue's ${Cables.length} option buttons are one radio group (${groups[lightningGroup]})`);
        await student.key('ArrowDown');
        const next = await student.expectFocus(`workbook: ArrowDown moves to «${Cables[1]}» and chooses it`,
                                               focus => focus.name === Cables[1]);
        check(next?.checked, `${engine}: workbook: «${Cables[1]}» is chosen`);
        await student.key('ArrowUp');
        const back = await student.expectFocus(`workbook: ArrowUp moves back to «${Cables[0]}»`, focus => focus.name === Cables[0]);
        check(back?.checked, `${engine}: workbook: «${Cables[0]}» is chosen again`);
        await student.checkTabOrder('the lightning study\'s cables');

        // Its data: the calculation without the cable's radius is refused. The links
        // ("Вперед >>", "Расчет >>") take no focus; Alt+→ presses them.
        // As the cables hide, Qt gives the focus to the tab bar, the next control that
        // shows; the data's boxes come next. The program's Tab order takes "Кабель в
        // шланге", above them, after them (and the rows it shows), so the tree, which
        // reads it first, is not held to the Tab order here.
        await student.key('ArrowRight', 'Alt');
        await student.expectFocus('lightning data page: the focus on the tab, where Qt puts it', focus => focus.role === 'tab' && focus.name === LightningTab);
        await student.state('the lightning study\'s data');
        await student.tabTo('text', LightningData[0][0], { limit: 1 });
        await student.type(LightningData[0][1]);
        await student.message('lightning data without the radius', ['ArrowRight', 'Alt'], 'Не задан радиус кабеля', 'Enter');
        for (const [name, text] of LightningData.slice(1)) {
            await student.tabTo('text', name);
            await student.type(text);
        }
        await student.key('ArrowRight', 'Alt');
        await student.expectResults('lightning result page', [
            ...LightningData.map(([name, , shown]) => [name, shown]),
            ['Ожидается N=', '0,875046874477859'],
            ['При использовании 1-го троса ПС-70 ожидается N=', '0,463465082496935'],
            ['При использовании 2-х тросов ПС-70 ожидается N=', '0,431022526722149']]);

        // The influence study: its tab, its cables, its data; the calculation before the
        // data is refused.
        await student.tabTo('tab', LightningTab);
        await student.key('ArrowLeft');
        await student.expectFocus('the influence study\'s tab takes the focus', focus => focus.role === 'tab' && focus.name === InfluenceTab);
        await student.state('workbook, the influence study\'s cables');
        await student.tabTo('radio', Cables[0]);
        const influenceGroup = (await student.focus()).group;
        const bothGroups = await page.evaluate(RadioGroups);
        check(influenceGroup !== lightningGroup && Object.keys(bothGroups).length === 2 && bothGroups[influenceGroup] === Cables.length,
              `${engine}: workbook: the other catalogue's ${Cables.length} option buttons are a radio group of their own (${JSON.stringify(bothGroups)})`);
        await student.key('ArrowRight', 'Alt');
        await student.expectFocus('influence data page: the focus on the tab, where Qt puts it', focus => focus.role === 'tab' && focus.name === InfluenceTab);
        await student.state('the influence study\'s data');
        await student.message('influence data missing', ['ArrowRight', 'Alt'], 'Введены не все данные', 'Space');
        for (const [name, text] of InfluenceData) {
            await student.tabTo('text', name);
            await student.type(text);
        }
        // Only now: Tab out of an empty box brings its range message.
        await student.checkTabOrder('the influence study\'s data');
        await student.key('ArrowRight', 'Alt');
        await student.expectResults('influence result page', [
            ['При заданных параметрах значение продольной ЭДС, наведенной в жилах составляет', '3865,'],
            ['При использовании 1- го троса значение наведенной ЭДС составляет Е=', '3285,'],
            ['При использовании 2- го троса значение наведенной ЭДС составляет Е=', '3479,05570823419']]);

        // The title bar's close button, pressed as a screen reader presses it (a click
        // without a pointer), ends the program.
        await page.evaluate(`(() => {
            let element = document.activeElement;
            while (element?.shadowRoot?.activeElement)
                element = element.shadowRoot.activeElement;
            element.closest('.qt-window').querySelector('.title-bar [aria-label="Закрыть"]').click();
        })()`);
        await sleep(1500);
        const finished = await page.evaluate("document.getElementById('status').innerText");
        check(finished.includes('Работа с программой завершена'), `${engine}: «Закрыть» ends the program`);
        if (student.axe) {
            const { states, counts, rules } = student.axe;
            console.log(`     axe-core ${await page.evaluate('axe.version').catch(() => '?')} on ${states} page states, ` +
                        `violations by impact: ${JSON.stringify(counts)}`);
            for (const [id, { impact, states: where, nodes }] of rules)
                console.log(`     ${impact} ${id}: in ${where} of ${states} states, on up to ${nodes} nodes`);
        }
    } finally {
        await page.browser().close();
    }
}

const site = await serve(folder);
try {
    if (parts.includes('tree'))
        await treeWalks(site);
    if (parts.includes('keyboard'))
        await keyboardWalk(site, 'chromium');
    if (parts.includes('keyboard-firefox'))
        await keyboardWalk(site, 'firefox');
} catch (error) {
    failures.push(error.message);
    console.log(`FAIL ${error.message}`);
} finally {
    site.close();
}
console.log(failures.length ? `${failures.length} failed` : 'all passed');
process.exit(failures.length ? 1 : 0);
