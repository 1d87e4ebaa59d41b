// The hidden solution access played with mouse and keys: password, what it reveals, the code, hiding it again.
#include "support/support.h"
#include "game/chromalis.h"

#include "windows/dialogs/frmParties.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmPasse.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace Chromalis;

// Game type (0 Normal, 1 Super), a secret drawn or not; the password, then OK, Annuler, Enter or Esc;
// the code answered to a key in the revealed field; every dialog; per hole 1 for the right-place
// cell and 2 for the other, then solution, field, games window; the field after "OOVRJ" ("": locked).
struct Cas { int jeu; bool partie; QString mot, fin, code; QStringList echange; QString revele, champ; };
Q_DECLARE_METATYPE(Cas)

class TestPasse : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    frmChromalis* f = nullptr;

    QString vu() const
    {
        QString s;
        for (int n = 1; n <= 5; ++n)
            s += QString::number(f->Label3[n]->isVisibleTo(f) + 2 * f->Label8[n]->isVisibleTo(f));
        return s + (f->Label5->isVisibleTo(f) ? u'S' : u'-') + (f->txtCombi->isVisibleTo(f) ? u'C' : u'-')
            + (estCharge<frmParties>() && instance<frmParties>()->isVisible() ? u'P' : u'-');
    }

private slots:
    void init() { env = std::make_unique<support::Environnement>(), (f = instance<frmChromalis>())->show(); }
    void cleanup() { env.reset(); }

    void acces_data()
    {
        QTest::addColumn<Cas>("c");
        const QString m = QStringLiteral("ShowModal|Mot de passe|frmPasse"), ferme = QStringLiteral("00000---");
        const QString q = QStringLiteral("InputBox|C'est pas beau|de vouloir tricher comme ça. Ca serait trop facile de pouvoir "
                                         "changer le résultat à sa guise. Etes-vous bien la seule personne habilité à pouvoir le faire? Oui.. alors, entrez le bon mot de passe:");
        QTest::newRow("vide") << Cas{1, true, "", "&OK", "", {m, "MsgBox|Donnée manquante|Vous n'avez saisi aucun mot de passe."}, ferme, ""};
        QTest::newRow("casse") << Cas{1, true, "k417", "Entrée", "", {m, "MsgBox|Désolé|Mot de passe non valide."}, ferme, ""};
        QTest::newRow("Annuler") << Cas{1, true, "K417", "&Annuler", "", {m}, ferme, ""};
        QTest::newRow("Esc") << Cas{1, true, "K417", "Esc", "", {m}, ferme, ""};
        QTest::newRow("Super, code annulé") << Cas{1, true, "K417", "&OK", "", {m, q}, "33333SCP", ""};
        QTest::newRow("Normal, code faux") << Cas{0, true, "K417", "Entrée", "qf7w", {m, q, "MsgBox|Erreur|Mot de passe non conforme."}, "33330SCP", ""};
        QTest::newRow("Normal, code juste") << Cas{0, true, "K417", "&OK", "QF7W", {m, q}, "33330SCP", "OOVR"};
        QTest::newRow("rien de tiré") << Cas{1, false, "K417", "&OK", "QF7W", {m}, "33333SCP", ""};
    }
    void acces()
    {
        QFETCH(Cas, c);
        f->cboJeu->setCurrentIndex(c.jeu);
        if (c.partie) QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        env->dansModal = [c](QWidget* w) {
            auto* p = static_cast<frmPasse*>(w);
            QVERIFY((p->frameGeometry().center() - p->screen()->geometry().center()).manhattanLength() <= 8);
            for (QWidget* a : p->findChildren<QWidget*>()) // laid out with nothing overlapping
                for (QWidget* b : p->findChildren<QWidget*>())
                    QVERIFY(a == b || !a->geometry().intersects(b->geometry()));
            QTest::keyClicks(p->txtPasse, c.mot);
            if (c.fin.startsWith(u'&')) QTest::mouseClick(c.fin == "&OK" ? p->cmdOK : p->cmdAnnuler, Qt::LeftButton);
            else QTest::keyClick(p->txtPasse, c.fin == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
            if (!emplacement<frmPasse>().isNull()) { // refused: the window stays, the text in it; Esc closes it
                QVERIFY(c.echange.size() == 2 && p->txtPasse->text() == c.mot && p->focusWidget() == p->txtPasse
                        && !p->txtPasse->displayText().contains(u'4')); // typed, hidden
                QTest::keyClick(p->txtPasse, Qt::Key_Escape);
                QVERIFY(emplacement<frmPasse>().isNull());
            }
        };
        QTest::mouseClick(f->lblTriche, Qt::LeftButton);
        QCOMPARE(vu(), c.revele);
        const QString secret = f->txtCombi->text();
        if (c.revele != QLatin1String("00000---")) {
            f->activateWindow(); // back from the games window to the board
            QVERIFY(QTest::qWaitForWindowActive(f));
            env->reponsesInputBox = {c.code};
            QTest::mouseClick(f->txtCombi, Qt::LeftButton);
            QTest::keyClick(f->txtCombi, 'O');
            f->txtCombi->selectAll();
            if (!f->txtCombi->isReadOnly()) QTest::keyClicks(f->txtCombi, QStringLiteral("OOVRJ"));
            QTest::mouseClick(f->lblTriche, Qt::LeftButton);
            QVERIFY(vu() == QStringLiteral("00000---") && f->txtCombi->isReadOnly());
        }
        QStringList journal;
        for (const support::Appel& a : env->appels)
            journal << a.genre + u'|' + a.titre + u'|' + a.texte;
        QCOMPARE(journal, c.echange);
        QCOMPARE(f->txtCombi->text(), c.champ.isEmpty() ? secret : c.champ);
    }

    // The typing limit the unlocked field took in a 4-hole game never cuts a later Super secret.
    void secretJamaisCoupe()
    {
        env->dansModal = [](QWidget* w) {
            QTest::keyClicks(static_cast<frmPasse*>(w)->txtPasse, QStringLiteral("K417"));
            QTest::keyClick(static_cast<frmPasse*>(w)->txtPasse, Qt::Key_Return);
        };
        env->reponsesInputBox = {QStringLiteral("QF7W")};
        for (int jeu : {0, 1}) {
            f->cboJeu->setCurrentIndex(jeu);
            QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
            QCOMPARE(f->txtCombi->text().size(), 4 + jeu);
            QCOMPARE(f->txtCombi->text(), f->Label5->text());
            QTest::mouseClick(f->lblTriche, Qt::LeftButton); // revealed
            QTest::keyClick(f->txtCombi, 'O');              // the code unlocks it
            QTest::mouseClick(f->lblTriche, Qt::LeftButton); // hidden again
            QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        }
    }
};

QTEST_MAIN(TestPasse)
#include "test_passe.moc"
