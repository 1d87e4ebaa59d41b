#pragma once
// What a window's edges cut off is not there for the player: no focus, no mnemonic, no key.
class QWidget;

namespace hors_champ {

// Hides the children of the container that lie wholly outside it, and shows again those it hid
// once they are back inside. Children hidden for any other reason are left alone.
void suivre(QWidget* conteneur);

} // namespace hors_champ
