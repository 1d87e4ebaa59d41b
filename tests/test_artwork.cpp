// Pegs told apart without colour: the pictures as the build rendered them, at the sizes the board draws.
#include "windows/controls/artwork.h"

#include <QTest>

#include <cmath>

namespace {

// Distance (0-255) of two peg pixels over the board, in grey, or without green (deuteranopia) or red
// (protanopia) cones: Machado, Oliveira and Fernandes (2009), severity 1, applied in linear RGB.
using Vision = std::array<std::array<double, 3>, 3>;
constexpr Vision visions[] = {{{{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}}, // grey
    {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}, // deuteranopia
    {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}}; // protanopia
double distance(QRgb p, QRgb q, const Vision& m)
{
    const auto lineaire = [](QRgb p) {
        std::array<double, 3> c{};
        const int plateau[3] = {128, 64, 64}, octet[3] = {qRed(p), qGreen(p), qBlue(p)};
        for (int k = 0; k < 3; ++k) {
            const double x = (octet[k] + (1 - qAlpha(p) / 255.0) * plateau[k]) / 255;
            c[k] = x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
        }
        return c;
    };
    const auto gamma = [](double y) {
        return 255 * (y <= 0.0031308 ? 12.92 * std::max(y, 0.0) : 1.055 * std::pow(std::min(y, 1.0), 1 / 2.4) - 0.055); };
    const auto a = lineaire(p), b = lineaire(q);
    double somme = 0;
    for (const auto& r : m)
        somme += std::pow(gamma(r[0] * a[0] + r[1] * a[1] + r[2] * a[2]) - gamma(r[0] * b[0] + r[1] * b[1] + r[2] * b[2]), 2);
    return std::sqrt(somme / 3);
}
} // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    // Colour is never the only cue: in grey and both red-green blindnesses, any two pegs as drawn differ by 17 of 255 or
    // more, pixel by pixel, on average over the disc (the same pegs without their symbols fall to 8 in grey).
    void pionsSansCouleur()
    {
        const QString lettres = QStringLiteral("RBVJOINX");
        QStringList proches;
        for (const int px : {27, 34, 41, 54, 68})
            for (int paire = 0; paire < 64; ++paire) {
                const int i = paire / 8, j = paire % 8;
                const auto pion = [px](QChar l) { return artwork::image(artwork::chemin(QStringLiteral("peg_") + l), QSize(px, px), 1.0); };
                const QImage a = pion(lettres[i]), b = pion(lettres[j]);
                for (int v = 0; v < 3; ++v) {
                    double somme = 0, n = 0;
                    for (int k = 0; i < j && k < px * px; ++k)
                        if (std::hypot(k % px + 0.5 - px / 2.0, k / px + 0.5 - px / 2.0) <= px * 14.0 / 32)
                            somme += distance(a.pixel(k % px, k / px), b.pixel(k % px, k / px), visions[v]), ++n;
                    if (n && somme / n < 17)
                        proches << QStringLiteral("%1%2 %3 px (%4): %5").arg(lettres[i]).arg(lettres[j]).arg(px).arg(v)
                                       .arg(somme / n, 0, 'f', 1);
                }
            }
        QVERIFY2(proches.isEmpty(), qPrintable(proches.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestArtwork)
#include "test_artwork.moc"
