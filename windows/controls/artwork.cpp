#include "windows/controls/artwork.h"

#include <QApplication>
#include <QCoreApplication>

#include <algorithm>
#include <QDir>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QResource>
#include <QStyle>
#include <QStyleOption>

// The rendered pictures live in the static UI library: nothing else pulls their registration in.
static void enregistrer_images() { Q_INIT_RESOURCE(art); }

namespace artwork {
namespace {

QSize pixels_de(QSize taille, qreal dpr) { return (QSizeF(taille) * dpr).toSize(); }

QString nom_taille(QSize pixels)
{
    return QString::number(pixels.width()) + QLatin1Char('x') + QString::number(pixels.height());
}

// The renderings of a picture are kept in one folder per screen scale.
QString dossier(const QString& chemin, const QString& echelle)
{
    return QStringLiteral(":/art/") + echelle + QLatin1Char('/') + chemin.section(QLatin1Char('/'), -1);
}

// The scales rendered at build time, 1 first: the one drawn raw, straight from the program. Scales
// other than 1 and 2 lie in a resource file beside the program, opened the first time a picture
// is missing from the program's own: an ordinary screen never reads it.
const QStringList& echelles(bool toutes = false)
{
    static bool ouvert = false;
    static QStringList liste;
    if (toutes && !ouvert) {
        ouvert = true;
        QResource::registerResource(QCoreApplication::applicationDirPath() + QStringLiteral("/chromalis-echelles.rcc"));
        liste.clear();
    }
    if (liste.isEmpty()) {
        liste = QDir(QStringLiteral(":/art")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        std::sort(liste.begin(), liste.end(),
                  [](const QString& a, const QString& b) { return a.toDouble() < b.toDouble(); });
    }
    return liste;
}

QResource trouver(const QString& chemin, QSize pixels, const QString& echelle)
{
    return QResource(dossier(chemin, echelle) + QLatin1Char('/') + nom_taille(pixels));
}

// A picture rendered at build time. Most are raw premultiplied RGBA, row after row, stored
// uncompressed, so the image is drawn straight from mapped pages; scale 2 and the pictures shown
// only now and then are PNG, decoded when asked for.
QImage lire_rendu(const QString& chemin, QSize pixels, bool toutes = false)
{
    for (const QString& echelle : echelles(toutes)) {
        const QResource r = trouver(chemin, pixels, echelle);
        if (!r.isValid())
            continue;
        if (r.compressionAlgorithm() != QResource::NoCompression)
            return {};
        const QByteArray donnees = QByteArray::fromRawData(reinterpret_cast<const char*>(r.data()), r.size());
        // No premultiplied pixel starts like a PNG file: its red byte would exceed its alpha.
        if (donnees.startsWith("\x89PNG")) {
            QImage image;
            if (!image.loadFromData(donnees, "PNG") || image.size() != pixels)
                return {};
            return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        }
        if (donnees.size() != qsizetype(pixels.width()) * pixels.height() * 4)
            return {};
        const QImage image(r.data(), pixels.width(), pixels.height(), pixels.width() * 4,
                           QImage::Format_RGBA8888_Premultiplied);
        // Rows are read as whole words: data off a word boundary is copied rather than read askew.
        return reinterpret_cast<quintptr>(r.data()) % alignof(quint32) ? image.copy() : image;
    }
    return {};
}

// An unlisted size: the smallest rendering that covers it, or failing that the largest, scaled.
QImage mettre_a_l_echelle(const QString& chemin, QSize pixels)
{
    QList<QSize> tailles;
    for (const QString& echelle : echelles(true)) {
        for (const QString& nom : QDir(dossier(chemin, echelle)).entryList(QDir::Files)) {
            const QSize s(nom.section(QLatin1Char('x'), 0, 0).toInt(), nom.section(QLatin1Char('x'), 1, 1).toInt());
            if (!s.isEmpty())
                tailles.append(s);
        }
    }
    const auto aire = [](QSize t) { return qint64(t.width()) * t.height(); };
    QSize meilleure;
    for (const QSize s : std::as_const(tailles))
        if (s.width() >= pixels.width() && s.height() >= pixels.height()
            && (meilleure.isEmpty() || aire(s) < aire(meilleure)))
            meilleure = s;
    if (meilleure.isEmpty())
        for (const QSize s : std::as_const(tailles))
            if (meilleure.isEmpty() || aire(s) > aire(meilleure))
                meilleure = s;
    const QImage source = meilleure.isEmpty() ? QImage() : lire_rendu(chemin, meilleure, true);
    if (source.isNull())
        return {};
    return source.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QString chemin(const QString& nom)
{
    static const bool pret = (enregistrer_images(), true);
    Q_UNUSED(pret);
    return QStringLiteral(":/art/") + nom;
}

bool prerendu(const QString& chemin, QSize pixels)
{
    for (const QString& echelle : echelles(true))
        if (trouver(chemin, pixels, echelle).isValid())
            return true;
    return false;
}

QImage image(const QString& chemin, QSize taille, qreal dpr)
{
    static QHash<QString, QImage> cache;
    const QSize pixels = pixels_de(taille, dpr);
    if (chemin.isEmpty() || pixels.isEmpty())
        return {};
    const QString cle = chemin + QLatin1Char('/') + nom_taille(pixels);
    auto it = cache.constFind(cle);
    if (it != cache.constEnd())
        return *it;
    QImage resultat = lire_rendu(chemin, pixels);
    if (resultat.isNull())
        resultat = lire_rendu(chemin, pixels, true);
    if (resultat.isNull())
        resultat = mettre_a_l_echelle(chemin, pixels);
    cache.insert(cle, resultat);
    return resultat;
}

QPixmap rendu(const QString& chemin, QSize taille, qreal dpr)
{
    static QHash<QString, QPixmap> cache;
    const QString cle = chemin + QLatin1Char('/') + nom_taille(pixels_de(taille, dpr)) + QLatin1Char('@')
        + QString::number(dpr);
    auto it = cache.constFind(cle);
    if (it != cache.constEnd())
        return *it;
    QPixmap pm = QPixmap::fromImage(image(chemin, taille, dpr));
    pm.setDevicePixelRatio(dpr);
    cache.insert(cle, pm);
    return pm;
}

namespace {
class MoteurIcone : public QIconEngine {
public:
    explicit MoteurIcone(QString chemin) : chemin_(std::move(chemin)) { }
    QIconEngine* clone() const override { return new MoteurIcone(chemin_); }
    QSize actualSize(const QSize& taille, QIcon::Mode, QIcon::State) override { return taille; }
    // The sizes a window manager is offered for the window's icon.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }
    QPixmap pixmap(const QSize& taille, QIcon::Mode mode, QIcon::State) override
    {
        // Converted from the cached image each time: a window manager asks for every size once,
        // and a button's icon is a few hundred pixels; a cache of pixmaps would only hold memory.
        QPixmap pm = QPixmap::fromImage(image(chemin_, taille, 1.0));
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
