#pragma once

namespace ulvane {

// Once, after the QApplication exists: the fonts the layout names mapped to installed
// ones, and Qt's own texts (a text box's context menu, standard buttons) in Russian
// whatever the user's locale, since everything the program shows is Russian.
void setUpApplication();

} // namespace ulvane
