#pragma once
// The program's own folder and version.
#include <QString>
#include <functional>

namespace platform {
QString App_Path();
int versionMajor();
int versionMinor();
int versionRevision();
// Ends every event loop at once; nothing else is saved. Also marks the end so that the
// start-up stops loading windows when a second copy is refused.
void TerminerProgramme();
bool programmeTermine();
// Tests capture the end and the folder here.
void setEndHook(std::function<void()> hook);
void setAppPathHook(std::function<QString()> hook);
void reinitialiserFin();
} // namespace platform
