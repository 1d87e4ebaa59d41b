// Windows against reviewed pictures at each screen's scale. CHROMALIS_REFERENCES=ecrire rewrites them (look
// at each before committing); a failure leaves the drawing beside the build, differing pixels in red.
#include "support/joueur.h"

#include "platform/echelle.h"
#include "platform/twips.h"
#include "windows/controls/artwork.h"
#include "windows/controls/police.h"

#include <QFontDatabase>
#include <cmath>

using namespace Chromalis;

namespace {
// Channel and pixel tolerances: room for antialiased edges, none for a cut letter or a control out of place.
constexpr int ecart_canal = 48;
constexpr int pixels_admis = 12;
QString suffixe; // the scale's, in the picture's name

void comparer(QWidget* w, const QString& nom)
{
    QCoreApplication::processEvents();
    const QImage vu = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString chemin = QStringLiteral(REFERENCES "/%1%2.png").arg(nom, suffixe);
    if (qgetenv("CHROMALIS_REFERENCES") == "ecrire") {
        QVERIFY(vu.save(chemin));
        return;
    }
    const QImage attendu = QImage(chemin).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!attendu.isNull(), qPrintable(chemin));
    QCOMPARE(vu.size(), attendu.size());
    QImage ecarts = vu;
    int differents = 0;
    const auto loin = [](QRgb a, QRgb b, int decalage) {
        return qAbs(int(a >> decalage & 255) - int(b >> decalage & 255)) > ecart_canal;
    };
    for (int k = 0; k < vu.width() * vu.height(); ++k) {
        const int x = k % vu.width(), y = k / vu.width();
        const QRgb a = vu.pixel(x, y), b = attendu.pixel(x, y);
        if (loin(a, b, 0) || loin(a, b, 8) || loin(a, b, 16))
            ++differents, ecarts.setPixel(x, y, qRgb(255, 0, 0));
    }
    if (differents > pixels_admis) {
        ecarts.save(QDir::current().absoluteFilePath(nom + QStringLiteral("-ecarts.png")));
        QFAIL(qPrintable(QStringLiteral("%1: %2 pixels differ (see %1-ecarts.png)").arg(nom).arg(differents)));
    }
}

// Seeing in grey, or without green (deuteranopia) or red (protanopia) cones: Machado, Oliveira and Fernandes
// (2009), severity 1, applied in linear RGB.
constexpr double visions[3][9] = {
    {0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722, 0.2126, 0.7152, 0.0722},
    {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881},
    {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998}};
double lineaire(double x) { return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4); }
double gamma(double y) { return y <= 0.0031308 ? 12.92 * y : 1.055 * std::pow(y, 1 / 2.4) - 0.055; }
// A peg pixel over the board as seen through matrix m, 0 to 255 a channel.
std::array<double, 3> percu(QRgb p, const double* m)
{
    const double plateau[3] = {128, 64, 64}, octet[3] = {double(qRed(p)), double(qGreen(p)), double(qBlue(p))};
    double l[3], y[3];
    for (int k = 0; k < 3; ++k)
        l[k] = lineaire((octet[k] + (1 - qAlpha(p) / 255.0) * plateau[k]) / 255);
    for (int k = 0; k < 3; ++k)
        y[k] = 255 * gamma(std::clamp(m[3 * k] * l[0] + m[3 * k + 1] * l[1] + m[3 * k + 2] * l[2], 0.0, 1.0));
    return {y[0], y[1], y[2]};
}
} // namespace

class TestRendu : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Joueur> j;
    frmChromalis* f = nullptr;

private slots:
    // The board takes 55 to 75 % of the usable height, nearest two thirds, not below 1 unless 1 does not fit.
    void initTestCase_data()
    {
        QTest::addColumn<QSize>("ecran");
        QTest::addColumn<double>("attendue");
        QTest::newRow("1024x768") << QSize(1024, 768) << 1.0;
        QTest::newRow("800x600") << QSize(800, 600) << 1.0;
        QTest::newRow("1280x947") << QSize(1280, 947) << 1.0; // 60 %; 1.25 would give 74 %
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 1.25;
        QTest::newRow("3840x2160") << QSize(3840, 2160) << 2.5;
        QTest::newRow("960x540") << QSize(960, 540) << 0.75;
        QTest::newRow("400x2000") << QSize(400, 2000) << 0.75;
    }
    void init()
    {
        QFETCH_GLOBAL(QSize, ecran);
        QFETCH_GLOBAL(double, attendue);
        twips::echelle = echelle::choisir(ecran, 30);
        suffixe = attendue == 1 ? QString() : QStringLiteral("-x") + QString::number(attendue);
        police::appliquer();
        j = std::make_unique<support::Joueur>();
        f = j->f;
    }
    void cleanup() { j.reset(); }

    // A timed Super game in Initiation, three rows judged, a fourth begun from the keyboard (its cursor on), paused.
    void partieEnPause()
    {
        j->partie(QStringLiteral("Super"), QStringLiteral("I"), QStringLiteral("RRBVX"), 20);
        for (const char* r : {"RBVJO", "XRINB", "RRVVX"})
            j->jouer(r);
        for (const Qt::Key k : {Qt::Key_R, Qt::Key_R, Qt::Key_Right, Qt::Key_N})
            j->touche(k);
        j->avancer(83);
        j->tic(f->Timer4);
        j->tic(f->Timer3, 5);
        j->touche(Qt::Key_P);
        comparer(f, QStringLiteral("partie-en-pause"));
        // The solution access: the judge's cells and the secret under the board.
        j->dansModal = [](QWidget* w) {
            comparer(w, QStringLiteral("code-solution"));
            QTest::keyClicks(static_cast<frmPasse*>(w)->txtPasse, QStringLiteral("K417"));
            QTest::keyClick(static_cast<frmPasse*>(w)->txtPasse, Qt::Key_Return);
        };
        support::cliquer(f->lblTriche);
        comparer(f, QStringLiteral("solution-revelee"));
    }

    // A normal game in Expert, lost: the finished board and the dialog over it.
    void partiePerdue()
    {
        j->partie(QStringLiteral("Normal"), QStringLiteral("E"), QStringLiteral("RZBZ"));
        j->dansModal = [](QWidget* w) {
            if (auto* fin = qobject_cast<frmFIN*>(w)) {
                comparer(fin, QStringLiteral("fin-perdue"));
                support::cliquer(fin->cmdNON);
            }
        };
        for (int r = 0; r < 10; ++r)
            j->jouer(r % 2 ? QStringLiteral("B.RZ") : QStringLiteral("OIJV"));
        comparer(f, QStringLiteral("plateau-perdu"));
    }

    // A won game entering a table: the dialog waits for the name, then the scores window takes it.
    void gagneeDansLesScores()
    {
        storage::SaveSetting(QStringLiteral("Chromalis"), QStringLiteral("NN"), QStringLiteral("1"),
                             storage::construire_record(13400, QStringLiteral("Zoé"), 4, QStringLiteral("00h02mn40s"),
                                                        QStringLiteral("14/03/2003")));
        j->partie(QStringLiteral("Normal"), QStringLiteral("N"), QStringLiteral("JOIB"));
        j->dansModal = [](QWidget* w) {
            if (auto* fin = qobject_cast<frmFIN*>(w)) {
                comparer(fin, QStringLiteral("fin-gagnee"));
                support::cliquer(fin->cmdScores);
                support::cliquer(fin->cmdNON);
            } else if (auto* scores = qobject_cast<frmScores*>(w)) {
                comparer(scores, QStringLiteral("scores-saisie"));
            }
        };
        j->jouer(QStringLiteral("IIOO"));
        j->avancer(65);
        j->tic(f->Timer4);
        j->jouer(QStringLiteral("JOIB"));
        QVERIFY(!jeu_en_cours);
    }

    // The start-up window, its link lit under the mouse and off it; the options; the games.
    void accueilOptionsEtParties()
    {
        frmSplash* s = instance<frmSplash>();
        f->move(-9999, 0); // the offscreen screen stacks nothing: the pointer would find the board
        s->show();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        for (QWidget* w : std::initializer_list<QWidget*>{s->Label4, s->imgLogo}) { // a real mouse over each
            QTest::mouseMove(w);
            comparer(s, w == s->Label4 ? QStringLiteral("accueil-lien") : QStringLiteral("accueil"));
        }
        for (QWidget* w : std::initializer_list<QWidget*>{f->cmdOptions, f->optDebutant, f->chkTemps})
            support::cliquer(w);
        comparer(f, QStringLiteral("options"));
        frmParties* p = instance<frmParties>();
        p->show();
        comparer(p, QStringLiteral("parties"));
        // Its caption "Combi No: 600" whole in the desktop's title face, beside an icon and three buttons.
        QFont t = QFontDatabase::systemFont(QFontDatabase::TitleFont);
        t.setBold(true);
        QVERIFY(p->width()
                >= QFontMetrics(t).horizontalAdvance(QStringLiteral("Combi No: 600")) + 4 * QFontMetrics(t).height());
    }

    // Colour never the only cue: in grey and both red-green blindnesses, any two pegs differ, averaged over the
    // disc, by twice what their colours alone give in grey (8 of 255).
    void pionsSansCouleur()
    {
        const std::array<PegImage*, 8> pions = f->palette();
        const int px = pions[0]->width();
        const auto image = [px](PegImage* p) {
            return artwork::image(artwork::chemin("peg_" + p->Tag()), QSize(px, px), 1.0);
        };
        QStringList proches;
        for (int i = 0; i < 8; ++i)
            for (int j = i + 1; j < 8; ++j)
                for (int v = 0; v < 3; ++v) {
                    const QImage a = image(pions[i]), b = image(pions[j]);
                    double somme = 0, n = 0;
                    for (int k = 0; k < px * px; ++k)
                        if (std::hypot(k % px + 0.5 - px / 2.0, k / px + 0.5 - px / 2.0) <= px * 14.0 / 32) {
                            const auto x = percu(a.pixel(k % px, k / px), visions[v]),
                                       y = percu(b.pixel(k % px, k / px), visions[v]);
                            somme += std::hypot(x[0] - y[0], x[1] - y[1], x[2] - y[2]) / std::sqrt(3), ++n;
                        }
                    if (somme / n < 16)
                        proches << QString::asprintf("%s%s %d px (%d): %.1f", qPrintable(pions[i]->Tag()),
                                                     qPrintable(pions[j]->Tag()), px, v, somme / n);
                }
        QVERIFY2(proches.isEmpty(), qPrintable(proches.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TestRendu)
#include "test_rendu.moc"
