#pragma once

// The window layouts are given in twips (1/1440 inch). At the standard 96 dots per inch one
// device-independent pixel is 15 twips; Qt scales device-independent pixels for high-DPI screens.

#include <QRect>
#include <QSize>

namespace obrix::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twips(int value) {
    // Round half away from zero so that odd twip values land on the nearer pixel.
    return value >= 0 ? (value + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-value + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

constexpr QSize twipsSize(int width, int height) {
    return QSize(twips(width), twips(height));
}

} // namespace obrix::ui
