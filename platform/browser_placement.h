#pragma once

namespace ulvane {

// Every program window keeps its client size, centred on the page with its frame
// and without a drop shadow, where Qt's browser platform would show it full-screen,
// and comes to the middle again when the page changes size.
void placeWindowsOnThePage();

} // namespace ulvane
