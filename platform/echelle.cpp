#include "platform/echelle.h"

#include "platform/twips.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace echelle {
namespace {
constexpr double hauteur_fenetre = 538;
constexpr double largeur_fenetre = 436;
// Title bar and borders of a usual window manager, until one is measured.
constexpr int cadre_probable = 30;

QMargins marges(const QWidget* w)
{
    const QRect cadre = w->frameGeometry();
    const QRect client = w->geometry();
    return {client.left() - cadre.left(), client.top() - cadre.top(), cadre.right() - client.right(),
            cadre.bottom() - client.bottom()};
}

QMargins marges_connues(const QWidget* fenetre)
{
    if (fenetre->isVisible() && !marges(fenetre).isNull())
        return marges(fenetre);
    for (const QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip && !marges(w).isNull())
            return marges(w);
    return {};
}
} // namespace

double choisir(QSize disponible, int cadre)
{
    const auto hauteur = [cadre](double e) { return hauteur_fenetre * e + cadre; };
    const auto tient = [&](double e) {
        return hauteur(e) <= disponible.height() && largeur_fenetre * e <= disponible.width();
    };
    double meilleure = 0;
    for (double e = 1; tient(e); e += 0.25) {
        const double part = hauteur(e) / disponible.height();
        if (part < 0.55 || part > 0.75)
            continue;
        if (meilleure == 0 || std::abs(part - 0.65) < std::abs(hauteur(meilleure) / disponible.height() - 0.65))
            meilleure = e;
    }
    if (meilleure > 0)
        return meilleure;
    // A small screen: the largest scale that fits, 1 whenever it fits, however much it fills.
    for (double e = 1; e >= 0.25; e -= 0.25)
        if (tient(e)) {
            while (tient(e + 0.25) && hauteur(e + 0.25) <= 0.75 * disponible.height())
                e += 0.25;
            return e;
        }
    return 0.25;
}

void appliquer(const QScreen* ecran)
{
    if (ecran)
        twips::echelle = choisir(ecran->availableGeometry().size(), cadre_probable);
}

void centrer(QWidget* fenetre)
{
    const QScreen* ecran = fenetre->screen() ? fenetre->screen() : QGuiApplication::primaryScreen();
    const QRect zone = ecran ? ecran->geometry() : QRect(0, 0, 1024, 768);
    const QSize dehors = fenetre->size().grownBy(marges_connues(fenetre));
    // move() places a window's frame, not its client area.
    fenetre->move(zone.x() + (zone.width() - dehors.width()) / 2, zone.y() + (zone.height() - dehors.height()) / 2);
}
} // namespace echelle
