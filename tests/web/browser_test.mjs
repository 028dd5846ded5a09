// The program in headless Chromium as a student meets it, once with a Russian and
// once with an English browser: the start page, a wrong code to the admission test
// and a pass, the code to the workbook, a calculation on each tab, a range message
// and "Введены не все данные", and the end. The same walk in Firefox and in WebKit
// (WebKitGTK's MiniBrowser), and on an Android phone by touch: taps, a finger held
// for the context menu, and an on-screen keyboard committing text in pieces, stray
// letters and all, which the boxes' masks and character limits must sift as they
// do typed keys. Numbers and messages are read off the screen with tesseract; a
// picture of every page goes to <folder>/screenshots. Also: phones and tablets of
// each size and orientation show the whole window; after one visit the page works
// offline (in Chromium and WebKit), and without a service worker too; without WebGL
// the start page still shows.
// Chromium and Firefox run through puppeteer-core (tests/web/browsers.mjs), WebKit
// through its WebDriver (tests/web/webkit.mjs); the student speaks to each alike.
//
//   node tests/web/browser_test.mjs build/web [part…]
import { execFileSync } from 'node:child_process';
import { mkdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium, launchFirefox } from './browsers.mjs';
import { onPage } from './layout.mjs';
import { memoryLimits, memoryProbe } from './memory.mjs';
import { serve } from './serve.mjs';
import { launchWebKit } from './webkit.mjs';

const folder = process.argv[2] ?? 'build/web';
const pictures = path.join(folder, 'screenshots');
const scratch = path.join(os.tmpdir(), `ulvane-browser-test-${process.pid}`);
export const failures = [];
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

// Qt's browser platform frames a window with a 4-pixel border and an 18-pixel title.
const Frame = { left: 4, top: 26, right: 4, bottom: 4 };
// Both windows' client area, 11880 x 8595 twips, as on the desktop.
export const ClientSize = { width: 792, height: 573 };
const Outer = { width: ClientSize.width + Frame.left + Frame.right, height: ClientSize.height + Frame.top + Frame.bottom };
const Background = [51, 51, 51];

export function check(condition, what) {
    console.log(`${condition ? 'ok  ' : 'FAIL'} ${what}`);
    if (!condition)
        failures.push(what);
}

// Where the page is scaled, zoom is the picture's pixels to a layout pixel of the
// program, and ratio the picture's pixels to a page pixel, as input is given. The
// page is puppeteer's or tests/web/webkit.mjs's: only what both offer is used here,
// and touch (tap, commit) only in Chromium.
export class Student {
    constructor(page, language, { touch = false } = {}) {
        this.page = page;
        this.language = language;
        this.touch = touch;
        this.count = 0;
    }

    screenshot() {
        return this.page.screenshot({ encoding: 'base64' });
    }

    // The program's window (frame included) as the bounds of what is not the page's grey,
    // above the line that says to turn the phone where it shows.
    async findWindow(png) {
        return this.page.evaluate(`(async () => {
            const image = new Image();
            image.src = 'data:image/png;base64,${png}';
            await image.decode();
            const canvas = new OffscreenCanvas(image.width, image.height);
            const context = canvas.getContext('2d');
            context.drawImage(image, 0, 0);
            const { data, width, height } = context.getImageData(0, 0, image.width, image.height);
            const [r, g, b] = ${JSON.stringify(Background)};
            const hint = document.getElementById('turn');
            const below = hint && !hint.hidden
                ? (hint.getBoundingClientRect().top - visualViewport.offsetTop) * width / visualViewport.width : height;
            let left = width, top = height, right = -1, bottom = -1;
            for (let y = 0; y < Math.min(height, below); ++y) {
                for (let x = 0; x < width; ++x) {
                    const i = (y * width + x) * 4;
                    if (Math.abs(data[i] - r) + Math.abs(data[i + 1] - g) + Math.abs(data[i + 2] - b) > 6) {
                        left = Math.min(left, x); right = Math.max(right, x);
                        top = Math.min(top, y); bottom = Math.max(bottom, y);
                    }
                }
            }
            return right < 0 ? null : { left, top, right, bottom, pageWidth: width, pageHeight: height };
        })()`);
    }

    // Waits until the program's window shows, then takes its client area as origin.
    async awaitWindow(what) {
        for (let tries = 0; tries < 240; ++tries) {
            const shown = await this.page.evaluate("document.getElementById('screen') ? getComputedStyle(document.getElementById('screen')).display : 'none'");
            if (shown === 'block') {
                const frame = await this.findWindow(await this.screenshot());
                if (frame && frame.right - frame.left > 200) {
                    await sleep(500);
                    const { left, top, right, bottom, pageWidth, pageHeight } = await this.findWindow(await this.screenshot());
                    const width = right - left + 1, height = bottom - top + 1;
                    this.zoom = width / Outer.width;
                    const [pixelRatio, pageScale] = await this.page.evaluate('[devicePixelRatio, visualViewport.scale]');
                    this.ratio = pixelRatio * pageScale;
                    this.client = { x: left + Frame.left * this.zoom, y: top + Frame.top * this.zoom };
                    // Whole on the page, its title bar and frame included, with a margin.
                    const gaps = [left, pageWidth - 1 - right, top, pageHeight - 1 - bottom];
                    const slack = Math.ceil(this.zoom);
                    check(Math.min(...gaps) > 0 && Math.abs(gaps[0] - gaps[1]) <= slack && Math.abs(gaps[2] - gaps[3]) <= slack,
                          `${this.language}: ${what} whole and centred (gaps ${gaps.join('/')})`);
                    // Scaled, not laid out anew; a desktop page is not scaled at all.
                    check((this.touch || this.zoom === 1) && Math.abs(height - Outer.height * this.zoom) <= slack,
                          `${this.language}: ${what} at its size (${width}x${height}, scale ${(this.zoom / pixelRatio).toFixed(3)})`);
                    return;
                }
            }
            await sleep(500);
        }
        throw new Error(`${what}: no window appeared, see ${await this.shot('no-window')}`);
    }

    // A point of the client area in the browser's input pixels.
    at(x, y) {
        return { x: (this.client.x + x * this.zoom) / this.ratio, y: (this.client.y + y * this.zoom) / this.ratio };
    }

    async click(x, y, button = 'left') {
        if (this.touch && button === 'left')
            return this.tap(x, y);
        const { mouse } = this.page;
        const at = this.at(x, y);
        await mouse.move(at.x, at.y);
        await mouse.down({ button });
        await mouse.up({ button });
        await sleep(300);
    }

    // A key by its name (Enter, ArrowRight, a, 7), with a modifier (Alt, Control)
    // held around it.
    async key(key, modifier) {
        const { keyboard } = this.page;
        if (modifier)
            await keyboard.down(modifier);
        await keyboard.press(key);
        if (modifier)
            await keyboard.up(modifier);
        await sleep(60);
    }

    // A tap, or with hold a finger held still as long as that.
    async tap(x, y, hold = 0, pause = 300) {
        const { x: left, y: top } = this.at(x, y);
        await this.page.touchscreen.touchStart(left, top);
        await sleep(hold);
        await this.page.touchscreen.touchEnd();
        await sleep(pause);
    }

    // An on-screen keyboard commits text in pieces; each piece here also carries a
    // letter that no digit mask takes.
    async commit(x, y, text, pieces) {
        await this.tap(x, y);
        for (const piece of pieces ?? text.match(/.{1,2}/g).map(part => part + 'ж'))
            await this.page.keyboard.sendCharacter(piece);
        await sleep(200);
    }

    async type(x, y, text) {
        if (this.touch)
            return this.commit(x, y, text);
        await this.click(x, y);
        for (const c of text)
            await this.key(c);
        await sleep(200);
    }

    // Types each text into the named box of the page, as a student fills a page in.
    async fillIn(page, entries) {
        for (const [name, text] of entries)
            await this.type(...page.box(name), text);
    }

    async pressForward() {
        await this.key('ArrowRight', 'Alt');
        await sleep(500);
    }

    async pressEnter() {
        await this.key('Enter');
        await sleep(500);
    }

    // Saves the page as the student sees it and returns the picture's file.
    async shot(name) {
        await sleep(700);
        const file = path.join(pictures, `${this.language}-${String(++this.count).padStart(2, '0')}-${name}.png`);
        writeFileSync(file, Buffer.from(await this.screenshot(), 'base64'));
        return file;
    }

    // The text in a rectangle of the client area (all of it without one), enlarged
    // for tesseract. Reading a part alone keeps a small or grey text from being taken
    // for noise beside the larger ones.
    read(picture, { x = 0, y = 0, width = ClientSize.width, height = ClientSize.height } = {}, options = []) {
        const enlarged = path.join(scratch, 'read.png');
        execFileSync('convert', [picture, '-crop', this.crop(x, y, width, height),
                                 '+repage', '-resize', `${Math.round(400 / this.zoom)}%`, '-colorspace', 'Gray', enlarged]);
        return execFileSync('tesseract', [enlarged, '-', '-l', 'rus+eng', ...options],
                            { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] });
    }

    // A result box's number: inside its frame, whose edges read as "-" or hide the
    // digits; the green channel turns the red digits black on white; a margin and the
    // digits alone keep tesseract from guessing letters.
    readNumber(picture, { x, y, width, height }) {
        const enlarged = path.join(scratch, 'number.png');
        execFileSync('convert', [picture, '-crop', this.crop(x + 2, y + 2, width - 4, height - 4),
                                 '+repage', '-channel', 'G', '-separate', '+channel', '-resize', `${Math.round(400 / this.zoom)}%`,
                                 '-bordercolor', 'white', '-border', '24', enlarged]);
        return execFileSync('tesseract', [enlarged, '-', '-l', 'eng', '--psm', '7', '-c', 'tessedit_char_whitelist=0123456789,.-E'],
                            { encoding: 'utf8', stdio: ['ignore', 'pipe', 'ignore'] }).replace(/\s/g, '');
    }

    // A rectangle of the client area as ImageMagick crops it from a picture.
    crop(x, y, width, height) {
        const [left, top] = [this.client.x + x * this.zoom, this.client.y + y * this.zoom].map(Math.round);
        return `${Math.round(width * this.zoom)}x${Math.round(height * this.zoom)}+${left}+${top}`;
    }

    sees(picture, text, what, box) {
        const seen = this.read(picture, box).replace(/\s+/g, ' ');
        check(seen.includes(text), `${this.language}: ${what} shows «${text}»`);
        if (!seen.includes(text))
            console.log(`     read: ${seen}`);
    }

    // Each of [box, expected number, what it is].
    seesNumbers(picture, numbers) {
        for (const [box, expected, what] of numbers) {
            const seen = this.readNumber(picture, box);
            check(seen === expected, `${this.language}: ${what} ${expected}${seen === expected ? '' : ` (read ${seen})`}`);
        }
    }
}

// The page's focused element, inside Qt's shadow root.
const FocusedElement = `(() => {
    let element = document.activeElement;
    while (element?.shadowRoot?.activeElement)
        element = element.shadowRoot.activeElement;
    return element?.tagName;
})()`;

// The pages the walks act on, each as the page pictures tool took it.
export const Start = onPage('start-1-page');
export const AdmissionTest = onPage('start-2-test');
export const LightningCables = onPage('workbook-1-lightning-cables');
export const LightningData = onPage('workbook-2-lightning-data');
export const InfluenceCables = onPage('workbook-3-influence-cables');
export const InfluenceData = onPage('workbook-4-influence-norm-met');
export const InfluenceNotSuitable = onPage('workbook-5-influence-not-suitable');

// The boxes a pass of the admission test ticks, and the lightning study's data as the
// walks type it.
export const PassingAnswers = ['Check1', 'Check15', 'Check2', 'Check3', 'Check4', 'Check18', 'Check8', 'Check9', 'Check10'];
export const LightningInput = [['MaskEdBox3', '3800'], ['MaskEdBox2', '14'], ['MaskEdBox1', '210'], ['MaskEdBox4', '2000'],
                               ['MaskEdBox5', '40']];
export const InfluenceInput = [['Mask1', '100'], ['Mask2', '050'], ['Mask3', '1'], ['Mask4', '1']];

// A window of fixed size has no maximise button: a click or a tap where the platform
// puts one leaves the window as it was, though a phone's browser moves a tap there
// onto the close button beside it.
const BesideCloseButton = [ClientSize.width - 26, -Frame.top + 13];

// An Android phone in portrait: the page scaled to fit, at the pixel ratio of a phone.
const Phone = { width: 390, height: 844, ratio: 3, touch: true };

// Each engine, the name its pictures begin with (Chromium's none), and how its page
// goes offline: DevTools' switch, or, where a browser has none, the server dropping
// every request.
const Engines = {
    chromium: { launch: launchChromium, prefix: '', offline: (page, site, off) => page.setOfflineMode(off) },
    firefox: { launch: launchFirefox, prefix: 'firefox' },
    // WebKitGTK's WebDriver (2.50) releases every mouse button as the left one: the
    // right button stays held for the rest of the session, and with a button held
    // a page sees no further pointerdown, so Qt no click.
    webkit: { launch: launchWebKit, prefix: 'webkit', offline: (page, site, off) => site.setOffline(off),
              rightButtonStaysHeld: true },
};

// The program's memory grows as a page needs it, up to the maximum its .wasm declares:
// a walk's peak above half of that leaves too little for a screen of more pixels.
async function checkMemory(student) {
    const { maximum } = memoryLimits(path.join(folder, 'ulvane.wasm'));
    const peak = await student.page.evaluate('window.ulvaneMemory?.buffer.byteLength');
    const megabytes = bytes => `${(bytes / 2 ** 20).toFixed(1)} MiB`;
    check(peak > 0 && peak <= maximum / 2, `${student.language}: the memory's peak ${megabytes(peak)}, ` +
          `at most half of its maximum ${megabytes(maximum)}`);
}

// The walk in an engine, in Chromium on a phone too.
async function walk(site, language, phone, engine = Engines.chromium) {
    const touch = Boolean(phone);
    const page = await engine.launch(language, phone);
    const name = [engine.prefix, language, touch && 'android'].filter(Boolean).join('-');
    const student = new Student(page, name, phone);
    const point = language.startsWith('ru') ? ',' : '.';
    const number = text => text.replaceAll(',', point);
    try {
        // What the page writes to the console; a release writes no debug lines there.
        const logged = [];
        page.on('console', message => {
            console.log(`     console.${message.type()}: ${message.text()}`);
            if (message.type() === 'log' || message.type() === 'debug')
                logged.push(message.text());
        });
        await page.goto(site.url);
        console.log(`     ${language}: ${await page.browser().version()}, navigator.language ${await page.evaluate('navigator.language')}`);
        await student.awaitWindow('start window');
        const start = await student.shot('start');
        student.sees(start, 'Вперед', 'the start window');

        // Any code but the right one leads to the admission test; a keyboard may commit
        // it in one piece.
        if (touch) {
            await student.commit(...Start.box('Text1'), '', ['12345']);
            check(await page.evaluate(FocusedElement) === 'INPUT',
                  `${student.language}: a tap on a box focuses the element an on-screen keyboard types into`);
        } else
            await student.type(...Start.box('Text1'), '12345');
        await student.click(...Start.centre('Command1'));
        const test = await student.shot('admission-test');
        student.sees(test, 'Тест (5 вопросов', 'the admission test');
        for (const name of PassingAnswers)
            await student.click(...AdmissionTest.mark(name));
        await student.shot('admission-test-answered');
        await student.click(...AdmissionTest.centre('Command2'));
        await student.awaitWindow('workbook');
        const workbook = await student.shot('workbook');
        student.sees(workbook, 'грозостойкости', 'the workbook', { x: 0, y: 0, width: ClientSize.width, height: 27 });
        await student.click(...BesideCloseButton);
        await student.awaitWindow('workbook after a click where a maximise button would be');

        // Lightning: the tab in front, its first cable. A finger taps the links.
        const lightningForward = page => touch ? student.tap(...page.centre('Label79')) : student.pressForward();
        await lightningForward(LightningCables);
        const [[firstBox, firstText], ...otherData] = LightningInput;
        const [x, y] = LightningData.box(firstBox);
        await student.type(x, y, firstText);
        if (!engine.rightButtonStaysHeld)
            await contextMenu(student, x, y);
        await student.fillIn(LightningData, otherData);
        await lightningForward(LightningData);
        student.seesNumbers(await student.shot('lightning-result'), [
            [LightningData.rect('Text9'), number('0,875046874477859'), 'lightning N'],
            [LightningData.rect('Text13'), number('0,463465082496935'), 'lightning N, one wire'],
            [LightningData.rect('Text14'), number('0,431022526722149'), 'lightning N, two wires']]);

        // Influence: its first cable, the calculation before the data, then with it.
        if (touch) {
            // The link tapped right after the tab, sooner than a double click: each tap
            // acts once, the link's showing the data page, not yet its calculation.
            await student.tap(...LightningData.centre('tab 0'), 0, 50);
            await student.tap(...InfluenceCables.centre('Label52'));
            const data = student.read(await student.shot('influence-data'));
            check(data.includes('Введите свои данные') && !data.includes('Введены не все данные'),
                  `${student.language}: one tap on "Вперед >>" shows the data page alone`);
            await student.tap(...InfluenceData.centre('Label54'));
        } else {
            await student.click(...LightningData.centre('tab 0'));
            await student.pressForward();
            await student.pressForward();
        }
        student.sees(await student.shot('influence-data-missing'), 'все данные', 'the incomplete data');
        await student.pressEnter();
        await student.fillIn(InfluenceData, InfluenceInput);
        await (touch ? student.tap(...InfluenceData.centre('Label54')) : student.pressForward());
        student.seesNumbers(await student.shot('influence-result'), [
            [InfluenceNotSuitable.rect('Text6'), number('3865,'), 'influence E'],
            [InfluenceNotSuitable.rect('Text7'), number('3285,'), 'influence E, 70 mm² wire'],
            [InfluenceNotSuitable.rect('Text8'), number('3479,05570823419'), 'influence E, 120 mm² wire']]);

        // A width beyond 5 km, left with Tab.
        await student.type(...InfluenceData.box('Mask2'), '9');
        await student.key('Tab');
        student.sees(await student.shot('influence-range-message'), 'от 0.01 до 5 км', 'the range message');
        await student.pressEnter();

        await checkMemory(student);
        check(logged.length === 0, `${student.language}: no debug lines on the console (${logged.length})`);

        // The title bar's close button ends the program.
        await student.click(ClientSize.width - 10, -Frame.top + 13);
        await sleep(1500);
        await student.shot('finished');
        const finished = await page.evaluate("document.getElementById('status').innerText");
        check(finished.includes('Работа с программой завершена') && finished.includes('Начать заново'),
              `${student.language}: the page says the work is finished and offers a restart`);
    } finally {
        await page.browser().close();
    }
}

// Qt's own texts are Russian too: the context menu of a box with its text selected,
// or opened by a finger held on the box, closed again.
async function contextMenu(student, x, y) {
    if (student.touch) {
        await student.tap(x, y, 1200);
    } else {
        await student.key('a', 'Control');
        await student.click(x, y, 'right');
    }
    student.sees(await student.shot('context-menu'), student.touch ? 'Отменить действие' : 'Копировать', 'the context menu',
                 { x, y, width: 220, height: 150 });
    // A finger closes the menu with a tap beside it, on nothing.
    await (student.touch ? student.tap(600, 300) : student.key('Escape'));
}

// The walk's context menu in a browser of its own, on the same box, for an engine
// whose right click leaves the rest of a walk without clicks.
async function contextMenuApart(site, language, engine) {
    const page = await engine.launch(language);
    const student = new Student(page, [engine.prefix, language, 'context-menu'].filter(Boolean).join('-'));
    try {
        await page.goto(site.url);
        await student.awaitWindow('start window');
        await student.type(...Start.box('Text1'), 'R2864');
        await student.click(...Start.centre('Command1'));
        await student.awaitWindow('workbook');
        await student.pressForward();
        const [[box, text]] = LightningInput;
        const [x, y] = LightningData.box(box);
        await student.type(x, y, text);
        await contextMenu(student, x, y);
    } finally {
        await page.browser().close();
    }
}

// One phone turned and resized to phones and tablets of each orientation: each time the
// whole window, frame and all, on the page, scaled alike in width and height, and
// where it comes out too small, a line that says turning the phone makes it larger.
// At three screen pixels to a page pixel, as on the sharpest phones: a tablet in
// landscape has Qt draw at that ratio, the program's largest need of memory.
async function fitScreens(site) {
    const ratio = 3;
    const page = await launchChromium('ru-RU', { ...Phone, ratio });
    const student = new Student(page, 'ru-RU-screens', Phone);
    try {
        await page.goto(site.url);
        for (const [name, width, height, turn] of [
            ['phone', 390, 844, true], ['phone-landscape', 844, 390, false], ['phone-turned-back', 390, 844, true],
            ['small-phone', 320, 568, true], ['small-phone-landscape', 568, 320, false],
            ['tablet', 768, 1024, false], ['tablet-landscape', 1024, 768, false]]) {
            await page.setViewport({ width, height, deviceScaleFactor: ratio, isMobile: true, hasTouch: true,
                                     isLandscape: width > height });
            await sleep(1000);
            await student.awaitWindow(`start window, ${name} ${width}x${height}`);
            const picture = await student.shot(name);
            student.sees(picture, 'Вперед', `the start window, ${name}`);
            const said = await page.evaluate("document.getElementById('turn').hidden ? '' : document.getElementById('turn').innerText");
            check(said === (turn ? 'Поверните телефон — окно станет крупнее.' : ''),
                  `${name}: ${turn ? 'says' : 'does not say'} to turn the phone (${said})`);
            await student.tap(...BesideCloseButton);
            await student.awaitWindow(`start window, ${name}, after a tap beside its close button`);
        }
        await checkMemory(student);
        // Pinched to a larger zoom beside the window, in landscape, a finger still finds
        // the code box, which the right code proves. DevTools gives touches relative to
        // the zoomed part's corner, and pinches with the mouse wheel, which Qt takes over
        // its windows; that they leave a finger's pinch to the browser is checked apart.
        // Only DevTools pinches: puppeteer has no pinch of its own.
        const devtools = await page.createCDPSession();
        await page.setViewport({ width: 844, height: 390, deviceScaleFactor: ratio, isMobile: true, hasTouch: true, isLandscape: true });
        await student.awaitWindow('start window, phone-landscape again');
        const before = await page.evaluate('visualViewport.scale');
        await devtools.send('Input.synthesizePinchGesture', { ...student.at(-20, Start.centre('Text1')[1]), scaleFactor: 1.6 });
        const [scale, left, top] = await page.evaluate('[visualViewport.scale, visualViewport.offsetLeft, visualViewport.offsetTop]');
        await student.shot('phone-landscape-pinched');
        check(scale > 1.5 * before, `pinching zooms the page (from ${before.toFixed(2)} to ${scale.toFixed(2)})`);
        check(await page.evaluate(`getComputedStyle(document.querySelector('#screen #qt-shadow-container')
                                       .shadowRoot.querySelector('.qt-window')).touchAction`) === 'pinch-zoom',
              'a finger may pinch over a window');
        const { x, y } = student.at(...Start.box('Text1'));
        await page.touchscreen.touchStart(x - left, y - top);
        await page.touchscreen.touchEnd();
        await page.keyboard.sendCharacter('R2864');
        await devtools.send('Emulation.resetPageScaleFactor');
        await student.tap(...Start.centre('Command1'));
        await student.awaitWindow('workbook after the code tapped in at a zoom');
        student.sees(await student.shot('workbook-code-tapped-at-zoom'), 'грозостойкости', 'the workbook after the code tapped in at a zoom',
                     { x: 0, y: 0, width: ClientSize.width, height: 27 });
    } finally {
        await page.browser().close();
    }
}

// After one visit the service worker serves the program from the browser's cache:
// with the network off, the page comes back and calculates, and no request reaches
// the server. Back online after a new release, its cache replaces the old one.
async function offline(site, engine = Engines.chromium) {
    const name = [engine.prefix, 'ru-RU-offline'].filter(Boolean).join('-');
    const page = await engine.launch('ru-RU');
    const student = new Student(page, name);
    const worker = path.join(folder, 'service-worker.js');
    const release = readFileSync(worker, 'utf8');
    try {
        await page.goto(site.url);
        await student.awaitWindow('start window');
        const caches = await page.evaluate('navigator.serviceWorker.ready.then(() => caches.keys())');
        check(caches.length === 1 && /^ulvane-[0-9a-f]{16}$/.test(caches[0]), `${name}: the program kept in the cache ${caches}`);
        await engine.offline(page, site, true);
        const before = site.paths().length;
        await page.reload();
        await student.awaitWindow('start window offline');
        await student.type(...Start.box('Text1'), 'R2864');
        await student.click(...Start.centre('Command1'));
        await student.awaitWindow('workbook offline');
        await student.pressForward();
        await student.fillIn(LightningData, LightningInput);
        await student.pressForward();
        student.seesNumbers(await student.shot('lightning-result'), [
            [LightningData.rect('Text9'), '0,875046874477859', 'lightning N offline']]);
        // The browser's own check for a new worker (its script and the one it imports)
        // passes DevTools' offline switch, and the server, offline, answers it with nothing.
        const asked = site.paths().slice(before).filter(file => !['/service-worker.js', '/packing.js'].includes(file));
        check(asked.length === 0, `${name}: offline, no file of the program came from the server (${asked.join(' ')})`);

        writeFileSync(worker, release.replace(/ulvane-[0-9a-f]{16}/, 'ulvane-0123456789abcdef'));
        await engine.offline(page, site, false);
        await page.reload();
        await student.awaitWindow('start window after a new release');
        let now = [];
        for (let tries = 0; tries < 60 && now.join() !== 'ulvane-0123456789abcdef'; ++tries) {
            await sleep(500);
            now = await page.evaluate('caches.keys()');
        }
        check(now.join() === 'ulvane-0123456789abcdef', `${name}: a new release's cache replaces the old one (${now})`);
    } finally {
        writeFileSync(worker, release);
        site.setOffline(false);
        await page.browser().close();
    }
}

// Plain HTTP on a LAN address allows no service worker: the page works without one.
async function withoutServiceWorker(site) {
    const page = await launchChromium('ru-RU', { flags: ['--host-resolver-rules=MAP ulvane.lan 127.0.0.1'] });
    const student = new Student(page, 'ru-RU-lan');
    try {
        await page.goto(`http://ulvane.lan:${site.port}/`);
        await student.awaitWindow('start window');
        check(!await page.evaluate('window.isSecureContext'), 'http://ulvane.lan/ is no secure context');
        student.sees(await student.shot('start'), 'Вперед', 'the start window without a service worker');
    } finally {
        await page.browser().close();
    }
}

// A browser without WebAssembly gets a Russian sentence instead of the program.
async function withoutWebAssembly(site) {
    const what = 'WebAssembly';
    const page = await launchChromium('ru-RU');
    try {
        await page.evaluateOnNewDocument('delete window.WebAssembly;');
        await page.goto(site.url);
        await sleep(2000);
        const said = await page.evaluate("document.getElementById('message').textContent");
        check(said.includes(what) && /[а-я]/.test(said), `without ${what} the page says: ${said}`);
        await page.screenshot({ path: path.join(pictures, `ru-00-without-${what.toLowerCase()}.png`) });
    } finally {
        await page.browser().close();
    }
}

// Qt draws its windows on a 2D canvas: a browser without WebGL shows the start page.
async function withoutWebGL(site) {
    const page = await launchChromium('ru-RU', { flags: ['--disable-webgl', '--disable-3d-apis'] });
    const student = new Student(page, 'ru-RU-without-webgl');
    try {
        await page.goto(site.url);
        check(!await page.evaluate("!!document.createElement('canvas').getContext('webgl')"), 'WebGL is off');
        await student.awaitWindow('start window');
        student.sees(await student.shot('start'), 'Вперед', 'the start window');
    } finally {
        await page.browser().close();
    }
}

// Each part and what runs it; the command's further arguments name the parts to run.
const parts = {
    'without-webassembly': withoutWebAssembly,
    'without-webgl': withoutWebGL,
    screens: fitScreens,
    chromium: async site => {
        for (const language of ['ru-RU', 'en-US'])
            await walk(site, language);
    },
    phone: site => walk(site, 'ru-RU', Phone),
    firefox: async site => {
        for (const language of ['ru-RU', 'en-US'])
            await walk(site, language, undefined, Engines.firefox);
    },
    offline,
    'without-service-worker': withoutServiceWorker,
    webkit: async site => {
        for (const language of ['ru-RU', 'en-US']) {
            await walk(site, language, undefined, Engines.webkit);
            await contextMenuApart(site, language, Engines.webkit);
        }
    },
    'webkit-offline': site => offline(site, Engines.webkit),
};
// The parts chosen, unless another test imports the student from here.
if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const chosen = process.argv.length > 3 ? process.argv.slice(3) : Object.keys(parts);
    rmSync(pictures, { recursive: true, force: true });
    mkdirSync(pictures, { recursive: true });
    mkdirSync(scratch, { recursive: true });
    const site = await serve(folder, { firstScript: memoryProbe });
    try {
        for (const part of chosen)
            await parts[part](site);
    } catch (error) {
        failures.push(error.message);
        console.log(`FAIL ${error.message}`);
    } finally {
        site.close();
        rmSync(scratch, { recursive: true, force: true });
    }
    console.log(failures.length ? `${failures.length} failed` : 'all passed');
    process.exit(failures.length ? 1 : 0);
}
