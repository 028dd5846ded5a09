#pragma once

namespace ulvane {

// The browser brings no fonts: the Liberation faces the layout uses travel inside the
// program, cut to the characters its texts use (browser_characters.txt). Registers
// them, makes the layout's dialog face the application's (message boxes, Qt's own
// texts), and gives the window titles the platform writes in HTML the sans face too.
void useLayoutFaces();

} // namespace ulvane
