// The keyboard: the shortcut table seen from any control, the pause key, the solution field.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/program.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/dialogs/frmParties.h"
#include "windows/dialogs/frmScores.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmSplash.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

using namespace Chromalis;

namespace {
const QString refus_normal =
    QStringLiteral("Seules, les lettres: R - B - V - J - O - I  sont autorisées et uniquement en MAJUSCULE.");
const QString refus_super =
    QStringLiteral("Seules, les lettres: R - B - V - J - O - I - N - X  sont autorisées et uniquement en MAJUSCULE.");

// A window shown takes the activation, as the window manager gives it.
void prendreActivation(QWidget* w)
{
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}

// Whether a button is drawn with its focus ring.
bool anneau(QWidget* bouton)
{
    QStyleOptionButton o;
    o.initFrom(bouton);
    return (o.state & QStyle::State_HasFocus) && (o.state & QStyle::State_KeyboardFocusChange);
}

// The dialogs seen, as kind and title (the class of a modal window).
QStringList dialogues(const QList<support::Appel>& appels)
{
    QStringList vus;
    for (const support::Appel& a : appels)
        vus << a.genre + QLatin1Char(':') + (a.genre == QLatin1String("ShowModal") ? a.texte : a.titre);
    return vus;
}
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
    // Real keys enter the window; "<" is Backspace.
    void taper(const QString& touches)
    {
        for (QChar c : touches) {
            if (c == QLatin1Char('<'))
                QTest::keyClick(f->windowHandle(), Qt::Key_Backspace);
            else
                QTest::keyClick(f->windowHandle(), c.toLatin1());
        }
    }
    QString rangee(int K)
    {
        QString tags;
        for (int n = 1; n <= nb_pions; ++n)
            tags += f->img[K][n]->Tag();
        return tags;
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
        QTest::newRow("F2 sans navigateur") << int(Qt::Key_F2) << 0 << false << "erreur site";
        QTest::newRow("F3 mail") << int(Qt::Key_F3) << 0 << false << "ouverture mail";
        // (In a game, so that the focus is on a button: a focused list takes F4 for itself.)
        QTest::newRow("F4 accueil") << int(Qt::Key_F4) << 0 << true << "accueil modal";
        QTest::newRow("F5 nouveau") << int(Qt::Key_F5) << 0 << false << "partie lancée";
        QTest::newRow("Maj+F5 nouveau") << int(Qt::Key_F5) << int(Qt::ShiftModifier) << false << "partie lancée";
        QTest::newRow("F5 arrêter") << int(Qt::Key_F5) << 0 << true << "partie arrêtée";
        QTest::newRow("F6 options") << int(Qt::Key_F6) << 0 << false << "options";
        QTest::newRow("F7 en jeu") << int(Qt::Key_F7) << 0 << true << "rangée jugée";
        QTest::newRow("F7 gagnante, Oui") << int(Qt::Key_F7) << 0 << true << "partie suivante";
        QTest::newRow("F7 sans jeu") << int(Qt::Key_F7) << 0 << false << "rien";
        QTest::newRow("F8 sans jeu, Échap") << int(Qt::Key_F8) << 0 << false << "scores";
        QTest::newRow("F8 en jeu") << int(Qt::Key_F8) << 0 << true << "rien";
        QTest::newRow("Échap, Non") << int(Qt::Key_Escape) << 0 << false << "quitter";
    }
    // Each key acts once, even when a window or a box it opens takes the activation, as a real
    // one does, and leaves the board without a focused control when it closes.
    void tableDesTouches()
    {
        QFETCH(int, touche);
        QFETCH(int, modificateurs);
        QFETCH(bool, enJeu);
        QFETCH(QString, effet);
        if (enJeu)
            jouer(QStringLiteral("Normal"));
        if (effet == QLatin1String("partie suivante"))
            taper(f->txtCombi->text());
        env->appels.clear();
        env->reponsesMsgBox = {int(platform::vbNo)};
        env->shellAccepte = effet != QLatin1String("erreur site");
        QWidget leurre;
        env->pendantMessage = [&leurre] {
            prendreActivation(&leurre);
            leurre.hide();
        };
        env->dansModal = [](QWidget* w) {
            prendreActivation(w);
            if (auto* fin = qobject_cast<frmFIN*>(w)) {
                // A first win enters the empty table: the name is asked first.
                if (fin->cmdScores->isEnabled())
                    QTest::mouseClick(fin->cmdScores, Qt::LeftButton);
                QTest::mouseClick(fin->cmdOUI, Qt::LeftButton);
            } else if (qobject_cast<frmScores*>(w))
                QTest::keyClick(w->windowHandle(), Qt::Key_Escape);
        };
        const std::int16_t rangee = num_ligne;
        // The focus on a control: the window previews every key.
        QWidget* cible = f->cboJeu->isEnabled() ? static_cast<QWidget*>(f->cboJeu) : f->cmdQuitter;
        prendreActivation(f);
        cible->setFocus();
        QTest::keyClick(f->windowHandle(), Qt::Key(touche), Qt::KeyboardModifiers(modificateurs));

        const QStringList vus = dialogues(env->appels);
        if (effet == QStringLiteral("message aide")) {
            QCOMPARE(env->messages().size(), 1);
            QCOMPARE(env->messages().first().titre, QStringLiteral("Erreur"));
        } else if (effet == QStringLiteral("ouverture site")) {
            QCOMPARE(env->ouvertures, QStringList{QStringLiteral("https://www.ventaroc.example/")});
        } else if (effet == QStringLiteral("erreur site")) {
            QCOMPARE(env->ouvertures.size(), 1);
            QCOMPARE(vus, QStringList{QStringLiteral("MsgBox:Chromalis")});
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
        } else if (effet == QStringLiteral("partie suivante")) {
            // The next game starts on row 1, not yet judged.
            QCOMPARE(vus, (QStringList{QStringLiteral("ShowModal:frmFIN"), QStringLiteral("ShowModal:frmScores")}));
            QVERIFY(jeu_en_cours);
            QCOMPARE(num_ligne, std::int16_t(1));
            QCOMPARE(this->rangee(1), QStringLiteral("ZZZZ"));
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

    // Enter presses the focused button, elsewhere the window's default button; a window opened
    // on a focused button draws its focus ring.
    void entree_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QStringList>("attendu");
        QTest::addColumn<int>("anneaux");
        QTest::newRow("Valider") << "valider" << QStringList{} << 1;
        QTest::newRow("fin, Oui") << "oui" << QStringList{"ShowModal:frmFIN"} << 2;
        QTest::newRow("fin, Tableau des Scores, Oui") << "scores"
                                                       << QStringList{"ShowModal:frmFIN", "ShowModal:frmScores"} << 3;
        QTest::newRow("scores, liste des modes: VOIR") << "voir" << QStringList{"ShowModal:frmScores"} << 0;
        QTest::newRow("scores, Remise à zéro") << "raz" << QStringList{"ShowModal:frmScores", "MsgBox:ATTENTION..."}
                                                << 0;
        QTest::newRow("parties, Modifier") << "modifier" << QStringList{"MsgBox:Donnée manquante"} << 1;
        QTest::newRow("parties, numéro: Chercher") << "chercher" << QStringList{"MsgBox:Erreur de saisie"} << 0;
    }
    void entree()
    {
        QFETCH(QString, cas);
        QFETCH(QStringList, attendu);
        QFETCH(int, anneaux);
        env->reponsesMsgBox = {int(platform::vbNo)};
        env->dansModal = [&](QWidget* w) {
            prendreActivation(w);
            if (auto* fin = qobject_cast<frmFIN*>(w)) {
                // The focused button (Tableau des Scores, then Oui) shows its ring and takes Enter.
                for (QPushButton* b : {fin->cmdScores, fin->cmdOUI}) {
                    if (!estCharge<frmFIN>() || !b->isEnabled())
                        continue;
                    prendreActivation(w);
                    anneaux -= anneau(b);
                    QTest::keyClick(w->windowHandle(), Qt::Key_Return);
                }
            } else if (auto* s = qobject_cast<frmScores*>(w)) {
                if (cas == QLatin1String("voir")) {
                    s->cboMode->setFocus();
                    QTest::keyClick(w->windowHandle(), Qt::Key_Down);
                    QTest::keyClick(w->windowHandle(), Qt::Key_Return);
                    QCOMPARE(s->lblMode->text(), QStringLiteral("EXPERT"));
                } else if (cas == QLatin1String("raz")) {
                    s->cmdRAZ[1]->setFocus();
                    QTest::keyClick(w->windowHandle(), Qt::Key_Return);
                }
            }
        };
        if (cas == QLatin1String("voir") || cas == QLatin1String("raz")) {
            prendreActivation(f);
            QTest::keyClick(f->windowHandle(), Qt::Key_F8);
        } else if (cas == QLatin1String("modifier") || cas == QLatin1String("chercher")) {
            auto* p = instance<frmParties>();
            prendreActivation(p);
            // Shown for the first time, the focus in the list: no entry is chosen yet.
            QCOMPARE(p->windowTitle(), QStringLiteral("Combi No: /"));
            QCOMPARE(p->Label5->text(), QStringLiteral("?"));
            QCOMPARE(p->lstParties->currentRow(), -1);
            (cas == QLatin1String("modifier") ? static_cast<QWidget*>(p->cmdModifier) : p->txtNumPartie)->setFocus();
            if (cas == QLatin1String("modifier"))
                anneaux -= anneau(p->cmdModifier);
            QTest::keyClick(p->windowHandle(), Qt::Key_Return);
        } else {
            // Valider has the focus once a game starts; a game lost after ten rows, or won at once.
            jouer(QStringLiteral("Normal"));
            prendreActivation(f);
            anneaux -= anneau(f->cmdValider);
            if (cas == QLatin1String("scores"))
                taper(f->txtCombi->text());
            for (int n = cas == QLatin1String("oui") ? 10 : 1; n > 0; --n)
                QTest::keyClick(f->windowHandle(), Qt::Key_Return);
            QCOMPARE(num_ligne, std::int16_t(cas == QLatin1String("valider") ? 2 : 1));
            QVERIFY(jeu_en_cours);
        }
        QCOMPARE(dialogues(env->appels), attendu);
        // Every focused button checked wore its ring.
        QCOMPARE(anneaux, 0);
    }

    // Tab and Shift+Tab leave the revealed solution field, locked or not, without its key rule.
    void tabulationQuitteLaSolution_data()
    {
        QTest::addColumn<bool>("verrouille");
        QTest::addColumn<int>("touche");
        QTest::newRow("verrouillé, Tab") << true << int(Qt::Key_Tab);
        QTest::newRow("ouvert, Maj+Tab") << false << int(Qt::Key_Backtab);
    }
    void tabulationQuitteLaSolution()
    {
        QFETCH(bool, verrouille);
        QFETCH(int, touche);
        jouer(QStringLiteral("Normal"));
        f->txtCombi->show();
        f->txtCombi->setReadOnly(verrouille);
        prendreActivation(f);
        f->txtCombi->setFocus();
        env->appels.clear();
        QTest::keyClick(f->windowHandle(), Qt::Key(touche));
        QVERIFY2(env->appels.isEmpty(), qPrintable(dialogues(env->appels).join(u',')));
        QVERIFY(!f->txtCombi->hasFocus());
        QCOMPARE(f->txtCombi->text().size(), 4);
    }

    // A colour letter or digit puts its peg in the first empty hole of the row, Backspace takes
    // the last one off; what cannot be done beeps. The focus stays where it is.
    void pionsAuClavier_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<bool>("chrono");
        QTest::addColumn<QString>("touches");
        QTest::addColumn<QString>("rangee");
        QTest::addColumn<int>("bips");
        QTest::newRow("lettres") << "Normal" << false << "RbVJ" << "RBVJ" << 0;
        QTest::newRow("chiffres") << "Normal" << false << "1263" << "RBIV" << 0;
        QTest::newRow("super, N X 7 8") << "Super" << false << "NX78" << "NXNXZ" << 0;
        QTest::newRow("normal, N refusé") << "Normal" << false << "N7R" << "RZZZ" << 2;
        QTest::newRow("rangée pleine") << "Normal" << false << "RBVJO" << "RBVJ" << 1;
        QTest::newRow("retour arrière") << "Normal" << false << "RB<V" << "RVZZ" << 0;
        QTest::newRow("retour arrière, rangée vide") << "Normal" << false << "<" << "ZZZZ" << 1;
        QTest::newRow("autres touches") << "Normal" << false << "AZ9" << "ZZZZ" << 0;
        QTest::newRow("fin de pause") << "Normal" << true << "PR" << "RZZZ" << 0;
    }
    void pionsAuClavier()
    {
        QFETCH(QString, type);
        QFETCH(bool, chrono);
        QFETCH(QString, touches);
        QFETCH(QString, rangee);
        QFETCH(int, bips);
        jouer(type, chrono);
        prendreActivation(f);
        QWidget* focus = f->focusWidget();
        taper(touches);
        QCOMPARE(this->rangee(1), rangee);
        QCOMPARE(env->appels.size(), bips);
        QVERIFY(!f->Timer1.Enabled());
        QCOMPARE(f->focusWidget(), focus);
        // A text field keeps its letters to itself.
        f->txtCombi->show();
        f->txtCombi->setFocus();
        taper(QStringLiteral("<"));
        QCOMPARE(this->rangee(1), rangee);
    }

    // The options column is reached with Tab from top to bottom and changed from the keyboard.
    void colonneOptionsAuClavier()
    {
        prendreActivation(f);
        f->cmdOptions_Click();
        f->chkTemps->setFocus();
        QTest::keyClick(f->windowHandle(), Qt::Key_Space);
        QVERIFY(f->chkTemps->isChecked());
        f->cboJeu->setFocus();
        QTest::keyClick(f->windowHandle(), Qt::Key_Up);
        QCOMPARE(f->cboJeu->currentText(), QStringLiteral("Normal"));
        QList<QWidget*> ordre{f->cboJeu};
        for (int n = 0; n < 8; ++n) {
            QTest::keyClick(f->windowHandle(), Qt::Key_Tab);
            ordre << f->focusWidget();
        }
        // Of the option buttons, Tab stops at the chosen one.
        QWidget* mode = f->optDebutant->isChecked() ? f->optDebutant : f->optExpert->isChecked() ? f->optExpert : f->optTop;
        const QList<QWidget*> colonne{f->cboJeu, f->chkTemps, f->cboTemps, mode, f->chkPartie, f->cmdInternet, f->cmdMail};
        QCOMPARE(ordre.mid(0, colonne.size()), colonne);
        // Down moves the mode to the next option button.
        const QString avant = mode_jeu;
        mode->setFocus();
        QTest::keyClick(f->windowHandle(), Qt::Key_Down);
        QVERIFY(!static_cast<QRadioButton*>(mode)->isChecked());
        QVERIFY(mode_jeu != avant);
    }

    // A screen reader reads the board through the accessible tree: holes by place and colour,
    // a judged row by its result pegs, the palette by its tooltips, the countdown by its percentage.
    // (Announcements need an accessibility bus: the end-to-end script listens to them.)
    void lecteurDEcran()
    {
        jouer(QStringLiteral("Normal"), true);
        f->txtCombi->setText(QStringLiteral("RBVJ"));
        prendreActivation(f);
        taper(QStringLiteral("RJBO"));
        QTest::keyClick(f->windowHandle(), Qt::Key_F7);
        f->Timer3_Timer();

        QMap<QString, QString> lu;
        std::function<void(QAccessibleInterface*)> lire = [&](QAccessibleInterface* i) {
            if (!i->text(QAccessible::Name).isEmpty())
                lu.insert(i->text(QAccessible::Name), i->text(QAccessible::Value));
            for (int n = 0; n < i->childCount(); ++n)
                lire(i->child(n));
        };
        lire(QAccessible::queryAccessibleInterface(f));
        QCOMPARE(lu.value(QStringLiteral("Rangée 1, trou 1")), QStringLiteral("rouge"));
        QCOMPARE(lu.value(QStringLiteral("Rangée 1, trou 2")), QStringLiteral("jaune"));
        QCOMPARE(lu.value(QStringLiteral("Rangée 1, trou 4")), QStringLiteral("rose"));
        QCOMPARE(lu.value(QStringLiteral("Rangée 2, trou 1")), QStringLiteral("vide"));
        QVERIFY(lu.contains(QStringLiteral("Rangée 1 : 1 noir, 2 blancs")));
        QVERIFY(lu.contains(QStringLiteral("Rangée 2")));
        QVERIFY(lu.contains(QStringLiteral("Pion marron")));
        QCOMPARE(lu.value(QStringLiteral("Barre de chronometrage")), f->lblPourcent->text() + QStringLiteral(" %"));
        QVERIFY(f->lblPourcent->text().toInt() > 0);
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
        QTest::keyClick(f->windowHandle(), Qt::Key_P);
        QCOMPARE(f->Timer1.Enabled(), pause);
        QCOMPARE(f->lblPause->isVisibleTo(f), pause);
        if (enJeu) {
            // P also brings the focus to the validate button.
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f->cmdValider));
            QCOMPARE(f->Timer4.Enabled(), !pause);
        }
        if (pause) {
            QTest::keyClick(f->windowHandle(), Qt::Key_P);
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
