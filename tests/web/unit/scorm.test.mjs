// scorm.js against a fake SCORM 1.2 API: where the page finds it, what it records at
// the start, the score and when the lab counts as completed, the interactions for the
// way in and each result, the session time, and calls the learning system refuses or
// that throw.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { recordingConsole, runPageScript } from './page.mjs';

const Status = 'cmi.core.lesson_status';
const SessionTime = 'cmi.core.session_time';
const Score = 'cmi.core.score.raw';
const Count = 'cmi.interactions._count';
const ErrorStrings = { 0: 'No error', 101: 'General exception', 301: 'Not initialized',
                       401: 'Not implemented error', 405: 'Incorrect Data Type' };

// The API a learning system puts on its window; every call is kept in `calls`.
// `refuse` names calls that answer "false" with an error code, `fail` calls that throw.
function fakeApi({ status = 'not attempted', score = '', count = '', initialize = 'true', refuse = {}, fail = {} } = {}) {
    const calls = [];
    let lastError = '0';
    const api = { calls };
    const answers = {
        LMSInitialize: () => initialize,
        LMSGetValue: element => ({ [Status]: status, [Score]: score, [Count]: count })[element] ?? '',
        LMSSetValue: () => 'true',
        LMSCommit: () => 'true',
        LMSFinish: () => 'true',
        LMSGetLastError: () => lastError,
        LMSGetErrorString: code => ErrorStrings[code] ?? '',
        LMSGetDiagnostic: code => ErrorStrings[code] ?? '',
    };
    for (const [name, answer] of Object.entries(answers)) {
        api[name] = (...args) => {
            calls.push([name, ...args]);
            if (name in fail)
                throw new Error(fail[name]);
            const refused = refuse[name] ?? refuse[args[0]?.replace(/\.\d+\./, '.n.')];
            if (refused) {
                lastError = refused;
                return 'false';
            }
            if (name !== 'LMSGetLastError' && name !== 'LMSGetErrorString')
                lastError = '0';
            return answer(...args);
        };
    }
    return api;
}

// A result as the program tells it.
const Influence = { study: 'influence', cable: 'МКСБ 1х4', inputs: [['ρ', '100**'], ['a', '0.50']],
                    shown: [['E', '3865,'], ['', 'Вывод: используем стальной тросс сечением 70 кв.мм']] };

// A window with the given parent chain and opener; a clock the test moves, at 09:05:07
// local time on 9 December 2026.
function page(globals = {}) {
    const clock = { now: new Date(2026, 11, 9, 9, 5, 7).getTime() };
    const console = recordingConsole();
    class PageDate extends Date {
        constructor(...args) { super(...(args.length ? args : [clock.now])); }
        static now() { return clock.now; }
    }
    const window = runPageScript('scorm.js', { Date: PageDate, console, ...globals });
    return {
        window,
        clock,
        errors: console.lines.error,
        wayIn: way => window.dispatchEvent(new CustomEvent('ulvane-way-in', { detail: { way } })),
        result: (tab, tabs = 2, record = Influence) =>
            window.dispatchEvent(new CustomEvent('ulvane-result', { detail: { tab, tabs, ...record } })),
        finished: () => window.dispatchEvent(new Event('ulvane-finished')),
        pagehide: () => window.dispatchEvent(new Event('pagehide')),
    };
}

// A chain of windows above the page: `frames[0]` is the page's parent, the last is
// the top window, its own parent.
function ancestors(count) {
    const frames = Array.from({ length: count }, () => ({}));
    frames.forEach((frame, i) => { frame.parent = frames[i + 1] ?? frame; });
    return frames;
}

const started = [['LMSInitialize', ''], ['LMSGetValue', Status], ['LMSGetValue', Score], ['LMSGetValue', Count]];
const startedAnew = [...started, ['LMSSetValue', Status, 'incomplete'], ['LMSSetValue', 'cmi.core.score.min', '0'],
                     ['LMSSetValue', 'cmi.core.score.max', '100'], ['LMSSetValue', Score, '0'], ['LMSCommit', '']];

test('the API is found by the standard search and only there', () => {
    const cases = [
        { name: 'on the page\'s own window', place: api => ({ API: api }) },
        { name: 'on the parent (a learning system\'s frame)',
          place: api => { const [parent] = ancestors(1); parent.API = api; return { parent }; } },
        { name: 'seven windows up, the last one searched',
          place: api => { const frames = ancestors(7); frames[6].API = api; return { parent: frames[0] }; } },
        { name: 'eight windows up, beyond the search', found: false,
          place: api => { const frames = ancestors(8); frames[7].API = api; return { parent: frames[0] }; } },
        { name: 'above a parent of another origin',
          place: api => {
              const frames = ancestors(2);
              Object.defineProperty(frames[0], 'API', { get() { throw new Error('SecurityError'); } });
              frames[1].API = api;
              return { parent: frames[0] };
          } },
        { name: 'on the opener\'s parent (a new window)',
          place: api => { const [opener, top] = ancestors(2); top.API = api; return { opener }; } },
        { name: 'the nearest one first',
          place: api => { const [parent] = ancestors(1); parent.API = fakeApi(); return { API: api, parent }; } },
        { name: 'past another script\'s API object on the page',
          place: api => { const [parent] = ancestors(1); parent.API = api; return { API: { version: 2 }, parent }; } },
    ];
    for (const { name, place, found = true } of cases) {
        const api = fakeApi();
        page(place(api));
        assert.deepEqual(api.calls, found ? startedAnew : [], name);
    }
});

test('without an API the page records nothing and its events pass', () => {
    const { wayIn, result, finished, pagehide, errors } = page();
    wayIn('code');
    result(0);
    result(1);
    finished();
    pagehide();
    assert.deepEqual(errors, []);
});

test('the status at the start', () => {
    const cases = [
        { status: 'not attempted', calls: startedAnew },
        { status: '', calls: startedAnew },
        { status: 'incomplete', calls: started },
        { status: 'completed', calls: started },
        { status: 'passed', calls: started },
        // Some systems answer true rather than "true".
        { status: 'not attempted', initialize: true, calls: startedAnew },
        { status: 'not attempted', initialize: 'false', calls: [['LMSInitialize', '']] },
        // Anything else is no start either.
        { status: 'not attempted', initialize: '', calls: [['LMSInitialize', '']] },
    ];
    for (const { status, initialize, calls } of cases) {
        const api = fakeApi({ status, initialize });
        page({ API: api });
        assert.deepEqual(api.calls.filter(([name]) => !name.includes('Error')), calls, `${status}, ${initialize}`);
    }
});

// The score and the status alone; the interactions that go with them are below.
test('50 for each tab that has shown a result, and completed once every tab has, each once', () => {
    const score = value => ['LMSSetValue', Score, value];
    const completed = ['LMSSetValue', Status, 'completed'];
    const cases = [
        { results: [], calls: [] },
        { results: [[0]], calls: [score('50')] },
        { results: [[1], [1], [1]], calls: [score('50')] },
        { results: [[0], [1]], calls: [score('50'), score('100'), completed] },
        { results: [[1], [0], [1], [0]], calls: [score('50'), score('100'), completed] },
        // A resumed attempt: its score read back, never lowered.
        { status: 'incomplete', results: [[0], [1]], calls: [score('50'), score('100'), completed] },
        { status: 'incomplete', stored: '50', results: [[0]], calls: [] },
        { status: 'incomplete', stored: '50', results: [[0], [1]], calls: [score('100'), completed] },
        { status: 'completed', stored: '100', results: [[0], [1]], calls: [] },
        // Completed without a score (before the lab had one): the score alone.
        { status: 'completed', results: [[0], [1]], calls: [score('50'), score('100')] },
        { status: 'passed', stored: '100', results: [[0], [1]], calls: [] },
        { results: [[0, 3], [1, 3]], calls: [score('33'), score('67')] },
        { results: [[0, 3], [1, 3], [2, 3]], calls: [score('33'), score('67'), score('100'), completed] },
    ];
    for (const { status = 'not attempted', stored, results, calls } of cases) {
        const api = fakeApi({ status, score: stored });
        const { result } = page({ API: api });
        const before = api.calls.length;
        for (const [tab, tabs] of results)
            result(tab, tabs);
        const set = api.calls.slice(before).filter(([name, element]) => name === 'LMSSetValue' &&
                                                                         !element.startsWith('cmi.interactions.'));
        assert.deepEqual(set, calls, `${status}, ${stored}: ${JSON.stringify(results)}`);
    }
});

test('the way in and each result as an interaction, after those of a resumed attempt', () => {
    const set = (n, field, value) => ['LMSSetValue', `cmi.interactions.${n}.${field}`, value];
    const interaction = (n, id, type, time, response) =>
        [set(n, 'id', id), set(n, 'type', type), set(n, 'time', time), set(n, 'student_response', response)];
    const commit = ['LMSCommit', ''];
    const influence = 'МКСБ 1х4; ρ=100**; a=0.50 → E=3865,; Вывод: используем стальной тросс сечением 70 кв.мм';
    const lightning = { study: 'lightning', cable: 'МКСК 7х4', inputs: [['в шланге', 'нет'], ['r', '12']],
                        shown: [['N', '0,0272213243445077']] };
    const cases = [
        { name: 'by code, both studies, one of them twice', way: 'code',
          calls: [...interaction(0, 'admission', 'fill-in', '09:05:07', 'по коду доступа'), commit,
                  ...interaction(1, 'influence', 'performance', '09:05:07', influence), ['LMSSetValue', Score, '50'],
                  commit,
                  ...interaction(2, 'influence', 'performance', '10:07:10', influence), commit,
                  ...interaction(3, 'lightning', 'performance', '10:07:10', 'МКСК 7х4; в шланге=нет; r=12 → N=0,0272213243445077'),
                  ['LMSSetValue', Score, '100'], ['LMSSetValue', Status, 'completed'], commit] },
        { name: 'by the test, resumed after three', way: 'test', count: '3', status: 'incomplete',
          calls: [...interaction(3, 'admission', 'fill-in', '09:05:07', 'по тесту'), commit,
                  ...interaction(4, 'influence', 'performance', '09:05:07', influence), ['LMSSetValue', Score, '50'],
                  commit] },
        { name: 'the count unreadable', way: 'test', fail: { LMSGetValue: 'no such element' },
          calls: [...interaction(0, 'admission', 'fill-in', '09:05:07', 'по тесту'), commit,
                  ...interaction(1, 'influence', 'performance', '09:05:07', influence), ['LMSSetValue', Score, '50'],
                  commit] },
    ];
    for (const { name, way, count, status, fail, calls } of cases) {
        const api = fakeApi({ count, status, fail });
        const session = page({ API: api });
        const before = api.calls.length;
        session.wayIn(way);
        session.result(0);
        if (name.startsWith('by code')) {
            session.clock.now += 3_723_000;
            session.result(0);
            session.result(1, 2, lightning);
        }
        assert.deepEqual(api.calls.slice(before), calls, name);
    }
});

test('the response text: every entry as told, cut to 255 characters; the time as HH:MM:SS', () => {
    const responses = [];
    const api = fakeApi();
    const original = api.LMSSetValue;
    api.LMSSetValue = (element, value) => {
        if (element.endsWith('.student_response') || element.endsWith('.time'))
            responses.push(value);
        return original(element, value);
    };
    const session = page({ API: api });
    const worst = { cable: 'МКСАБпШп 4х4', inputs: [['ρ', '10000'], ['a', '0.01'], ['L', '5.000'], ['Iкз', '9.99']],
                    shown: [['E', '4235,'], ['E с тросом 120', '3600,'], ['E с тросом 70', '3811,50193930839'],
                            ['', 'Вывод: в данных условиях кабель не пригоден к использованию , т.к. степень ' +
                                 'воздействия ЛЭП превышает допустимые нормы']] };
    const long = length => ({ cable: 'К', inputs: [], shown: [['', 'ж'.repeat(length - 4)]] });
    const cases = [
        { record: { cable: 'МКСБ 1х4', inputs: [], shown: [['N', '0']] }, response: 'МКСБ 1х4 → N=0' },
        { record: worst, response: 'МКСАБпШп 4х4; ρ=10000; a=0.01; L=5.000; Iкз=9.99 → E=4235,; E с тросом 120=3600,; ' +
                                   'E с тросом 70=3811,50193930839; Вывод: в данных условиях кабель не пригоден к ' +
                                   'использованию , т.к. степень воздействия ЛЭП превышает допустимые нормы' },
        { record: long(255), response: `К → ${'ж'.repeat(251)}` },
        { record: long(256), response: `К → ${'ж'.repeat(250)}…` },
        { record: long(1000), response: `К → ${'ж'.repeat(250)}…` },
    ];
    const times = [
        { at: new Date(2026, 11, 9, 0, 0, 0), time: '00:00:00' },
        { at: new Date(2026, 11, 9, 23, 59, 59, 999), time: '23:59:59' },
        { at: new Date(2026, 11, 9, 7, 8, 9, 500), time: '07:08:09' },
    ];
    for (const { record, response } of cases) {
        session.result(0, 2, { study: 'influence', ...record });
        assert.deepEqual(responses.splice(0), ['09:05:07', response]);
    }
    for (const { at, time } of times) {
        session.clock.now = at.getTime();
        session.result(0);
        assert.equal(responses.splice(0)[0], time);
    }
});

test('the session time as HHHH:MM:SS.SS, sent once when the lab ends', () => {
    const cases = [
        { milliseconds: 0, time: '0000:00:00.00' },
        { milliseconds: 4, time: '0000:00:00.00' },
        { milliseconds: 5, time: '0000:00:00.01' },
        { milliseconds: 1_234, time: '0000:00:01.23' },
        { milliseconds: 59_994, time: '0000:00:59.99' },
        { milliseconds: 59_995, time: '0000:01:00.00' },
        { milliseconds: 2_707_500, time: '0000:45:07.50' },
        { milliseconds: 3_599_995, time: '0001:00:00.00' },
        { milliseconds: 97_384_560, time: '0027:03:04.56' },
        { milliseconds: 35_999_999_990, time: '9999:59:59.99' },
    ];
    for (const ends of ['ulvane-finished', 'pagehide']) {
        for (const { milliseconds, time } of cases) {
            const api = fakeApi();
            const { clock, finished, pagehide } = page({ API: api });
            const before = api.calls.length;
            clock.now += milliseconds;
            (ends === 'pagehide' ? pagehide : finished)();
            clock.now += 60_000;
            finished();
            pagehide();
            assert.deepEqual(api.calls.slice(before),
                             [['LMSSetValue', SessionTime, time], ['LMSCommit', ''], ['LMSFinish', '']],
                             `${ends} after ${milliseconds} ms`);
        }
    }
});

test('a refused or failing call is reported on the console once, and the lab goes on', () => {
    // What goes out in a whole lab: the start, the way in, a result on each tab, the end.
    const interaction = n => ['id', 'type', 'time', 'student_response'].map(field => `cmi.interactions.${n}.${field}`);
    const whole = ['LMSInitialize', 'LMSGetValue', 'LMSGetValue', 'LMSGetValue', Status, 'cmi.core.score.min',
                   'cmi.core.score.max', Score, 'LMSCommit', ...interaction(0), 'LMSCommit', ...interaction(1), Score,
                   'LMSCommit', ...interaction(2), Score, Status, 'LMSCommit', SessionTime, 'LMSCommit', 'LMSFinish'];
    const sent = calls => calls.filter(([name]) => !name.includes('Error'))
        .map(([name, element]) => (name === 'LMSSetValue' ? element : name));
    const cases = [
        { name: 'every value refused', refuse: { LMSSetValue: '405' }, calls: whole,
          errors: ['SCORM LMSSetValue(cmi.core.lesson_status, incomplete): 405 Incorrect Data Type'] },
        { name: 'a runtime without interactions',
          refuse: Object.fromEntries([Count, ...interaction('n')].map(element => [element, '401'])), calls: whole,
          errors: ['SCORM LMSGetValue(cmi.interactions._count): 401 Not implemented error',
                   'SCORM LMSSetValue(cmi.interactions.0.id, admission): 401 Not implemented error'] },
        { name: 'the finish refused', refuse: { LMSFinish: '301' }, calls: whole,
          errors: ['SCORM LMSFinish(): 301 Not initialized'] },
        { name: 'the commit throwing', fail: { LMSCommit: 'connection lost' }, calls: whole,
          errors: ['SCORM LMSCommit(): connection lost'] },
        // The status and score unread: nothing set at the start, both as the tabs show
        // results.
        { name: 'the values unreadable', fail: { LMSGetValue: 'no such element' },
          calls: whole.filter((_, i) => i < 4 || i > 8),
          errors: ['SCORM LMSGetValue(cmi.core.lesson_status): no such element'] },
        { name: 'the start refused', refuse: { LMSInitialize: '101' }, calls: ['LMSInitialize'],
          errors: ['SCORM LMSInitialize(): 101 General exception'] },
        { name: 'every call throwing',
          fail: Object.fromEntries(['LMSInitialize', 'LMSGetValue', 'LMSSetValue', 'LMSCommit', 'LMSFinish', 'LMSGetLastError']
              .map(name => [name, 'API not ready'])),
          calls: ['LMSInitialize'], errors: ['SCORM LMSInitialize(): API not ready'] },
    ];
    for (const { name, refuse, fail, calls, errors } of cases) {
        const api = fakeApi({ refuse, fail });
        const session = page({ API: api });
        session.wayIn('code');
        session.result(0);
        session.result(1);
        session.clock.now += 123_400;
        session.finished();
        assert.deepEqual(sent(api.calls), calls, name);
        assert.deepEqual(session.errors, errors, name);
    }
});
