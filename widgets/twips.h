#pragma once

#include <QRect>

namespace ulvane {

// The layout is given in twips, 1/1440 inch: 15 twips to the logical pixel at 96 dpi.
// Qt scales logical pixels on high-DPI screens, so the layout scales with it.
constexpr int TwipsPerPixel = 15;

constexpr int twips(int value)
{
    return (value + (value >= 0 ? TwipsPerPixel / 2 : -TwipsPerPixel / 2)) / TwipsPerPixel;
}

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

inline QRect twipsRect(const TwipsRect &rect)
{
    return {twips(rect.left), twips(rect.top), twips(rect.width), twips(rect.height)};
}

} // namespace ulvane
