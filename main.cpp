// Chromalis: the start-up window first; it opens the main window when it closes.
#include "game/chromalis.h"
#include "platform/echelle.h"
#include "platform/program.h"
#include "platform/traducteur.h"
#include "windows/controls/police.h"
#include "windows/main/frmSplash.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chromalis"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(platform::versionMajor())
                                            .arg(platform::versionMinor())
                                            .arg(platform::versionRevision()));
    QApplication::setDesktopFileName(QStringLiteral("chromalis"));

    // One scale for every window, from the screen's usable height in device-independent pixels
    // (a scale factor set by the user is already divided out), before any window is built.
    echelle::appliquer(QGuiApplication::primaryScreen());
    police::appliquer();

    // The standard buttons and menus speak French like the rest of the game.
    platform::installerTraduction();

    frmSplash* accueil = Chromalis::instance<frmSplash>();
    if (platform::programmeTermine())
        return 0;
    accueil->show();
    return QApplication::exec();
}
