#include "windows/controls/Shapes.h"

#include "platform/twips.h"

#include <QPainter>

QColor couleurVb(int v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

CircleShape::CircleShape(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void CircleShape::setFillColor(int v)
{
    fillColor_ = v;
    update();
}

void CircleShape::setTailleTwips(int largeur, int hauteur)
{
    largeur_ = largeur;
    hauteur_ = hauteur;
    setFixedSize(twips::px(largeur), twips::px(hauteur));
}

void CircleShape::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fond = couleurVb(fillColor_);
    QRadialGradient relief(QPointF(width() * 0.35, height() * 0.3), width() * 0.75);
    relief.setColorAt(0, fond.lighter(fillColor_ == 0 ? 400 : 115));
    relief.setColorAt(1, fond.darker(fillColor_ == 0xFFFFFF ? 125 : 110));
    p.setBrush(relief);
    p.setPen(QPen(QColor(40, 20, 20), 0.8));
    p.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

LineControl::LineControl(QWidget* parent, const QColor& couleur) : QWidget(parent), couleur_(couleur)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(couleur_, 1));
    const int y = height() / 2;
    p.drawLine(0, y, width(), y);
}
