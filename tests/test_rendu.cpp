// The windows as the player sees them, compared with reviewed pictures: one picture checks the
// place, colour, face and state of every control at once. CHROMALIS_REFERENCES=ecrire rewrites
// the pictures (look at each one before committing it); a failed comparison leaves the picture
// drawn beside the build, with the pixels that differ in red.
#include "support/joueur.h"

#include "platform/twips.h"
#include "windows/controls/police.h"

using namespace Chromalis;

namespace {
// A pixel differs when one channel is off by more than this; a picture when more than 0.3 % of
// its pixels do (room for antialiasing, none for a control out of place or in another colour).
constexpr int ecart_canal = 48;
constexpr double part_admise = 0.003;

void comparer(QWidget* w, const QString& nom)
{
    QCoreApplication::processEvents();
    const QImage vu = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString chemin = QStringLiteral(REFERENCES "/%1.png").arg(nom);
    if (qgetenv("CHROMALIS_REFERENCES") == "ecrire") {
        QVERIFY(vu.save(chemin));
        return;
    }
    const QImage attendu = QImage(chemin).convertToFormat(QImage::Format_RGB32);
    QVERIFY2(!attendu.isNull(), qPrintable(chemin));
    QCOMPARE(vu.size(), attendu.size());
    QImage ecarts = vu;
    int differents = 0;
    for (int y = 0; y < vu.height(); ++y)
        for (int x = 0; x < vu.width(); ++x) {
            const QRgb a = vu.pixel(x, y), b = attendu.pixel(x, y);
            if (qAbs(qRed(a) - qRed(b)) > ecart_canal || qAbs(qGreen(a) - qGreen(b)) > ecart_canal
                || qAbs(qBlue(a) - qBlue(b)) > ecart_canal) {
                ++differents;
                ecarts.setPixel(x, y, qRgb(255, 0, 0));
            }
        }
    if (differents > part_admise * vu.width() * vu.height()) {
        ecarts.save(QDir::current().absoluteFilePath(nom + QStringLiteral("-ecarts.png")));
        QFAIL(qPrintable(QStringLiteral("%1: %2 pixels differ (see %1-ecarts.png)").arg(nom).arg(differents)));
    }
}
} // namespace

class TestRendu : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Joueur> j;
    frmChromalis* f = nullptr;

    void partie(const QString& type, const QString& mode, const QString& secret, int chrono = 0)
    {
        j->choisir(type, mode, chrono);
        j->nouveau();
        f->txtCombi->setText(secret);
    }

private slots:
    void init()
    {
        twips::echelle = 1;
        police::appliquer();
        j = std::make_unique<support::Joueur>();
        f = j->f;
    }
    void cleanup() { j.reset(); }

    // A timed Super game in Initiation, three rows judged, a fourth begun, paused.
    void partieEnPause()
    {
        partie(QStringLiteral("Super"), QStringLiteral("I"), QStringLiteral("RRBVX"), 20);
        for (const char* r : {"RBVJO", "XRINB", "RRVVX"})
            j->jouer(r);
        j->poser(QStringLiteral("RR.N"));
        j->avancer(83);
        j->tic(f->Timer4);
        j->tic(f->Timer3, 5);
        j->touche(Qt::Key_P);
        comparer(f, QStringLiteral("partie-en-pause"));
        // The solution access: the judge's cells and the secret under the board.
        j->dansModal = [](QWidget* w) {
            QTest::keyClicks(static_cast<frmPasse*>(w)->txtPasse, QStringLiteral("K417"));
            QTest::keyClick(static_cast<frmPasse*>(w)->txtPasse, Qt::Key_Return);
        };
        support::cliquer(f->lblTriche);
        comparer(f, QStringLiteral("solution-revelee"));
    }

    // A normal game in Expert, lost: the finished board and the dialog over it.
    void partiePerdue()
    {
        partie(QStringLiteral("Normal"), QStringLiteral("E"), QStringLiteral("RZBZ"));
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
        partie(QStringLiteral("Normal"), QStringLiteral("N"), QStringLiteral("JOIB"));
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

    void accueilEtParties()
    {
        frmSplash* s = instance<frmSplash>();
        s->show();
        comparer(s, QStringLiteral("accueil"));
        frmParties* p = instance<frmParties>();
        p->show();
        comparer(p, QStringLiteral("parties"));
    }
};

QTEST_MAIN(TestRendu)
#include "test_rendu.moc"
