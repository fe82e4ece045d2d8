#pragma once

#include <QRect>
#include <QSize>

// The help windows are laid out in twips, the unit their designs were drawn in: 15 twips make one
// device-independent pixel at the standard 96 dots per inch. Qt scales device-independent pixels
// to the screen itself, so converting once here keeps every window the same size on any screen.
namespace obrix::ui::help {

inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel (halves away from zero); every size used here is a whole pixel.
constexpr int twipsToPixels(int twips) {
    const int half = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / kTwipsPerPixel : -((-twips + half) / kTwipsPerPixel);
}

constexpr QSize twipsSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace obrix::ui::help
