#pragma once

#include <QColor>
#include <QFont>

namespace ulvane {

// The fonts the layout names, mapped to installed fonts of close metrics.
enum class Typeface { Sans, Serif, Mono };

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

// A face, its size in points and its style, as the layout names them.
struct TextFont {
    Typeface face;
    double points;
    FontStyle style = {};
};

inline constexpr TextFont DialogFont{Typeface::Sans, 8.25};
inline constexpr TextFont LargerFont{Typeface::Sans, 9.75};
inline constexpr TextFont ButtonFont{Typeface::Sans, 13.5};
inline constexpr TextFont BoldFont{Typeface::Sans, 12, {.bold = true}};
inline constexpr TextFont TabFont{Typeface::Serif, 8.25};

// The family the layout names for a face.
QString layoutFamily(Typeface face);

// The family the layout's sans texts come in from now on, chosen once at start-up
// where the platform draws "MS Sans Serif" badly.
void setSansFamily(const QString &family);

// A font of the layout in points at 96 dpi, so text keeps its size relative to the
// twips geometry whatever the screen reports.
QFont layoutFont(const QString &family, double points, FontStyle style = {});
QFont layoutFont(const TextFont &font);

// Every size the layout's sans texts come in.
inline constexpr double SansFontPoints[] = {8.25, 9.75, 12, 13.5, 24};

namespace colours {
inline const QColor LinkBlue{0x00, 0x00, 0xFF};
inline const QColor DarkLinkBlue{0x00, 0x00, 0xC0};
inline const QColor PageGrey{0xC0, 0xC0, 0xC0};
inline const QColor ButtonGrey{0xE0, 0xE0, 0xE0};
inline const QColor ResultRed{0xFF, 0x00, 0x00};
inline const QColor GridLine{0x00, 0x00, 0x00};
} // namespace colours

} // namespace ulvane
