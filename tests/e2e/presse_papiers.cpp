// Owns the X clipboard with a text of a given size, so a script can paste it into the game
// with real keys. Usage: presse_papiers <characters> <text to repeat>
// Prints "pret" once the clipboard is held, then serves it until killed.
#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const qsizetype taille = QByteArray(argv[1]).toLongLong();
    const QString motif = QString::fromUtf8(argv[2]);
    if (taille <= 0 || motif.isEmpty())
        return 2;
    QString texte;
    texte.reserve(taille);
    while (texte.size() < taille)
        texte += motif;
    texte.truncate(taille);
    QGuiApplication::clipboard()->setText(texte);
    QTimer::singleShot(0, [] {
        std::puts("pret");
        std::fflush(stdout);
    });
    return app.exec();
}
