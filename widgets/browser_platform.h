#pragma once

namespace ulvane {

// Once at start-up, in the browser build only. The browser brings no fonts, so the
// faces the layout uses travel inside the program and are registered here; every
// window keeps its client size, centred on the page, where Qt's browser platform
// would show it full-screen; and the page learns when the last window has closed.
void setUpBrowserPlatform();

} // namespace ulvane
