#include "windows/dialogs/frmFIN.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/echelle.h"
#include "platform/twips.h"
#include "windows/controls/PegImage.h"
#include "windows/controls/artwork.h"
#include "windows/dialogs/frmScores.h"
#include "windows/main/frmChromalis.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

using twips::px;

namespace {
constexpr int largeur_normale = 2415;
constexpr int largeur_scores = 5415;
constexpr int haut_temps = 1590;
constexpr int hauteur_temps = 1110;
} // namespace

frmFIN::frmFIN() :
    QDialog(nullptr,
            Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                | Qt::CustomizeWindowHint)
{
    setFixedSize(px(5655), px(2790));

    lblTexte = new QLabel(this);
    lblTexte->setGeometry(twips::rect(120, 90, 5415, 615));
    lblTexte->setWordWrap(true);
    lblTexte->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    Frame1 = new QFrame(this);
    Frame1->setGeometry(twips::rect(120, 750, 5415, 615));
    Frame1->setFrameShape(QFrame::StyledPanel);
    Label2 = new QLabel(QStringLiteral("combinaison des couleurs >>>"), Frame1);
    Label2->setGeometry(twips::rect(120, 180, 2535, 255));
    for (int k = 1; k <= 5; ++k) {
        imgSolution[k] = new PegImage(Frame1);
        imgSolution[k]->setGeometry(twips::rect(2880 + 480 * (k - 1), 105, 405, 405));
    }

    Frame2 = new QFrame(this);
    Frame2->setGeometry(twips::rect(120, 1440, 5415, 30));
    Frame2->setFrameShape(QFrame::HLine);
    Frame2->setFrameShadow(QFrame::Sunken);

    Label1 = new QLabel(QStringLiteral("Voulez-vous faire une nouvelle partie ?"), this);
    Label1->setAlignment(Qt::AlignCenter);
    cmdOUI = new QPushButton(QStringLiteral("&Oui"), this);
    cmdOUI->setToolTip(QStringLiteral("Refaire une autre partie"));
    cmdNON = new QPushButton(QStringLiteral("&Non"), this);
    cmdNON->setToolTip(QStringLiteral("Fermer"));

    // Created last so that, widened, it covers the question and its buttons.
    fraTemps = new QFrame(this);
    fraTemps->setFrameShape(QFrame::StyledPanel);
    fraTemps->setAutoFillBackground(true);
    const QStringList titres{QStringLiteral("Temps:"), QStringLiteral("Coups:"), QStringLiteral("Points:")};
    for (int k = 0; k < 3; ++k) {
        Label3[k] = new QLabel(titres[k], fraTemps);
        Label3[k]->setGeometry(twips::rect(120, 120 + 315 * k, 840, 255));
    }
    lblTemps = new QLabel(QStringLiteral("00h00mn00s"), fraTemps);
    lblTemps->setToolTip(QStringLiteral("Temps de la partie"));
    lblCoups = new QLabel(QStringLiteral("0"), fraTemps);
    lblCoups->setToolTip(QStringLiteral("Nombre de coups"));
    lblpoints = new QLabel(QStringLiteral("0"), fraTemps);
    lblpoints->setToolTip(QStringLiteral("Points de la partie"));
    const std::array<QLabel*, 3> valeurs{lblTemps, lblCoups, lblpoints};
    for (int k = 0; k < 3; ++k) {
        valeurs[k]->setGeometry(twips::rect(1020, 120 + 315 * k, 1275, 255));
        QFont gras = valeurs[k]->font();
        gras.setBold(true);
        valeurs[k]->setFont(gras);
    }
    cmdScores = new QPushButton(QStringLiteral("Tableau des &Scores"), fraTemps);
    cmdScores->setGeometry(twips::rect(2880, 300, 2295, 495));
    cmdScores->setToolTip(QStringLiteral("Voir le tableau des scores"));
    setLargeurTemps(largeur_normale);

    Image1 = new PegImage(this);
    Image1->setPicture(artwork::chemin(QStringLiteral("won")));
    Image1->hide();
    Image2 = new PegImage(this);
    Image2->setPicture(artwork::chemin(QStringLiteral("lost")));
    Image2->hide();

    connect(cmdOUI, &QPushButton::clicked, this, &frmFIN::cmdOUI_Click);
    connect(cmdNON, &QPushButton::clicked, this, &frmFIN::cmdNON_Click);
    connect(cmdScores, &QPushButton::clicked, this, &frmFIN::cmdScores_Click);
}

void frmFIN::setVisible(bool visible)
{
    // The question stands right of the figures; with no figures (a lost game) it takes the middle
    // of the dialog rather than leave its left half empty.
    const int gauche = fraTemps->isHidden() ? 120 : 2580;
    const int milieu = gauche + (5535 - gauche) / 2;
    Label1->setGeometry(twips::rect(gauche, 1620, 5535 - gauche, 435));
    cmdOUI->setGeometry(twips::rect(milieu - 1215 - 90, 2160, 1215, 435));
    cmdNON->setGeometry(twips::rect(milieu + 90, 2160, 1215, 435));
    QDialog::setVisible(visible);
}

void frmFIN::setLargeurTemps(int largeur)
{
    largeurTemps_ = largeur;
    fraTemps->setGeometry(twips::rect(120, haut_temps, largeur, hauteur_temps));
    fraTemps->raise();
}

void frmFIN::Form_Load()
{
    using namespace Chromalis;
    echelle::centrer(this);
    frmChromalis* f = instance<frmChromalis>();
    const QString secret = f->txtCombi->text();
    const QList<PegImage*> images = f->images();
    for (int k = 1; k <= nb_pions && k <= 5; ++k) {
        const QString lettre = secret.mid(k - 1, 1);
        imgSolution[k]->setAccessibleName(QStringLiteral("pion ") + QString::number(k) + QStringLiteral(" : ")
                                          + PegImage::nomCouleur(lettre));
        for (PegImage* image : images) {
            if (image->Tag() == lettre && !lettre.isEmpty()) {
                imgSolution[k]->setPicture(image->Picture());
                break;
            }
        }
    }
}

bool frmFIN::Form_QueryUnload()
{
    if (largeurTemps_ > 5000)
        return true;
    Chromalis::jeu_en_cours = false;
    Chromalis::Arreter_jeu();
    return false;
}

bool frmFIN::fermer()
{
    if (fermeture_en_cours_)
        return true;
    fermeture_en_cours_ = true;
    const bool annule = Form_QueryUnload();
    fermeture_en_cours_ = false;
    if (annule)
        return false;
    if (Chromalis::emplacement<frmFIN>() == this)
        Chromalis::Unload<frmFIN>();
    else
        hide();
    return true;
}

void frmFIN::cmdNON_Click()
{
    Chromalis::jeu_en_cours = false;
    if (!fermer())
        return;
    Chromalis::Arreter_jeu();
}

void frmFIN::cmdOUI_Click()
{
    using namespace Chromalis;
    if (!fermer())
        return;
    frmChromalis* f = instance<frmChromalis>();
    if (f->chkPartie->isChecked()) {
        const int n = f->cboParties->currentIndex();
        f->cboParties->setCurrentIndex(n != f->cboParties->count() - 1 ? n + 1 : 0);
    }
    jeu_en_cours = true;
    Demarrer_jeu();
}

void frmFIN::cmdScores_Click()
{
    platform::ShowModal(Chromalis::instance<frmScores>());
    setLargeurTemps(largeur_normale);
    cmdScores->setEnabled(false);
    cmdOUI->setEnabled(true);
    cmdNON->setEnabled(true);
    cmdOUI->setFocus();
}

void frmFIN::Form_KeyDown(int KeyCode)
{
    if (KeyCode == Qt::Key_F1)
        Chromalis::Aide_depuis(this);
}

void frmFIN::keyPressEvent(QKeyEvent* e)
{
    // Buttons do not take F1, so it reaches the dialog whatever has the focus.
    if (e->key() == Qt::Key_F1) {
        Form_KeyDown(e->key());
        return;
    }
    QDialog::keyPressEvent(e);
}

void frmFIN::showEvent(QShowEvent* e)
{
    // The button given the focus before the showing wears its focus ring: Enter presses it.
    setAttribute(Qt::WA_KeyboardFocusChange);
    QDialog::showEvent(e);
}

void frmFIN::reject()
{
    // Esc is the Non button, and only while it can be pressed.
    if (cmdNON->isEnabled())
        cmdNON_Click();
}

void frmFIN::closeEvent(QCloseEvent* e)
{
    e->ignore();
    fermer();
}
