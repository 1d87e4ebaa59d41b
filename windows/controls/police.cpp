#include "windows/controls/police.h"

#include <QApplication>
#include <QFont>

void police::appliquer()
{
    QFont face(QStringLiteral("Arial"));
    face.setPixelSize(11);
    QApplication::setFont(face);
}
