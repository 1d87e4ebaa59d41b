// The solution access and the predefined-games window it opens, played through their controls: the
// password box, the list and its lock, both searches, Modify, the digit filter, the duplicate check,
// and the games the board offers and draws.
#include "support/support.h"

#include "game/chromalis.h"
#include "game/rules.h"
#include "windows/dialogs/frmParties.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmPasse.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

using namespace Chromalis;

// Actions, one word each: =answer (to the next input box), clicN / doubleN (list entry N), tapeTEXT
// (over the number box's text), colleTEXT (pasted there), Entrée / pavé / Échap (in the box),
// listeEntrée, Chercher, ChercherNom, Modifier. Then the selection shown (row, caption, number box,
// game, entry) and every dialog.
struct Cas { QString actions, vu; QStringList journal; };
// The solution access: game type (0 Normal, 1 Super), a secret drawn or not; the password, then OK,
// Annuler, Enter or Esc; the code answered to a key in the revealed field; every dialog; what the board
// reveals (see revele()); the field after "OOVRJ" is typed ("": locked).
struct Acces { int jeu; bool partie; QString mot, fin, code; QStringList journal; QString revele, champ; };
Q_DECLARE_METATYPE(Cas)
Q_DECLARE_METATYPE(Acces)

namespace {
QString info(const QString& titre, const QString& texte) { return "MsgBox|" + titre + u'|' + texte; }
QString trouvee(const QString& c, int n, const QString& nom)
{ return info("combinaison trouvée", QStringLiteral("Cette combinaison a été trouvée:\n\nCombinaison: %1\nNo: %2\nPartie: %3").arg(c).arg(n).arg(nom)); }
QString modif(const QString& avant) { return "InputBox|Modification de la combinaison|Entrez la nouvelle valeur de la combinaison:|" + avant; }
QString regle(const QString& cle, const QString& lettres)
{ return info("Combinaison non valide", "Une combinaison des parties " + cle + " compte " + lettres + ".\nLa combinaison n'a pas été modifiée."); }
QString doublon(const QString& nom, int a, int b)
{ return info("Erreur...", QStringLiteral("Combinaisons identiques trouvées:\nnom: %1\npositions: %2 ---> %3").arg(nom).arg(a).arg(b)); }
} // namespace

class TestParties : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    frmChromalis* f = nullptr;
    frmParties* p = nullptr;

    QStringList journal() const
    {
        QStringList l;
        for (const support::Appel& a : env->appels)
            l << QStringList{a.genre, a.titre, a.texte, a.defaut}.join(u'|').chopped(a.defaut.isEmpty());
        return l;
    }
    QString vu() const
    {
        const int k = p->lstParties->currentRow();
        const QString texte = k < 0 ? QString() : p->lstParties->item(k)->text();
        return QStringLiteral("%1 %2 %3 %4 %5").arg(k).arg(p->windowTitle(), p->txtNumPartie->text(), p->Label5->text(),
                                                         k < 0 || parties[k + 1] == texte ? texte : QStringLiteral("≠ table"));
    }
    // Per hole 1 for the right-place cell and 2 for the other; then the solution, the field, the games window.
    QString revele() const
    {
        QString s;
        for (int n = 1; n <= 5; ++n)
            s += QString::number(f->Label3[n]->isVisibleTo(f) + 2 * f->Label8[n]->isVisibleTo(f));
        return s + (f->Label5->isVisibleTo(f) ? u'S' : u'-') + (f->txtCombi->isVisibleTo(f) ? u'C' : u'-')
            + (estCharge<frmParties>() && instance<frmParties>()->isVisible() ? u'P' : u'-');
    }
    void cliquer(int n, bool deux = false)
    {
        QListWidgetItem* it = p->lstParties->item(n - 1);
        p->lstParties->scrollToItem(it);
        const QPoint c = p->lstParties->visualItemRect(it).center();
        QTest::mouseClick(p->lstParties->viewport(), Qt::LeftButton, {}, c);
        if (deux)
            QTest::mouseDClick(p->lstParties->viewport(), Qt::LeftButton, {}, c);
    }
    int actifs() const
    {
        return p->lstParties->isEnabled() + p->txtNumPartie->isEnabled() + p->cmdChercher->isEnabled()
            + p->cmdChercherNom->isEnabled() + p->cmdIdentique->isEnabled() + p->cmdModifier->isEnabled();
    }
    void montrer()
    {
        (p = instance<frmParties>())->show();
        QVERIFY(QTest::qWaitForWindowExposed(p));
        // Beside the board, on the screen.
        QVERIFY(!p->frameGeometry().intersects(f->frameGeometry()) && p->screen()->availableGeometry().contains(p->frameGeometry()));
    }

private slots:
    void init() { env = std::make_unique<support::Environnement>(), (f = instance<frmChromalis>())->show(); }
    void cleanup() { env.reset(); }

    // Built on first use, after the board filled the table; a running game locks it whenever it was built.
    void chargementEtVerrou()
    {
        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        QVERIFY(jeu_en_cours && !estCharge<frmParties>());
        f->move(f->screen()->availableGeometry().right() - f->frameGeometry().width(), 0); // no room on its right
        parties[1].clear(); // the window's load takes every game from the shipped list again
        montrer();
        QCOMPARE(actifs(), 0);
        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        QCOMPARE(actifs(), 6);
        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        QCOMPARE(actifs(), 0);
        QCOMPARE(vu() + p->Label3->text(), QStringLiteral("-1 Combi No: /  ? Total: 600 parties"));
        // Moved by the player, it keeps its place when shown again.
        p->move(p->pos() + QPoint(-40, 30));
        const QPoint place = p->pos();
        p->hide();
        p->show();
        QCOMPARE(p->pos(), place);
        for (QPushButton* b : p->findChildren<QPushButton*>())
            QVERIFY(!b->toolTip().isEmpty());
        // Every predefined game can be won: the right length, only the colours of its block.
        for (int n = 1; n <= 600; ++n)
            QVERIFY2(p->lstParties->item(n - 1)->text() == parties[n] && rules::combinaison_du_bloc((n - 1) / 100, parties[n]),
                     qPrintable(parties[n]));
    }

    void fenetre_data()
    {
        QTest::addColumn<Cas>("c");
        const QString depart = QStringLiteral("0 Combi No: 1 1 NI1 RORB"), rien = QStringLiteral("-1 Combi No: /  ? ");
        const QString hors = info("Erreur", "Entrez un numéro entre 1 et 600");
        const QString qn = QStringLiteral("InputBox|Partie|Entrez la combinaison de la partie:");
        const QString q = QStringLiteral("Beep||"), chiffre = info("Erreur de saisie", "Entrez uniquement un chiffre");
        const QString ni = QStringLiteral("4 lettres parmi R - B - V - J - O - I");
        const QString s = QStringLiteral("5 lettres parmi R - B - V - J - O - I - N - X");
        QTest::newRow("Chercher vide") << Cas{"tape Chercher", rien, {info("Erreur de saisie", "Entrez un chiffre")}};
        QTest::newRow("Chercher 0") << Cas{"tape0 Chercher", "-1 Combi No: / 0 ? ", {hors}};
        QTest::newRow("Chercher 049") << Cas{"tape049 Chercher", "48 Combi No: 49 49 NI49 ROVR", {}};
        QTest::newRow("Entrée 601") << Cas{"tape601 Entrée", "-1 Combi No: / 601 ? ", {hors}};
        QTest::newRow("pavé 600") << Cas{"tape600 pavé", "599 Combi No: 600 600 SE100 VNJRV", {}};
        QTest::newRow("Entrée dans la liste") << Cas{"tape250 listeEntrée", "249 Combi No: 250 250 NE50 ORRR", {}};
        QTest::newRow("Échap ne cherche pas") << Cas{"tape42 Échap", "-1 Combi No: / 42 ? ", {}};
        QTest::newRow("nom en minuscules") << Cas{"clic600 =rorb ChercherNom", depart, {qn, trouvee("RORB", 1, "NI1")}};
        QTest::newRow("nom, premier de deux") << Cas{"=JOBV ChercherNom", "16 Combi No: 17 17 NI17 JOBV", {qn, trouvee("JOBV", 17, "NI17")}};
        QTest::newRow("nom absent") << Cas{"=rrrr ChercherNom", rien, {qn, info("Combinaison: RRRR", "Cette combinaison n'a pas été trouvée.")}};
        QTest::newRow("nom annulé") << Cas{"ChercherNom", rien, {qn}};
        QTest::newRow("Modifier sans choix") << Cas{"Modifier", rien, {info("Donnée manquante", "Sélectionnez une combinaison dans la liste.")}};
        QTest::newRow("Modifier annulé") << Cas{"clic1 Modifier", depart, {modif("RORB")}};
        QTest::newRow("NI minuscules") << Cas{"clic1 =rrrr Modifier", "0 Combi No: 1 1 NI1 RRRR", {modif("RORB")}};
        QTest::newRow("NI avec Z") << Cas{"clic100 =RRRZ Modifier", "99 Combi No: 100 100 NI100 JOJR", {modif("JOJR"), regle("NI", ni)}};
        QTest::newRow("NN double clic") << Cas{"=IIII double101", "100 Combi No: 101 101 NN1 IIII", {modif("OJRR")}};
        QTest::newRow("NE noir") << Cas{"=RRRN double300", "299 Combi No: 300 300 NE100 RRVB", {modif("RRVB"), regle("NE", ni + ", ou Z pour une place vide")}};
        QTest::newRow("SI avec Z") << Cas{"clic301 =NXNXZ Modifier", "300 Combi No: 301 301 SI1 VROIO", {modif("VROIO"), regle("SI", s)}};
        QTest::newRow("SE inconnue") << Cas{"=ZZZZA double501", "500 Combi No: 501 501 SE1 ZXXVB", {modif("ZXXVB"), regle("SE", s + ", ou Z pour une place vide")}};
        QTest::newRow("trois chiffres") << Cas{"tape4567", "-1 Combi No: / 456 ? ", {}};
        QTest::newRow("lettre au milieu") << Cas{"tape1x2", "-1 Combi No: / 2 ? ", {q, chiffre}};
        QTest::newRow("signes autour des chiffres") << Cas{"tape/:", rien, {q, chiffre, q, chiffre}};
        QTest::newRow("collé lettre") << Cas{"colle4b", rien, {q, chiffre}};
    }
    void fenetre()
    {
        QFETCH(Cas, c);
        montrer();
        QLineEdit* no = p->txtNumPartie;
        for (const QString& a : c.actions.split(u' ')) {
            if (a.startsWith(u'='))
                env->reponsesInputBox << a.mid(1);
            else if (a.startsWith("clic") || a.startsWith("double"))
                cliquer(a.mid(a.indexOf(QRegularExpression("\\d"))).toInt(), a.startsWith("double"));
            else if (a.startsWith("tape"))
                no->selectAll(), QTest::keyClicks(no, a.size() > 4 ? a.mid(4) : "\b");
            else if (a.startsWith("colle")) // as the menu or Ctrl+V do
                QGuiApplication::clipboard()->setText(a.mid(5)), no->selectAll(), no->paste();
            else if (a == "Échap")
                QTest::keyClick(no, Qt::Key_Escape);
            else if (a.endsWith("Entrée") || a == "pavé")
                QTest::keyClick(a == "listeEntrée" ? p->lstParties : static_cast<QWidget*>(no), a == "pavé" ? Qt::Key_Enter : Qt::Key_Return);
            else
                QTest::mouseClick(a == "Chercher" ? p->cmdChercher : a == "ChercherNom" ? p->cmdChercherNom : p->cmdModifier, Qt::LeftButton);
        }
        QCOMPARE(vu(), c.vu);
        QCOMPARE(journal(), c.journal);
    }

    // Duplicates are sought within each block of a hundred, the first and last entries included;
    // the same letters in two blocks are two games.
    void doublons()
    {
        montrer();
        for (int n = 1; n <= 600; ++n)
            parties[n] = QString::number(n);
        const QString fin = QStringLiteral("Fin du contrôle");
        QTest::mouseClick(p->cmdIdentique, Qt::LeftButton);
        QCOMPARE(journal(), QStringList{info(fin, "Aucunes combinaisons identiques n'ont été trouvées...")});
        parties[2] = parties[1];
        parties[101] = parties[1];
        parties[600] = parties[501];
        QTest::mouseClick(p->cmdIdentique, Qt::LeftButton);
        QCOMPARE(journal().mid(1), QStringList({doublon("1", 1, 2), doublon("501", 501, 600),
                                                info(fin, "2 combinaisons identiques ont été trouvées.")}));
    }

    // The main window offers the hundred games of each type and mode, and draws the one chosen as the
    // window last changed it.
    void jouerPredefinie_data()
    {
        QTest::addColumn<QString>("partie");
        for (const char* partie : {"NI37", "NN1", "NE100", "SI1", "SN50", "SE2"})
            QTest::newRow(partie) << QString(partie);
    }
    void jouerPredefinie()
    {
        QFETCH(QString, partie);
        const QString cle = partie.left(2), change(cle[0] == u'S' ? 5 : 4, u'R');
        const int jeu = cle[0] == u'S', mode = QString("INE").indexOf(cle[1]), numero = partie.mid(2).toInt();
        montrer();
        cliquer(300 * jeu + 100 * mode + numero);
        env->reponsesInputBox = {change};
        QTest::mouseClick(p->cmdModifier, Qt::LeftButton);
        QTest::mouseClick(f->cmdOptions, Qt::LeftButton);
        f->cboJeu->setCurrentIndex(jeu);
        QTest::mouseClick(QList<QRadioButton*>{f->optDebutant, f->optExpert, f->optTop}[mode], Qt::LeftButton);
        QStringList offertes, attendues;
        for (int k = 0; k < 100; ++k)
            offertes << f->cboParties->itemText(k), attendues << cle + QString::number(k + 1);
        QVERIFY(offertes == attendues && f->cboParties->count() == 100);
        f->chkPartie->setFocus();
        QTest::keyClick(f->chkPartie, Qt::Key_Space);
        f->cboParties->setCurrentIndex(numero - 1);
        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        QCOMPARE(f->lblPartie->text() + u' ' + combinaison, "Partie: " + partie + u' ' + change);
    }

    void acces_data()
    {
        QTest::addColumn<Acces>("c");
        const QString m = QStringLiteral("ShowModal|Mot de passe|frmPasse"), ferme = QStringLiteral("00000---");
        const QString q = QStringLiteral("InputBox|C'est pas beau|de vouloir tricher comme ça. Ca serait trop facile de pouvoir "
                                         "changer le résultat à sa guise. Etes-vous bien la seule personne habilité à pouvoir le faire? Oui.. alors, entrez le bon mot de passe:");
        QTest::newRow("vide") << Acces{1, true, "", "&OK", "", {m, "MsgBox|Donnée manquante|Vous n'avez saisi aucun mot de passe."}, ferme, ""};
        QTest::newRow("casse") << Acces{1, true, "k417", "Entrée", "", {m, "MsgBox|Désolé|Mot de passe non valide."}, ferme, ""};
        QTest::newRow("Annuler") << Acces{1, true, "K417", "&Annuler", "", {m}, ferme, ""};
        QTest::newRow("Esc") << Acces{1, true, "K417", "Esc", "", {m}, ferme, ""};
        QTest::newRow("Super, code annulé") << Acces{1, true, "K417", "&OK", "", {m, q}, "33333SCP", ""};
        QTest::newRow("Normal, code faux") << Acces{0, true, "K417", "Entrée", "qf7w", {m, q, "MsgBox|Erreur|Mot de passe non conforme."}, "33330SCP", ""};
        QTest::newRow("Normal, code juste") << Acces{0, true, "K417", "&OK", "QF7W", {m, q}, "33330SCP", "OOVR"};
        QTest::newRow("rien de tiré") << Acces{1, false, "K417", "&OK", "QF7W", {m}, "33333SCP", ""};
    }
    void acces()
    {
        QFETCH(Acces, c);
        f->cboJeu->setCurrentIndex(c.jeu);
        if (c.partie)
            QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        env->dansModal = [c](QWidget* w) {
            auto* m = static_cast<frmPasse*>(w);
            QVERIFY((m->frameGeometry().center() - m->screen()->geometry().center()).manhattanLength() <= 8);
            for (QWidget* a : m->findChildren<QWidget*>()) // laid out with nothing overlapping
                for (QWidget* b : m->findChildren<QWidget*>())
                    QVERIFY(a == b || !a->geometry().intersects(b->geometry()));
            QTest::keyClicks(m->txtPasse, c.mot);
            if (c.fin.startsWith(u'&'))
                QTest::mouseClick(c.fin == "&OK" ? m->cmdOK : m->cmdAnnuler, Qt::LeftButton);
            else
                QTest::keyClick(m->txtPasse, c.fin == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
            if (!emplacement<frmPasse>().isNull()) { // refused: the window stays, the text in it, hidden; Esc closes it
                QVERIFY(m->txtPasse->text() == c.mot && m->focusWidget() == m->txtPasse);
                QVERIFY(!m->txtPasse->displayText().contains(u'4'));
                QTest::keyClick(m->txtPasse, Qt::Key_Escape);
                QVERIFY(emplacement<frmPasse>().isNull());
            }
        };
        QTest::mouseClick(f->lblTriche, Qt::LeftButton);
        QCOMPARE(revele(), c.revele);
        const QString secret = f->txtCombi->text();
        if (c.revele != QLatin1String("00000---")) {
            f->activateWindow(); // back from the games window to the board
            QVERIFY(QTest::qWaitForWindowActive(f));
            env->reponsesInputBox = {c.code};
            QTest::mouseClick(f->txtCombi, Qt::LeftButton);
            QTest::keyClick(f->txtCombi, 'O');
            f->txtCombi->selectAll();
            if (!f->txtCombi->isReadOnly())
                QTest::keyClicks(f->txtCombi, QStringLiteral("OOVRJ"));
            QTest::mouseClick(f->lblTriche, Qt::LeftButton);
            QVERIFY(revele() == QStringLiteral("00000---") && f->txtCombi->isReadOnly());
        }
        QCOMPARE(journal(), c.journal);
        QCOMPARE(f->txtCombi->text(), c.champ.isEmpty() ? secret : c.champ);
        // A typing limit the field took never cuts the secret of a game of the other size.
        if (jeu_en_cours)
            QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        f->cboJeu->setCurrentIndex(1 - c.jeu);
        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        QVERIFY(f->txtCombi->text().size() == 5 - c.jeu && f->txtCombi->text() == f->Label5->text());
    }
};

QTEST_MAIN(TestParties)
#include "test_parties.moc"
