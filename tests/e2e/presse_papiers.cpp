// Owns the X clipboard with a name of 1 MB, "Nom tres long " over and over, so that a script pastes it
// into the game with real keys; prints "pret" once it holds the clipboard.
#include <QClipboard>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QGuiApplication::clipboard()->setText(QStringLiteral("Nom tres long ").repeated(1 << 17).left(1 << 20));
    QTextStream(stdout) << "pret" << Qt::endl; // requests for the clipboard wait for the event loop
    return app.exec();
}
