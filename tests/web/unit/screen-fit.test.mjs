// screen-fit.js: the viewport tag it writes for a screen, given as the visual
// viewport a mobile browser reports (page pixels and the zoom); the window with its
// frame and margin needs 816 × 619 page pixels. And when it shows the line that says to
// turn the phone.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { readPageFile, runPageScript } from './page.mjs';

// The tag as the page's template has it.
const initialContent = readPageFile('index.html.in').match(/<meta name="viewport" content="([^"]*)">/)[1];

// A page whose visual viewport shows `screen` (the screen's own pixels) at `zoom`.
function page(screen, zoom = 1, { withTag = true, withViewport = true, touch = true } = {}) {
    const writes = [];
    let content = initialContent;
    const tag = {
        get content() { return content; },
        set content(value) { content = value; writes.push(value); },
    };
    const viewport = {
        listeners: [],
        addEventListener(type, listener) { this.listeners.push({ type, listener }); },
        show([width, height], scale) {
            Object.assign(this, { width: width / scale, height: height / scale, scale });
        },
        resize(screen, scale) {
            this.show(screen, scale);
            for (const { type, listener } of this.listeners)
                if (type === 'resize')
                    listener();
        },
    };
    viewport.show(screen, zoom);
    const turnHint = { hidden: true, style: {} };
    const document = {
        querySelector: selector => (withTag && selector === 'meta[name="viewport"]' ? tag : null),
        getElementById: id => (id === 'turn' ? turnHint : null),
    };
    runPageScript('screen-fit.js', { document, visualViewport: withViewport ? viewport : undefined,
                                     navigator: { maxTouchPoints: touch ? 5 : 0 } });
    return { tag, viewport, writes, turnHint };
}

test('the width and zoom named for a screen, and whether it says to turn the phone', () => {
    const cases = [
        { name: 'desktop 1920 × 1080', screen: [1920, 1080], content: 'width=1101, initial-scale=1.7438692098092643' },
        // A desktop browser's narrow window is no phone to turn.
        { name: 'desktop 390 × 844', screen: [390, 844], touch: false, content: 'width=816, initial-scale=0.47794117647058826' },
        { name: 'phone portrait 390 × 844', screen: [390, 844], content: 'width=816, initial-scale=0.47794117647058826',
          turn: '33.47692307692308px' },
        { name: 'phone landscape 844 × 390', screen: [844, 390], content: 'width=1340, initial-scale=0.6298507462686567' },
        { name: 'tablet portrait 768 × 1024', screen: [768, 1024], content: 'width=816, initial-scale=0.9411764705882353' },
        { name: 'tablet landscape 1024 × 768', screen: [1024, 768], content: 'width=826, initial-scale=1.2397094430992737' },
        { name: 'small phone 320 × 568', screen: [320, 568], content: 'width=816, initial-scale=0.39215686274509803',
          turn: '40.8px' },
        // Too small either way, but turning it back makes it smaller still.
        { name: 'small phone turned 568 × 320', screen: [568, 320], content: 'width=1099, initial-scale=0.5168334849863512' },
        // On either side of 0.6 of the window's size.
        { name: 'phone portrait 489 × 844', screen: [489, 844], content: 'width=816, initial-scale=0.5992647058823529',
          turn: '26.699386503067487px' },
        { name: 'phone portrait 490 × 844', screen: [490, 844], content: 'width=816, initial-scale=0.6004901960784313' },
        // Exactly the window's proportions: its own width, unscaled.
        { name: 'exactly 816 × 619', screen: [816, 619], content: 'width=816, initial-scale=1' },
        // The same phone already zoomed in twice or laid out at 816: the screen's
        // pixels count, not the page's.
        { name: 'phone portrait zoomed 2×', screen: [390, 844], zoom: 2, content: 'width=816, initial-scale=0.47794117647058826',
          turn: '33.47692307692308px' },
        { name: 'phone portrait at 816', screen: [390, 844], zoom: 390 / 816, content: 'width=816, initial-scale=0.47794117647058826',
          turn: '33.47692307692308px' },
    ];
    for (const { name, screen, zoom, touch, content, turn } of cases) {
        const { tag, viewport, writes, turnHint } = page(screen, zoom, { touch });
        assert.equal(tag.content, content, name);
        assert.equal(writes.length, 1, name);
        assert.deepEqual(viewport.listeners.map(({ type }) => type), ['resize'], name);
        assert.equal(turnHint.hidden, !turn, name);
        if (turn)
            assert.equal(turnHint.style.fontSize, turn, name);
    }
});

test('a phone turned, its toolbar hidden and its keyboard shown', () => {
    const portrait = 'width=816, initial-scale=0.47794117647058826';
    const landscape = 'width=1340, initial-scale=0.6298507462686567';
    // Each step: what the screen shows at which zoom, the tag written then (null:
    // none written), and whether the line to turn the phone shows.
    const steps = [
        { name: 'laid out at the width named', screen: [390, 844], zoom: 390 / 816, written: null, turn: true },
        { name: 'pinched to a larger zoom', screen: [390, 844], zoom: 1.3, written: null, turn: true },
        { name: 'keyboard up', screen: [390, 500], zoom: 390 / 816, written: null, turn: true },
        { name: 'keyboard down', screen: [390, 844], zoom: 390 / 816, written: null, turn: true },
        { name: 'turned', screen: [844, 390], zoom: 844 / 816, written: landscape, turn: false },
        { name: 'toolbar hidden', screen: [844, 420], zoom: 844 / 1340, written: 'width=1244, initial-scale=0.6784565916398714',
          turn: false },
        { name: 'keyboard up in landscape', screen: [844, 200], zoom: 844 / 1244, written: null, turn: false },
        { name: 'turned back', screen: [390, 844], zoom: 390 / 1244, written: portrait, turn: true },
        // Taller at the same width (a toolbar gone) is measured again, though here
        // the width stays.
        { name: 'toolbar hidden in portrait', screen: [390, 900], zoom: 390 / 816, written: portrait, turn: true },
    ];
    const { tag, viewport, writes, turnHint } = page([390, 844]);
    assert.deepEqual(writes, [portrait]);
    for (const { name, screen, zoom, written, turn } of steps) {
        const before = writes.length;
        viewport.resize(screen, zoom);
        assert.deepEqual(writes.slice(before), written === null ? [] : [written], name);
        assert.equal(turnHint.hidden, !turn, name);
    }
    assert.equal(tag.content, portrait);
});

test('without the tag or a visual viewport the page is left as it is', () => {
    const cases = [
        { name: 'no viewport tag', withTag: false },
        { name: 'no visual viewport (an older browser)', withViewport: false },
    ];
    for (const { name, ...options } of cases) {
        const { tag, viewport, writes } = page([390, 844], 1, options);
        assert.equal(tag.content, 'width=device-width, initial-scale=1', name);
        assert.deepEqual(writes, [], name);
        assert.deepEqual(viewport.listeners, [], name);
    }
});
