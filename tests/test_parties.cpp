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

namespace {
// One dialog call as a line, so that a whole exchange is compared at once.
QString appel(const QString& genre, const QString& titre = {}, const QString& texte = {}, int style = 0,
              const QString& defaut = {})
{
    return QStringList{genre, titre, QString::number(style), texte, defaut}.join(u'|');
}
QString info(const QString& texte, const QString& titre)
{
    return appel(QStringLiteral("MsgBox"), titre, texte, platform::vbInformation);
}
QString demande(const QString& texte, const QString& titre, const QString& defaut = {})
{
    return appel(QStringLiteral("InputBox"), titre, texte, 0, defaut);
}
QString doublon(const QString& nom, int a, int b)
{
    return info(QStringLiteral("Combinaisons identiques trouvées:\nnom: %1\npositions: %2 ---> %3").arg(nom).arg(a).arg(b),
                QStringLiteral("Erreur..."));
}
// The pairs of the list as shipped, in the order they are reported.
QStringList doublonsLivres()
{
    QStringList l;
    const QList<std::tuple<const char*, int, int>> paires{
        {"VBBR", 105, 164}, {"VBBR", 105, 196}, {"RBBJ", 116, 160}, {"RJVR", 122, 148}, {"RRJO", 123, 176},
        {"RRRO", 140, 141}, {"RBRR", 149, 159}, {"RJBV", 162, 169}, {"VBBR", 164, 196}, {"RJVB", 211, 230},
        {"RZVJ", 240, 274}, {"BBOO", 262, 278}, {"VRVV", 264, 280}};
    for (const auto& [nom, a, b] : paires)
        l << doublon(QLatin1String(nom), a, b);
    return l;
}
} // namespace

class TestParties : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    frmChromalis* f = nullptr;
    frmParties* p = nullptr;

    QString entree(int n) const { return p->lstParties->item(n - 1)->text(); }
    QStringList journal() const
    {
        QStringList l;
        for (const support::Appel& a : env->appels)
            l << appel(a.genre, a.titre, a.texte, a.style, a.defaut);
        return l;
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

    // Chercher by its button, or by Enter anywhere in the window, the list included.
    void chercherNumero_data()
    {
        QTest::addColumn<QString>("par");
        QTest::addColumn<QString>("saisie");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("titre");
        const QString horsListe = QStringLiteral("Entrez un numéro entre 1 et 600");
        QTest::newRow("vide") << "clic" << "" << -1 << "?" << "Entrez un chiffre" << "Erreur de saisie";
        QTest::newRow("0") << "clic" << "0" << -1 << "?" << horsListe << "Erreur";
        QTest::newRow("1") << "clic" << "1" << 0 << "NI1" << "" << "";
        QTest::newRow("042") << "clic" << "042" << 41 << "NI42" << "" << "";
        QTest::newRow("600") << "clic" << "600" << 599 << "SE100" << "" << "";
        QTest::newRow("601") << "clic" << "601" << -1 << "?" << horsListe << "Erreur";
        QTest::newRow("999") << "clic" << "999" << -1 << "?" << horsListe << "Erreur";
        QTest::newRow("Entrée") << "Entrée" << "437" << 436 << "SN37" << "" << "";
        QTest::newRow("pavé") << "pavé" << "600" << 599 << "SE100" << "" << "";
        QTest::newRow("Entrée, boîte vide") << "Entrée" << "" << -1 << "?" << "Entrez un chiffre" << "Erreur de saisie";
        QTest::newRow("Entrée, hors liste") << "Entrée" << "700" << -1 << "?" << horsListe << "Erreur";
        QTest::newRow("Entrée depuis la liste") << "liste" << "250" << 249 << "NE50" << "" << "";
    }
    void chercherNumero()
    {
        QFETCH(QString, par);
        QFETCH(QString, saisie);
        QFETCH(int, ligne);
        QFETCH(QString, nom);
        QFETCH(QString, message);
        QFETCH(QString, titre);
        p->txtNumPartie->setText(saisie);
        if (par == QLatin1String("clic"))
            p->cmdChercher->click();
        else
            QTest::keyClick(par == QLatin1String("liste") ? static_cast<QWidget*>(p->lstParties) : p->txtNumPartie,
                            par == QLatin1String("pavé") ? Qt::Key_Enter : Qt::Key_Return);
        QCOMPARE(p->lstParties->currentRow(), ligne);
        QCOMPARE(p->Label5->text(), nom);
        QCOMPARE(journal(), message.isEmpty() ? QStringList() : QStringList{info(message, titre)});
        QCOMPARE(p->windowTitle(), QStringLiteral("Combi No: ") + (ligne < 0 ? QStringLiteral("/") : QString::number(ligne + 1)));
        if (ligne >= 0)
            QVERIFY(p->lstParties->item(ligne)->isSelected());
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
        QStringList attendu{demande(QStringLiteral("Entrez la combinaison de la partie:"), QStringLiteral("Partie"))};
        if (!message.isEmpty())
            attendu << info(message, titre);
        QCOMPARE(journal(), attendu);
        QCOMPARE(p->lstParties->currentRow(), n - 1);
        if (n > 0) {
            QCOMPARE(p->txtNumPartie->text(), QString::number(n));
            QCOMPARE(p->windowTitle(), QStringLiteral("Combi No: ") + QString::number(n));
        }
    }

    // The check reads the table the games are drawn from, so replacements count; the same letters
    // in two blocks are two different games.
    void doublons_data()
    {
        QTest::addColumn<Remplacements>("remplacements");
        QTest::addColumn<QStringList>("paires");
        const QStringList livres = doublonsLivres();
        QTest::newRow("liste livrée") << Remplacements{} << livres;
        QStringList sans = livres;
        sans.removeOne(doublon(QStringLiteral("RRRO"), 140, 141));
        QTest::newRow("un doublon levé") << Remplacements{{141, QStringLiteral("ZZZZ")}} << sans;
        QTest::newRow("nouveau dans NI") << Remplacements{{2, QStringLiteral("RORB")}}
                                         << QStringList{doublon(QStringLiteral("RORB"), 1, 2)} + livres;
        QTest::newRow("bornes de SE") << Remplacements{{501, QStringLiteral("VNJRV")}}
                                      << livres + QStringList{doublon(QStringLiteral("VNJRV"), 501, 600)};
        QTest::newRow("entre deux blocs") << Remplacements{{101, QStringLiteral("RORB")}} << livres;
        // Each later member of the thirteen pairs gets letters of its own.
        Remplacements uniques;
        for (int n : {164, 196, 160, 148, 176, 141, 159, 169, 230, 274, 278, 280})
            uniques.append({n, QStringLiteral("Q") + QString::number(n)});
        QTest::newRow("aucun") << uniques << QStringList{};
    }
    void doublons()
    {
        QFETCH(Remplacements, remplacements);
        QFETCH(QStringList, paires);
        for (const auto& [n, texte] : remplacements)
            parties[n] = texte;
        p->cmdIdentique->click();
        const QString fin = paires.isEmpty()
            ? QStringLiteral("Aucunes combinaisons identiques n'ont été trouvées...")
            : QString::number(paires.size()) + QStringLiteral(" combinaisons identiques ont été trouvées.");
        QCOMPARE(journal(), paires + QStringList{info(fin, QStringLiteral("Fin du contrôle"))});
    }

    void modifierSansSelection()
    {
        p->cmdModifier->click();
        QCOMPARE(journal(), QStringList{info(QStringLiteral("Sélectionnez une combinaison dans la liste."),
                                             QStringLiteral("Donnée manquante"))});
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
        QStringList attendu{demande(QStringLiteral("Entrez la nouvelle valeur de la combinaison:"),
                                    QStringLiteral("Modification de la combinaison"), avant)};
        if (!message.isEmpty())
            attendu << info(message, QStringLiteral("Combinaison non valide"));
        QCOMPARE(journal(), attendu);
        const QString apres = garde.isEmpty() ? avant : garde;
        QCOMPARE(entree(n), apres);
        QCOMPARE(parties[n], apres);
        QCOMPARE(p->lstParties->count(), 600);
    }

    void doubleClicModifie()
    {
        p->lstParties->setCurrentRow(4);
        env->reponsesInputBox = {QStringLiteral("jjjj")};
        emit p->lstParties->itemDoubleClicked(p->lstParties->item(4));
        QCOMPARE(env->appels.size(), 1);
        QCOMPARE(env->appels.first().genre, QStringLiteral("InputBox"));
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

    // Typed key by key, or pasted with Ctrl+V: each refusal beeps, then says so, and empties the box.
    void chiffres_data()
    {
        QTest::addColumn<bool>("colle");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("reste");
        QTest::addColumn<int>("refus");
        QTest::newRow("chiffres") << false << "123" << "123" << 0;
        QTest::newRow("trois au plus") << false << "4567" << "456" << 0;
        QTest::newRow("retour arrière") << false << "12\b" << "1" << 0;
        QTest::newRow("lettre à la fin") << false << "12a" << "" << 1;
        QTest::newRow("lettre au milieu") << false << "1x2" << "2" << 1;
        QTest::newRow("signe") << false << "-" << "" << 1;
        QTest::newRow("espace") << false << " 7" << "7" << 1;
        QTest::newRow("deux lettres") << false << "ab" << "" << 2;
        QTest::newRow("collé chiffres") << true << "42" << "42" << 0;
        QTest::newRow("collé lettre") << true << "4b" << "" << 1;
        QTest::newRow("collé combinaison") << true << "RORB" << "" << 1;
    }
    void chiffres()
    {
        QFETCH(bool, colle);
        QFETCH(QString, texte);
        QFETCH(QString, reste);
        QFETCH(int, refus);
        if (colle) {
            QClipboard* cb = QGuiApplication::clipboard();
            cb->setText(texte);
            if (cb->text() != texte)
                QSKIP("no clipboard on this platform");
            // Ctrl+V as the keyboard sends it: a control character, not a letter.
            QKeyEvent v(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QString(QChar(0x16)));
            QCoreApplication::sendEvent(p->txtNumPartie, &v);
        } else {
            QTest::keyClicks(p->txtNumPartie, texte);
        }
        QCOMPARE(p->txtNumPartie->text(), reste);
        QStringList attendu;
        for (int k = 0; k < refus; ++k)
            attendu << appel(QStringLiteral("Beep"))
                    << info(QStringLiteral("Entrez uniquement un chiffre"), QStringLiteral("Erreur de saisie"));
        QCOMPARE(journal(), attendu);
    }
};

QTEST_MAIN(TestParties)
#include "test_parties.moc"
