// The four clocks: pause blink, caption banner, countdown per proposition, total time.
#include "windows/main/frmChromalis.h"

#include "game/chromalis.h"
#include "game/rules.h"
#include "platform/clock.h"
#include "windows/main/annonces.h"

#include <QLabel>

using namespace Chromalis;

const QString& frmChromalis::banniere()
{
    // 35 blanks, then 89 characters of credits: 124 in all.
    static const QString texte = QString(35, QLatin1Char(' '))
        + QStringLiteral("Chromalis - un jeu de Ventaroc - découvrez la combinaison secrète - bonne chance à tous !");
    return texte;
}

void frmChromalis::Timer1_Timer() { lblPause->setVisible(!lblPause->isVisible()); }

void frmChromalis::Timer2_Timer()
{
    const int L = banniere().size();
    if (compteur_banniere == L) {
        setWindowTitle(banniere());
        compteur_banniere = 0;
    } else {
        compteur_banniere += 1;
        setWindowTitle(banniere().right(L - compteur_banniere));
    }
}

void frmChromalis::Timer3_Timer()
{
    if (rules::arrondi32(pourcent) >= 100) {
        annonces::prefixer(QStringLiteral("Temps écoulé. "));
        Valider_proposition();
        return;
    }
    pourcent += pas_pourcent;
    setLargeurBarre(LargeurBarre() + rules::arrondi32(pas_barre));
    lblPourcent->setText(QString::number(rules::arrondi32(pourcent)));
    const int R = rules::arrondi32(2.5 * pourcent);
    setCouleurBarre(R | ((255 - R) << 8));
    annonces::compte_a_rebours();
}

void frmChromalis::Timer4_Timer()
{
    const qint64 e = rules::secondes_ecoulees(rules::lire_date_heure(debut_partie), platform::Now());
    temps_total = QString::number(e);
    lblTemps_total->setText(rules::texte_temps(e));
}
