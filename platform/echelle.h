#pragma once
// The scale of the windows, chosen once from the screen, and the centring of a window with the
// frame the window manager draws round it.
#include <QSize>

class QScreen;
class QWidget;

namespace echelle {
// The main window is 322 x 538 pixels at scale 1 (436 wide with the options column). On a usable
// area of this size (device-independent pixels) with a frame of this height, the scale in steps of
// 0.25 that gives the window about two thirds of the height, between 55 and 75 %; never below 1
// unless the window cannot fit at 1, never taller or wider than the area.
double choisir(QSize disponible, int cadre);
// Chooses the scale from this screen's usable area and sets it for every window to come.
void appliquer(const QScreen* ecran);
// Moves a window so that the whole of it, frame included, stands in the middle of its screen. A
// window not yet shown has no frame yet: it borrows that of a window on view.
void centrer(QWidget* fenetre);
} // namespace echelle
