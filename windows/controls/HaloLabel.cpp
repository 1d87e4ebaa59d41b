#include "windows/controls/HaloLabel.h"

#include <QPainter>

HaloLabel::HaloLabel(const QString& texte, const QColor& halo, QWidget* parent) : QLabel(texte, parent), halo_(halo) { }

void HaloLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setFont(font());
    const QRect r = contentsRect();
    const int drapeaux = int(alignment()) | Qt::TextSingleLine;
    // A soft edge: the text faintly one pixel to each side, then a firmer shadow down and right.
    QColor bord = halo_;
    bord.setAlphaF(halo_.alphaF() * 0.35);
    p.setPen(bord);
    for (const QPoint decalage : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
        p.drawText(r.translated(decalage), drapeaux, text());
    p.setPen(halo_);
    p.drawText(r.translated(1, 1), drapeaux, text());
    p.setPen(palette().color(foregroundRole()));
    p.drawText(r, drapeaux, text());
}
