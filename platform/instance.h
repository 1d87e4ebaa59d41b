#pragma once
// One running copy per user: a lock file beside the settings, recovered when its owner died.
#include <QString>

namespace platform {
// True when another live copy of the game holds the lock. The first call takes the lock;
// later calls in the same process answer false, since this copy owns it.
bool AutreInstanceEnCours();
// Where the lock lives: the per-user settings folder.
QString cheminVerrou();
// Releases the lock (tests only, to play two copies in one process).
void libererVerrou();
} // namespace platform
