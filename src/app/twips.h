#pragma once

#include <QRect>
#include <QSize>

// The splash window is laid out in twips, the unit its design was drawn in: 15 twips make one
// device-independent pixel at the standard 96 dots per inch. Qt scales device-independent pixels
// to the screen, so converting once here keeps the window the same size on any screen.
namespace obrix::app {

inline constexpr int kTwipsPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero.
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

} // namespace obrix::app
