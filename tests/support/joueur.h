#pragma once
// The main window played by real clicks, keys and drags, with a clock that moves only when told.
#include "support/support.h"

namespace support {

class Joueur : public Environnement {
public:
    Joueur(); // start-up window, then the main window shown
    frmChromalis* f = nullptr;
    QDateTime maintenant;

    // "Normal"/"Super", "I"/"N"/"E", chrono seconds (0: off), predefined game index (-1: none).
    void choisir(const QString& type, const QString& mode, int chrono = 0, int partie = -1);
    void nouveau();
    // A new game of these options whose secret is set as the solution access would show it.
    void partie(const QString& type, const QString& mode, const QString& secret, int chrono = 0);
    // Drags each letter's palette peg into the hole of the current row; '.' leaves a hole alone.
    void poser(const QString& lettres);
    void valider();
    void jouer(const QString& lettres) { poser(lettres), valider(); }
    // One tick of an enabled timer, through its connection.
    void tic(VbTimer& t, int n = 1);
    // A key pressed as the keyboard sends it: to the window, where its key preview sits.
    void touche(Qt::Key k) { QTest::keyClick(f->windowHandle(), k); }
    void avancer(int secondes) { maintenant = maintenant.addSecs(secondes); }
    // Result slots of row K: N black, B white, . free.
    QString marques(int K) const;
    // Tags of row K's holes.
    QString rangee(int K) const;
};

void cliquer(QWidget* w);
// Drags the palette peg onto the target through the program's own drag code.
void glisser(QWidget* pion, QWidget* cible);

} // namespace support
