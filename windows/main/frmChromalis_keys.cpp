// Keys of the main window, the solution field and the credit label's hidden access.
#include "windows/main/frmChromalis.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "windows/dialogs/frmParties.h"
#include "windows/main/annonces.h"
#include "windows/main/codes.h"
#include "windows/main/frmPasse.h"
#include "windows/main/frmSplash.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Chromalis;

void frmChromalis::Form_KeyDown(int KeyCode, Qt::KeyboardModifiers)
{
    switch (KeyCode) {
    case Qt::Key_F1: cmdAide_Click(); break;
    case Qt::Key_F2: cmdInternet_Click(); break;
    case Qt::Key_F3: cmdMail_Click(); break;
    case Qt::Key_F4: platform::ShowModal(instance<frmSplash>()); break;
    case Qt::Key_Escape: cmdQuitter_Click(); break;
    case Qt::Key_F5: cmdNouveau_Click(); break;
    case Qt::Key_F6: cmdOptions_Click(); break;
    case Qt::Key_F7:
        if (cmdValider->isEnabled())
            cmdValider_Click();
        break;
    case Qt::Key_F8:
        if (cmdScores->isEnabled())
            cmdScores_Click();
        break;
    case Qt::Key_P:
        if (cmdValider->isEnabled())
            cmdValider->setFocus();
        if (!jeu_en_cours || !chkTemps->isChecked())
            break;
        if (Timer1.Enabled()) {
            Timer1.setEnabled(false);
            Timer4.setEnabled(true);
            lblPause->hide();
            Timer3.setEnabled(true);
            annonces::pause(false);
        } else {
            Timer1.setEnabled(true);
            Timer4.setEnabled(false);
            lblPause->show();
            Timer3.setEnabled(false);
            annonces::pause(true);
        }
        break;
    default: break;
    }
}

namespace {
const QString lettres_super = QStringLiteral("RBVJOINX");
const QString lettres_normal = QStringLiteral("RBVJOI");

// The message for a letter outside the game's colours, "" when the letter is allowed.
QString refus_lettre(QChar c)
{
    if (nb_couleurs == 8 && !lettres_super.contains(c))
        return QStringLiteral(
            "Seules, les lettres: R - B - V - J - O - I - N - X  sont autorisées et uniquement en MAJUSCULE.");
    if (nb_couleurs == 6 && !lettres_normal.contains(c))
        return QStringLiteral(
            "Seules, les lettres: R - B - V - J - O - I  sont autorisées et uniquement en MAJUSCULE.");
    return QString();
}

void refuser(const QString& message)
{
    platform::Beep();
    platform::MsgBox(message, platform::vbExclamation, QStringLiteral("ATTENTION:"));
}
} // namespace

void frmChromalis::txtCombi_KeyPress(int& KeyAscii)
{
    if (txtCombi->isReadOnly() && !txtCombi->text().isEmpty()) {
        const QString reponse = platform::InputBox(
            QStringLiteral("de vouloir tricher comme ça. Ca serait trop facile de pouvoir changer le résultat à sa "
                           "guise. Etes-vous bien la seule personne habilité à pouvoir le faire? Oui.. alors, entrez "
                           "le bon mot de passe:"),
            QStringLiteral("C'est pas beau"), QString());
        if (!reponse.isEmpty()) {
            if (!codes::est_code_changement(reponse)) {
                platform::MsgBox(QStringLiteral("Mot de passe non conforme."), platform::vbInformation,
                                 QStringLiteral("Erreur"));
                txtCombi->setReadOnly(true);
            } else {
                txtCombi->setReadOnly(false);
                txtCombi->setMaxLength(nb_pions);
            }
        }
    }
    if (txtCombi->isReadOnly() || KeyAscii == 8)
        return;
    const QString refus = refus_lettre(QChar(KeyAscii));
    if (!refus.isEmpty()) {
        KeyAscii = 0;
        refuser(refus);
    }
}

void frmChromalis::txtCombi_TextEdited(const QString& texte)
{
    // Pasted or dropped text passes no key filter: hold it to the same rule.
    if (!txtCombi->isReadOnly()) {
        for (QChar c : texte) {
            const QString refus = refus_lettre(c);
            if (!refus.isEmpty()) {
                txtCombi->setText(texteCombiValide_);
                refuser(refus);
                return;
            }
        }
    }
    texteCombiValide_ = texte;
}

void frmChromalis::txtCombi_LostFocus()
{
    if (txtCombi->isReadOnly() || txtCombi->text().size() == nb_pions)
        return;
    platform::MsgBox(QStringLiteral("Il manque une lettre dans la combinaison."), platform::vbCritical,
                     QStringLiteral("ERREUR"));
    txtCombi->setFocus();
}

void frmChromalis::lblTriche_Click()
{
    if (Label5->isHidden()) {
        platform::ShowModal(instance<frmPasse>());
        return;
    }
    for (int n = 1; n <= 5; ++n) {
        Label3[n]->hide();
        Label8[n]->hide();
    }
    txtCombi->hide();
    Label5->hide();
    txtCombi->setReadOnly(true);
    if (estCharge<frmParties>())
        instance<frmParties>()->hide();
}
