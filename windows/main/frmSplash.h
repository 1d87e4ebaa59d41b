#pragma once
// The start-up window: shown at every start, and again on demand as an information window.
#include "windows/controls/VbTimer.h"

#include <QWidget>
#include <cstdint>

class QFrame;
class QLabel;
class PegImage;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();

    QFrame* Frame1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* lblVersion;
    PegImage* imgLogo;
    QLabel* Label5;
    QLabel* Label4;
    VbTimer Timer1;
    // Ticks since the window was loaded.
    std::int16_t compteur = 0;

    void Form_Load();
    void Timer1_Timer();
    void Form_Click();
    void Form_KeyPress(int KeyAscii);
    void Frame1_Click();
    void imgLogo_Click();
    void Label4_Click();
    void Label4_MouseMove();
    void Frame1_MouseMove();
    void imgLogo_MouseMove();

protected:
    void mousePressEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    // Unloads this window and shows the main one.
    void fermer();
    // A box opened by the help link is up: the timer leaves the closing to the link.
    bool dans_boite = false;
    void colorerLien(bool survol);
};
