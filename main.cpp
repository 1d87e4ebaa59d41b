// Chromalis: the start-up window first; it opens the main window when it closes.
#include "game/chromalis.h"
#include "platform/program.h"
#include "windows/main/frmSplash.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Chromalis"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(platform::versionMajor())
                                            .arg(platform::versionMinor())
                                            .arg(platform::versionRevision()));
    QApplication::setDesktopFileName(QStringLiteral("chromalis"));

    // The layout is drawn in twips for a small sans-serif face of 11 pixels; the desktop's larger
    // default would spill out of the labels and buttons. Arial resolves to its metric twin.
    QFont police(QStringLiteral("Arial"));
    police.setPixelSize(11);
    QApplication::setFont(police);

    // The standard buttons and menus speak French like the rest of the game.
    QTranslator traducteur;
    if (traducteur.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traducteur);

    frmSplash* accueil = Chromalis::instance<frmSplash>();
    if (platform::programmeTermine())
        return 0;
    accueil->show();
    return QApplication::exec();
}
