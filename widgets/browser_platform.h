#pragma once

namespace ulvane {

// Once at start-up, in the browser build only. The browser brings no fonts, so the
// faces the layout uses travel inside the program and are registered here, also for
// the window titles the platform writes in HTML; every window keeps its client size,
// centred on the page with its frame and without a drop shadow, where Qt's browser
// platform would show it full-screen; a finger held on a widget opens its context
// menu; and the page learns when the last window has closed and each time a tab of
// the workbook has shown a result.
void setUpBrowserPlatform();

} // namespace ulvane
