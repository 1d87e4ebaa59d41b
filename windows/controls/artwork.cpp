#include "windows/controls/artwork.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
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
namespace {
class MoteurIcone : public QIconEngine {
public:
    explicit MoteurIcone(QString chemin) : chemin_(std::move(chemin)) {}
    QIconEngine* clone() const override { return new MoteurIcone(chemin_); }
    QSize actualSize(const QSize& taille, QIcon::Mode, QIcon::State) override { return taille; }
    // The sizes a window manager is offered for the window's icon.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }
    QPixmap pixmap(const QSize& taille, QIcon::Mode mode, QIcon::State) override
    {
        QPixmap pm = rendu(chemin_, taille, 1.0);
        if (mode == QIcon::Normal || pm.isNull())
            return pm;
        // Greyed when disabled, as the style draws any other icon.
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, pm, &option);
    }
    void paint(QPainter* p, const QRect& place, QIcon::Mode mode, QIcon::State etat) override
    {
        const qreal dpr = p->device()->devicePixelRatioF();
        QPixmap pm = pixmap(place.size() * dpr, mode, etat);
        pm.setDevicePixelRatio(dpr);
        p->drawPixmap(place, pm);
    }

private:
    QString chemin_;
};
} // namespace

QIcon icone(const QString& chemin) { return QIcon(new MoteurIcone(chemin)); }
} // namespace artwork
