// The end of a game: the dialog's state, and the scoring and ranking of a won game.
#include "game/chromalis.h"
#include "game/rules.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "storage/records.h"
#include "storage/settings.h"
#include "windows/controls/artwork.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/main/annonces.h"
#include "windows/main/frmChromalis.h"

#include <QDate>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace Chromalis {

namespace {
// The elapsed seconds as a number; anything else is the type error a score cannot survive.
double secondes_jouees()
{
    bool ok = false;
    const double s = temps_total.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(s))
        throw storage::ErreurStockage(13, QStringLiteral("Type incompatible"));
    return s;
}
} // namespace

void Signaler_erreur(const storage::ErreurStockage& e)
{
    platform::MsgBox(QStringLiteral("Erreur numéro: ") + QString::number(e.numero()) + QStringLiteral("\n")
                         + QStringLiteral("Description: ") + e.description(),
                     platform::vbCritical, QStringLiteral("Erreur"));
}

void Fin_partie(const QString& resultat)
{
    frmChromalis* f = instance<frmChromalis>();
    frmFIN* fin = instance<frmFIN>();
    f->Timer4.setEnabled(false);
    f->Timer3.setEnabled(false);

    if (resultat == QLatin1String("perdue")) {
        fin->setWindowTitle(QStringLiteral("PERDU"));
        fin->setWindowIcon(artwork::icone(fin->Image2->Picture()));
        fin->lblTexte->setText(
            QStringLiteral("Désolé, vous n'avez pas trouver la bonne combinaison des couleurs qui était:"));
        fin->fraTemps->hide();
        fin->setLargeurTemps(2415);
        fin->cmdScores->setEnabled(false);
        fin->cmdOUI->setEnabled(true);
        fin->cmdNON->setEnabled(true);
        fin->cmdOUI->setFocus();
        annonces::perdue();
        platform::ShowModal(fin);
        return;
    }
    if (resultat != QLatin1String("gagnee"))
        return;

    fin->setWindowTitle(QStringLiteral("BRAVO"));
    fin->setWindowIcon(artwork::icone(fin->Image1->Picture()));
    fin->lblTexte->setText(QStringLiteral("Vous avez trouver la bonne combinaison des couleurs."));
    fin->fraTemps->show();
    fin->lblTemps->setText(f->lblTemps_total->text());
    fin->lblCoups->setText(QString::number(num_ligne));
    Enregistrer_score(lettre_jeu + lettre_mode);
    fin->lblpoints->setText(QString::number(points));
    if (dans_scores) {
        fin->lblTexte->setText(fin->lblTexte->text() + QStringLiteral(" De plus, vous figurez dans les high-scores."));
        fin->setLargeurTemps(5415);
        fin->cmdOUI->setEnabled(false);
        fin->cmdNON->setEnabled(false);
        fin->cmdScores->setEnabled(true);
        fin->cmdScores->setFocus();
    } else {
        fin->lblTexte->setText(fin->lblTexte->text()
                               + QStringLiteral(" Par contre, vous ne figurez pas dans les high-scores."));
        fin->cmdOUI->setEnabled(true);
        fin->cmdNON->setEnabled(true);
        fin->cmdScores->setEnabled(false);
        fin->cmdOUI->setFocus();
    }
    annonces::gagnee();
    platform::ShowModal(fin);
}

void Enregistrer_score(const QString& cle)
{
    dans_scores = false;
    try {
        points = rules::calculer_points(nb_lignes, num_ligne, facteur_points, secondes_jouees());
        if (points < 1) {
            points = 0;
            return;
        }
        ligne_score = storage::construire_record(points, storage::nom_attente, num_ligne,
                                                 instance<frmFIN>()->lblTemps->text(),
                                                 storage::texte_date(platform::Now().date()));
        i = static_cast<std::int16_t>(storage::inserer_record(QStringLiteral("Chromalis"), cle, ligne_score, points));
        dans_scores = i <= storage::places_par_table;
    } catch (const storage::ErreurStockage& e) {
        Signaler_erreur(e);
        dans_scores = false;
    }
}

} // namespace Chromalis
