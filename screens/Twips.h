#pragma once
// Layout units: places and sizes are kept in twips (1/1440 inch) and turned
// into device-independent pixels at 15 twips to the pixel; Qt then scales
// those with the screen's DPI, so proportions hold on a high-DPI screen.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace lexitor::screens {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}
constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

QRect twipsRect(int left, int top, int width, int height);
QSize twipsSize(int width, int height);
QPoint twipsPoint(int x, int y);

} // namespace lexitor::screens
