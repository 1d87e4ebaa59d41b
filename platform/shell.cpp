#include "platform/shell.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
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

void ShellOpenDocument(const QString& chemin, QWidget* owner, std::function<void()> siEchec)
{
    if (hook) {
        if (!hook(chemin))
            siEchec();
        return;
    }
    // Qt starts xdg-open detached and cannot tell whether it found a program for the file;
    // run here, its exit status says so.
    const QString xdg = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdg.isEmpty()) {
        if (!ShellOpen(chemin, owner))
            siEchec();
        return;
    }
    auto* p = new QProcess(QCoreApplication::instance());
    p->setProgram(xdg);
    p->setArguments({QString::fromLatin1(QUrl::fromLocalFile(chemin).toEncoded())});
    p->setStandardInputFile(QProcess::nullDevice());
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    auto echec = std::make_shared<std::function<void()>>(std::move(siEchec));
    const auto signaler = [echec] {
        if (*echec)
            std::exchange(*echec, {})();
    };
    QObject::connect(p, &QProcess::finished, p, [p, signaler](int code, QProcess::ExitStatus etat) {
        if (etat != QProcess::NormalExit || code != 0)
            signaler();
        p->deleteLater();
    });
    QObject::connect(p, &QProcess::errorOccurred, p, [p, signaler](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart) {
            signaler();
            p->deleteLater();
        }
    });
    p->start();
}
} // namespace platform
