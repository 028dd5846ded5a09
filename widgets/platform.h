#pragma once

#include "widgets/message_box.h"

#include <QString>

#include <memory>

namespace ulvane {

// What only one platform needs, behind one seam: CMake builds one of
// desktop_platform.cpp, windows_platform.cpp and browser_platform.cpp.

// Once at start-up, after the layout's fonts are mapped. In the browser, which brings
// no fonts, the faces the layout uses travel inside the program and are registered
// here, also for the window titles the platform writes in HTML; every window keeps
// its client size, centred on the page with its frame and without a drop shadow,
// where Qt's browser platform would show it full-screen; a finger held on a widget
// opens its context menu; and the page learns when the last window has closed and
// each time a tab of the workbook has shown a result.
void setUpPlatform();

// The family the layout's sans texts ask for: "MS Sans Serif", unless the platform
// draws it badly (see windows_platform.cpp).
QString platformSansFamily();

// The box every message of the program goes through. The browser cannot wait inside
// a call, so there the box is in front of every window until it is closed, and the
// call returns at once.
std::unique_ptr<MessageBox> makePlatformMessageBox();

} // namespace ulvane
