#pragma once

#include <QString>

namespace ulvane {

// The window presses the links of the tab in front on Alt+Right and Alt+Left; the
// links' tooltips name the keys.
inline const QString ForwardShortcutTip = QStringLiteral("Alt+→");
inline const QString BackShortcutTip = QStringLiteral("Alt+←");

} // namespace ulvane
