// The predefined-games window: the list, selection, both searches, the duplicate check, Modify and
// the digit filter of the number box.
#include "support/support.h"

#include "game/chromalis.h"
#include "game/rules.h"
#include "platform/dialogs.h"
#include "windows/dialogs/frmParties.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmSplash.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Chromalis;

using Remplacements = QList<QPair<int, QString>>;
Q_DECLARE_METATYPE(Remplacements)

class TestParties : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    frmChromalis* f = nullptr;
    frmParties* p = nullptr;

    QString entree(int n) const { return p->lstParties->item(n - 1)->text(); }
    int compter(const QString& genre) const
    {
        int c = 0;
        for (const support::Appel& a : env->appels)
            c += a.genre == genre;
        return c;
    }
    static QString texteDoublon(const QString& nom, int a, int b)
    {
        return QStringLiteral("Combinaisons identiques trouvées:\nnom: %1\npositions: %2 ---> %3").arg(nom).arg(a).arg(b);
    }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        instance<frmSplash>();
        f = instance<frmChromalis>();
        if (QByteArray(QTest::currentTestFunction()) != "construiteAuBesoin")
            p = instance<frmParties>();
    }
    void cleanup()
    {
        env.reset();
        f = nullptr;
        p = nullptr;
    }

    void chargement()
    {
        QVERIFY(!p->isVisible());
        QCOMPARE(p->windowTitle(), QStringLiteral("Combi No: /"));
        QCOMPARE(p->Label5->text(), QStringLiteral("?"));
        QCOMPARE(p->Label3->text(), QStringLiteral("Total: 600 parties"));
        QCOMPARE(p->lstParties->count(), 600);
        QCOMPARE(p->txtNumPartie->maxLength(), 3);
        for (int n = 1; n <= 600; ++n)
            QCOMPARE(parties[n], entree(n));
        QCOMPARE(entree(1), QStringLiteral("RORB"));
        QCOMPARE(entree(101), QStringLiteral("OJRR"));
        QCOMPARE(entree(301), QStringLiteral("VROIO"));
        QCOMPARE(entree(600), QStringLiteral("VNJRV"));
    }

    // The window waits for its first use: the board's load fills the table by itself, and a game
    // started before the window exists still finds it locked.
    void construiteAuBesoin()
    {
        QVERIFY(!estCharge<frmParties>());
        QCOMPARE(parties[1], QStringLiteral("RORB"));
        QCOMPARE(parties[600], QStringLiteral("VNJRV"));
        f->cmdNouveau_Click();
        QVERIFY(jeu_en_cours);
        QVERIFY(!estCharge<frmParties>());
        p = instance<frmParties>();
        const auto controles = {static_cast<QWidget*>(p->lstParties), static_cast<QWidget*>(p->txtNumPartie),
                                static_cast<QWidget*>(p->cmdChercher), static_cast<QWidget*>(p->cmdChercherNom),
                                static_cast<QWidget*>(p->cmdIdentique), static_cast<QWidget*>(p->cmdModifier)};
        for (QWidget* w : controles)
            QVERIFY(!w->isEnabled());
        f->cmdNouveau_Click();
        for (QWidget* w : controles)
            QVERIFY(w->isEnabled());
    }

    // Every predefined game can be won: each entry uses only the length and colours of its block.
    void chaqueEntreeAppartientASonBloc()
    {
        for (int k = 0; k < 600; ++k)
            QVERIFY2(rules::combinaison_du_bloc(k / 100, p->lstParties->item(k)->text()),
                     qPrintable(QStringLiteral("entrée %1: %2").arg(k + 1).arg(p->lstParties->item(k)->text())));
    }

    void selection_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("nom");
        QTest::newRow("1") << 1 << "NI1";
        QTest::newRow("100") << 100 << "NI100";
        QTest::newRow("101") << 101 << "NN1";
        QTest::newRow("201") << 201 << "NE1";
        QTest::newRow("437") << 437 << "SN37";
        QTest::newRow("500") << 500 << "SN100";
        QTest::newRow("600") << 600 << "SE100";
    }
    void selection()
    {
        QFETCH(int, n);
        QFETCH(QString, nom);
        p->lstParties->setCurrentRow(n - 1);
        QCOMPARE(p->Label5->text(), nom);
        QCOMPARE(p->windowTitle(), QStringLiteral("Combi No: ") + QString::number(n));
        QCOMPARE(p->txtNumPartie->text(), QString::number(n));
        QVERIFY(env->appels.isEmpty());
    }

    void chercherNumero_data()
    {
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("titre");
        const QString horsListe = QStringLiteral("Entrez un numéro entre 1 et 600");
        QTest::newRow("vide") << "" << -1 << "?" << "Entrez un chiffre" << "Erreur de saisie";
        QTest::newRow("0") << "0" << -1 << "?" << horsListe << "Erreur";
        QTest::newRow("1") << "1" << 0 << "NI1" << "" << "";
        QTest::newRow("042") << "042" << 41 << "NI42" << "" << "";
        QTest::newRow("600") << "600" << 599 << "SE100" << "" << "";
        QTest::newRow("601") << "601" << -1 << "?" << horsListe << "Erreur";
        QTest::newRow("999") << "999" << -1 << "?" << horsListe << "Erreur";
    }
    void chercherNumero()
    {
        QFETCH(QString, saisie);
        QFETCH(int, ligne);
        QFETCH(QString, nom);
        QFETCH(QString, message);
        QFETCH(QString, titre);
        p->txtNumPartie->setText(saisie);
        p->cmdChercher->click();
        QCOMPARE(p->lstParties->currentRow(), ligne);
        QCOMPARE(p->Label5->text(), nom);
        QCOMPARE(env->messages().size(), message.isEmpty() ? 0 : 1);
        if (message.isEmpty()) {
            QCOMPARE(p->windowTitle(), QStringLiteral("Combi No: ") + QString::number(ligne + 1));
            QVERIFY(p->lstParties->item(ligne)->isSelected());
            return;
        }
        QCOMPARE(env->messages().first().texte, message);
        QCOMPARE(env->messages().first().titre, titre);
        QCOMPARE(env->messages().first().style, int(platform::vbInformation));
        QCOMPARE(p->windowTitle(), QStringLiteral("Combi No: /"));
    }

    void chercherCombinaison_data()
    {
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("titre");
        const QString trouvee = QStringLiteral("combinaison trouvée");
        QTest::newRow("rorb en minuscules")
            << "rorb" << 1 << "Cette combinaison a été trouvée:\n\nCombinaison: RORB\nNo: 1\nPartie: NI1" << trouvee;
        // JOBV is entry 17 and entry 126: the first place in list order wins.
        QTest::newRow("présente dans deux blocs")
            << "JOBV" << 17 << "Cette combinaison a été trouvée:\n\nCombinaison: JOBV\nNo: 17\nPartie: NI17" << trouvee;
        QTest::newRow("super")
            << "vNjRv" << 600 << "Cette combinaison a été trouvée:\n\nCombinaison: VNJRV\nNo: 600\nPartie: SE100"
            << trouvee;
        QTest::newRow("absente") << "rrrr" << 0 << "Cette combinaison n'a pas été trouvée." << "Combinaison: RRRR";
        QTest::newRow("annulé") << "" << 0 << "" << "";
    }
    void chercherCombinaison()
    {
        QFETCH(QString, reponse);
        QFETCH(int, n);
        QFETCH(QString, message);
        QFETCH(QString, titre);
        env->reponsesInputBox = {reponse};
        p->cmdChercherNom->click();
        QCOMPARE(env->appels.first().genre, QStringLiteral("InputBox"));
        QCOMPARE(env->appels.first().texte, QStringLiteral("Entrez la combinaison de la partie:"));
        QCOMPARE(env->appels.first().titre, QStringLiteral("Partie"));
        QCOMPARE(env->appels.first().defaut, QString());
        QCOMPARE(p->lstParties->currentRow(), n - 1);
        QCOMPARE(env->messages().size(), message.isEmpty() ? 0 : 1);
        if (message.isEmpty())
            return;
        QCOMPARE(env->messages().first().texte, message);
        QCOMPARE(env->messages().first().titre, titre);
        QCOMPARE(env->messages().first().style, int(platform::vbInformation));
        if (n > 0) {
            QCOMPARE(p->txtNumPartie->text(), QString::number(n));
            QCOMPARE(p->windowTitle(), QStringLiteral("Combi No: ") + QString::number(n));
        }
    }

    // The list as shipped: every pair within a block, in order, read from the list on screen.
    void doublonsDeLaListe()
    {
        QStringList attendus;
        for (int debut = 0; debut < 600; debut += 100)
            for (int a = debut; a < debut + 100; ++a)
                for (int b = a + 1; b < debut + 100; ++b)
                    if (p->lstParties->item(a)->text() == p->lstParties->item(b)->text())
                        attendus << texteDoublon(p->lstParties->item(a)->text(), a + 1, b + 1);
        QCOMPARE(attendus.size(), 13);

        p->cmdIdentique->click();
        const QList<support::Appel> m = env->messages();
        QCOMPARE(m.size(), 14);
        QStringList vus;
        for (int i = 0; i < 13; ++i) {
            vus << m[i].texte;
            QCOMPARE(m[i].titre, QStringLiteral("Erreur..."));
            QCOMPARE(m[i].style, int(platform::vbInformation));
        }
        QCOMPARE(vus, attendus);
        // A few pairs known by heart: the triple in NN gives three pairs, NE has its own.
        QVERIFY(vus.contains(texteDoublon(QStringLiteral("VBBR"), 105, 164)));
        QVERIFY(vus.contains(texteDoublon(QStringLiteral("VBBR"), 105, 196)));
        QVERIFY(vus.contains(texteDoublon(QStringLiteral("VBBR"), 164, 196)));
        QVERIFY(vus.contains(texteDoublon(QStringLiteral("RRRO"), 140, 141)));
        QVERIFY(vus.contains(texteDoublon(QStringLiteral("RZVJ"), 240, 274)));
        QVERIFY(vus.contains(texteDoublon(QStringLiteral("VRVV"), 264, 280)));
        // The same letters in two blocks are two different games.
        QVERIFY(!vus.contains(texteDoublon(QStringLiteral("JOBV"), 17, 126)));
        QCOMPARE(m[13].texte, QStringLiteral("13 combinaisons identiques ont été trouvées."));
        QCOMPARE(m[13].titre, QStringLiteral("Fin du contrôle"));
        QCOMPARE(m[13].style, int(platform::vbInformation));
    }

    // The check reads the table the games are drawn from, so replacements count.
    void doublonsApresRemplacements_data()
    {
        QTest::addColumn<Remplacements>("remplacements");
        QTest::addColumn<int>("compte");
        QTest::addColumn<QString>("present");
        QTest::addColumn<QString>("absent");
        QTest::newRow("un doublon levé") << Remplacements{{141, QStringLiteral("ZZZZ")}} << 12 << ""
                                         << texteDoublon(QStringLiteral("RRRO"), 140, 141);
        QTest::newRow("nouveau dans NI") << Remplacements{{2, QStringLiteral("RORB")}} << 14
                                         << texteDoublon(QStringLiteral("RORB"), 1, 2) << "";
        QTest::newRow("bornes de SE") << Remplacements{{501, QStringLiteral("VNJRV")}} << 14
                                      << texteDoublon(QStringLiteral("VNJRV"), 501, 600) << "";
        QTest::newRow("entre deux blocs") << Remplacements{{101, QStringLiteral("RORB")}} << 13 << ""
                                          << texteDoublon(QStringLiteral("RORB"), 1, 101);
    }
    void doublonsApresRemplacements()
    {
        QFETCH(Remplacements, remplacements);
        QFETCH(int, compte);
        QFETCH(QString, present);
        QFETCH(QString, absent);
        for (const auto& [n, texte] : remplacements)
            parties[n] = texte;
        p->cmdIdentique->click();
        const QList<support::Appel> m = env->messages();
        QCOMPARE(m.size(), compte + 1);
        QStringList vus;
        for (int i = 0; i < compte; ++i)
            vus << m[i].texte;
        if (!present.isEmpty())
            QVERIFY(vus.contains(present));
        if (!absent.isEmpty())
            QVERIFY(!vus.contains(absent));
        QCOMPARE(m.last().texte, QString::number(compte) + QStringLiteral(" combinaisons identiques ont été trouvées."));
    }

    void aucunDoublon()
    {
        // Each later member of the thirteen pairs gets letters of its own.
        const int seconds[] = {164, 196, 160, 148, 176, 141, 159, 169, 230, 274, 278, 280};
        for (int n : seconds)
            parties[n] = QStringLiteral("Q") + QString::number(n);
        p->cmdIdentique->click();
        QCOMPARE(env->messages().size(), 1);
        QCOMPARE(env->messages().first().texte, QStringLiteral("Aucunes combinaisons identiques n'ont été trouvées..."));
        QCOMPARE(env->messages().first().titre, QStringLiteral("Fin du contrôle"));
    }

    void modifierSansSelection()
    {
        p->cmdModifier->click();
        QCOMPARE(env->appels.size(), 1);
        QCOMPARE(env->messages().first().texte, QStringLiteral("Sélectionnez une combinaison dans la liste."));
        QCOMPARE(env->messages().first().titre, QStringLiteral("Donnée manquante"));
        QCOMPARE(env->messages().first().style, int(platform::vbInformation));
    }

    void modifier_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<QString>("garde"); // "" when nothing may change
        QTest::addColumn<QString>("message");
        const QString fin = QStringLiteral(".\nLa combinaison n'a pas été modifiée.");
        const QString ni = QStringLiteral("Une combinaison des parties NI compte 4 lettres parmi R - B - V - J - O - I") + fin;
        const QString ne = QStringLiteral("Une combinaison des parties NE compte 4 lettres parmi R - B - V - J - O - I, "
                                          "ou Z pour une place vide") + fin;
        const QString si = QStringLiteral("Une combinaison des parties SI compte 5 lettres parmi "
                                          "R - B - V - J - O - I - N - X") + fin;
        const QString sn = QStringLiteral("Une combinaison des parties SN compte 5 lettres parmi "
                                          "R - B - V - J - O - I - N - X") + fin;
        const QString se = QStringLiteral("Une combinaison des parties SE compte 5 lettres parmi "
                                          "R - B - V - J - O - I - N - X, ou Z pour une place vide") + fin;
        QTest::newRow("annulé") << 1 << "" << "" << "";
        QTest::newRow("NI minuscules") << 1 << "rrrr" << "RRRR" << "";
        QTest::newRow("NI trop court") << 1 << "RRR" << "" << ni;
        QTest::newRow("NI trop long") << 1 << "RRRRR" << "" << ni;
        QTest::newRow("NI noir") << 1 << "RRRN" << "" << ni;
        QTest::newRow("NI vide Z") << 1 << "RRRZ" << "" << ni;
        QTest::newRow("NI blanc") << 1 << "RR R" << "" << ni;
        QTest::newRow("NN1") << 101 << "IIII" << "IIII" << "";
        QTest::newRow("NE avec Z") << 201 << "rzzb" << "RZZB" << "";
        QTest::newRow("NE noir") << 201 << "RRRN" << "" << ne;
        QTest::newRow("SI noir et X") << 301 << "nxnxr" << "NXNXR" << "";
        QTest::newRow("SI vide Z") << 301 << "NXNXZ" << "" << si;
        QTest::newRow("SN quatre lettres") << 437 << "RBVJ" << "" << sn;
        QTest::newRow("SE tout vide") << 600 << "zzzzz" << "ZZZZZ" << "";
        QTest::newRow("SE lettre inconnue") << 600 << "ZZZZA" << "" << se;
    }
    void modifier()
    {
        QFETCH(int, n);
        QFETCH(QString, reponse);
        QFETCH(QString, garde);
        QFETCH(QString, message);
        const QString avant = entree(n);
        p->lstParties->setCurrentRow(n - 1);
        env->reponsesInputBox = {reponse};
        p->cmdModifier->click();
        QCOMPARE(env->appels.first().genre, QStringLiteral("InputBox"));
        QCOMPARE(env->appels.first().texte, QStringLiteral("Entrez la nouvelle valeur de la combinaison:"));
        QCOMPARE(env->appels.first().titre, QStringLiteral("Modification de la combinaison"));
        QCOMPARE(env->appels.first().defaut, avant);
        const QString attendu = garde.isEmpty() ? avant : garde;
        QCOMPARE(entree(n), attendu);
        QCOMPARE(parties[n], attendu);
        QCOMPARE(p->lstParties->count(), 600);
        QCOMPARE(env->messages().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(env->messages().first().texte, message);
            QCOMPARE(env->messages().first().titre, QStringLiteral("Combinaison non valide"));
            QCOMPARE(env->messages().first().style, int(platform::vbInformation));
        }
    }

    void doubleClicModifie()
    {
        p->lstParties->setCurrentRow(4);
        env->reponsesInputBox = {QStringLiteral("jjjj")};
        emit p->lstParties->itemDoubleClicked(p->lstParties->item(4));
        QCOMPARE(compter(QStringLiteral("InputBox")), 1);
        QCOMPARE(entree(5), QStringLiteral("JJJJ"));
        QCOMPARE(parties[5], QStringLiteral("JJJJ"));
    }

    // A replaced NN1 is the secret of every later NN1 game.
    void partieModifieeJouee()
    {
        p->lstParties->setCurrentRow(100);
        env->reponsesInputBox = {QStringLiteral("RRRR")};
        p->cmdModifier->click();
        QCOMPARE(parties[101], QStringLiteral("RRRR"));

        f->show();
        f->cboJeu->setCurrentText(QStringLiteral("Normal"));
        f->cboJeu_Click();
        f->optExpert->setChecked(true);
        f->optExpert_Click();
        f->chkPartie->setChecked(true);
        f->chkPartie_Click();
        f->cboParties->setCurrentIndex(0);
        QCOMPARE(partie_choisie, QStringLiteral("NN1"));
        for (int fois = 0; fois < 2; ++fois) {
            f->cmdNouveau_Click();
            QVERIFY(jeu_en_cours);
            QCOMPARE(f->txtCombi->text(), QStringLiteral("RRRR"));
            QCOMPARE(f->lblPartie->text(), QStringLiteral("Partie: NN1"));
            f->cmdNouveau_Click();
            QVERIFY(!jeu_en_cours);
        }
    }

    void chiffresTapes_data()
    {
        QTest::addColumn<QString>("frappe");
        QTest::addColumn<QString>("reste");
        QTest::addColumn<int>("refus");
        QTest::newRow("chiffres") << "123" << "123" << 0;
        QTest::newRow("trois au plus") << "4567" << "456" << 0;
        QTest::newRow("lettre à la fin") << "12a" << "" << 1;
        QTest::newRow("lettre au milieu") << "1x2" << "2" << 1;
        QTest::newRow("signe") << "-" << "" << 1;
        QTest::newRow("espace") << " 7" << "7" << 1;
        QTest::newRow("deux lettres") << "ab" << "" << 2;
    }
    void chiffresTapes()
    {
        QFETCH(QString, frappe);
        QFETCH(QString, reste);
        QFETCH(int, refus);
        QTest::keyClicks(p->txtNumPartie, frappe);
        QCOMPARE(p->txtNumPartie->text(), reste);
        QCOMPARE(compter(QStringLiteral("Beep")), refus);
        QCOMPARE(env->messages().size(), refus);
        for (int i = 0; i < env->appels.size(); ++i) {
            const support::Appel& a = env->appels[i];
            // The beep comes first, then the message.
            QCOMPARE(a.genre, i % 2 ? QStringLiteral("MsgBox") : QStringLiteral("Beep"));
            if (a.genre == QLatin1String("MsgBox")) {
                QCOMPARE(a.texte, QStringLiteral("Entrez uniquement un chiffre"));
                QCOMPARE(a.titre, QStringLiteral("Erreur de saisie"));
                QCOMPARE(a.style, int(platform::vbInformation));
            }
        }
    }

    void retourArriere()
    {
        QTest::keyClicks(p->txtNumPartie, QStringLiteral("12"));
        QTest::keyClick(p->txtNumPartie, Qt::Key_Backspace);
        QCOMPARE(p->txtNumPartie->text(), QStringLiteral("1"));
        QVERIFY(env->appels.isEmpty());
    }

    void chiffresColles_data()
    {
        QTest::addColumn<QString>("presse");
        QTest::addColumn<QString>("reste");
        QTest::addColumn<int>("refus");
        QTest::newRow("chiffres") << "42" << "42" << 0;
        QTest::newRow("lettre") << "4b" << "" << 1;
        QTest::newRow("combinaison") << "RORB" << "" << 1;
    }
    void chiffresColles()
    {
        QFETCH(QString, presse);
        QFETCH(QString, reste);
        QFETCH(int, refus);
        QClipboard* cb = QGuiApplication::clipboard();
        cb->setText(presse);
        if (cb->text() != presse)
            QSKIP("no clipboard on this platform");
        // Ctrl+V as the keyboard sends it: a control character, not a letter.
        QKeyEvent colle(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
        QCoreApplication::sendEvent(p->txtNumPartie, &colle);
        QCOMPARE(p->txtNumPartie->text(), reste);
        QCOMPARE(compter(QStringLiteral("Beep")), refus);
        QCOMPARE(env->messages().size(), refus);
        if (refus) {
            QCOMPARE(env->messages().first().texte, QStringLiteral("Entrez uniquement un chiffre"));
            QCOMPARE(env->messages().first().titre, QStringLiteral("Erreur de saisie"));
        }
    }

    void entreeChercher_data()
    {
        QTest::addColumn<int>("touche");
        QTest::addColumn<bool>("depuisListe");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message");
        QTest::newRow("Entrée") << int(Qt::Key_Return) << false << "437" << "SN37" << "";
        QTest::newRow("pavé") << int(Qt::Key_Enter) << false << "600" << "SE100" << "";
        QTest::newRow("boîte vide") << int(Qt::Key_Return) << false << "" << "?" << "Entrez un chiffre";
        QTest::newRow("hors liste") << int(Qt::Key_Return) << false << "700" << "?"
                                    << "Entrez un numéro entre 1 et 600";
        QTest::newRow("depuis la liste") << int(Qt::Key_Return) << true << "250" << "NE50" << "";
    }
    void entreeChercher()
    {
        QFETCH(int, touche);
        QFETCH(bool, depuisListe);
        QFETCH(QString, saisie);
        QFETCH(QString, nom);
        QFETCH(QString, message);
        p->txtNumPartie->setText(saisie);
        QTest::keyClick(depuisListe ? static_cast<QWidget*>(p->lstParties) : p->txtNumPartie, Qt::Key(touche));
        QCOMPARE(p->Label5->text(), nom);
        QCOMPARE(env->messages().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty())
            QCOMPARE(env->messages().first().texte, message);
    }
};

QTEST_MAIN(TestParties)
#include "test_parties.moc"
