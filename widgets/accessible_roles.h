#pragma once

namespace ulvane {

// Gives screen readers the roles a student expects: a window of ours is a window
// named by its title, and a plain frame (a page, a panel, a line) is a panel inside
// it. Qt makes a plain window a "client" and a frame a "border", which AT-SPI calls
// a frame, the role of a window; Orca then takes the page around the focus for the
// window, finds it inactive, and stays silent. Before the first window, since Qt
// keeps the first role it gives a widget; later calls do nothing.
void installAccessibleRoles();

} // namespace ulvane
