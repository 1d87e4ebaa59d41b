#include "windows/controls/RoundedPanel.h"

#include <QPainter>

RoundedPanel::RoundedPanel(QWidget* parent, const QColor& fond, const QColor& bord, qreal rayon) :
    QWidget(parent),
    fond_(fond),
    bord_(bord),
    rayon_(rayon)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RoundedPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(bord_.isValid() ? QPen(bord_, 1) : QPen(Qt::NoPen));
    p.setBrush(fond_.isValid() ? QBrush(fond_) : QBrush(Qt::NoBrush));
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), rayon_, rayon_);
}

void colorer(QWidget* w, const QColor& texte, const QColor& fond)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, texte);
    if (fond.isValid()) {
        pal.setColor(QPalette::Window, fond);
        w->setAutoFillBackground(true);
    }
    w->setPalette(pal);
}
