#pragma once
// Opens a document, a web address or a "mailto:" address with the desktop's own program.
#include <QString>
#include <functional>

class QWidget;

namespace platform {
// True when the desktop took the request. owner is the window the request comes from.
bool ShellOpen(const QString& target, QWidget* owner = nullptr);
// Opens a local document. When the desktop cannot open it, whether it says so at once (no
// opener) or its opener reports a failure afterwards (xdg-open finding no program for it),
// siEchec runs, once, in place of the document.
void ShellOpenDocument(const QString& chemin, QWidget* owner, std::function<void()> siEchec);
// Tests capture the targets here; an empty function restores the desktop. A hook that answers
// false stands for a desktop that could not open the target.
void setShellHook(std::function<bool(const QString& target)> hook);
} // namespace platform
