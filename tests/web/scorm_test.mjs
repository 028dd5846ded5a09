// The SCORM package in a learning system: scorm-again's SCORM 1.2 runtime
// (Scorm12API, pinned in package-lock.json here) on a frame page that holds the API
// and loads the package's index.html in an iframe, as Moodle does. A student who
// passes the admission test and calculates both studies, one of them twice, then
// closes the window, leaves "completed", a score of 100 (of 0 to 100), and an
// interaction for the way in and one for each calculation, holding the numbers the
// program showed to every digit; one who comes in by the access code and leaves the
// page after one study leaves "incomplete" and 50. After every call LMSGetLastError
// is 0, and the page sets nothing but the status, the score, the interactions and the
// session time. A runtime whose every call fails, and one without interactions, leave
// the student's walk as it was, each fault logged once. Also: the manifest's structure.
//
//   (cd tests/web && npm ci) && node tests/web/scorm_test.mjs build/web
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { launchChromium } from './browsers.mjs';
import { AdmissionTest, ClientSize, InfluenceCables, InfluenceData, InfluenceInput, LightningData, LightningInput,
         PassingAnswers, Start, Student, check, failures } from './browser_test.mjs';
import { serve } from './serve.mjs';

const folder = process.argv[2] ?? 'build/web';
const here = path.dirname(fileURLToPath(import.meta.url));
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));
const Title = 'Защита кабелей связи от внешних влияний';

// The learning system's page: the API, every call logged with the error code after it.
const framePage = `<!doctype html>
<meta charset="utf-8">
<style>html, body { margin: 0; height: 100%; overflow: hidden; } iframe { border: 0; width: 100%; height: 100%; display: block; }</style>
<script src="scorm12.js"></script>
<script>
    window.API = new Scorm12API({ logLevel: 5 });
    window.lmsCalls = [];
    const runtime = new URLSearchParams(location.search).get('runtime');
    const lastError = API.LMSGetLastError.bind(API);
    // A runtime of an older learning system: no interactions (error 401).
    let refused = '0';
    if (runtime === 'without-interactions')
        API.LMSGetLastError = () => refused !== '0' ? refused : lastError();
    for (const name of ['LMSInitialize', 'LMSFinish', 'LMSGetValue', 'LMSSetValue', 'LMSCommit']) {
        const call = API[name].bind(API);
        API[name] = (...args) => {
            if (runtime === 'failing')
                throw new Error('the learning system does not answer');
            refused = '0';
            if (runtime === 'without-interactions' && String(args[0]).startsWith('cmi.interactions')) {
                refused = '401';
                lmsCalls.push({ name, args, result: 'false', error: refused });
                return 'false';
            }
            const result = call(...args);
            lmsCalls.push({ name, args, result, error: lastError() });
            return result;
        };
    }
</script>
<iframe src="index.html"></iframe>`;

// The walk's inputs (browser_test.mjs) as the program shows them in a Russian browser.
const Influence = 'МКСБ 1х4; ρ=100**; a=0.50; L=1.***; Iкз=1.** → ';
const Expected = {
    admission: { test: 'по тесту', code: 'по коду доступа' },
    lightning: 'МКСБ 1х4; в шланге=нет; U=3800; r=14; R=2.10; ρ=2000; T=40* → N=0,875046874477859; ' +
               'N с 1 тросом=0,463465082496935; N с 2 тросами=0,431022526722149',
    influence: `${Influence}E=3865,; E с тросом 120=3285,; E с тросом 70=3479,05570823419; ` +
               'Вывод: используем стальной тросс сечением 70 кв.мм',
    influenceOtherCable: 'МКСАБпШп 4х4; ρ=100**; a=0.50; L=1.***; Iкз=1.** → E=828,; Uдоп=3500',
};

const zip = readdirSync(folder).find(name => /^ulvane-scorm-.*\.zip$/.test(name));
const lms = mkdtempSync(path.join(os.tmpdir(), 'ulvane-scorm-'));
execFileSync('unzip', ['-q', path.join(folder, zip), '-d', lms]);
copyFileSync(path.join(here, 'node_modules/scorm-again/dist/scorm12.js'), path.join(lms, 'scorm12.js'));
writeFileSync(path.join(lms, 'frame.html'), framePage);

// The manifest as a learning system reads it: one organisation, its title, one item
// whose resource is a SCO launching index.html, and every file of the package listed.
async function checkManifest(page) {
    const xml = readFileSync(path.join(lms, 'imsmanifest.xml'), 'utf8');
    const packaged = readdirSync(lms).filter(name => !['imsmanifest.xml', 'scorm12.js', 'frame.html'].includes(name));
    const found = await page.evaluate(`(() => {
        const doc = new DOMParser().parseFromString(${JSON.stringify(xml)}, 'application/xml');
        if (doc.querySelector('parsererror'))
            return { error: doc.querySelector('parsererror').textContent };
        const all = name => [...doc.getElementsByTagNameNS('*', name)];
        const organisations = all('organization');
        const items = all('item');
        const resource = all('resource').find(r => r.getAttribute('identifier') === items[0]?.getAttribute('identifierref'));
        return {
            root: doc.documentElement.namespaceURI,
            schema: all('schema')[0]?.textContent + ' ' + all('schemaversion')[0]?.textContent,
            organisations: organisations.length,
            isDefault: all('organizations')[0]?.getAttribute('default') === organisations[0]?.getAttribute('identifier'),
            title: organisations[0]?.querySelector(':scope > title')?.textContent,
            items: items.length,
            sco: resource?.getAttributeNS('http://www.adlnet.org/xsd/adlcp_rootv1p2', 'scormtype'),
            href: resource?.getAttribute('href'),
            files: all('file').map(file => file.getAttribute('href')).sort(),
        };
    })()`);
    check(!found.error, `the manifest is well-formed ${found.error ?? ''}`);
    check(found.root === 'http://www.imsproject.org/xsd/imscp_rootv1p1p2' && found.schema === 'ADL SCORM 1.2',
          `the manifest is a SCORM 1.2 content package (${found.schema})`);
    check(found.organisations === 1 && found.isDefault && found.title === Title && found.items === 1,
          `one organisation, the default, titled «${found.title}», with one item`);
    check(found.sco === 'sco' && found.href === 'index.html', `the item's resource is a SCO launching ${found.href}`);
    check(JSON.stringify(found.files) === JSON.stringify(packaged.sort()), `the manifest lists the package's files`);
}

// Runs the walk in the iframe, which covers the frame page, so the student's points
// are the page's; returns the learning system's record.
async function session(site, what, walk, runtime = 'good') {
    const page = await launchChromium('ru-RU');
    const errors = [];
    try {
        page.on('console', message => {
            if (message.type() !== 'error')
                return;
            console.log(`     console.error: ${message.text()}`);
            if (message.text().startsWith('SCORM '))
                errors.push(message.text());
        });
        await page.goto(`${site.url}frame.html?runtime=${runtime}`);
        // The student's page, but what it evaluates is evaluated in the frame.
        const inFrame = {
            screenshot: options => page.screenshot(options),
            mouse: page.mouse,
            keyboard: page.keyboard,
            evaluate: expression => page.evaluate(
                `(async () => await document.querySelector('iframe')?.contentWindow.eval(${JSON.stringify(expression)}))()`),
        };
        const student = new Student(inFrame, `scorm-${what}`);
        await student.awaitWindow('start window');
        if (what === 'manifest')
            return await checkManifest(page);
        await walk(student, page);
        await sleep(1500);
        return { errors, ...await page.evaluate(`({
            status: API.cmi.core.lesson_status, score: API.cmi.core.score.raw,
            range: [API.cmi.core.score.min, API.cmi.core.score.max], calls: lmsCalls,
            // The runtime reads its write-only elements back only as JSON.
            interactions: JSON.parse(JSON.stringify(API.cmi.interactions.childArray)) })`) };
    } finally {
        await page.browser().close();
    }
}

async function passAdmissionTest(student) {
    await student.type(...Start.box('Text1'), '12345');
    await student.click(...Start.centre('Command1'));
    // A failed grading first: the learning system hears nothing of it.
    await student.click(...AdmissionTest.centre('Command2'));
    await student.pressEnter();
    for (const name of PassingAnswers)
        await student.click(...AdmissionTest.mark(name));
    await student.click(...AdmissionTest.centre('Command2'));
    await student.awaitWindow('workbook');
}

async function lightningStudy(student) {
    await student.pressForward();
    await student.fillIn(LightningData, LightningInput);
    await student.pressForward();
}

async function enterByCode(student) {
    await student.type(...Start.box('Text1'), 'R2864');
    await student.click(...Start.centre('Command1'));
    await student.awaitWindow('workbook');
}

// The influence study, calculated again with another cable.
async function influenceStudy(student) {
    await student.click(...LightningData.centre('tab 0'));
    await student.pressForward();
    await student.fillIn(InfluenceData, InfluenceInput);
    await student.pressForward();
    await student.click(...InfluenceData.centre('Label53'));
    await student.click(...InfluenceCables.centre('Option7'));
    await student.click(...InfluenceCables.centre('Label52'));
    await student.pressForward();
}

// Each interaction in order, its id, type and text, and a clock time.
function checkInteractions(what, record, expected) {
    const got = record.interactions;
    check(got.length === expected.length, `${what}: ${got.length} interactions`);
    expected.forEach(([id, type, text], i) => {
        const interaction = got[i] ?? {};
        check(interaction.id === id && interaction.type === type && interaction.student_response === text &&
              /^\d{2}:\d{2}:\d{2}$/.test(interaction.time),
              `${what}: interaction ${i} ${interaction.id} ${interaction.type} ${interaction.time} «${interaction.student_response}»`);
    });
}

function checkRecord(what, record, status, score) {
    const { calls } = record;
    check(record.status === status, `${what}: lesson_status «${record.status}»`);
    check(record.score === score && record.range.join() === '0,100', `${what}: score ${record.score} of ${record.range.join('–')}`);
    check(calls[0]?.name === 'LMSInitialize' && calls.at(-1)?.name === 'LMSFinish' &&
          calls.filter(call => call.name === 'LMSFinish').length === 1, `${what}: LMSInitialize first, LMSFinish once, last`);
    const failed = calls.filter(call => String(call.error) !== '0' || String(call.result) === 'false');
    check(failed.length === 0, `${what}: LMSGetLastError 0 after all ${calls.length} calls ${JSON.stringify(failed)}`);
    const set = [...new Set(calls.filter(call => call.name === 'LMSSetValue').map(call => call.args[0]))].sort();
    const fields = set.filter(element => !/^cmi\.interactions\.\d+\.(id|type|time|student_response)$/.test(element));
    check(JSON.stringify(fields) === JSON.stringify(['cmi.core.lesson_status', 'cmi.core.score.max', 'cmi.core.score.min',
                                                      'cmi.core.score.raw', 'cmi.core.session_time']),
          `${what}: sets only ${set.join(', ')}`);
    check(record.errors.length === 0, `${what}: nothing on the console`);
    const time = calls.find(call => call.args[0] === 'cmi.core.session_time')?.args[1];
    check(/^\d{2,4}:\d{2}:\d{2}(\.\d{1,2})?$/.test(time) && !/^0+:00:00/.test(time), `${what}: session_time ${time}`);
}

const site = await serve(lms);
try {
    await session(site, 'manifest');
    const wholeLab = async student => {
        await passAdmissionTest(student);
        await lightningStudy(student);
        await influenceStudy(student);
        await student.click(ClientSize.width - 10, -13);
    };
    const both = await session(site, 'both', wholeLab);
    // The calls of a whole lab, in order, for a reader.
    mkdirSync(path.join(folder, 'screenshots'), { recursive: true });
    writeFileSync(path.join(folder, 'screenshots', 'scorm-calls.txt'),
                  both.calls.map(({ name, args, result, error }) => `${name}(${args.map(arg => JSON.stringify(arg)).join(', ')}) ` +
                                                                     `→ ${result}, error ${error}`).join('\n') + '\n');
    checkRecord('both studies, window closed', both, 'completed', '100');
    checkInteractions('both studies', both, [['admission', 'fill-in', Expected.admission.test],
                                             ['lightning', 'performance', Expected.lightning],
                                             ['influence', 'performance', Expected.influence],
                                             ['influence', 'performance', Expected.influenceOtherCable]]);
    const one = await session(site, 'one', async (student, page) => {
        await enterByCode(student);
        await lightningStudy(student);
        await page.evaluate("document.querySelector('iframe').src = 'about:blank'");
    });
    checkRecord('one study, page left', one, 'incomplete', '50');
    checkInteractions('one study', one, [['admission', 'fill-in', Expected.admission.code],
                                         ['lightning', 'performance', Expected.lightning]]);

    // The student's walk is the same whatever the runtime does; its faults show only
    // on the console, once each.
    const failing = await session(site, 'failing', wholeLab, 'failing');
    check(failing.calls.length === 0 && failing.errors.length === 1 &&
          failing.errors[0].includes('the learning system does not answer'),
          `a runtime whose every call fails: the lab goes on, one line on the console ${JSON.stringify(failing.errors)}`);
    const older = await session(site, 'older', wholeLab, 'without-interactions');
    check(older.status === 'completed' && older.score === '100' && older.interactions.length === 0,
          `a runtime without interactions: «${older.status}», ${older.score}`);
    check(older.calls.filter(call => call.error !== '0').every(call => String(call.args[0]).startsWith('cmi.interactions')),
          'a runtime without interactions: every other call succeeds');
    check(older.errors.length === 2 && older.errors.every(line => line.includes('401')),
          `a runtime without interactions: two lines on the console ${JSON.stringify(older.errors)}`);
} catch (error) {
    check(false, error.message);
} finally {
    site.close();
    rmSync(lms, { recursive: true, force: true });
}
console.log(failures.length ? `${failures.length} failed` : 'all passed');
process.exit(failures.length ? 1 : 0);
