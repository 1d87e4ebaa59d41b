#pragma once
// The layout is written in twips, as designed; 15 twips make one device-independent pixel.
#include <QRect>
#include <cmath>

namespace twips {
constexpr int par_pixel = 15;
inline int px(double t) { return static_cast<int>(std::lround(t / par_pixel)); }
inline int tw(int pixels) { return pixels * par_pixel; }
inline QRect rect(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), px(width), px(height));
}
} // namespace twips
