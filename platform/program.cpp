#include "platform/program.h"

#include <QCoreApplication>

namespace platform {
namespace {
std::function<void()> endHook;
std::function<QString()> pathHook;
bool termine = false;
} // namespace

QString App_Path() { return pathHook ? pathHook() : QCoreApplication::applicationDirPath(); }
int versionMajor() { return CHROMALIS_VERSION_MAJOR; }
int versionMinor() { return CHROMALIS_VERSION_MINOR; }
int versionRevision() { return CHROMALIS_VERSION_PATCH; }

void TerminerProgramme()
{
    termine = true;
    if (endHook)
        return endHook();
    QCoreApplication::exit(0);
}

bool programmeTermine() { return termine; }
void reinitialiserFin() { termine = false; }
void setEndHook(std::function<void()> h) { endHook = std::move(h); }
void setAppPathHook(std::function<QString()> h) { pathHook = std::move(h); }
} // namespace platform
