// The hidden solution access: the password, what it reveals, and the change code.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "windows/dialogs/frmParties.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmPasse.h"
#include "windows/main/frmSplash.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace Chromalis;

class TestPasse : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    frmChromalis* f = nullptr;

    void jouer(const QString& type)
    {
        f->cboJeu->setCurrentText(type);
        f->cboJeu_Click();
        f->cmdNouveau_Click();
    }
    // Clicks the credit label and types this password in the window it opens.
    void saisirMotDePasse(const QString& mot)
    {
        env->dansModal = [mot](QWidget* w) {
            auto* p = qobject_cast<frmPasse*>(w);
            if (!p)
                return;
            QTest::keyClicks(p->txtPasse, mot);
            p->cmdOK_Click();
            // A refused password leaves the window up; Annuler closes it.
            if (estCharge<frmPasse>() && emplacement<frmPasse>() == p)
                p->cmdAnnuler_Click();
        };
        f->lblTriche_Click();
    }
    bool revele() const { return f->Label5->isVisibleTo(f) && f->txtCombi->isVisibleTo(f); }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        instance<frmSplash>();
        f = instance<frmChromalis>();
        f->show();
    }
    void cleanup() { env.reset(); }

    void motDePasse_data()
    {
        QTest::addColumn<QString>("mot");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("titre");
        QTest::newRow("vide") << "" << "Vous n'avez saisi aucun mot de passe." << "Donnée manquante";
        QTest::newRow("casse") << "k417" << "Mot de passe non valide." << "Désolé";
        QTest::newRow("autre") << "K4170" << "Mot de passe non valide." << "Désolé";
        QTest::newRow("juste") << "K417" << "" << "";
    }
    void motDePasse()
    {
        QFETCH(QString, mot);
        QFETCH(QString, message);
        QFETCH(QString, titre);
        jouer(QStringLiteral("Super"));
        saisirMotDePasse(mot);
        if (message.isEmpty()) {
            QVERIFY(env->messages().isEmpty());
            QVERIFY(revele());
            QCOMPARE(f->Label5->text(), combinaison);
            QVERIFY(instance<frmParties>()->isVisible());
        } else {
            QCOMPARE(env->messages().size(), 1);
            QCOMPARE(env->messages().first().texte, message);
            QCOMPARE(env->messages().first().titre, titre);
            QCOMPARE(env->messages().first().style, int(platform::vbInformation));
            QVERIFY(!revele());
        }
    }

    void cellulesSelonLesTrous_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("cellules");
        QTest::newRow("normal") << "Normal" << 4;
        QTest::newRow("super") << "Super" << 5;
    }
    void cellulesSelonLesTrous()
    {
        QFETCH(QString, type);
        QFETCH(int, cellules);
        jouer(type);
        saisirMotDePasse(QStringLiteral("K417"));
        for (int n = 1; n <= 5; ++n) {
            QCOMPARE(f->Label3[n]->isVisibleTo(f), n <= cellules);
            QCOMPARE(f->Label8[n]->isVisibleTo(f), n <= cellules);
        }
        // A second click hides all five of each, the field and the predefined-games window.
        f->lblTriche_Click();
        for (int n = 1; n <= 5; ++n) {
            QVERIFY(!f->Label3[n]->isVisibleTo(f));
            QVERIFY(!f->Label8[n]->isVisibleTo(f));
        }
        QVERIFY(!revele());
        QVERIFY(!instance<frmParties>()->isVisible());
    }

    void codeDeChangement_data()
    {
        QTest::addColumn<bool>("partie");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("question");
        QTest::addColumn<bool>("ouvert");
        QTest::addColumn<QString>("message");
        QTest::newRow("champ vide: rien demandé") << false << "QF7W" << false << false << "";
        QTest::newRow("annulé") << true << "" << true << false << "";
        QTest::newRow("faux") << true << "qf7w" << true << false << "Mot de passe non conforme.";
        QTest::newRow("juste") << true << "QF7W" << true << true << "";
    }
    void codeDeChangement()
    {
        QFETCH(bool, partie);
        QFETCH(QString, code);
        QFETCH(bool, question);
        QFETCH(bool, ouvert);
        QFETCH(QString, message);
        if (partie)
            jouer(QStringLiteral("Normal"));
        saisirMotDePasse(QStringLiteral("K417"));
        // The predefined-games window has just come up in front; the player goes back to the board.
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        env->appels.clear();
        env->reponsesInputBox = {code};
        f->txtCombi->setFocus();
        QTest::keyClick(f->txtCombi, 'R');
        int questions = 0;
        for (const support::Appel& a : env->appels)
            questions += a.genre == QLatin1String("InputBox");
        QCOMPARE(questions, question ? 1 : 0);
        QCOMPARE(!f->txtCombi->isReadOnly(), ouvert);
        QCOMPARE(env->messages().size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QCOMPARE(env->messages().first().texte, message);
            QCOMPARE(env->messages().first().titre, QStringLiteral("Erreur"));
        }
        if (!ouvert)
            return;
        // Open: letters of the game are typed in, and a short secret is refused on leaving.
        f->txtCombi->selectAll();
        QTest::keyClicks(f->txtCombi, QStringLiteral("OOV"));
        QCOMPARE(f->txtCombi->text(), QStringLiteral("OOV"));
        env->appels.clear();
        f->cmdNouveau->setFocus(Qt::TabFocusReason);
        QCOMPARE(env->messages().size(), 1);
        QCOMPARE(env->messages().first().texte, QStringLiteral("Il manque une lettre dans la combinaison."));
        QTest::keyClick(f->txtCombi, 'I');
        QTest::keyClick(f->txtCombi, 'R');
        QCOMPARE(f->txtCombi->text(), QStringLiteral("OOVI"));
    }

    // The typing limit left by a 4-hole game never cuts the next Super game's secret.
    void secretJamaisCoupe()
    {
        jouer(QStringLiteral("Normal"));
        saisirMotDePasse(QStringLiteral("K417"));
        f->lblTriche_Click();
        f->cmdNouveau_Click();
        jouer(QStringLiteral("Super"));
        QCOMPARE(combinaison.size(), 5);
        QCOMPARE(f->txtCombi->text(), combinaison);
        QCOMPARE(f->Label5->text(), combinaison);
    }
};

QTEST_MAIN(TestPasse)
#include "test_passe.moc"
