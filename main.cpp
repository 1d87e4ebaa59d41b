// Chromalis: the start-up window first; it opens the main window when it closes.
#include "game/chromalis.h"
#include "platform/program.h"
#include "platform/traducteur.h"
#include "windows/controls/police.h"
#include "windows/main/frmSplash.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chromalis"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(platform::versionMajor())
                                            .arg(platform::versionMinor())
                                            .arg(platform::versionRevision()));
    // The desktop entry names the game and its icon in task bars, the window captions do not.
    QApplication::setDesktopFileName(QStringLiteral("example.ventaroc.chromalis"));

    police::appliquer();

    // The standard buttons and menus speak French like the rest of the game.
    platform::installerTraduction();

    frmSplash* accueil = Chromalis::instance<frmSplash>();
    if (platform::programmeTermine())
        return 0;
    accueil->show();
    return QApplication::exec();
}
