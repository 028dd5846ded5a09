// The lab as a SCORM 1.2 activity of a learning system (Moodle and others): where the
// page runs under one, it tells it that the lab was started, that it is completed
// once both studies have shown a result, and how long the session lasted; nothing
// else, neither names nor answers nor results. Without a learning system it does
// nothing. A failing call of the system's API is only reported on the console.
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

    if (call('LMSInitialize', '') !== 'true')
        return;
    const began = Date.now();
    let status = call('LMSGetValue', 'cmi.core.lesson_status');
    if (status === 'not attempted' || status === '') {
        status = 'incomplete';
        call('LMSSetValue', 'cmi.core.lesson_status', status);
        call('LMSCommit', '');
    }

    // Tabs of the workbook that have shown a result; the program names each by its
    // place and tells how many there are.
    const studied = new Set();
    window.addEventListener('ulvane-result', ({ detail }) => {
        studied.add(detail.tab);
        if (status === 'completed' || status === 'passed' || studied.size < detail.tabs)
            return;
        status = 'completed';
        call('LMSSetValue', 'cmi.core.lesson_status', status);
        call('LMSCommit', '');
    });

    let finished = false;
    function finish() {
        if (finished)
            return;
        finished = true;
        call('LMSSetValue', 'cmi.core.session_time', timespan(Date.now() - began));
        call('LMSCommit', '');
        call('LMSFinish', '');
    }
    window.addEventListener('ulvane-finished', finish);
    window.addEventListener('pagehide', finish);
})();
