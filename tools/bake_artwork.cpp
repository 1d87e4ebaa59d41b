// Build step: renders the game's SVG pictures once, at every size the windows draw them, so the
// game itself never parses SVG. Each rendering is named art/<scale>/<picture>/<width>x<height>;
// it is raw premultiplied RGBA bytes, row after row (byte order fixed, whatever the machine), save
// at scale 2 and for the pictures marked "png" in the list, which are PNG files. An art.qrc lists them for rcc. Sizes
// come from a list of the pictures and their sizes in logical pixels; each size is rendered for every window scale from
// 1 to 3. Usage: bake_artwork <folder of the .svg files> <size list> <output folder>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <utility>

namespace {

struct Taille {
    QString image;
    QSize logique;
    // Stored as PNG at every scale: a picture seldom shown need not stay raw in the program.
    bool png = false;
};

bool lire_liste(const QString& chemin, QList<Taille>& tailles)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "bake_artwork: cannot read %s\n", qPrintable(chemin));
        return false;
    }
    static const QRegularExpression taille(QStringLiteral("^(\\d+)(?:x(\\d+))?$"));
    int ligne = 0;
    while (!f.atEnd()) {
        ++ligne;
        const QString texte = QString::fromUtf8(f.readLine()).section(QLatin1Char('#'), 0, 0).trimmed();
        QStringList mots = texte.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (mots.isEmpty())
            continue;
        const bool png = mots.last() == QLatin1String("png");
        if (png)
            mots.removeLast();
        if (mots.size() < 2) {
            std::fprintf(stderr, "%s:%d: a picture needs at least one size\n", qPrintable(chemin), ligne);
            return false;
        }
        for (qsizetype k = 1; k < mots.size(); ++k) {
            const auto m = taille.match(mots[k]);
            const int l = m.captured(1).toInt();
            const int h = m.captured(2).isEmpty() ? l : m.captured(2).toInt();
            if (!m.hasMatch() || l < 1 || h < 1 || l > 4096 || h > 4096) {
                std::fprintf(stderr, "%s:%d: bad size \"%s\"\n", qPrintable(chemin), ligne, qPrintable(mots[k]));
                return false;
            }
            tailles.append({mots[0], QSize(l, h), png});
        }
    }
    return true;
}

// Stored raw, to be drawn in place from mapped pages; scale 2, kept inside the program and four
// times the size of scale 1, as PNG, decoded when asked for. The other scales lie in a file of
// their own beside the program, read only where they are used: raw, they need no decoder there.
bool cuire(const QString& svg, QSize pixels, bool brut, const QString& sortie)
{
    QSvgRenderer rendu(svg);
    if (!rendu.isValid()) {
        std::fprintf(stderr, "bake_artwork: %s is not a valid SVG picture\n", qPrintable(svg));
        return false;
    }
    QImage image(pixels, QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        rendu.render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    if (!brut)
        return image.convertToFormat(QImage::Format_ARGB32).save(sortie, "PNG");
    QFile f(sortie);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    for (int y = 0; y < image.height(); ++y) {
        const auto octets = qsizetype(image.width()) * 4;
        if (f.write(reinterpret_cast<const char*>(image.constScanLine(y)), octets) != octets)
            return false;
    }
    return f.flush();
}

} // namespace

int main(int argc, char* argv[])
{
    // Rendering needs no screen: the offscreen platform keeps the build headless.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: bake_artwork <svg folder> <size list> <output folder>\n");
        return 2;
    }
    const QDir sources(QString::fromLocal8Bit(argv[1]));
    QList<Taille> tailles;
    if (!lire_liste(QString::fromLocal8Bit(argv[2]), tailles))
        return 1;
    QDir sortie(QString::fromLocal8Bit(argv[3]));

    // Scales 1 and 2 go into the program; the others into a resource file beside it, opened only
    // on a screen that needs them: in the program they would weigh on every start.
    QString qrc, qrc_autres;
    QTextStream liste(&qrc), autres(&qrc_autres);
    QSet<QString> faites;
    liste << "<RCC>\n  <qresource prefix=\"/\">\n";
    autres << "<RCC>\n  <qresource prefix=\"/\">\n";
    // One folder per scale: rcc stores a folder's files together, so on an ordinary screen the
    // pages of the scale-2 pictures are never read.
    // The window scales chosen from the screen, and a scale factor of 2 on top of scale 1.
    for (const double echelle : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
        for (const Taille& t : tailles) {
            const QSize pixels(int(std::lround(t.logique.width() * echelle)),
                               int(std::lround(t.logique.height() * echelle)));
            const QString nom
                = QStringLiteral("art/%1/%2/%3x%4").arg(echelle).arg(t.image).arg(pixels.width()).arg(pixels.height());
            // A size already rendered at scale 1 (a 32-pixel icon is a 16-pixel one at scale 2).
            const QString cle = t.image + QLatin1Char('/') + nom.section(QLatin1Char('/'), -1);
            if (faites.contains(cle))
                continue;
            faites.insert(cle);
            if (!sortie.mkpath(nom.section(QLatin1Char('/'), 0, -2))
                || !cuire(sources.filePath(t.image + QStringLiteral(".svg")), pixels, echelle != 2 && !t.png,
                          sortie.filePath(nom))) {
                std::fprintf(stderr, "bake_artwork: cannot render %s\n", qPrintable(nom));
                return 1;
            }
            (echelle == 1 || echelle == 2 ? liste : autres) << "    <file>" << nom << "</file>\n";
        }
    }
    for (QTextStream* s : {&liste, &autres}) {
        *s << "  </qresource>\n</RCC>\n";
        s->flush();
    }
    for (const auto& [nom, texte] :
         {std::pair{QStringLiteral("art.qrc"), qrc}, std::pair{QStringLiteral("art-echelles.qrc"), qrc_autres}}) {
        QFile f(sortie.filePath(nom));
        if (!f.open(QIODevice::WriteOnly) || f.write(texte.toUtf8()) != texte.toUtf8().size()) {
            std::fprintf(stderr, "bake_artwork: cannot write %s\n", qPrintable(nom));
            return 1;
        }
    }
    return 0;
}
