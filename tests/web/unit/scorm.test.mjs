// scorm.js against a fake SCORM 1.2 API: where the page finds it, what it records at
// the start, the score and when the lab counts as completed, the session time, and
// calls the learning system refuses or that throw.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { recordingConsole, runPageScript } from './page.mjs';

const Status = 'cmi.core.lesson_status';
const SessionTime = 'cmi.core.session_time';
const Score = 'cmi.core.score.raw';
const ErrorStrings = { 0: 'No error', 101: 'General exception', 301: 'Not initialized',
                       405: 'Incorrect Data Type' };

// The API a learning system puts on its window; every call is kept in `calls`.
// `refuse` names calls that answer "false" with an error code, `fail` calls that throw.
function fakeApi({ status = 'not attempted', score = '', initialize = 'true', refuse = {}, fail = {} } = {}) {
    const calls = [];
    let lastError = '0';
    const api = { calls };
    const answers = {
        LMSInitialize: () => initialize,
        LMSGetValue: element => ({ [Status]: status, [Score]: score })[element] ?? '',
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
            if (name in refuse) {
                lastError = refuse[name];
                return 'false';
            }
            if (name !== 'LMSGetLastError' && name !== 'LMSGetErrorString')
                lastError = '0';
            return answer(...args);
        };
    }
    return api;
}

// A window with the given parent chain and opener; a clock the test moves.
function page(globals = {}) {
    const clock = { now: 1_700_000_000_000 };
    const console = recordingConsole();
    const window = runPageScript('scorm.js', { Date: { now: () => clock.now }, console, ...globals });
    return {
        window,
        clock,
        errors: console.lines.error,
        result: (tab, tabs = 2) => window.dispatchEvent(new CustomEvent('ulvane-result', { detail: { tab, tabs } })),
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

const started = [['LMSInitialize', ''], ['LMSGetValue', Status], ['LMSGetValue', Score]];
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
    const { result, finished, pagehide, errors } = page();
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

test('50 for each tab that has shown a result, and completed once every tab has, each once', () => {
    const score = value => ['LMSSetValue', Score, value];
    const commit = ['LMSCommit', ''];
    const completed = ['LMSSetValue', Status, 'completed'];
    const cases = [
        { results: [], calls: [] },
        { results: [[0]], calls: [score('50'), commit] },
        { results: [[1], [1], [1]], calls: [score('50'), commit] },
        { results: [[0], [1]], calls: [score('50'), commit, score('100'), completed, commit] },
        { results: [[1], [0], [1], [0]], calls: [score('50'), commit, score('100'), completed, commit] },
        // A resumed attempt: its score read back, never lowered.
        { status: 'incomplete', results: [[0], [1]], calls: [score('50'), commit, score('100'), completed, commit] },
        { status: 'incomplete', stored: '50', results: [[0]], calls: [] },
        { status: 'incomplete', stored: '50', results: [[0], [1]], calls: [score('100'), completed, commit] },
        { status: 'completed', stored: '100', results: [[0], [1]], calls: [] },
        // Completed without a score (before the lab had one): the score alone.
        { status: 'completed', results: [[0], [1]], calls: [score('50'), commit, score('100'), commit] },
        { status: 'passed', stored: '100', results: [[0], [1]], calls: [] },
        { results: [[0, 3], [1, 3]], calls: [score('33'), commit, score('67'), commit] },
        { results: [[0, 3], [1, 3], [2, 3]], calls: [score('33'), commit, score('67'), commit, score('100'), completed, commit] },
    ];
    for (const { status = 'not attempted', stored, results, calls } of cases) {
        const api = fakeApi({ status, score: stored });
        const { result } = page({ API: api });
        const before = api.calls.length;
        for (const [tab, tabs] of results)
            result(tab, tabs);
        assert.deepEqual(api.calls.slice(before), calls, `${status}, ${stored}: ${JSON.stringify(results)}`);
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

test('a refused or failing call is reported on the console and the lab goes on', () => {
    const names = calls => calls.map(([name]) => name).join(' ');
    // The start, a result on each tab (the score, then the score and the status), the end.
    const whole = 'LMSInitialize LMSGetValue LMSGetValue LMSSetValue LMSSetValue LMSSetValue LMSSetValue LMSCommit ' +
                  'LMSSetValue LMSCommit LMSSetValue LMSSetValue LMSCommit LMSSetValue LMSCommit LMSFinish';
    const refused = 'LMSGetLastError LMSGetErrorString';
    const cases = [
        { name: 'every value refused', refuse: { LMSSetValue: '405' },
          calls: whole.replaceAll('LMSSetValue', `LMSSetValue ${refused}`),
          errors: ['cmi.core.lesson_status, incomplete', 'cmi.core.score.min, 0', 'cmi.core.score.max, 100',
                   'cmi.core.score.raw, 0', 'cmi.core.score.raw, 50', 'cmi.core.score.raw, 100',
                   'cmi.core.lesson_status, completed', 'cmi.core.session_time, 0000:02:03.40']
              .map(args => `SCORM LMSSetValue(${args}): 405 Incorrect Data Type`) },
        { name: 'the finish refused', refuse: { LMSFinish: '301' },
          calls: `${whole} ${refused}`,
          errors: ['SCORM LMSFinish(): 301 Not initialized'] },
        { name: 'the commit throwing', fail: { LMSCommit: 'connection lost' },
          calls: whole,
          errors: Array(4).fill('SCORM LMSCommit(): connection lost') },
        // The status and score unread: nothing set at the start, both as the tabs show
        // results.
        { name: 'the values unreadable', fail: { LMSGetValue: 'no such element' },
          calls: 'LMSInitialize LMSGetValue LMSGetValue LMSSetValue LMSCommit LMSSetValue LMSSetValue LMSCommit ' +
                 'LMSSetValue LMSCommit LMSFinish',
          errors: ['SCORM LMSGetValue(cmi.core.lesson_status): no such element',
                   'SCORM LMSGetValue(cmi.core.score.raw): no such element'] },
        { name: 'the start refused', refuse: { LMSInitialize: '101' },
          calls: 'LMSInitialize LMSGetLastError LMSGetErrorString',
          errors: ['SCORM LMSInitialize(): 101 General exception'] },
        { name: 'the start throwing', fail: { LMSInitialize: 'API not ready' },
          calls: 'LMSInitialize',
          errors: ['SCORM LMSInitialize(): API not ready'] },
    ];
    for (const { name, refuse, fail, calls, errors } of cases) {
        const api = fakeApi({ refuse, fail });
        const session = page({ API: api });
        session.result(0);
        session.result(1);
        session.clock.now += 123_400;
        session.finished();
        assert.equal(names(api.calls), calls, name);
        assert.deepEqual(session.errors, errors, name);
    }
});
