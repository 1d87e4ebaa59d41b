// Playing through the module: starting and stopping, placing pegs, judging rows, the draw.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/random.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/dialogs/frmParties.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmSplash.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Chromalis;

class TestGame : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    frmChromalis* f = nullptr;
    QStringList finsVues;

    // Chooses the game type and mode as the player would, then starts.
    void nouveau(const QString& type, QRadioButton* mode, const QString& secret = QString())
    {
        f->cboJeu->setCurrentText(type);
        f->cboJeu_Click();
        mode->setChecked(true);
        f->cmdNouveau_Click();
        if (!secret.isEmpty())
            f->txtCombi->setText(secret);
    }
    PegImage* pion(QChar lettre)
    {
        for (PegImage* p : f->palette())
            if (p->Tag() == QString(lettre))
                return p;
        return nullptr;
    }
    void poser(const QString& lettres)
    {
        for (int k = 0; k < lettres.size(); ++k)
            if (lettres[k] != u'.')
                f->img_DragDrop(num_ligne, k + 1, pion(lettres[k]));
    }
    QList<int> marques(int K)
    {
        QList<int> m;
        for (int k = 1; k <= nb_pions; ++k)
            m.append(f->shaGris[K][k]->FillColor());
        return m;
    }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        finsVues.clear();
        env->dansModal = [this](QWidget* w) {
            if (auto* fin = qobject_cast<frmFIN*>(w)) {
                finsVues.append(fin->windowTitle());
                // Non: the game stops, the board stays.
                if (fin->cmdNON->isEnabled())
                    fin->cmdNON_Click();
            }
        };
        instance<frmSplash>();
        f = instance<frmChromalis>();
        f->show();
    }
    void cleanup()
    {
        env.reset();
        f = nullptr;
    }

    void demarrerEtArreter_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("pions");
        QTest::addColumn<int>("couleurs");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<QString>("titre");
        QTest::newRow("Super") << QStringLiteral("Super") << 5 << 8 << 12 << QStringLiteral("SUPER CHROMALIS");
        QTest::newRow("Normal") << QStringLiteral("Normal") << 4 << 6 << 10 << QStringLiteral("CHROMALIS");
    }
    void demarrerEtArreter()
    {
        QFETCH(QString, type);
        QFETCH(int, pions);
        QFETCH(int, couleurs);
        QFETCH(int, lignes);
        QFETCH(QString, titre);
        // A Super game first, so the normal game has to hide what it showed.
        nouveau(QStringLiteral("Super"), f->optExpert);
        f->cmdNouveau_Click();
        nouveau(type, f->optExpert);
        QVERIFY(jeu_en_cours);
        QCOMPARE(num_ligne, std::int16_t(1));
        QCOMPARE(int(nb_pions), pions);
        QCOMPARE(int(nb_couleurs), couleurs);
        QCOMPARE(int(nb_lignes), lignes);
        QCOMPARE(f->lblTitre->text(), titre);
        QCOMPARE(f->cmdNouveau->text(), QStringLiteral("&Arrêter le jeu"));
        QVERIFY(f->cmdValider->isEnabled());
        QVERIFY(!f->cmdScores->isEnabled());
        QCOMPARE(f->txtCombi->text().size(), pions);
        for (int K = 1; K <= 12; ++K)
            for (int n = 1; n <= 5; ++n) {
                const bool attendu = K <= lignes && n <= pions;
                QCOMPARE(f->img[K][n]->isVisibleTo(f), attendu);
                QCOMPARE(f->shaGris[K][n]->isVisibleTo(f), attendu);
            }
        QCOMPARE(f->Line[11]->isVisibleTo(f), lignes == 12);
        for (QWidget* w : std::initializer_list<QWidget*>{f->chkTemps, f->cboTemps, f->optDebutant, f->optExpert,
                                                          f->optTop, f->cboJeu, f->cboParties, f->chkPartie})
            QVERIFY(!w->isEnabled());
        frmParties* p = instance<frmParties>();
        for (QWidget* w : std::initializer_list<QWidget*>{p->lstParties, p->txtNumPartie, p->cmdChercher,
                                                          p->cmdChercherNom, p->cmdIdentique, p->cmdModifier})
            QVERIFY(!w->isEnabled());
        for (PegImage* peg : f->palette())
            QCOMPARE(peg->DragModeValue(), int(PegImage::vbAutomatic));

        f->cmdNouveau_Click();
        QVERIFY(!jeu_en_cours);
        QCOMPARE(num_ligne, std::int16_t(0));
        QCOMPARE(f->cmdNouveau->text(), QStringLiteral("&Nouveau jeu"));
        QVERIFY(!f->cmdValider->isEnabled());
        QVERIFY(f->cmdScores->isEnabled());
        for (QWidget* w : std::initializer_list<QWidget*>{f->chkTemps, f->optDebutant, f->optExpert, f->optTop,
                                                          f->cboJeu, f->chkPartie})
            QVERIFY(w->isEnabled());
        for (QWidget* w : std::initializer_list<QWidget*>{p->lstParties, p->txtNumPartie, p->cmdChercher,
                                                          p->cmdChercherNom, p->cmdIdentique, p->cmdModifier})
            QVERIFY(w->isEnabled());
        for (PegImage* peg : f->palette())
            QCOMPARE(peg->DragModeValue(), int(PegImage::vbManual));
        // The finished board stays on view.
        QVERIFY(f->img[1][1]->isVisibleTo(f));
    }

    void poserRemplacerEnlever()
    {
        nouveau(QStringLiteral("Normal"), f->optExpert, QStringLiteral("RBVJ"));
        f->img_DragDrop(1, 2, pion(u'R'));
        QCOMPARE(f->img[1][2]->Tag(), QStringLiteral("R"));
        QCOMPARE(f->img[1][2]->Picture(), f->ImageR->Picture());
        f->img_DragDrop(1, 2, pion(u'O'));
        QCOMPARE(f->img[1][2]->Tag(), QStringLiteral("O"));
        QCOMPARE(f->img[1][2]->Picture(), f->ImageO->Picture());
        f->img_MouseMove(1, 2);
        QCOMPARE(f->img[1][2]->toolTip(), QStringLiteral("Cliquez pour enlever le pion"));
        QCOMPARE(f->img[1][2]->MousePointerValue(), int(PegImage::vbCustom));
        f->img_Click(1, 2);
        QCOMPARE(f->img[1][2]->Tag(), QStringLiteral("Z"));
        QCOMPARE(f->img[1][2]->Picture(), f->Image1->Picture());
        QCOMPARE(f->img[1][2]->toolTip(), QString());
    }

    // A real click and a real pointer movement on a hole reach the handlers with that hole's row
    // and index, and no other hole's.
    void lesTrousSignalentLeurPlace()
    {
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        nouveau(QStringLiteral("Normal"), f->optExpert, QStringLiteral("RBVJ"));
        poser(QStringLiteral(".R.O"));
        QTest::mouseMove(f->img[1][4], QPoint(10, 10));
        QTRY_COMPARE(f->img[1][4]->toolTip(), QStringLiteral("Cliquez pour enlever le pion"));
        QCOMPARE(f->img[1][2]->toolTip(), QString());
        QTest::mouseClick(f->img[1][2], Qt::LeftButton);
        QCOMPARE(f->img[1][2]->Tag(), QStringLiteral("Z"));
        QCOMPARE(f->img[1][4]->Tag(), QStringLiteral("O"));
        // The same click on the row below changes nothing: it is not the row being played.
        f->img[2][4]->setTag(QStringLiteral("B"));
        QTest::mouseClick(f->img[2][4], Qt::LeftButton);
        QCOMPARE(f->img[2][4]->Tag(), QStringLiteral("B"));
    }

    void seuleLaRangeeCouranteAccepte()
    {
        nouveau(QStringLiteral("Normal"), f->optExpert, QStringLiteral("RBVJ"));
        poser(QStringLiteral("OOOO"));
        f->cmdValider_Click();
        QCOMPARE(num_ligne, std::int16_t(2));
        // Row 1 is frozen: neither a drop nor a click changes it; row 3 is not open yet.
        f->img_DragDrop(1, 1, pion(u'R'));
        f->img_Click(1, 2);
        f->img_DragDrop(3, 1, pion(u'R'));
        QCOMPARE(f->img[1][1]->Tag(), QStringLiteral("O"));
        QCOMPARE(f->img[1][2]->Tag(), QStringLiteral("O"));
        QCOMPARE(f->img[3][1]->Tag(), QStringLiteral("Z"));
        f->img_MouseMove(1, 1);
        QCOMPARE(f->img[1][1]->toolTip(), QString());
    }

    void jugementDesRangees_data()
    {
        QTest::addColumn<QString>("secret");
        QTest::addColumn<QString>("proposition");
        QTest::addColumn<QList<int>>("attendu");
        const int N = 0x000000, B = 0xFFFFFF, G = 0x808080;
        QTest::newRow("Normal RBVJ/JVBR") << QStringLiteral("RBVJ") << QStringLiteral("JVBR")
                                          << QList<int>{B, B, B, B};
        QTest::newRow("Normal RBVJ/BRRR") << QStringLiteral("RBVJ") << QStringLiteral("BRRR")
                                          << QList<int>{B, B, G, G};
        QTest::newRow("Normal RRBV/RRRR") << QStringLiteral("RRBV") << QStringLiteral("RRRR")
                                          << QList<int>{N, N, G, G};
        QTest::newRow("Normal vide") << QStringLiteral("RBVJ") << QStringLiteral("....")
                                     << QList<int>{G, G, G, G};
    }
    void jugementDesRangees()
    {
        QFETCH(QString, secret);
        QFETCH(QString, proposition);
        QFETCH(QList<int>, attendu);
        nouveau(QStringLiteral("Normal"), f->optExpert, secret);
        poser(proposition);
        f->cmdValider_Click();
        QCOMPARE(marques(1), attendu);
        QCOMPARE(num_ligne, std::int16_t(2));
        QVERIFY(finsVues.isEmpty());
    }

    void initiationMarqueSaPosition()
    {
        // JBOR against RBVJ: B is right at position 2; J and R are right colours elsewhere.
        nouveau(QStringLiteral("Normal"), f->optDebutant, QStringLiteral("RBVJ"));
        poser(QStringLiteral("JBOR"));
        f->cmdValider_Click();
        QCOMPARE(marques(1), (QList<int>{0xFFFFFF, 0x000000, 0x808080, 0xFFFFFF}));
        // Packed in Normal: the black first, then the two whites.
        f->cmdNouveau_Click();
        nouveau(QStringLiteral("Normal"), f->optExpert, QStringLiteral("RBVJ"));
        poser(QStringLiteral("JBOR"));
        f->cmdValider_Click();
        QCOMPARE(marques(1), (QList<int>{0x000000, 0xFFFFFF, 0xFFFFFF, 0x808080}));
    }

    void expertTrouVideContreZ()
    {
        nouveau(QStringLiteral("Normal"), f->optTop, QStringLiteral("RZBZ"));
        poser(QStringLiteral("R.B."));
        f->cmdValider_Click();
        QCOMPARE(finsVues, QStringList{QStringLiteral("BRAVO")});
    }

    void gagneeEnTroisiemeRangee()
    {
        nouveau(QStringLiteral("Normal"), f->optExpert, QStringLiteral("RBVJ"));
        poser(QStringLiteral("OOOO"));
        f->cmdValider_Click();
        poser(QStringLiteral("IIII"));
        f->cmdValider_Click();
        QVERIFY(finsVues.isEmpty());
        env->dansModal = [this](QWidget* w) {
            if (qobject_cast<frmFIN*>(w)) {
                finsVues.append(w->windowTitle());
                // While the dialog is up the finished board is as the win left it.
                QCOMPARE(num_ligne, std::int16_t(3));
                QCOMPARE(marques(3), (QList<int>{0, 0, 0, 0}));
                QVERIFY(!f->Timer3.Enabled());
                QVERIFY(!f->Timer4.Enabled());
            }
        };
        poser(QStringLiteral("RBVJ"));
        f->cmdValider_Click();
        QCOMPARE(finsVues, QStringList{QStringLiteral("BRAVO")});
    }

    void perdueEnDerniereRangeeSansPions()
    {
        nouveau(QStringLiteral("Normal"), f->optExpert, QStringLiteral("RBVJ"));
        for (int K = 1; K < 10; ++K) {
            poser(QStringLiteral("RBJV"));
            f->cmdValider_Click();
        }
        QCOMPARE(num_ligne, std::int16_t(10));
        QVERIFY(finsVues.isEmpty());
        poser(QStringLiteral("RBJV"));
        f->cmdValider_Click();
        QCOMPARE(finsVues, QStringList{QStringLiteral("PERDU")});
        QCOMPARE(marques(10), (QList<int>{0x808080, 0x808080, 0x808080, 0x808080}));
        QCOMPARE(marques(9), (QList<int>{0, 0, 0xFFFFFF, 0xFFFFFF}));
        QVERIFY(!jeu_en_cours);
    }

    void tirageAvecGenerateurScripte_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QList<double>>("nombres");
        QTest::addColumn<QString>("secret");
        // r x colours rounded, halves to even: 0.25 x 6 = 1.5 -> 2, 0.3125 x 8 = 2.5 -> 2.
        QTest::newRow("normal") << QStringLiteral("Normal") << QList<double>{0.2, 0.25, 0.5, 0.99}
                                << QStringLiteral("RBVI");
        QTest::newRow("super") << QStringLiteral("Super") << QList<double>{0.125, 0.3125, 0.6, 0.75, 0.99}
                               << QStringLiteral("RBOIX");
    }
    void tirageAvecGenerateurScripte()
    {
        QFETCH(QString, type);
        QFETCH(QList<double>, nombres);
        QFETCH(QString, secret);
        platform::setRandomHook([nombres]() mutable {
            return nombres.isEmpty() ? 0.5f : static_cast<float>(nombres.takeFirst());
        });
        nouveau(type, f->optExpert);
        QCOMPARE(f->txtCombi->text(), secret);
        QCOMPARE(f->Label5->text(), secret);
        QCOMPARE(f->lblPartie->text(), QStringLiteral("Partie: NON"));
    }

    void partiePredefinieRemplaceLeTirage()
    {
        f->cboJeu->setCurrentText(QStringLiteral("Normal"));
        f->cboJeu_Click();
        f->optDebutant->setChecked(true);
        f->optDebutant_Click();
        f->chkPartie->setChecked(true);
        f->chkPartie_Click();
        f->cboParties->setCurrentIndex(0);
        QCOMPARE(partie_choisie, QStringLiteral("NI1"));
        f->cmdNouveau_Click();
        QCOMPARE(f->txtCombi->text(), QStringLiteral("RORB"));
        QCOMPARE(f->lblPartie->text(), QStringLiteral("Partie: NI1"));
        // An emptied entry leaves the random draw in place.
        f->cmdNouveau_Click();
        parties[1].clear();
        platform::setRandomHook([] { return 0.2f; });
        f->cmdNouveau_Click();
        QCOMPARE(f->txtCombi->text(), QStringLiteral("RRRR"));
    }

    void secretLuAChaqueJugement()
    {
        nouveau(QStringLiteral("Normal"), f->optExpert, QStringLiteral("RBVJ"));
        poser(QStringLiteral("OOOO"));
        f->txtCombi->setText(QStringLiteral("OOOO"));
        f->cmdValider_Click();
        QCOMPARE(finsVues, QStringList{QStringLiteral("BRAVO")});
    }
};

QTEST_MAIN(TestGame)
#include "test_game.moc"
