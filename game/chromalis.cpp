// The module's procedures: starting and stopping a game, the draw, judging a row.
#include "game/chromalis.h"

#include "game/rules.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/program.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "platform/twips.h"
#include "windows/dialogs/frmAide.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/dialogs/frmParties.h"
#include "windows/main/annonces.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmSplash.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>

namespace Chromalis {

namespace {
frmChromalis* principal() { return instance<frmChromalis>(); }

void armer_palette(bool arme)
{
    frmChromalis* f = principal();
    for (PegImage* pion : f->palette()) {
        pion->setDragMode(arme ? PegImage::vbAutomatic : PegImage::vbManual);
        if (arme)
            pion->setMouseIcon(f->Image2->Picture());
        pion->setMousePointer(arme ? PegImage::vbCustom : PegImage::vbDefault);
    }
}

// Every help request ends here. A desktop that cannot open the page (no xdg-open, or no program
// for HTML) leaves it to the game's own help window; only a page that cannot be read is an error.
void ouvrir_fichier_aide(QWidget* proprietaire)
{
    const QString chemin = dossier_appli;
    platform::ShellOpenDocument(chemin, proprietaire, [chemin] {
        if (!frmAide::Afficher(chemin))
            platform::MsgBox(QStringLiteral("Erreur lors de l'ouverture du fichier d'aide."));
    });
}

// The top edge of a row's holes, in twips, where the row pointer is placed 120 twips lower.
int haut_rangee(int K) { return 540 + 420 * (K - 1); }
} // namespace

void reinitialiser()
{
    jeu_en_cours = false;
    num_ligne = 0;
    type_jeu.clear();
    lettre_jeu.clear();
    mode_jeu.clear();
    lettre_mode.clear();
    nb_pions = 0;
    nb_couleurs = 0;
    nb_lignes = 0;
    combinaison.clear();
    partie_choisie.clear();
    parties.fill(QString());
    for (auto* t : {&noms_NI, &noms_NN, &noms_NE, &noms_SI, &noms_SN, &noms_SE})
        t->fill(QString());
    temps_coup = 0;
    pourcent = pas_pourcent = pas_barre = 0;
    debut_partie.clear();
    temps_total.clear();
    facteur_points = 0;
    points = 0;
    dans_scores = false;
    ligne_score.clear();
    scores_en_attente.clear();
    ligne_lue.clear();
    msg.clear();
    titre.clear();
    dossier_appli.clear();
    i = 0;
    frmParties::activer(true);
}

QString chemin_aide(const QString& dossier)
{
    QString chemin = dossier;
    if (!chemin.endsWith(QLatin1Char('/')))
        chemin += QLatin1Char('/');
    return chemin + QStringLiteral("aide.htm");
}

void Demarrer_jeu()
{
    frmChromalis* f = principal();
    num_ligne = 1;
    jeu_en_cours = true;

    f->cmdScores->setEnabled(false);
    f->cmdNouveau->setText(QStringLiteral("&Arrêter le jeu"));
    f->cmdValider->setEnabled(true);

    f->imgCurseur->move(f->imgCurseur->x(), twips::px(haut_rangee(1) + 120));
    f->imgCurseur->show();

    f->setLargeurBarre(1);
    f->lblPourcent->setText(QStringLiteral("0"));
    f->Timer1.setEnabled(false);
    f->lblPause->hide();
    f->Timer3.setInterval(1000);
    f->Timer3.setEnabled(false);
    f->lblinfo_temps->setText(QStringLiteral("Chrono: NON"));

    if (f->chkTemps->isChecked()) {
        temps_coup = static_cast<std::int16_t>(f->cboTemps->currentText().toInt());
        f->lblinfo_temps->setText(QStringLiteral("Chrono: ") + QString::number(temps_coup) + QStringLiteral(" sec."));
        pourcent = 0;
        pas_barre = 2595.0 / temps_coup;
        pas_pourcent = 100.0 / temps_coup;
        f->Timer3.setInterval(1000);
        f->Timer3.setEnabled(true);
    }

    for (QWidget* w : std::initializer_list<QWidget*>{f->chkTemps, f->cboTemps, f->optDebutant, f->optExpert, f->optTop,
                                                      f->cboJeu, f->cboParties, f->chkPartie})
        w->setEnabled(false);

    type_jeu = f->cboJeu->currentText();
    if (type_jeu == QLatin1String("Super")) {
        nb_couleurs = 8;
        nb_pions = 5;
        nb_lignes = 12;
        f->Line[11]->show();
        f->Line[12]->show();
        f->lblTitre->setText(QStringLiteral("SUPER CHROMALIS"));
        f->Frame2->resize(f->Frame2->width(), twips::px(4755));
    } else if (type_jeu == QLatin1String("Normal")) {
        nb_couleurs = 6;
        nb_pions = 4;
        nb_lignes = 10;
        f->lblTitre->setText(QStringLiteral("CHROMALIS"));
        f->Frame2->resize(f->Frame2->width(), twips::px(3615));
        f->Line[11]->hide();
        f->Line[12]->hide();
    }

    if (f->optDebutant->isChecked()) {
        mode_jeu = QStringLiteral("debutant");
        f->lblInfo_Mode->setText(QStringLiteral("Mode: INITIATION"));
    }
    if (f->optExpert->isChecked()) {
        mode_jeu = QStringLiteral("expert");
        f->lblInfo_Mode->setText(QStringLiteral("Mode: NORMAL"));
    }
    if (f->optTop->isChecked()) {
        mode_jeu = QStringLiteral("top");
        f->lblInfo_Mode->setText(QStringLiteral("Mode: EXPERT"));
    }

    if (f->Label5->isVisibleTo(f->Frame1)) {
        for (int n = 1; n <= 5; ++n) {
            f->Label3[n]->hide();
            f->Label8[n]->hide();
        }
        for (int n = 1; n <= nb_pions; ++n) {
            f->Label3[n]->setText(QString());
            f->Label3[n]->show();
            f->Label8[n]->setText(QString());
            f->Label8[n]->show();
        }
        f->txtCombi->setMaxLength(nb_pions);
    }

    frmParties::activer(false);

    const int rangees = type_jeu == QLatin1String("Super") ? 12 : 10;
    // Only what changes is hidden or shown: every change is an event for a screen reader, which
    // drops what follows a flood of them (the new game's announcement among it).
    for (int K = 1; K <= 12; ++K)
        for (int n = 1; n <= 5; ++n) {
            const bool utilise = n <= nb_pions && K <= rangees;
            PegImage* trou = f->img[K][n];
            CircleShape* fente = f->shaGris[K][n];
            if (utilise) {
                trou->setPicture(f->Image1->Picture());
                trou->setTag(QStringLiteral("Z"));
                trou->setMousePointer(PegImage::vbDefault);
                fente->setFillColor(0x808080);
                fente->setTailleTwips(135, 135);
            }
            trou->setVisible(utilise);
            fente->setVisible(utilise);
        }
    for (int K = 1; K <= 12; ++K)
        f->noter_rangee(K, false);

    armer_palette(true);

    debut_partie = rules::texte_date_heure(platform::Now());
    // A win before the first tick of the total-time clock is scored with this game's time.
    temps_total = QStringLiteral("0");
    f->lblTemps_total->setText(rules::texte_temps(0));
    f->Timer4.setEnabled(true);

    facteur_points = rules::facteur(lettre_jeu + lettre_mode);

    tirageausort();

    f->placer_curseur(1);
    f->cmdValider->setFocus();
    annonces::nouvelle_partie();
}

void tirageausort()
{
    frmChromalis* f = principal();
    combinaison.clear();
    combinaison = rules::tirer_combinaison(nb_pions, nb_couleurs, mode_jeu, [] {
        platform::Randomize(platform::Timer());
        return platform::Rnd();
    });
    f->Label5->setText(combinaison);
    f->txtCombi->setText(combinaison);
    f->lblPartie->setText(QStringLiteral("Partie: NON"));
    if (partie_choisie.isEmpty())
        return;
    const int n = f->cboParties->currentIndex() + 1;
    const int b = rules::bloc(partie_choisie.left(2));
    const int entree = 100 * b + n;
    // An index outside the table ends the draw here, as a failed step does.
    if (b < 0 || n < 1 || entree < 1 || entree > 600)
        return;
    if (!parties[entree].isEmpty())
        combinaison = parties[entree];
    f->Label5->setText(combinaison);
    f->txtCombi->setText(combinaison);
    f->lblPartie->setText(QStringLiteral("Partie: ") + f->cboParties->currentText());
}

void Arreter_jeu()
{
    frmChromalis* f = principal();
    num_ligne = 0;
    armer_palette(false);
    f->cmdScores->setEnabled(true);
    f->cmdNouveau->setText(QStringLiteral("&Nouveau jeu"));
    f->cmdValider->setEnabled(false);
    f->imgCurseur->hide();
    f->placer_curseur(0);
    f->Timer1.setEnabled(false);
    f->lblPause->hide();
    f->Timer3.setEnabled(false);
    f->chkTemps->setEnabled(true);
    f->chkPartie->setEnabled(true);
    if (f->chkPartie->isChecked())
        f->cboParties->setEnabled(true);
    if (f->chkTemps->isChecked())
        f->cboTemps->setEnabled(true);
    f->optDebutant->setEnabled(true);
    f->optExpert->setEnabled(true);
    f->optTop->setEnabled(true);
    f->cboJeu->setEnabled(true);
    f->Timer4.setEnabled(false);
    frmParties::activer(true);
    f->cmdNouveau->setFocus();
}

void Valider_proposition()
{
    frmChromalis* f = principal();
    const int r = num_ligne;
    const int n = nb_pions;
    if (r < 1 || r > 12 || n < 1 || n > 5)
        return;
    QString proposition;
    for (int k = 1; k <= n; ++k) {
        const QString tag = f->img[r][k]->Tag();
        proposition += tag.isEmpty() ? QStringLiteral(" ") : tag;
    }
    const QString secret = f->txtCombi->text();

    if (proposition == secret) {
        for (std::int16_t k = 1; k <= n; ++k)
            Pion_noir(k);
        f->noter_rangee(r, true);
        instance<frmFIN>();
        Fin_partie(QStringLiteral("gagnee"));
        return;
    }
    if (r == nb_lignes) {
        instance<frmFIN>();
        Fin_partie(QStringLiteral("perdue"));
        return;
    }

    const rules::Jugement j = rules::juger(proposition, secret, n);
    for (int k = 1; k <= n; ++k) {
        f->Label3[k]->setText(j.label3[k]);
        f->Label8[k]->setText(j.label8[k]);
    }
    for (int m = 0; m < j.nb_marques; ++m) {
        std::int16_t position = j.marques[m].position;
        if (j.marques[m].noir)
            Pion_noir(position);
        else
            Pion_blanc(position);
    }
    f->noter_rangee(r, true);
    if (r < 12)
        annonces::rangee_jugee(r);

    pas_barre = 2595.0 / temps_coup;
    pas_pourcent = 100.0 / temps_coup;
    pourcent = 0;
    if (r >= 12)
        return;
    f->setLargeurBarre(1);
    f->setCouleurBarre(0x00FF00);
    f->lblPourcent->setText(QStringLiteral("0"));
    f->imgCurseur->move(f->imgCurseur->x(), twips::px(haut_rangee(r + 1) + 120));
    num_ligne += 1;
    f->placer_curseur(1);
}

namespace {
void marquer(std::int16_t position, int couleur)
{
    const int r = num_ligne;
    if (r < 1 || r > 12)
        return;
    frmChromalis* f = principal();
    CircleShape* fente = nullptr;
    if (mode_jeu == QLatin1String("debutant")) {
        if (position >= 1 && position <= 5)
            fente = f->shaGris[r][position];
    } else {
        for (int k = 1; k <= nb_pions && k <= 5 && !fente; ++k)
            if (f->shaGris[r][k]->FillColor() == 0x808080)
                fente = f->shaGris[r][k];
    }
    if (!fente)
        return;
    fente->setFillColor(couleur);
    fente->setTailleTwips(160, 160);
}
} // namespace

void Pion_noir(std::int16_t position) { marquer(position, 0x000000); }
void Pion_blanc(std::int16_t position) { marquer(position, 0xFFFFFF); }

void Remplir_parties(const QString& cle)
{
    frmChromalis* f = principal();
    const std::array<QString, 101>* table = nullptr;
    if (cle == QLatin1String("NI"))
        table = &noms_NI;
    else if (cle == QLatin1String("NN"))
        table = &noms_NN;
    else if (cle == QLatin1String("NE"))
        table = &noms_NE;
    else if (cle == QLatin1String("SI"))
        table = &noms_SI;
    else if (cle == QLatin1String("SN"))
        table = &noms_SN;
    else if (cle == QLatin1String("SE"))
        table = &noms_SE;
    {
        const QSignalBlocker bloque(f->cboParties);
        f->cboParties->clear();
        if (table)
            for (int n = 1; n <= 100; ++n)
                f->cboParties->addItem((*table)[n]);
        f->cboParties->setCurrentIndex(0);
    }
    f->cboParties_Click();
}

void Ouvrir_aide(std::int16_t origine)
{
    QWidget* proprietaire = nullptr;
    if (origine == 1)
        proprietaire = emplacement<frmSplash>().data();
    else if (origine == 2)
        proprietaire = principal();
    else
        return;
    ouvrir_fichier_aide(proprietaire);
}

void Signaler_aide_absente()
{
    platform::MsgBox(QStringLiteral("Le fichier d'aide [aide.htm] n'a pas été trouvé. Assurez-vous que celui-ci "
                                    "doit se trouver dans: ")
                         + platform::App_Path() + QStringLiteral("\r\n"),
                     platform::vbExclamation, QStringLiteral("Erreur"));
}

void Aide_depuis(QWidget* proprietaire)
{
    if (QFile::exists(dossier_appli))
        ouvrir_fichier_aide(proprietaire);
    else
        Signaler_aide_absente();
}

void Confirmer_sortie()
{
    if (platform::MsgBox(QStringLiteral("Êtes-vous sûr(e) de vouloir vraiment quitter le jeu ?"),
                         platform::vbYesNo + platform::vbQuestion, QStringLiteral("Chromalis"))
        == platform::vbYes)
        platform::TerminerProgramme();
}

} // namespace Chromalis
