// The pictures rendered at build time: every listed size at the window scales matches its SVG
// drawn now, other sizes are scaled from them, and every picture the windows draw was rendered
// at its exact size.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/twips.h"
#include "windows/controls/PegImage.h"
#include "windows/controls/artwork.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmSplash.h"

#include <QFile>
#include <QPainter>
#include <QScopeGuard>
#include <QSvgRenderer>
#include <QTest>

#include <array>
#include <cmath>

namespace {

QImage dessin_svg(const QString& nom, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer svg(QStringLiteral(ART_SOURCE_DIR "/") + nom + QStringLiteral(".svg"));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(pixels)));
    return image;
}

struct Ecart {
    int maximum = 0;
    double moyen = 0;
};

// Largest and mean difference of the premultiplied channels.
Ecart ecart(const QImage& a, const QImage& b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Ecart e;
    qint64 somme = 0;
    for (int j = 0; j < x.height(); ++j) {
        const auto* u = reinterpret_cast<const QRgb*>(x.constScanLine(j));
        const auto* v = reinterpret_cast<const QRgb*>(y.constScanLine(j));
        for (int i = 0; i < x.width(); ++i) {
            for (const int decalage : {0, 8, 16, 24}) {
                const int d = std::abs(int((u[i] >> decalage) & 0xff) - int((v[i] >> decalage) & 0xff));
                e.maximum = std::max(e.maximum, d);
                somme += d;
            }
        }
    }
    e.moyen = double(somme) / (4.0 * x.width() * x.height());
    return e;
}

// Colour seen by a viewer without colour vision, or with no red (protanopia) or no green
// (deuteranopia) cones: simulations of Machado, Oliveira and Fernandes (2009), severity 1, applied
// in linear RGB. The peg is seen over the board's colour.
enum class Vision { gris, deuteranopie, protanopie };
std::array<double, 3> vu(QRgb premultiplie, Vision v)
{
    const QColor plateau(128, 64, 64);
    const double a = qAlpha(premultiplie) / 255.0;
    const auto lineaire = [](double c) { c /= 255; return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const auto gamma = [](double c) {
        c = std::clamp(c, 0.0, 1.0);
        return 255 * (c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1 / 2.4) - 0.055);
    };
    const double r = lineaire(qRed(premultiplie) + (1 - a) * plateau.red());
    const double g = lineaire(qGreen(premultiplie) + (1 - a) * plateau.green());
    const double b = lineaire(qBlue(premultiplie) + (1 - a) * plateau.blue());
    static const double deut[3][3] = {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};
    static const double prot[3][3] = {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}};
    if (v == Vision::gris) {
        const double y = gamma(0.2126 * r + 0.7152 * g + 0.0722 * b);
        return {y, y, y};
    }
    const auto& m = v == Vision::deuteranopie ? deut : prot;
    std::array<double, 3> c{};
    for (int k = 0; k < 3; ++k)
        c[k] = gamma(m[k][0] * r + m[k][1] * g + m[k][2] * b);
    return c;
}

// Mean distance, 0 to 255, between two pegs as that viewer sees them, pixel by pixel over the
// peg's disc: colour and symbol together.
double difference_vue(const QImage& a, const QImage& b, Vision v)
{
    double somme = 0;
    int n = 0;
    const double rayon = a.width() * 14.0 / 32;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (std::hypot(x + 0.5 - a.width() / 2.0, y + 0.5 - a.height() / 2.0) > rayon)
                continue;
            const auto u = vu(a.pixel(x, y), v);
            const auto w = vu(b.pixel(x, y), v);
            somme += std::sqrt(((u[0] - w[0]) * (u[0] - w[0]) + (u[1] - w[1]) * (u[1] - w[1]) + (u[2] - w[2]) * (u[2] - w[2])) / 3);
            ++n;
        }
    return somme / n;
}

} // namespace

class TestArtwork : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;

private slots:
    void init() { env = std::make_unique<support::Environnement>(); }
    void cleanup() { env.reset(); }

    // Every line of the size list, at both scales.
    void tailleListee_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<int>("echelle");
        // Largest channel difference allowed: none for raw bytes, a little for PNG's straight alpha.
        QTest::addColumn<int>("tolerance");
        QFile liste(QStringLiteral(ART_SOURCE_DIR "/sizes.txt"));
        QVERIFY(liste.open(QIODevice::ReadOnly | QIODevice::Text));
        int lignes = 0;
        while (!liste.atEnd()) {
            const QString texte = QString::fromUtf8(liste.readLine()).section(QLatin1Char('#'), 0, 0).trimmed();
            QStringList mots = texte.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            const bool png = !mots.isEmpty() && mots.last() == QLatin1String("png");
            if (png)
                mots.removeLast();
            for (qsizetype k = 1; k < mots.size(); ++k) {
                const QStringList lh = mots[k].split(QLatin1Char('x'));
                const QSize taille(lh[0].toInt(), lh.value(1, lh[0]).toInt());
                for (const int echelle : {1, 2})
                    QTest::addRow("%s %s x%d", qPrintable(mots[0]), qPrintable(mots[k]), echelle)
                        << mots[0] << taille << echelle << (echelle == 1 && !png ? 0 : 2);
            }
            lignes += mots.isEmpty() ? 0 : 1;
        }
        QCOMPARE(lignes, 21);
    }
    void tailleListee()
    {
        QFETCH(QString, nom);
        QFETCH(QSize, taille);
        QFETCH(int, echelle);
        QFETCH(int, tolerance);
        const QString chemin = artwork::chemin(nom);
        const QSize pixels = taille * echelle;
        QVERIFY(artwork::prerendu(chemin, pixels));
        const QImage image = artwork::image(chemin, taille, echelle);
        QCOMPARE(image.size(), pixels);
        const Ecart e = ecart(image, dessin_svg(nom, pixels));
        QVERIFY2(e.maximum <= tolerance, qPrintable(QString::number(e.maximum)));
        const QPixmap pm = artwork::rendu(chemin, taille, echelle);
        QCOMPARE(pm.size(), pixels);
        QCOMPARE(pm.devicePixelRatio(), qreal(echelle));
    }

    // Sizes the list does not hold: scaled from the nearest rendering, close to the drawing.
    void tailleNonListee_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QSize>("taille");
        QTest::addColumn<qreal>("dpr");
        QTest::addColumn<QSize>("pixels");
        QTest::newRow("peg larger") << "peg_R" << QSize(40, 40) << 1.0 << QSize(40, 40);
        QTest::newRow("peg smaller") << "peg_R" << QSize(20, 20) << 1.0 << QSize(20, 20);
        QTest::newRow("logo, other shape") << "logo" << QSize(300, 200) << 1.0 << QSize(300, 200);
        QTest::newRow("pointer at 2.2") << "pointer" << QSize(19, 15) << 2.2 << QSize(42, 33);
        QTest::newRow("icon above all") << "icon" << QSize(256, 256) << 1.0 << QSize(256, 256);
    }
    void tailleNonListee()
    {
        QFETCH(QString, nom);
        QFETCH(QSize, taille);
        QFETCH(qreal, dpr);
        QFETCH(QSize, pixels);
        const QString chemin = artwork::chemin(nom);
        QVERIFY(!artwork::prerendu(chemin, pixels));
        const QImage image = artwork::image(chemin, taille, dpr);
        QCOMPARE(image.size(), pixels);
        const Ecart e = ecart(image, dessin_svg(nom, pixels));
        QVERIFY2(e.moyen < 5.0, qPrintable(QString::number(e.moyen)));
    }

    void imageInconnue()
    {
        QVERIFY(artwork::image(artwork::chemin(QStringLiteral("inconnue")), QSize(16, 16), 1.0).isNull());
        QVERIFY(artwork::rendu(artwork::chemin(QStringLiteral("inconnue")), QSize(16, 16), 1.0).isNull());
        QVERIFY(artwork::image(artwork::chemin(QStringLiteral("peg_R")), QSize(0, 27), 1.0).isNull());
        QVERIFY(artwork::image(QString(), QSize(27, 27), 1.0).isNull());
    }

    // Colour is never the only cue: in grey and under both red-green blindnesses, every two of
    // the eight pegs, as the windows draw them, differ by at least 17 levels of 255 on average over
    // the disc (the same pegs without their symbols fall to 8 in grey).
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
        QStringList proches;
        double pire = 255;
        for (const Vision v : {Vision::gris, Vision::deuteranopie, Vision::protanopie})
            for (int i = 0; i < lettres.size(); ++i)
                for (int j = i + 1; j < lettres.size(); ++j) {
                    const auto image = [&](QChar l) {
                        return artwork::image(artwork::chemin(QStringLiteral("peg_") + l), QSize(pixels, pixels), 1.0)
                            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
                    };
                    const double d = difference_vue(image(lettres[i]), image(lettres[j]), v);
                    pire = std::min(pire, d);
                    if (d < 17)
                        proches << QStringLiteral("%1%2 (%3): %4").arg(lettres[i]).arg(lettres[j]).arg(int(v)).arg(d, 0, 'f', 1);
                }
        qInfo("%d px: smallest difference %.1f", pixels, pire);
        QVERIFY2(proches.isEmpty(), qPrintable(proches.join(QStringLiteral(", "))));
    }

    // Every picture on the windows, and every pointer they set, is drawn at a rendered size:
    // a window resized without the list would come out scaled, a little blurred.
    void fenetresAuxTaillesRendues_data()
    {
        QTest::addColumn<double>("echelle");
        QTest::addColumn<int>("dpr");
        for (const double e : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0})
            QTest::newRow(qPrintable(QString::number(e))) << e << 1;
        QTest::newRow("1, écran x2") << 1.0 << 2;
    }
    void fenetresAuxTaillesRendues()
    {
        QFETCH(double, echelle);
        QFETCH(int, dpr);
        twips::echelle = echelle;
        const auto remettre = qScopeGuard([] { twips::echelle = 1; });
        using namespace Chromalis;
        instance<frmSplash>();
        QCoreApplication::processEvents();
        QList<PegImage*> images = instance<frmSplash>()->findChildren<PegImage*>();
        images += instance<frmChromalis>()->images();
        images += instance<frmFIN>()->findChildren<PegImage*>();
        int vues = 0;
        for (const PegImage* p : std::as_const(images)) {
            if (p->isHidden())
                continue;
            if (!p->Picture().isEmpty()) {
                ++vues;
                QVERIFY2(artwork::prerendu(p->Picture(), p->size() * dpr), qPrintable(p->Picture()));
            }
            if (!p->MouseIcon().isEmpty())
                QVERIFY2(artwork::prerendu(p->MouseIcon(), QSize(twips::px(360), twips::px(360)) * dpr), qPrintable(p->MouseIcon()));
        }
        QVERIFY(vues > 60);
        support::dechargerFenetres();
    }
};

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
