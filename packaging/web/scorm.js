// The lab as a SCORM 1.2 activity of a learning system (Moodle and others): where the
// page runs under one, it tells it that the lab was started, a score of 0 to 100 (50
// for each of the two studies that has shown a result), that it is completed once
// both have, and how long the session lasted; nothing else, neither names nor
// answers. Without a learning system it does nothing. A failing call of the system's
// API is only reported on the console.
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

    // Calls the API; a refusal or an exception is logged, never thrown into the page.
    function call(name, ...args) {
        try {
            const result = String(api[name](...args));
            if (result === 'false') {
                const code = api.LMSGetLastError();
                console.error(`SCORM ${name}(${args.join(', ')}): ${code} ${api.LMSGetErrorString(code)}`);
            }
            return result;
        } catch (error) {
            console.error(`SCORM ${name}(${args.join(', ')}): ${error.message}`);
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
    if (status === 'not attempted' || status === '') {
        status = 'incomplete';
        setValues([['cmi.core.lesson_status', status], ['cmi.core.score.min', '0'], ['cmi.core.score.max', '100'],
                   ['cmi.core.score.raw', '0']]);
    }

    // Tabs of the workbook that have shown a result; the program names each by its
    // place and tells how many there are. The score only grows, as a student who has
    // done a study keeps it.
    const studied = new Set();
    window.addEventListener('ulvane-result', ({ detail }) => {
        studied.add(detail.tab);
        const values = [];
        const reached = Math.round(100 * studied.size / detail.tabs);
        if (reached > score) {
            score = reached;
            values.push(['cmi.core.score.raw', String(score)]);
        }
        if (status !== 'completed' && status !== 'passed' && studied.size >= detail.tabs) {
            status = 'completed';
            values.push(['cmi.core.lesson_status', status]);
        }
        if (values.length)
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
