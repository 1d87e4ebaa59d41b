#pragma once
// The layout is written in twips, as designed; 15 twips make one device-independent pixel at
// scale 1. One scale serves every window: chosen from the screen at start-up (platform/echelle),
// before the first window is built, and left alone afterwards.
#include <QRect>
#include <cmath>

namespace twips {
constexpr int par_pixel = 15;
inline double echelle = 1.0;
inline int px(double t) { return static_cast<int>(std::lround(t * echelle / par_pixel)); }
inline int tw(int pixels) { return static_cast<int>(std::lround(pixels * par_pixel / echelle)); }
inline QRect rect(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), px(width), px(height));
}
} // namespace twips
