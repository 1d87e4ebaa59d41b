// The board: placing and removing pegs, starting and stopping, validating.
#include "windows/main/frmChromalis.h"

#include "game/chromalis.h"
#include "windows/main/annonces.h"

#include <QLabel>

using namespace Chromalis;

void frmChromalis::img_DragDrop(int K, int Index, PegImage* Source)
{
    if (num_ligne != K || !Source)
        return;
    if (jeu_en_cours && Timer1.Enabled())
        finir_pause();
    img[K][Index]->setPicture(Source->Picture());
    img[K][Index]->setTag(Source->Tag());
}

void frmChromalis::img_Click(int K, int Index)
{
    if (num_ligne != K || !jeu_en_cours)
        return;
    img[K][Index]->setPicture(Image1->Picture());
    img[K][Index]->setTag(QStringLiteral("Z"));
    // The peg is gone: the pointer and tooltip follow at once, not only at the next movement.
    img_MouseMove(K, Index);
}

void frmChromalis::img_MouseMove(int K, int Index)
{
    PegImage* trou = img[K][Index];
    if (num_ligne != K) {
        trou->setMousePointer(PegImage::vbDefault);
        trou->setToolTip(QString());
    } else if (jeu_en_cours) {
        if (trou->Tag() != QLatin1String("Z")) {
            trou->setMouseIcon(Image2->Picture());
            trou->setMousePointer(PegImage::vbCustom);
            trou->setToolTip(QStringLiteral("Cliquez pour enlever le pion"));
        } else {
            trou->setMousePointer(PegImage::vbDefault);
            trou->setToolTip(QString());
        }
    }
}

void frmChromalis::finir_pause()
{
    Timer1.setEnabled(false);
    lblPause->hide();
    Timer3.setEnabled(true);
    Timer4.setEnabled(true);
}

void frmChromalis::cmdNouveau_Click()
{
    if (jeu_en_cours) {
        jeu_en_cours = false;
        Arreter_jeu();
        annonces::partie_arretee();
    } else {
        jeu_en_cours = true;
        Demarrer_jeu();
    }
}

void frmChromalis::cmdValider_Click()
{
    if (jeu_en_cours && Timer1.Enabled())
        finir_pause();
    Valider_proposition();
}
