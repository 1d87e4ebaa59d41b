// The keyboard, played through the windows: every key acts once, Enter presses, Tab moves, pegs
// typed on the board, the solution field's letters, and the board as a screen reader hears it.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/program.h"
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
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTest>

using namespace Chromalis;

namespace {
const QString refus_normal = QStringLiteral("Seules, les lettres: R - B - V - J - O - I  sont autorisées et uniquement en MAJUSCULE.");
const QString refus_super = QStringLiteral("Seules, les lettres: R - B - V - J - O - I - N - X  sont autorisées et uniquement en MAJUSCULE.");
// A window shown takes the activation, as the window manager gives it.
void prendreActivation(QWidget* w)
{
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}
} // namespace

class TestKeys : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    frmChromalis* f = nullptr;
    QStringList journal;

    // A control by its caption, else its tooltip, else its class, with '*' when it wears its focus ring.
    QString nom(QWidget* w, bool anneau = true) const
    {
        if (!w)
            return QStringLiteral("-");
        auto* b = qobject_cast<QAbstractButton*>(w);
        QString n = b ? b->text().remove(u'&') : !w->toolTip().isEmpty() ? w->toolTip() : w->metaObject()->className();
        QStyleOptionButton o;
        o.initFrom(w);
        return n + (anneau && (o.state & QStyle::State_HasFocus) && (o.state & QStyle::State_KeyboardFocusChange) ? "*" : "");
    }
    // What a screen reader hears: holes, a judged row, a palette peg, the countdown's percentage.
    void lire(QAccessibleInterface* i)
    {
        static const QRegularExpression lus(QStringLiteral("^(Rangée 1\\b.*|Rangée 2(, trou 1)?|Pion marron|Barre.*)$"));
        if (lus.match(i->text(QAccessible::Name)).hasMatch())
            journal << i->text(QAccessible::Name) + u'=' + i->text(QAccessible::Value);
        for (int k = 0; k < i->childCount(); ++k)
            lire(i->child(k));
    }
    // Real keys into a window: F1..F8 Esc Ret Tab BTab Up Down Space, S- for Shift; other words
    // are typed letter by letter, '<' as Backspace. "@name" gives the focus to a control (a part
    // of its caption will do), "." notes the focused control, "$" types the secret, "Coller"
    // pastes into the solution field as its context menu does, "#tic" is a tick of the countdown,
    // "#lu" notes what a screen reader hears.
    void taper(QWidget* fenetre, const QString& script)
    {
        static const QHash<QString, int> touches{{"Esc", Qt::Key_Escape}, {"Ret", Qt::Key_Return}, {"Tab", Qt::Key_Tab},
            {"BTab", Qt::Key_Backtab}, {"Up", Qt::Key_Up}, {"Down", Qt::Key_Down}, {"Space", Qt::Key_Space}};
        QPointer<QWidget> w(fenetre);
        for (QString mot : script.split(u' ', Qt::SkipEmptyParts)) {
            const auto mod = mot.startsWith(QLatin1String("S-")) ? Qt::ShiftModifier : Qt::NoModifier;
            mot.remove(QStringLiteral("S-"));
            if (!w)
                return;
            if (mot.startsWith(u'@')) {
                QWidget* cible = nullptr;
                for (QWidget* c : w->findChildren<QWidget*>())
                    if (!cible && c->isEnabled() && c->focusPolicy() != Qt::NoFocus && nom(c, false).contains(mot.mid(1)))
                        cible = c;
                QVERIFY2(cible, qPrintable(mot));
                cible->setFocus();
            } else if (mot == QLatin1String("."))
                journal << nom(QApplication::focusWidget());
            else if (mot == QLatin1String("Coller")) {
                f->txtCombi->selectAll();
                f->txtCombi->paste();
            } else if (mot == QLatin1String("$"))
                taper(w, f->txtCombi->text());
            else if (mot == QLatin1String("#tic"))
                emit f->Timer3.Timer();
            else if (mot == QLatin1String("#lu"))
                lire(QAccessible::queryAccessibleInterface(f));
            else if (touches.contains(mot) || (mot.size() == 2 && mot[0] == u'F'))
                QTest::keyClick(w->windowHandle(), Qt::Key(touches.value(mot, Qt::Key_F1 + mot.mid(1).toInt() - 1)), mod);
            else
                for (QChar c : mot)
                    QTest::keyClick(w->windowHandle(), c == u'<' ? '\b' : c.toLatin1());
        }
    }
    // The whole visible state in one line.
    QString etat(QWidget* fenetre) const
    {
        QStringList e, vus;
        for (const support::Appel& a : env->appels)
            vus << (a.genre == QLatin1String("ShowModal") ? a.texte : a.genre == QLatin1String("Beep") ? a.genre : a.titre);
        if (!vus.isEmpty())
            e << QStringLiteral("dlg=") + vus.join(u',');
        if (!env->ouvertures.isEmpty())
            e << QStringLiteral("ouv=") + env->ouvertures.join(u',');
        if (jeu_en_cours) {
            QString rangee, minuteurs;
            for (int n = 1; n <= nb_pions; ++n)
                rangee += f->img[1][n]->Tag();
            for (int n = 0; n < 4; ++n)
                minuteurs += (std::array{&f->Timer1, &f->Timer2, &f->Timer3, &f->Timer4}[n]->Enabled() ? QString::number(n + 1) : "");
            e << QStringLiteral("L%1 %2 T%3").arg(num_ligne).arg(rangee, minuteurs);
        }
        if (f->lblPause->isVisibleTo(f))
            e << QStringLiteral("PAUSE");
        if (f->Width() > 5000)
            e << QStringLiteral("options=") + lettre_jeu + lettre_mode + (f->chkTemps->isChecked() ? "+chrono" : "");
        if (f->txtCombi->isVisibleTo(f) && !f->txtCombi->isReadOnly())
            e << QStringLiteral("combi=") + f->txtCombi->text();
        if (estCharge<frmScores>())
            e << QStringLiteral("scores=") + instance<frmScores>()->lblMode->text();
        if (const frmParties* p = estCharge<frmParties>() ? instance<frmParties>() : nullptr)
            e << QStringLiteral("parties=%1 %2 %3").arg(p->windowTitle(), p->Label5->text()).arg(p->lstParties->currentRow());
        e << QStringLiteral("@") + nom(fenetre->focusWidget());
        if (!journal.isEmpty())
            e << QStringLiteral("vu=") + journal.join(u',');
        return e.join(u' ');
    }
    static void ligne(const char* n, QString prep, QString touches, QString modal, QString attendu, QString message = {})
    {
        QTest::newRow(n) << prep << touches << modal << attendu << message;
    }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        // A program folder without the help file.
        platform::setAppPathHook([d = env->dossierReglages()] { return d; });
        instance<frmSplash>();
        f = instance<frmChromalis>();
        f->show();
        journal.clear();
    }
    void cleanup() { env.reset(); }

    void clavier_data()
    {
        for (const char* c : {"prep", "touches", "modal", "attendu", "message"})
            QTest::addColumn<QString>(c);
        ligne("F1 sans page", "", "@QComboBox F1", "", "dlg=Erreur @QComboBox");
        ligne("F2 site", "", "@QComboBox F2", "", "ouv=https://www.ventaroc.example/ @QComboBox*");
        ligne("F2 sans navigateur", "sansnav", "@QComboBox F2", "", "dlg=Chromalis ouv=https://www.ventaroc.example/ @QComboBox");
        ligne("F3 mail", "", "@QComboBox F3", "", "ouv=mailto:chromalis@ventaroc.example?subject=Chromalis @QComboBox*");
        ligne("F4 accueil", "Normal", "F4", "", "dlg=frmSplash L1 ZZZZ T4 @Valider la proposition");
        ligne("F5, Maj+F5", "", "@QComboBox F5 F5 S-F5", "", "L1 ZZZZZ T4 @Valider la proposition*");
        ligne("F6 options", "", "@QComboBox F6", "", "options=SN @QComboBox*");
        ligne("F7 en jeu", "Normal", "@Quitter F7", "", "L2 ZZZZ T4 @Quitter...*");
        ligne("F7 gagnante, Scores, Oui", "Normal", "$ F7", ". Ret . Ret|Esc", "dlg=frmFIN,frmScores L1 ZZZZ T4 @Valider la proposition vu=Tableau des Scores*,Oui*");
        ligne("F7 sans jeu", "", "@QComboBox F7", "", "@QComboBox*");
        ligne("F8 sans jeu, Échap", "", "@QComboBox F8", "Esc", "dlg=frmScores @QComboBox");
        ligne("F8 en jeu", "Normal", "F8", "", "L1 ZZZZ T4 @Valider la proposition*");
        ligne("Échap, Non", "", "@QComboBox Esc", "", "dlg=Chromalis @QComboBox", "Êtes-vous sûr(e) de vouloir vraiment quitter le jeu ?");
        ligne("Entrée sur Valider", "Normal", ". Ret", "", "L2 ZZZZ T4 @Valider la proposition* vu=Valider la proposition*");
        ligne("perdue en dix Entrée, Oui", "Normal", "Ret Ret Ret Ret Ret Ret Ret Ret Ret Ret", ". Ret", "dlg=frmFIN L1 ZZZZ T4 @Valider la proposition vu=Oui*");
        ligne("scores, liste des modes: VOIR", "", "F8", "@Mode Down Ret", "dlg=frmScores scores=EXPERT @Aide");
        ligne("scores, Remise à zéro", "", "F8", "@tous . Ret", "dlg=frmScores,ATTENTION... scores=NORMAL @Aide vu=Remise à zéro de tous les jeux*");
        ligne("parties, Modifier", "parties", "@Modifier . Ret", "", "dlg=Donnée manquante parties=Combi No: / ? -1 @Modifier la combinaison vu=Modifier la combinaison*");
        ligne("parties, numéro: Chercher", "parties", "@QLineEdit Ret", "", "dlg=Erreur de saisie parties=Combi No: / ? -1 @QLineEdit");
        ligne("pions, lettres", "Normal", "RbVJ", "", "L1 RBVJ T4 @Valider la proposition*");
        ligne("pions, chiffres", "Normal", "1263", "", "L1 RBIV T4 @Valider la proposition*");
        ligne("pions super, N X 7 8", "Super", "NX78", "", "L1 NXNXZ T4 @Valider la proposition*");
        ligne("pions, N et 7 refusés", "Normal", "N7R", "", "dlg=Beep,Beep L1 RZZZ T4 @Valider la proposition*");
        ligne("pions, rangée pleine", "Normal", "RBVJO", "", "dlg=Beep L1 RBVJ T4 @Valider la proposition*");
        ligne("pions, retour arrière", "Normal", "RB<V", "", "L1 RVZZ T4 @Valider la proposition*");
        ligne("pions, rangée vide", "Normal", "<", "", "dlg=Beep L1 ZZZZ T4 @Valider la proposition*");
        ligne("pions, autres touches", "Normal", "AZ9", "", "L1 ZZZZ T4 @Valider la proposition*");
        ligne("pions, fin de pause", "Normal chrono", "P R", "", "L1 RZZZ T34 @Valider la proposition*");
        ligne("pions, le champ garde ses lettres", "Normal solution", "RB @solution V<", "", "L1 RBZZ T4 combi= @solution changeable*");
        ligne("P sans partie", "chrono", "@QComboBox P", "", "@QComboBox*");
        ligne("P sans chrono", "Super", "@Quitter P", "", "L1 ZZZZZ T4 @Valider la proposition*");
        ligne("P chronométrée", "Super chrono", "@Quitter P", "", "L1 ZZZZZ T1 PAUSE @Valider la proposition*");
        ligne("P P chronométrée", "Super chrono", "@Quitter P P", "", "L1 ZZZZZ T34 @Valider la proposition*");
        ligne("colonne des options", "", "F6 @Chrono Space @QComboBox Down Up . Tab . Tab . Tab . Down . Tab . Tab . Tab .", "", "options=NE+chrono @E-mail* vu=QComboBox*,Chrono*,Temps par coup*,Normal*,Expert*,Parties*,Site Web*,E-mail*");
        ligne("solution verrouillée, Tab", "Normal verrou", "@solution Tab", "", "L1 ZZZZ T4 @Valider la proposition*");
        ligne("solution, Maj+Tab", "Normal solution", "@solution RBVJ BTab", "", "L1 ZZZZ T4 combi=RBVJ @E-mail*");
        ligne("solution incomplète, Tab", "Normal solution", "@solution RBV Tab", "", "dlg=ERREUR L1 ZZZZ T4 combi=RBV @solution changeable", "Il manque une lettre dans la combinaison.");
        ligne("solution, lettres", "Normal solution", "@solution RNrZBVI", "", "dlg=Beep,ATTENTION:,Beep,ATTENTION:,Beep,ATTENTION: L1 ZZZZ T4 combi=RBVI @solution changeable", refus_normal);
        ligne("solution, collée", "Normal solution colle=RBVJ", "@solution R Coller", "", "L1 ZZZZ T4 combi=RBVJ @solution changeable*");
        ligne("solution, collée refusée", "Normal solution colle=RNXZ", "@solution R Coller", "", "dlg=Beep,ATTENTION: L1 ZZZZ T4 combi=R @solution changeable", refus_normal);
        ligne("solution, collée en minuscules", "Normal solution colle=rbvj", "@solution R Coller", "", "dlg=Beep,ATTENTION: L1 ZZZZ T4 combi=R @solution changeable", refus_normal);
        ligne("solution super, chiffre", "Super solution", "@solution NXR1BV", "", "dlg=Beep,ATTENTION: L1 ZZZZZ T4 combi=NXRBV @solution changeable", refus_super);
        ligne("lecteur d'écran", "Normal chrono secret", "RJBO F7 #tic #lu", "",
              "L2 RJBO T34 @Valider la proposition* vu=Rangée 1, trou 1=rouge,Rangée 1, trou 2=jaune,Rangée 1, trou 3=bleu,"
              "Rangée 1, trou 4=rose,Rangée 1, trou 5=vide,Rangée 1 : 1 noir, 2 blancs=,Rangée 2, trou 1=vide,Rangée 2=,"
              "Barre de chronometrage=5 %,Pion marron=");
    }
    // Each row: set-up words (a Normal or Super game, chrono, sansnav: no browser, the solution field
    // opened, locked (verrou) or hiding RBVJ (secret), the predefined games, colle=: the clipboard),
    // keys into the window, then a script per modal window in the order they open ('|' between).
    // Every window and box takes the activation as a real one does: a key handled twice shows.
    void clavier()
    {
        QFETCH(QString, prep);
        QFETCH(QString, touches);
        QFETCH(QString, modal);
        QFETCH(QString, attendu);
        QFETCH(QString, message);
        const QStringList p = prep.split(u' ', Qt::SkipEmptyParts);
        const auto a = [&p](const char* mot) { return p.contains(QLatin1String(mot)); };
        env->shellAccepte = !a("sansnav");
        f->chkTemps->setChecked(a("chrono"));
        if (a("Normal") || a("Super")) {
            f->cboJeu->setCurrentText(a("Super") ? QStringLiteral("Super") : QStringLiteral("Normal"));
            QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        }
        // The solution field shown, locked on the secret or opened empty for editing.
        f->txtCombi->setVisible(a("solution") || a("verrou"));
        f->txtCombi->setReadOnly(!a("solution"));
        if (a("solution") || a("secret"))
            f->txtCombi->setText(a("secret") ? QStringLiteral("RBVJ") : QString());
        QApplication::clipboard()->setText(prep.section(QStringLiteral("colle="), 1));
        QWidget* fenetre = a("parties") ? static_cast<QWidget*>(instance<frmParties>()) : f;
        env->appels.clear();
        env->reponsesMsgBox = {int(platform::vbNo)};
        QWidget leurre;
        env->pendantMessage = [&leurre] { prendreActivation(&leurre); leurre.hide(); };
        QStringList scripts = modal.split(u'|');
        env->dansModal = [&](QWidget* w) {
            // Back from a window opened over a dialog, the dialog is active again (not the board:
            // there nothing is given the focus back).
            QPointer<QWidget> avant(QApplication::activeWindow());
            prendreActivation(w);
            taper(w, scripts.isEmpty() ? QString() : scripts.takeFirst());
            if (avant && avant != w && avant != f)
                prendreActivation(avant);
        };
        prendreActivation(fenetre);
        taper(fenetre, touches);
        QCOMPARE(etat(fenetre), attendu);
        if (!message.isEmpty())
            QCOMPARE(env->messages().last().texte, message);
    }
};

QTEST_MAIN(TestKeys)
#include "test_keys.moc"
