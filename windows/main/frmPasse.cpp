#include "windows/main/frmPasse.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/echelle.h"
#include "platform/twips.h"
#include "windows/dialogs/frmParties.h"
#include "windows/main/codes.h"
#include "windows/main/frmChromalis.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

frmPasse::frmPasse() : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Mot de passe"));
    setFixedSize(twips::px(3840), twips::px(1905));
    Label1 = new QLabel(QStringLiteral("Entrez le mot de passe:"), this);
    Label1->setGeometry(twips::rect(240, 180, 3360, 255));
    txtPasse = new QLineEdit(this);
    txtPasse->setGeometry(twips::rect(240, 480, 3360, 315));
    txtPasse->setEchoMode(QLineEdit::Password);
    txtPasse->setAccessibleName(QStringLiteral("Mot de passe"));
    Label2 = new QLabel(QStringLiteral("(respecter les majuscules et minuscules)"), this);
    Label2->setGeometry(twips::rect(240, 840, 3360, 255));
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setGeometry(twips::rect(600, 1260, 1215, 375));
    cmdOK->setDefault(true);
    cmdAnnuler = new QPushButton(QStringLiteral("&Annuler"), this);
    cmdAnnuler->setGeometry(twips::rect(2040, 1260, 1215, 375));
    connect(cmdOK, &QPushButton::clicked, this, &frmPasse::cmdOK_Click);
    connect(cmdAnnuler, &QPushButton::clicked, this, &frmPasse::cmdAnnuler_Click);
}

void frmPasse::Form_Load() { echelle::centrer(this); }

void frmPasse::cmdOK_Click()
{
    using namespace Chromalis;
    if (txtPasse->text().isEmpty()) {
        platform::MsgBox(QStringLiteral("Vous n'avez saisi aucun mot de passe."), platform::vbInformation,
                         QStringLiteral("Donnée manquante"));
        txtPasse->setFocus();
        return;
    }
    if (!codes::est_mot_de_passe(txtPasse->text())) {
        platform::MsgBox(QStringLiteral("Mot de passe non valide."), platform::vbInformation, QStringLiteral("Désolé"));
        txtPasse->setFocus();
        return;
    }
    frmChromalis* f = instance<frmChromalis>();
    for (int n = 1; n <= nb_pions && n <= 5; ++n) {
        f->Label3[n]->show();
        f->Label8[n]->show();
    }
    f->txtCombi->show();
    f->txtCombi->setMaxLength(nb_pions);
    f->Label5->show();
    Unload<frmPasse>();
    instance<frmParties>()->show();
}

void frmPasse::cmdAnnuler_Click() { Chromalis::Unload<frmPasse>(); }

// Escape and the close box close the window the same way as Annuler.
void frmPasse::reject() { cmdAnnuler_Click(); }
