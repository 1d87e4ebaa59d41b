// Owns the X clipboard with a text of a given size, so a script can paste it into the game with real
// keys. Usage: presse_papiers <characters> <text to repeat>; prints "pret" once it holds the clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3 || !*argv[2])
        return 2;
    const qsizetype taille = QByteArray(argv[1]).toLongLong();
    const QString motif = QString::fromUtf8(argv[2]);
    QGuiApplication::clipboard()->setText(motif.repeated(taille / motif.size() + 1).left(taille));
    QTimer::singleShot(0, [] { QTextStream(stdout) << "pret" << Qt::endl; });
    return app.exec();
}
