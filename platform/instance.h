#pragma once
// One running copy per settings store, held by what the kernel releases when the process dies
// (locks on open files, and an abstract local socket): it can never go stale, and nothing another
// user holds counts as a running copy.
#include <QString>

namespace platform {
// True when another live copy of the game uses the same settings. The first call takes the guard;
// later calls in the same process answer false, since this copy holds it.
bool AutreInstanceEnCours();
// The lock file in the per-user settings folder (0600). Its content means nothing; only its lock counts.
QString cheminVerrou();
// Releases the guard (tests only, to play two copies in one process).
void libererVerrou();
} // namespace platform
