// The options column and the commands beside the board.
#include "windows/main/frmChromalis.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/program.h"
#include "platform/shell.h"
#include "windows/dialogs/frmScores.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QPushButton>

using namespace Chromalis;

namespace {
const QString adresse_site = QStringLiteral("https://www.ventaroc.example/");
const QString adresse_mail = QStringLiteral("chromalis@ventaroc.example");
const QString erreur_site = QStringLiteral("Erreur lors de l'ouverture du site internet de Ventaroc");
} // namespace

void frmChromalis::cboJeu_Click()
{
    lettre_jeu = cboJeu->currentText().left(1);
    Remplir_parties(lettre_jeu + lettre_mode);
}

void frmChromalis::optDebutant_Click()
{
    mode_jeu = QStringLiteral("debutant");
    lettre_mode = QStringLiteral("I");
    Remplir_parties(lettre_jeu + lettre_mode);
}

void frmChromalis::optExpert_Click()
{
    mode_jeu = QStringLiteral("expert");
    lettre_mode = QStringLiteral("N");
    Remplir_parties(lettre_jeu + lettre_mode);
}

void frmChromalis::optTop_Click()
{
    mode_jeu = QStringLiteral("top");
    lettre_mode = QStringLiteral("E");
    Remplir_parties(lettre_jeu + lettre_mode);
}

void frmChromalis::chkTemps_Click()
{
    if (chkTemps->isChecked()) {
        cboTemps->setEnabled(true);
        temps_coup = static_cast<std::int16_t>(cboTemps->currentText().toInt());
    } else {
        cboTemps->setEnabled(false);
    }
}

void frmChromalis::cboTemps_Click() { temps_coup = static_cast<std::int16_t>(cboTemps->currentText().toInt()); }

void frmChromalis::chkPartie_Click()
{
    if (chkPartie->isChecked()) {
        cboParties->setEnabled(true);
        partie_choisie = cboParties->currentText();
    } else {
        cboParties->setEnabled(false);
        partie_choisie = QString();
    }
}

void frmChromalis::cboParties_Click()
{
    partie_choisie = chkPartie->isChecked() ? cboParties->currentText() : QString();
}

void frmChromalis::cmdOptions_Click()
{
    if (Width() < 5000) {
        setWidth(6540);
        cmdOptions->setText(QStringLiteral("&Options <<<"));
    } else {
        setWidth(4965);
        cmdOptions->setText(QStringLiteral("&Options >>>"));
    }
}

void frmChromalis::cmdAide_Click()
{
    if (QFile::exists(dossier_appli))
        Ouvrir_aide(2);
    else
        Signaler_aide_absente();
}

void frmChromalis::cmdInternet_Click()
{
    // A refused open is reported like a failed one: the player would otherwise see nothing happen.
    if (!platform::ShellOpen(adresse_site, this))
        platform::MsgBox(erreur_site);
}

void frmChromalis::Label7_Click() { cmdInternet_Click(); }

void frmChromalis::cmdMail_Click()
{
    if (!platform::ShellOpen(QStringLiteral("mailto:") + adresse_mail + QStringLiteral("?subject=Chromalis"), this))
        platform::MsgBox(erreur_site);
}

void frmChromalis::cmdScores_Click()
{
    dans_scores = false;
    platform::ShowModal(instance<frmScores>());
}

void frmChromalis::cmdQuitter_Click() { Confirmer_sortie(); }
