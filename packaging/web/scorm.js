// The lab as a SCORM 1.2 activity of a learning system (Moodle and others): where the
// page runs under one, it tells it that the lab was started, a score of 0 to 100 (50
// for each of the two studies that has shown a result), that it is completed once
// both have, and how long the session lasted; and, as interactions for the teacher's
// report, how the student came in (by the admission test or the access code) and each
// result a study showed, with the cable, the inputs as typed and the texts as shown.
// All of it comes from the program's events; nothing is read off the screen, and
// nothing else is sent: no names, nothing typed on the start page. Without a learning
// system it does nothing. A failing call of the system's API is reported on the
// console, each kind of failure once, and the lab goes on.
'use strict';

(() => {
    // The standard's discovery: this window and its parents, then the opener's.
    function findApiFrom(start) {
        let win = start;
        for (let depth = 0; win && depth < 8; ++depth) {
            try {
                if (win.API && typeof win.API.LMSInitialize === 'function')
                    return win.API;
            } catch {
                // A parent of another origin cannot be searched.
            }
            if (win.parent === win)
                break;
            win = win.parent;
        }
        return null;
    }

    const api = findApiFrom(window) ?? (window.opener ? findApiFrom(window.opener) : null);
    if (!api)
        return;

    // A runtime that refuses every value would otherwise fill the console.
    const reported = new Set();
    function report(name, args, fault) {
        if (reported.has(`${name} ${fault}`))
            return;
        reported.add(`${name} ${fault}`);
        console.error(`SCORM ${name}(${args.join(', ')}): ${fault}`);
    }

    // Calls the API; a refusal or an exception is logged, never thrown into the page.
    function call(name, ...args) {
        try {
            const result = String(api[name](...args));
            if (result === 'false') {
                const code = api.LMSGetLastError();
                report(name, args, `${code} ${api.LMSGetErrorString(code)}`);
            }
            return result;
        } catch (error) {
            report(name, args, error.message);
            return 'false';
        }
    }

    // SCORM 1.2's CMITimespan: HHHH:MM:SS.SS.
    function timespan(milliseconds) {
        const centiseconds = Math.round(milliseconds / 10);
        const hours = Math.min(9999, Math.floor(centiseconds / 360000));
        const minutes = Math.floor(centiseconds / 6000) % 60;
        const seconds = (centiseconds % 6000) / 100;
        const pad = (value, width) => String(value).padStart(width, '0');
        return `${pad(hours, 4)}:${pad(minutes, 2)}:${pad(seconds.toFixed(2), 5)}`;
    }

    // SCORM 1.2's CMITime: the clock time HH:MM:SS.
    function clockTime(date) {
        return [date.getHours(), date.getMinutes(), date.getSeconds()].map(n => String(n).padStart(2, '0')).join(':');
    }

    // CMIString255 holds at most 255 characters.
    const ResponseLength = 255;

    // A result as the teacher reads it: "МКСБ 1х4; ρ=100**; a=0.50; … → E=3865,; …",
    // each entry name=text, or the text alone where it has no name.
    function responseText({ cable, inputs, shown }) {
        const entries = list => list.map(([name, text]) => (name ? `${name}=${text}` : text));
        const text = `${[cable, ...entries(inputs)].join('; ')} → ${entries(shown).join('; ')}`;
        return text.length <= ResponseLength ? text : `${text.slice(0, ResponseLength - 1)}…`;
    }

    function setValues(values) {
        for (const [element, value] of values)
            call('LMSSetValue', element, value);
        call('LMSCommit', '');
    }

    if (call('LMSInitialize', '') !== 'true')
        return;
    const began = Date.now();
    let status = call('LMSGetValue', 'cmi.core.lesson_status');
    // A resumed attempt keeps its score; one that cannot be read counts as none.
    let score = Number.parseFloat(call('LMSGetValue', 'cmi.core.score.raw')) || 0;
    // Interactions go after those of a resumed attempt; a runtime without them counts
    // none, and refuses each one later.
    let interactions = Number.parseInt(call('LMSGetValue', 'cmi.interactions._count'), 10) || 0;
    if (status === 'not attempted' || status === '') {
        status = 'incomplete';
        setValues([['cmi.core.lesson_status', status], ['cmi.core.score.min', '0'], ['cmi.core.score.max', '100'],
                   ['cmi.core.score.raw', '0']]);
    }

    function interaction(id, type, response) {
        const element = `cmi.interactions.${interactions++}`;
        return [[`${element}.id`, id], [`${element}.type`, type], [`${element}.time`, clockTime(new Date(Date.now()))],
                [`${element}.student_response`, response]];
    }

    window.addEventListener('ulvane-way-in', ({ detail }) => {
        setValues(interaction('admission', 'fill-in', detail.way === 'code' ? 'по коду доступа' : 'по тесту'));
    });

    // Tabs of the workbook that have shown a result; the program names each by its
    // place and tells how many there are. The score only grows, as a student who has
    // done a study keeps it.
    const studied = new Set();
    window.addEventListener('ulvane-result', ({ detail }) => {
        studied.add(detail.tab);
        const values = interaction(detail.study, 'performance', responseText(detail));
        const reached = Math.round(100 * studied.size / detail.tabs);
        if (reached > score) {
            score = reached;
            values.push(['cmi.core.score.raw', String(score)]);
        }
        if (status !== 'completed' && status !== 'passed' && studied.size >= detail.tabs) {
            status = 'completed';
            values.push(['cmi.core.lesson_status', status]);
        }
        setValues(values);
    });

    let finished = false;
    function finish() {
        if (finished)
            return;
        finished = true;
        setValues([['cmi.core.session_time', timespan(Date.now() - began)]]);
        call('LMSFinish', '');
    }
    window.addEventListener('ulvane-finished', finish);
    window.addEventListener('pagehide', finish);
})();
