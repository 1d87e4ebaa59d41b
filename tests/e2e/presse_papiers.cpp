// Holds a 1 MB name in the X clipboard for a script to paste with real keys; prints "pret" once it holds it.
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
