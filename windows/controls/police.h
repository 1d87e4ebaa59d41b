#pragma once
// The face every window is laid out for.
namespace police {
// The layout is drawn in twips for a small sans-serif face of 11 pixels; the desktop's larger
// default would spill out of the labels and buttons. Arial resolves to its metric twin.
void appliquer();
// A size in pixels at scale 1, at the windows' scale.
int px(double pixels);
} // namespace police
