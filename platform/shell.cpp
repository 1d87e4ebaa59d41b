#include "platform/shell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace platform {
namespace {
std::function<bool(const QString&)> hook;
}

void setShellHook(std::function<bool(const QString&)> h) { hook = std::move(h); }

bool ShellOpen(const QString& target, QWidget*)
{
    if (hook)
        return hook(target);
    const bool local = !target.contains(QLatin1Char(':')) || QFileInfo(target).isAbsolute();
    const QUrl url = local ? QUrl::fromLocalFile(target) : QUrl(target);
    return QDesktopServices::openUrl(url);
}
} // namespace platform
