#pragma once
// Opens a document, a web address or a "mailto:" address with the desktop's own program.
#include <QString>
#include <functional>

class QWidget;

namespace platform {
// True when the desktop took the request. owner is the window the request comes from.
bool ShellOpen(const QString& target, QWidget* owner = nullptr);
// Tests capture the targets here; an empty function restores the desktop.
void setShellHook(std::function<bool(const QString& target)> hook);
} // namespace platform
