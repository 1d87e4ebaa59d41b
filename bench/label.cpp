// A second yardstick: the bare window with one line of text, so that the price of the font
// machinery (fontconfig, FreeType, HarfBuzz), which the empty window never pages in, shows apart.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel fenetre(QStringLiteral("Une ligne de texte"));
    fenetre.setWindowTitle(QStringLiteral("label"));
    fenetre.resize(320, 240);
    fenetre.show();
    return QApplication::exec();
}
