#pragma once
// What happens on the board, said to a screen reader: one sentence per player action.
#include <QString>

class QWidget;

namespace annonce {

// Gives the window that carries the notification label (the main window, once, at its creation).
void placer(QWidget* fenetre);

// Says the sentence through the main window's notification label. Several sentences in the same
// turn of the event loop would be cut to the last one by the reader: join them before calling.
void dire(const QString& phrase);

// The last sentence said, for the tests.
QString derniere();

} // namespace annonce
