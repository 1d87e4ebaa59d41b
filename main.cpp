// Chromalis: the start-up window first; it opens the main window when it closes.
#include "game/chromalis.h"
#include "platform/echelle.h"
#include "platform/program.h"
#include "platform/traducteur.h"
#include "windows/controls/police.h"
#include "windows/main/frmSplash.h"

#include <QApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {
// Without a display Qt aborts with English advice to reinstall: the player gets one French line.
[[noreturn]] void sansAffichage()
{
    std::fputs("chromalis : aucun affichage graphique joignable (ni DISPLAY ni WAYLAND_DISPLAY ne mène à un "
               "serveur d'affichage) ; lancez le jeu depuis une session graphique.\n",
               stderr);
    std::_Exit(1);
}

// What the platform plugin says while it connects is held back, and only told if it connected.
struct Message {
    QtMsgType type;
    QByteArray categorie;
    QString texte;
};
QList<Message> retenus;
void pendantLaConnexion(QtMsgType type, const QMessageLogContext& contexte, const QString& texte)
{
    if (type == QtFatalMsg)
        sansAffichage();
    retenus.append({type, contexte.category, texte});
}
} // namespace

int main(int argc, char* argv[])
{
    const QByteArray plateforme = qgetenv("QT_QPA_PLATFORM");
    if ((plateforme.isEmpty() || plateforme.contains("xcb") || plateforme.contains("wayland"))
        && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        sansAffichage();
    const QtMessageHandler suivant = qInstallMessageHandler(pendantLaConnexion);
    QApplication app(argc, argv);
    qInstallMessageHandler(suivant);
    for (const Message& m : std::exchange(retenus, {}))
        suivant(m.type, QMessageLogContext(nullptr, 0, nullptr, m.categorie.constData()), m.texte);
    QApplication::setApplicationName(QStringLiteral("Chromalis"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(platform::versionMajor())
                                            .arg(platform::versionMinor())
                                            .arg(platform::versionRevision()));
    // The desktop entry names the game and its icon in task bars, the window captions do not.
    QApplication::setDesktopFileName(QStringLiteral("example.ventaroc.chromalis"));

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
