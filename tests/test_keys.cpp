// The keyboard: the shortcut table seen from any control, the pause key, the solution field.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/program.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmSplash.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Chromalis;

namespace {
const QString refus_normal =
    QStringLiteral("Seules, les lettres: R - B - V - J - O - I  sont autorisées et uniquement en MAJUSCULE.");
const QString refus_super =
    QStringLiteral("Seules, les lettres: R - B - V - J - O - I - N - X  sont autorisées et uniquement en MAJUSCULE.");
} // namespace

class TestKeys : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    frmChromalis* f = nullptr;

    void jouer(const QString& type, bool chrono = false)
    {
        f->cboJeu->setCurrentText(type);
        f->cboJeu_Click();
        f->chkTemps->setChecked(chrono);
        f->chkTemps_Click();
        f->cmdNouveau_Click();
    }
    // The solution field opened for editing, as the change code does.
    void ouvrirSolution()
    {
        f->txtCombi->show();
        f->txtCombi->setReadOnly(false);
        f->txtCombi->clear();
        f->txtCombi->setFocus();
    }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        // A program folder without the help file.
        const QString dossier = env->dossierReglages();
        platform::setAppPathHook([dossier] { return dossier; });
        instance<frmSplash>();
        f = instance<frmChromalis>();
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
    }
    void cleanup() { env.reset(); }

    void tableDesTouches_data()
    {
        QTest::addColumn<int>("touche");
        QTest::addColumn<int>("modificateurs");
        QTest::addColumn<bool>("enJeu");
        QTest::addColumn<QString>("effet");
        QTest::newRow("F1 aide") << int(Qt::Key_F1) << 0 << false << "message aide";
        QTest::newRow("F2 site") << int(Qt::Key_F2) << 0 << false << "ouverture site";
        QTest::newRow("F3 mail") << int(Qt::Key_F3) << 0 << false << "ouverture mail";
        QTest::newRow("F4 accueil") << int(Qt::Key_F4) << 0 << false << "accueil modal";
        QTest::newRow("F5 nouveau") << int(Qt::Key_F5) << 0 << false << "partie lancée";
        QTest::newRow("Maj+F5 nouveau") << int(Qt::Key_F5) << int(Qt::ShiftModifier) << false << "partie lancée";
        QTest::newRow("F5 arrêter") << int(Qt::Key_F5) << 0 << true << "partie arrêtée";
        QTest::newRow("F6 options") << int(Qt::Key_F6) << 0 << false << "options";
        QTest::newRow("F7 en jeu") << int(Qt::Key_F7) << 0 << true << "rangée jugée";
        QTest::newRow("F7 sans jeu") << int(Qt::Key_F7) << 0 << false << "rien";
        QTest::newRow("F8 sans jeu") << int(Qt::Key_F8) << 0 << false << "scores";
        QTest::newRow("F8 en jeu") << int(Qt::Key_F8) << 0 << true << "rien";
        QTest::newRow("Échap") << int(Qt::Key_Escape) << 0 << false << "quitter";
    }
    void tableDesTouches()
    {
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        QFETCH(bool, enJeu);
        QFETCH(QString, effet);
        if (enJeu)
            jouer(QStringLiteral("Normal"));
        env->appels.clear();
        env->reponsesMsgBox = {int(platform::vbNo)};
        const std::int16_t rangee = num_ligne;
        // Sent to a control, not the window: the window previews every key.
        QWidget* cible = f->cboJeu->isEnabled() ? static_cast<QWidget*>(f->cboJeu) : f->cmdQuitter;
        cible->setFocus();
        QTest::keyClick(cible, Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));

        QStringList vus;
        for (const support::Appel& a : env->appels)
            vus << a.genre + QLatin1Char(':') + a.texte;
        if (effet == QStringLiteral("message aide")) {
            QCOMPARE(env->messages().size(), 1);
            QCOMPARE(env->messages().first().titre, QStringLiteral("Erreur"));
        } else if (effet == QStringLiteral("ouverture site")) {
            QCOMPARE(env->ouvertures, QStringList{QStringLiteral("https://www.ventaroc.example/")});
        } else if (effet == QStringLiteral("ouverture mail")) {
            QCOMPARE(env->ouvertures.size(), 1);
            QVERIFY(env->ouvertures.first().startsWith(QStringLiteral("mailto:")));
        } else if (effet == QStringLiteral("accueil modal")) {
            QCOMPARE(vus, QStringList{QStringLiteral("ShowModal:frmSplash")});
        } else if (effet == QStringLiteral("partie lancée")) {
            QVERIFY(jeu_en_cours);
        } else if (effet == QStringLiteral("partie arrêtée")) {
            QVERIFY(!jeu_en_cours);
        } else if (effet == QStringLiteral("options")) {
            QCOMPARE(f->Width(), 6540);
        } else if (effet == QStringLiteral("rangée jugée")) {
            QCOMPARE(num_ligne, std::int16_t(rangee + 1));
        } else if (effet == QStringLiteral("scores")) {
            QCOMPARE(vus, QStringList{QStringLiteral("ShowModal:frmScores")});
        } else if (effet == QStringLiteral("quitter")) {
            QCOMPARE(env->messages().size(), 1);
            QCOMPARE(env->messages().first().texte,
                     QStringLiteral("Êtes-vous sûr(e) de vouloir vraiment quitter le jeu ?"));
        } else {
            QVERIFY2(vus.isEmpty(), qPrintable(vus.join(u',')));
            QCOMPARE(num_ligne, rangee);
            QVERIFY(env->ouvertures.isEmpty());
        }
    }

    void toucheP_data()
    {
        QTest::addColumn<bool>("enJeu");
        QTest::addColumn<bool>("chrono");
        QTest::addColumn<bool>("pause");
        QTest::newRow("sans partie") << false << true << false;
        QTest::newRow("partie sans chrono") << true << false << false;
        QTest::newRow("partie chronométrée") << true << true << true;
    }
    void toucheP()
    {
        QFETCH(bool, enJeu);
        QFETCH(bool, chrono);
        QFETCH(bool, pause);
        f->chkTemps->setChecked(chrono);
        f->chkTemps_Click();
        if (enJeu)
            jouer(QStringLiteral("Super"), chrono);
        QWidget* cible = f->cboJeu->isEnabled() ? static_cast<QWidget*>(f->cboJeu) : f->cmdNouveau;
        cible->setFocus();
        QTest::keyClick(cible, Qt::Key_P);
        QCOMPARE(f->Timer1.Enabled(), pause);
        QCOMPARE(f->lblPause->isVisibleTo(f), pause);
        if (enJeu) {
            // P also brings the focus to the validate button.
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->cmdValider));
            QCOMPARE(f->Timer4.Enabled(), !pause);
        }
        if (pause) {
            QTest::keyClick(f->cmdValider, Qt::Key_P);
            QVERIFY(!f->Timer1.Enabled());
            QVERIFY(f->Timer3.Enabled());
        }
    }

    void filtreDesLettres_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("tape");
        QTest::addColumn<QString>("reste");
        QTest::addColumn<QString>("message");
        QTest::newRow("normal, lettres du jeu") << "Normal" << "RBVI" << "RBVI" << QString();
        QTest::newRow("normal, N refusé") << "Normal" << "RN" << "R" << refus_normal;
        QTest::newRow("normal, minuscule") << "Normal" << "r" << "" << refus_normal;
        QTest::newRow("normal, Z refusé") << "Normal" << "Z" << "" << refus_normal;
        QTest::newRow("super, N et X") << "Super" << "NXRBV" << "NXRBV" << QString();
        QTest::newRow("super, chiffre") << "Super" << "R1" << "R" << refus_super;
    }
    void filtreDesLettres()
    {
        QFETCH(QString, type);
        QFETCH(QString, tape);
        QFETCH(QString, reste);
        QFETCH(QString, message);
        jouer(type);
        ouvrirSolution();
        env->appels.clear();
        QTest::keyClicks(f->txtCombi, tape);
        QCOMPARE(f->txtCombi->text(), reste);
        if (message.isEmpty()) {
            QVERIFY(env->messages().isEmpty());
        } else {
            QCOMPARE(env->messages().size(), 1);
            QCOMPARE(env->messages().first().texte, message);
            QCOMPARE(env->messages().first().titre, QStringLiteral("ATTENTION:"));
            QCOMPARE(env->appels.first().genre, QStringLiteral("Beep"));
        }
    }

    void retourArriereAccepte()
    {
        jouer(QStringLiteral("Normal"));
        ouvrirSolution();
        QTest::keyClicks(f->txtCombi, QStringLiteral("RB"));
        QTest::keyClick(f->txtCombi, Qt::Key_Backspace);
        QCOMPARE(f->txtCombi->text(), QStringLiteral("R"));
        QVERIFY(env->messages().isEmpty());
    }

    void collageFiltre_data()
    {
        QTest::addColumn<QString>("colle");
        QTest::addColumn<QString>("reste");
        QTest::newRow("valide") << "RBVJ" << "RBVJ";
        QTest::newRow("minuscules") << "rbvj" << "R";
        QTest::newRow("hors jeu") << "RNXZ" << "R";
    }
    void collageFiltre()
    {
        QFETCH(QString, colle);
        QFETCH(QString, reste);
        jouer(QStringLiteral("Normal"));
        ouvrirSolution();
        f->txtCombi->setText(QStringLiteral("R"));
        QApplication::clipboard()->setText(colle);
        if (QApplication::clipboard()->text() != colle)
            QSKIP("no clipboard on this platform");
        f->txtCombi->selectAll();
        f->txtCombi->paste();
        QCOMPARE(f->txtCombi->text(), reste);
        QCOMPARE(env->messages().isEmpty(), colle == reste);
    }

    void longueurVerifieeEnSortant_data()
    {
        QTest::addColumn<QString>("texte");
        QTest::addColumn<bool>("message");
        QTest::newRow("complet") << "RBVJ" << false;
        QTest::newRow("incomplet") << "RBV" << true;
    }
    void longueurVerifieeEnSortant()
    {
        QFETCH(QString, texte);
        QFETCH(bool, message);
        jouer(QStringLiteral("Normal"));
        ouvrirSolution();
        QTest::keyClicks(f->txtCombi, texte);
        f->cmdNouveau->setFocus(Qt::TabFocusReason);
        QCOMPARE(env->messages().size(), message ? 1 : 0);
        if (message) {
            QCOMPARE(env->messages().first().texte, QStringLiteral("Il manque une lettre dans la combinaison."));
            QCOMPARE(env->messages().first().titre, QStringLiteral("ERREUR"));
            QCOMPARE(env->messages().first().style, int(platform::vbCritical));
        }
    }
};

QTEST_MAIN(TestKeys)
#include "test_keys.moc"
