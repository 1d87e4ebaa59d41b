// The clocks, driven tick by tick: the countdown bar, the total time, the pause, the banner.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/clock.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmSplash.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace Chromalis;

class TestClocks : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    frmChromalis* f = nullptr;
    QDateTime maintenant;

    void partieChronometree(int secondes)
    {
        f->cboJeu->setCurrentText(QStringLiteral("Normal"));
        f->cboJeu_Click();
        f->chkTemps->setChecked(true);
        f->chkTemps_Click();
        f->cboTemps->setCurrentText(QString::number(secondes));
        f->cmdNouveau_Click();
        f->txtCombi->setText(QStringLiteral("RBVJ"));
    }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        maintenant = QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0));
        platform::setClockHook([this] { return maintenant; });
        instance<frmSplash>();
        f = instance<frmChromalis>();
        f->show();
    }
    void cleanup() { env.reset(); }

    void compteARebours_data()
    {
        QTest::addColumn<int>("secondes");
        QTest::addColumn<int>("pasBarre");
        QTest::addColumn<QStringList>("pourcents");
        QTest::addColumn<int>("largeurFinale");
        QTest::newRow("20 s") << 20 << 130 << QStringList{"5", "10", "15"} << 1 + 20 * 130;
        // 2595 / 10 = 259.5: halves go to the even neighbour, 260.
        QTest::newRow("10 s") << 10 << 260 << QStringList{"10", "20", "30"} << 2601;
        // 2.5 shows as 2 and 7.5 as 8.
        QTest::newRow("40 s") << 40 << 65 << QStringList{"2", "5", "8"} << 1 + 40 * 65;
        QTest::newRow("5 s") << 5 << 519 << QStringList{"20", "40", "60"} << 1 + 5 * 519;
    }
    void compteARebours()
    {
        QFETCH(int, secondes);
        QFETCH(int, pasBarre);
        QFETCH(QStringList, pourcents);
        QFETCH(int, largeurFinale);
        partieChronometree(secondes);
        QVERIFY(f->Timer3.Enabled());
        QCOMPARE(f->Timer3.Interval(), 1000);
        QCOMPARE(f->lblinfo_temps->text(), QStringLiteral("Chrono: %1 sec.").arg(secondes));
        QCOMPARE(f->LargeurBarre(), 1);
        for (int t = 0; t < 3; ++t) {
            f->Timer3_Timer();
            QCOMPARE(f->LargeurBarre(), 1 + (t + 1) * pasBarre);
            QCOMPARE(f->lblPourcent->text(), pourcents[t]);
        }
        for (int t = 3; t < secondes; ++t)
            f->Timer3_Timer();
        QCOMPARE(f->LargeurBarre(), largeurFinale);
        QCOMPARE(f->lblPourcent->text(), QStringLiteral("100"));
        QCOMPARE(num_ligne, std::int16_t(1));
        // The tick after 100 % judges the row as it stands and opens the next one.
        f->Timer3_Timer();
        QCOMPARE(num_ligne, std::int16_t(2));
        QCOMPARE(f->LargeurBarre(), 1);
        QCOMPARE(f->lblPourcent->text(), QStringLiteral("0"));
        QCOMPARE(f->CouleurBarre(), 0x00FF00);
    }

    void couleurDeLaBarre_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<int>("couleur");
        // &HBBGGRR: red grows by 2.5 a percent, green shrinks as much.
        QTest::newRow("0 %") << 0 << 0x00FF00;
        QTest::newRow("50 %") << 10 << (125 | (130 << 8));
        QTest::newRow("100 %") << 20 << (250 | (5 << 8));
    }
    void couleurDeLaBarre()
    {
        QFETCH(int, ticks);
        QFETCH(int, couleur);
        partieChronometree(20);
        f->setCouleurBarre(0x00FF00);
        for (int t = 0; t < ticks; ++t)
            f->Timer3_Timer();
        QCOMPARE(f->CouleurBarre(), couleur);
    }

    void tempsTotal_data()
    {
        QTest::addColumn<int>("secondes");
        QTest::addColumn<QString>("texte");
        QTest::newRow("59 s") << 59 << QStringLiteral("00h00mn59s");
        QTest::newRow("une heure") << 3600 << QStringLiteral("01h00mn00s");
        QTest::newRow("cent heures") << 360000 << QStringLiteral("100h00mn00s");
    }
    void tempsTotal()
    {
        QFETCH(int, secondes);
        QFETCH(QString, texte);
        f->cmdNouveau_Click();
        QVERIFY(f->Timer4.Enabled());
        QCOMPARE(f->lblTemps_total->text(), QStringLiteral("00h00mn00s"));
        QCOMPARE(temps_total, QStringLiteral("0"));
        maintenant = maintenant.addSecs(secondes);
        f->Timer4_Timer();
        QCOMPARE(f->lblTemps_total->text(), texte);
        QCOMPARE(temps_total, QString::number(secondes));
    }

    void pauseFigeLAffichageSeulement()
    {
        partieChronometree(20);
        maintenant = maintenant.addSecs(10);
        f->Timer4_Timer();
        QTest::keyClick(f->windowHandle(), Qt::Key_P);
        QVERIFY(f->Timer1.Enabled());
        QVERIFY(!f->Timer3.Enabled());
        QVERIFY(!f->Timer4.Enabled());
        QVERIFY(f->lblPause->isVisibleTo(f));
        f->Timer1_Timer();
        QVERIFY(!f->lblPause->isVisibleTo(f));
        f->Timer1_Timer();
        QVERIFY(f->lblPause->isVisibleTo(f));
        maintenant = maintenant.addSecs(30);
        QCOMPARE(f->lblTemps_total->text(), QStringLiteral("00h00mn10s"));
        QTest::keyClick(f->windowHandle(), Qt::Key_P);
        QVERIFY(!f->Timer1.Enabled());
        QVERIFY(f->Timer3.Enabled());
        QVERIFY(f->Timer4.Enabled());
        QVERIFY(!f->lblPause->isVisibleTo(f));
        f->Timer4_Timer();
        QCOMPARE(f->lblTemps_total->text(), QStringLiteral("00h00mn40s"));
    }

    void deposerOuValiderFinitLaPause_data()
    {
        QTest::addColumn<bool>("parDepot");
        QTest::newRow("dépôt") << true;
        QTest::newRow("validation") << false;
    }
    void deposerOuValiderFinitLaPause()
    {
        QFETCH(bool, parDepot);
        partieChronometree(20);
        QTest::keyClick(f->windowHandle(), Qt::Key_P);
        QVERIFY(f->Timer1.Enabled());
        if (parDepot)
            f->img_DragDrop(1, 1, f->ImageR);
        else
            f->cmdValider_Click();
        QVERIFY(!f->Timer1.Enabled());
        QVERIFY(f->Timer3.Enabled());
        QVERIFY(f->Timer4.Enabled());
        QVERIFY(!f->lblPause->isVisibleTo(f));
    }

    void banniereDansLeTitre()
    {
        const QString& b = frmChromalis::banniere();
        QCOMPARE(b.size(), 124);
        QCOMPARE(b.left(35), QString(35, QLatin1Char(' ')));
        QVERIFY(!b.at(35).isSpace());
        f->compteur_banniere = 0;
        f->Timer2_Timer();
        QCOMPARE(f->windowTitle(), b.right(123));
        for (int t = 1; t < 124; ++t)
            f->Timer2_Timer();
        QCOMPARE(f->windowTitle(), QString());
        QCOMPARE(f->compteur_banniere, std::int16_t(124));
        // Tick L + 1 starts the cycle again with the whole line.
        f->Timer2_Timer();
        QCOMPARE(f->windowTitle(), b);
        QCOMPARE(f->compteur_banniere, std::int16_t(0));
    }

    void titreApresRestauration()
    {
        f->showMinimized();
        f->Form_Resize();
        QVERIFY(f->Timer2.Enabled());
        f->Timer2_Timer();
        QVERIFY(f->windowTitle() != QStringLiteral("Ventaroc vous propose:"));
        f->showNormal();
        f->Form_Resize();
        QVERIFY(!f->Timer2.Enabled());
        QCOMPARE(f->windowTitle(), QStringLiteral("Ventaroc vous propose:"));
    }
};

QTEST_MAIN(TestClocks)
#include "test_clocks.moc"
