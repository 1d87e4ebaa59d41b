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
#include <cerrno>
#include <cmath>

namespace Chromalis {

namespace {
// The elapsed seconds as a number; anything else is the type error a score cannot survive.
double secondes_jouees()
{
    bool ok = false;
    const double s = temps_total.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(s))
        throw storage::ErreurStockage(13, QStringLiteral("Type incompatible"), 0);
    return s;
}

// What the system said of a refused write, and what the player can do about it.
QString cause_et_remede(int systeme)
{
    switch (systeme) {
    case 0: return QString();
    case ENOSPC:
    case EDQUOT: return QStringLiteral("Le disque est plein. Libérez de la place sur le disque.");
    case EROFS: return QStringLiteral("Le dossier est en lecture seule. Rendez-le accessible en écriture.");
    case EACCES:
    case EPERM: return QStringLiteral("Le dossier des scores vous est interdit en écriture. Vérifiez ses droits.");
    case EISDIR: return QStringLiteral("Un dossier porte le nom du fichier des scores. Déplacez ce dossier.");
    case EIO: return QStringLiteral("Le disque signale une erreur d'écriture. Vérifiez le disque.");
    default: return QStringLiteral("Le système a refusé l'écriture (code %1). Vérifiez le disque.").arg(systeme);
    }
}

// The place a result would take in its table as it is stored now; 11 when ten better results stay.
int place_prevue(const QString& cle, double pts)
{
    for (int place = 1; place <= storage::places_par_table; ++place) {
        const QString lu = storage::GetSetting(QStringLiteral("Chromalis"), cle, QString::number(place));
        if (lu.isEmpty() || storage::points_record(lu) <= pts)
            return place;
    }
    return storage::places_par_table + 1;
}

// Whether the game just ended ranks but waits for the store.
bool resultat_en_attente() { return !scores_en_attente.isEmpty() && scores_en_attente.last().record == ligne_score; }
} // namespace

void Signaler_erreur(const storage::ErreurStockage& e)
{
    QString texte = QStringLiteral("Erreur numéro: ") + QString::number(e.numero()) + QStringLiteral("\n")
        + QStringLiteral("Description: ") + e.description();
    if (const QString cause = cause_et_remede(e.systeme()); !cause.isEmpty())
        texte += QStringLiteral("\n") + cause;
    if (!scores_en_attente.isEmpty())
        texte += QStringLiteral("\nVotre score est gardé tant que le jeu reste ouvert : il sera inscrit à la prochaine "
                                "écriture réussie, ou en ouvrant le tableau des scores.");
    platform::MsgBox(texte, platform::vbCritical, QStringLiteral("Erreur"));
}

int Inscrire_scores_en_attente()
{
    int place = 0;
    while (!scores_en_attente.isEmpty()) {
        const Score_en_attente s = scores_en_attente.first();
        const int k = storage::inserer_record(QStringLiteral("Chromalis"), s.cle, s.record, s.points);
        scores_en_attente.removeFirst();
        if (s.record == ligne_score)
            place = k;
    }
    return place;
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
    if (dans_scores || resultat_en_attente()) {
        // A result the store refused still ranks: the scores window tries the write again.
        fin->lblTexte->setText(
            fin->lblTexte->text()
            + (dans_scores ? QStringLiteral(" De plus, vous figurez dans les high-scores.")
                           : QStringLiteral(" De plus, votre score entre dans les high-scores ; il y "
                                            "sera inscrit dès que le fichier des scores pourra être écrit.")));
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
    bool ajoute = false;
    try {
        points = rules::calculer_points(nb_lignes, num_ligne, facteur_points, secondes_jouees());
        if (points < 1) {
            points = 0;
            return;
        }
        ligne_score = storage::construire_record(points, storage::nom_attente, num_ligne,
                                                 instance<frmFIN>()->lblTemps->text(),
                                                 storage::texte_date(platform::Now().date()));
        // Behind the results kept back, so that each ranks against those won before it.
        scores_en_attente.append({cle, ligne_score, points});
        ajoute = true;
        i = static_cast<std::int16_t>(Inscrire_scores_en_attente());
        dans_scores = i <= storage::places_par_table;
    } catch (const storage::ErreurStockage& e) {
        // Kept only when it would enter its table now; a result that does not rank loses nothing.
        if (ajoute && resultat_en_attente() && place_prevue(cle, points) > storage::places_par_table)
            scores_en_attente.removeLast();
        Signaler_erreur(e);
        dans_scores = false;
    }
}

} // namespace Chromalis
