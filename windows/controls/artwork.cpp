#include "windows/controls/artwork.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

// The pictures live in the static UI library: nothing else pulls their registration in.
static void enregistrer_images() { Q_INIT_RESOURCE(resources); }

namespace artwork {

QString chemin(const QString& nom)
{
    static const bool pret = (enregistrer_images(), true);
    Q_UNUSED(pret);
    return QStringLiteral(":/art/") + nom + QStringLiteral(".svg");
}

QPixmap rendu(const QString& chemin, QSize taille, qreal dpr)
{
    static QHash<QString, QPixmap> cache;
    if (chemin.isEmpty() || taille.isEmpty())
        return {};
    const QString cle = chemin + QLatin1Char('@') + QString::number(taille.width()) + QLatin1Char('x')
                      + QString::number(taille.height()) + QLatin1Char('@') + QString::number(dpr);
    auto it = cache.constFind(cle);
    if (it != cache.constEnd())
        return *it;
    QPixmap pm(taille * dpr);
    pm.fill(Qt::transparent);
    QSvgRenderer svg(chemin);
    if (svg.isValid()) {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p, QRectF(QPointF(0, 0), QSizeF(pm.size())));
    }
    pm.setDevicePixelRatio(dpr);
    cache.insert(cle, pm);
    return pm;
}
} // namespace artwork
