#include "windows/controls/police.h"

#include "platform/twips.h"

#include <QApplication>
#include <QFont>

// Rounded down: a face a shade small keeps every caption inside a box scaled exactly.
int police::px(double pixels) { return qMax(1, static_cast<int>(std::floor(pixels * twips::echelle + 0.01))); }

void police::appliquer()
{
    QFont face(QStringLiteral("Arial"));
    face.setPixelSize(px(11));
    QApplication::setFont(face);
}
