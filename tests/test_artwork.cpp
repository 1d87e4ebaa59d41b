// The pictures rendered at build time: every listed size matches its SVG drawn now, other sizes
// are scaled from them, and the eight pegs stay apart without colour. (That the windows draw only
// rendered sizes is checked with their texts, at every scale.)
#include "support/support.h"

#include "windows/controls/artwork.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <cmath>

namespace {
QImage premultipliee(const QImage& image) { return image.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

// Largest and mean difference of the premultiplied channels between a picture and its SVG
// drawn now at the same size.
std::pair<int, double> ecart_au_dessin(const QString& nom, const QImage& rendu)
{
    QImage dessin(rendu.size(), QImage::Format_ARGB32_Premultiplied);
    dessin.fill(Qt::transparent);
    QPainter p(&dessin);
    p.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(QStringLiteral(ART_SOURCE_DIR "/") + nom + QStringLiteral(".svg")).render(&p, QRectF(dessin.rect()));
    const QImage image = premultipliee(rendu);
    int maximum = 0;
    qint64 somme = 0;
    for (qsizetype k = 0; k < image.sizeInBytes(); ++k) {
        const int d = std::abs(image.constBits()[k] - dessin.constBits()[k]);
        maximum = std::max(maximum, d), somme += d;
    }
    return {maximum, double(somme) / double(image.sizeInBytes())};
}

// How a peg's pixel is seen over the board, in linear RGB, then back to 0-255: in grey
// (luminance), and without green (deuteranopia) or red (protanopia) cones, after Machado,
// Oliveira and Fernandes (2009), severity 1.
using Vision = std::array<std::array<double, 3>, 3>;
constexpr Vision gris{{{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}};
constexpr Vision deuteranopie{{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Vision protanopie{{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
std::array<double, 3> vu(QRgb p, const Vision& m)
{
    const double a = qAlpha(p) / 255.0;
    const auto lineaire = [a](int c, int plateau) {
        const double x = (c + (1 - a) * plateau) / 255;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    const double rgb[3] = {lineaire(qRed(p), 128), lineaire(qGreen(p), 64), lineaire(qBlue(p), 64)};
    std::array<double, 3> c{};
    for (int k = 0; k < 3; ++k) {
        const double y = std::clamp(m[k][0] * rgb[0] + m[k][1] * rgb[1] + m[k][2] * rgb[2], 0.0, 1.0);
        c[k] = 255 * (y <= 0.0031308 ? 12.92 * y : 1.055 * std::pow(y, 1 / 2.4) - 0.055);
    }
    return c;
}
} // namespace

class TestArtwork : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;

private slots:
    void init() { env = std::make_unique<support::Environnement>(); }
    void cleanup() { env.reset(); }

    // Every line of the size list at scales 1 and 2, exact (PNG's straight alpha: within 2); sizes
    // the list does not hold, scaled from the nearest rendering, close to the drawing.
    void tailles_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<int>("tolerance"); // largest channel difference; -1: not listed
        QFile liste(QStringLiteral(ART_SOURCE_DIR "/sizes.txt"));
        QVERIFY(liste.open(QIODevice::ReadOnly | QIODevice::Text));
        while (!liste.atEnd()) {
            QStringList mots = QString::fromUtf8(liste.readLine()).section(u'#', 0, 0).simplified().split(u' ', Qt::SkipEmptyParts);
            const bool png = mots.size() > 1 && mots.last() == QLatin1String("png");
            for (qsizetype k = 1; k < mots.size() - png; ++k)
                for (const int e : {1, 2})
                    QTest::addRow("%s %s x%d", qPrintable(mots[0]), qPrintable(mots[k]), e) << mots[0]
                        << QSize(mots[k].section(u'x', 0, 0).toInt(), mots[k].section(u'x', -1).toInt()) << qreal(e) << (e == 1 && !png ? 0 : 2);
        }
        QTest::newRow("peg larger") << "peg_R" << QSize(40, 40) << 1.0 << -1;
        QTest::newRow("peg smaller") << "peg_R" << QSize(20, 20) << 1.0 << -1;
        QTest::newRow("logo, other shape") << "logo" << QSize(300, 200) << 1.0 << -1;
        QTest::newRow("pointer at 2.2") << "pointer" << QSize(19, 15) << 2.2 << -1;
        QTest::newRow("icon above all") << "icon" << QSize(256, 256) << 1.0 << -1;
    }
    void tailles()
    {
        QFETCH(QString, nom);
        QFETCH(QSize, taille);
        QFETCH(qreal, dpr);
        QFETCH(int, tolerance);
        const QString chemin = artwork::chemin(nom);
        const QSize pixels(qRound(taille.width() * dpr), qRound(taille.height() * dpr));
        QCOMPARE(artwork::prerendu(chemin, pixels), tolerance >= 0);
        const QImage image = artwork::image(chemin, taille, dpr);
        const QPixmap pm = artwork::rendu(chemin, taille, dpr);
        QVERIFY(image.size() == pixels && pm.size() == pixels && pm.devicePixelRatio() == dpr);
        const auto [maximum, moyen] = ecart_au_dessin(nom, image);
        QVERIFY2(tolerance >= 0 ? maximum <= tolerance : moyen < 5.0, qPrintable(QStringLiteral("%1 %2").arg(maximum).arg(moyen)));
        QVERIFY(artwork::image(artwork::chemin(nom + "?"), taille, dpr).isNull() && artwork::rendu(artwork::chemin(nom + "?"), taille, dpr).isNull());
        QVERIFY(artwork::image(chemin, QSize(0, 27), dpr).isNull() && artwork::image(QString(), taille, dpr).isNull());
    }

    // Colour is never the only cue: in grey and under both red-green blindnesses, every two of
    // the eight pegs, as the windows draw them, differ by at least 17 levels of 255 on average
    // over the disc, pixel by pixel (the same pegs without their symbols fall to 8 in grey).
    void pionsSansCouleur_data()
    {
        QTest::addColumn<int>("pixels");
        for (const int p : {27, 34, 41, 54, 68})
            QTest::newRow(qPrintable(QString::number(p))) << p;
    }
    void pionsSansCouleur()
    {
        QFETCH(int, pixels);
        const QString lettres = QStringLiteral("RBVJOINX");
        QList<QImage> pions;
        for (const QChar l : lettres)
            pions << premultipliee(artwork::image(artwork::chemin(QStringLiteral("peg_") + l), QSize(pixels, pixels), 1.0));
        QStringList proches;
        for (const Vision* v : {&gris, &deuteranopie, &protanopie})
            for (int i = 0; i < 8; ++i)
                for (int j = i + 1; j < 8; ++j) {
                    double somme = 0;
                    int n = 0;
                    for (int k = 0; k < pixels * pixels; ++k) {
                        const int x = k % pixels, y = k / pixels;
                        if (std::hypot(x + 0.5 - pixels / 2.0, y + 0.5 - pixels / 2.0) > pixels * 14.0 / 32)
                            continue;
                        const auto a = vu(pions[i].pixel(x, y), *v), b = vu(pions[j].pixel(x, y), *v);
                        somme += std::sqrt(((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2])) / 3);
                        ++n;
                    }
                    if (somme / n < 17)
                        proches << QStringLiteral("%1%2 (%3): %4").arg(lettres[i]).arg(lettres[j]).arg(v - &gris).arg(somme / n, 0, 'f', 1);
                }
        QVERIFY2(proches.isEmpty(), qPrintable(proches.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
