// Fits the program's window to a phone's or tablet's screen. A mobile browser lays the
// page out at the width its viewport tag names and zooms it to the screen; naming a
// width at which the whole window fits scales the window without reflowing it, keeps
// pinch zoom, and leaves mapping a tap to the browser. Desktop browsers ignore the tag.
// Where the window comes out too small to read (a phone in portrait), a line below it
// says that turning the phone makes it larger.
'use strict';

(() => {
    // The window with Qt's frame (792 × 573 and 8 × 30 pixels) and a margin around it.
    const needed = { width: 816, height: 619 };
    // Below this share of its size the window's texts need a pinch to be read.
    const readable = 0.6;
    const tag = document.querySelector('meta[name="viewport"]');
    const turnHint = document.getElementById('turn');
    const viewport = window.visualViewport;
    let visible = { width: 0, height: 0 };

    function fit() {
        // The visible area in the screen's own pixels, at any zoom. An on-screen
        // keyboard only lowers it, which is ignored until the screen turns.
        const width = Math.round(viewport.width * viewport.scale);
        const height = Math.round(viewport.height * viewport.scale);
        if (width === visible.width && height <= visible.height)
            return;
        visible = { width, height };
        const layoutWidth = layoutWidthAt(width, height);
        const scale = width / layoutWidth;
        tag.content = `width=${layoutWidth}, initial-scale=${scale}`;
        // Only a touch screen turns; the line reads at the page's own text size.
        if (turnHint && navigator.maxTouchPoints > 0) {
            turnHint.hidden = !(scale < readable && height / layoutWidthAt(height, width) > scale);
            turnHint.style.fontSize = `${16 / scale}px`;
        }
    }

    function layoutWidthAt(width, height) {
        return Math.ceil(Math.max(needed.width, needed.height * width / height));
    }

    if (tag && viewport) {
        fit();
        viewport.addEventListener('resize', fit);
    }
})();
