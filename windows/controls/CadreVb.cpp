#include "windows/controls/CadreVb.h"

#include "platform/twips.h"

#include <QPainter>

int CadreVb::hautBord() const { return title().isEmpty() ? 0 : fontMetrics().height() / 2; }

void CadreVb::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // An etched line: dark, with a light one just inside it.
    const QRect bord = rect().adjusted(0, hautBord(), -2, -2);
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(bord);
    p.setPen(palette().color(QPalette::Light));
    p.drawRect(bord.translated(1, 1));
    if (title().isEmpty())
        return;
    const QString texte = title();
    const QRect place(twips::px(90), 0, fontMetrics().horizontalAdvance(texte) + twips::px(90), fontMetrics().height());
    p.fillRect(place, palette().window());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(place, Qt::AlignCenter | Qt::TextShowMnemonic, texte);
}
