// The yardstick of the start-up benchmark: the least a Qt Widgets program does to show a window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget fenetre;
    fenetre.setWindowTitle(QStringLiteral("bare"));
    fenetre.resize(320, 240);
    fenetre.show();
    return QApplication::exec();
}
