#pragma once
// The sentences a screen reader hears of the game, each made of the board's state at the moment
// of the action and said at once through annonce::dire.
#include <QString>

namespace annonces {

// "trou 2 : rouge": hole Index of the current row and what it holds.
QString trou(int Index);
// A peg dropped by the mouse on hole Index of row K; the last hole filled says the row is full.
void pose(int K, int Index);
void nouvelle_partie();
void partie_arretee();
// Row K judged, then the row now to fill.
void rangee_jugee(int K);
// Said before the next sentence of this turn (the time-out that validates a row).
void prefixer(const QString& debut);
// Each tick of the countdown: the time left at half time and at five seconds.
void compte_a_rebours();
void pause(bool en_pause);
void gagnee();
void perdue();
// The scores window waits for a name: where it goes, since the focus moving there may go unheard.
void nom_attendu(int place);
void nom_enregistre(const QString& nom, int place);

} // namespace annonces
