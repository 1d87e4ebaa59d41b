// The scores window's handlers: reading a table, the name of a new entry, the choice of another
// table and the resets.
#include "windows/dialogs/frmScores.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/echelle.h"
#include "platform/twips.h"
#include "storage/records.h"
#include "storage/settings.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/main/annonces.h"
#include "windows/main/frmChromalis.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace {
const QString application = QStringLiteral("Chromalis");

constexpr int hauteur_visualisation = 6990;
constexpr int cadre_visualisation = 5865;
constexpr int hauteur_saisie = 5430;
constexpr int cadre_saisie = 4305;
constexpr int haut_valider = 240;
constexpr int pas_ligne = 360;
} // namespace

void frmScores::Form_Load()
{
    using namespace Chromalis;
    echelle::centrer(this);
    lblJeu->setText(instance<frmChromalis>()->cboJeu->currentText().toUpper());
    if (lettre_jeu == QLatin1String("N"))
        optNormal->setChecked(true);
    else if (lettre_jeu == QLatin1String("S"))
        optSuper->setChecked(true);
    if (lettre_mode == QLatin1String("N")) {
        lblMode->setText(QStringLiteral("NORMAL"));
        cboMode->setCurrentIndex(1);
    } else if (lettre_mode == QLatin1String("I")) {
        lblMode->setText(QStringLiteral("INITIATION"));
        cboMode->setCurrentIndex(0);
    } else if (lettre_mode == QLatin1String("E")) {
        lblMode->setText(QStringLiteral("EXPERT"));
        cboMode->setCurrentIndex(2);
    }

    // Results the store refused before: written now if it takes them. The game just ended, its
    // dialog waiting, then takes its name here.
    try {
        if (const int place = scores_en_attente.isEmpty() ? 0 : Inscrire_scores_en_attente();
            place >= 1 && place <= storage::places_par_table && estCharge<frmFIN>()) {
            i = static_cast<std::int16_t>(place);
            dans_scores = true;
        }
    } catch (const storage::ErreurStockage& e) {
        Signaler_erreur(e);
    }
    if (!dans_scores) {
        cmdVoir_Click();
        return;
    }

    VoirScores(lettre_jeu + lettre_mode);
    setHauteurCadre(cadre_saisie);
    setHeight(hauteur_saisie);
    cmdValider->setVisible(true);
    cmdValider->setText(QString::number(i));
    cmdValider->move(cmdValider->x(), twips::px(haut_valider + i * pas_ligne));
    cmdValider->setDefault(true);
    // The first box, in creation order, tagged with the new entry's place.
    const QString tag = QStringLiteral("NOM") + QString::number(i);
    for (QLineEdit* boite : findChildren<QLineEdit*>()) {
        if (boite->property("Tag").toString() == tag) {
            marquerNom(boite);
            annonces::nom_attendu(i);
            break;
        }
    }
}

void frmScores::VoirScores(const QString& section)
{
    for (std::int16_t place = 1; place <= storage::places_par_table; ++place)
        Extraire_donnees(place, storage::GetSetting(application, section, QString::number(place)));
}

void frmScores::Extraire_donnees(std::int16_t place, const QString& donnee)
{
    const std::array<QString, 5> champs = storage::decouper_record(donnee);
    Afficher_scores(place, champs[0], champs[1], champs[2], champs[3], champs[4]);
}

void frmScores::Afficher_scores(std::int16_t p, const QString& S, const QString& n, const QString& c, const QString& t,
                                const QString& j)
{
    std::array<QLineEdit*, 5>* boites = ligne(p);
    if (!boites)
        return;
    const std::array<const QString*, 5> textes{&S, &n, &c, &t, &j};
    for (int k = 0; k < 5; ++k) {
        (*boites)[k]->setText(*textes[k]);
        // A long text shows from its beginning.
        (*boites)[k]->setCursorPosition(0);
    }
}

void frmScores::marquerNom(QLineEdit* boite)
{
    QPalette p = boite->palette();
    p.setColor(QPalette::Base, QColor(0, 0, 0));
    p.setColor(QPalette::Text, QColor(255, 0, 0));
    boite->setPalette(p);
    boite->setReadOnly(false);
    boite->setFocusPolicy(Qt::StrongFocus);
    donnerNom(boite);
}

void frmScores::donnerNom(QLineEdit* boite)
{
    // The name typed at once replaces the placeholder.
    boite->selectAll();
    boite->setFocus();
}

void frmScores::restaurerNom(QLineEdit* boite)
{
    const QPalette systeme = QApplication::palette(boite);
    QPalette p = boite->palette();
    p.setColor(QPalette::Base, systeme.color(QPalette::Base));
    p.setColor(QPalette::Text, systeme.color(QPalette::Text));
    boite->setPalette(p);
    boite->setReadOnly(true);
    boite->setFocusPolicy(Qt::ClickFocus);
}

QLineEdit* frmScores::boiteMarquee()
{
    for (QLineEdit* boite : findChildren<QLineEdit*>())
        if (boite->palette().color(QPalette::Base) == QColor(0, 0, 0))
            return boite;
    return nullptr;
}

void frmScores::cmdValider_Click()
{
    using namespace Chromalis;
    QLineEdit* boite = boiteMarquee();
    if (!boite)
        return;
    const QString nom = boite->text();
    if (nom.isEmpty() || nom == storage::nom_attente) {
        platform::MsgBox(QStringLiteral("Entrez votre nom en ligne ") + QString::number(i) + QStringLiteral(" SVP."),
                         platform::vbInformation, QStringLiteral("Donnée manquante"));
        donnerNom(boite);
        return;
    }
    const QString sep(storage::separateur_champs);
    const QString record = QString::number(points) + sep + nom + sep + QString::number(num_ligne) + sep
        + instance<frmFIN>()->lblTemps->text() + sep + ligne_score.right(11);
    // Written before the window leaves name entry, so that a failed write lets the player try again.
    try {
        storage::SaveSetting(application, lettre_jeu + lettre_mode, QString::number(i), record);
    } catch (const storage::ErreurStockage& e) {
        Chromalis::Signaler_erreur(e);
        return;
    }
    restaurerNom(boite);
    cmdValider->hide();
    setHeight(hauteur_visualisation);
    setHauteurCadre(cadre_visualisation);
    cmdRAZ[0]->setEnabled(true);
    dans_scores = false;
    cmdVoir->setDefault(true);
    cmdVoir->setFocus();
    annonces::nom_enregistre(nom, i);
}

void frmScores::optNormal_Click() { jeu_choisi = QStringLiteral("NORMAL"); }

void frmScores::optSuper_Click() { jeu_choisi = QStringLiteral("SUPER"); }

void frmScores::cboMode_Click() { mode_choisi = cboMode->currentText(); }

void frmScores::cmdVoir_Click()
{
    if (jeu_choisi.isEmpty()) {
        platform::MsgBox(QStringLiteral("Vous devez sélectionner le type de jeu avant de pouvoir voir les scores."),
                         platform::vbInformation, QStringLiteral("Donnée manquante"));
        return;
    }
    if (mode_choisi.isEmpty()) {
        platform::MsgBox(QStringLiteral("Vous devez sélectionner un mode avant de pouvoir voir les scores."),
                         platform::vbInformation, QStringLiteral("Donnée manquante"));
        return;
    }
    lblJeu->setText(jeu_choisi);
    lblMode->setText(mode_choisi);
    cmdRAZ[0]->setEnabled(true);
    VoirScores(jeu_choisi.left(1) + mode_choisi.left(1));
    cmdRAZ[0]->setEnabled(!txtPremier[0]->text().isEmpty());
}

void frmScores::cmdRAZ_Click(int Index)
{
    const QString confirmer = QStringLiteral("\nAppuyez sur OUI pour confirmer ce choix.");
    const QString texte = Index == 1
        ? QStringLiteral("Cette opération va éffacer les scores de tous les jeux dans tous les modes.") + confirmer
        : QStringLiteral("Cette opération va éffacer uniquement les scores du jeu/mode sélectionné.") + confirmer;
    if (platform::MsgBox(texte, platform::vbYesNo + platform::vbQuestion + platform::vbDefaultButton2,
                         QStringLiteral("ATTENTION..."))
        != platform::vbYes)
        return;
    try {
        for (int place = 1; place <= storage::places_par_table; ++place) {
            const QString cle = QString::number(place);
            if (Index == 1) {
                for (const QString& table : storage::cles_tables)
                    storage::SaveSetting(application, table, cle, QString());
            } else {
                storage::SaveSetting(application, jeu_choisi.left(1) + mode_choisi.left(1), cle, QString());
            }
        }
    } catch (const storage::ErreurStockage& e) {
        // An exception may not leave a slot; the player is told, as for the name.
        Chromalis::Signaler_erreur(e);
        return;
    }
    // Emptied on screen once emptied on disk: a failed write leaves the table shown as it is stored.
    for (int r = 1; r <= 10; ++r)
        for (QLineEdit* b : *ligne(r))
            b->clear();
    cmdRAZ[0]->setEnabled(false);
}

void frmScores::cmdFermer_Click() { Chromalis::Unload<frmScores>(); }

void frmScores::Form_KeyDown(int KeyCode)
{
    if (KeyCode == Qt::Key_F1)
        Chromalis::Aide_depuis(this);
}

bool frmScores::eventFilter(QObject* objet, QEvent* e)
{
    // Only F1 is the window's; every other key goes on to the control that has the focus.
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1) {
        Form_KeyDown(Qt::Key_F1);
        return true;
    }
    // An Alt key that no visible command took (its button is cut off during the name entry) is
    // not a letter of the name. AltGr comes without the Alt flag and still types.
    if (e->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(objet)
        && (static_cast<QKeyEvent*>(e)->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier)
        return true;
    return QDialog::eventFilter(objet, e);
}

void frmScores::showEvent(QShowEvent* e)
{
    // The focused button wears its focus ring from the start, as Enter would press it.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QDialog::showEvent(e);
}

void frmScores::reject()
{
    // Esc is Fermer, visible or not.
    cmdFermer_Click();
}

void frmScores::closeEvent(QCloseEvent* e)
{
    e->ignore();
    cmdFermer_Click();
}
