// The predefined games, played through the controls: the list and its lock, both searches, Modify,
// the digit filter, the duplicate check, and the games offered and drawn by the main window.
#include "support/support.h"

#include "game/chromalis.h"
#include "game/rules.h"
#include "windows/dialogs/frmParties.h"
#include "windows/dialogs/frmParties_liste.h"
#include "windows/main/frmChromalis.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Chromalis;

// Actions, one word each: =answer (to the next input box), clicN / doubleN (list entry N), tapeTEXT
// (over the number box's text), colleTEXT (pasted there), Entrée / pavé (in the box), listeEntrée,
// Chercher, ChercherNom, Modifier. Then the selection shown (row, caption, number box, game, entry)
// and every dialog.
struct Cas { QString actions, vu; QStringList journal; };
Q_DECLARE_METATYPE(Cas)

namespace {
QString info(const QString& titre, const QString& texte) { return "MsgBox|" + titre + u'|' + texte; }
QString trouvee(const QString& c, int n, const QString& nom)
{ return info("combinaison trouvée", QStringLiteral("Cette combinaison a été trouvée:\n\nCombinaison: %1\nNo: %2\nPartie: %3").arg(c).arg(n).arg(nom)); }
QString modif(const QString& avant) { return "InputBox|Modification de la combinaison|Entrez la nouvelle valeur de la combinaison:|" + avant; }
QString regle(const QString& cle, const QString& lettres)
{ return info("Combinaison non valide", "Une combinaison des parties " + cle + " compte " + lettres + ".\nLa combinaison n'a pas été modifiée."); }
QString doublon(const char* nom, int a, int b)
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
        montrer();
        QCOMPARE(actifs(), 0);
        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        QCOMPARE(actifs(), 6);
        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        QCOMPARE(actifs(), 0);
        QCOMPARE(vu() + p->Label3->text(), QStringLiteral("-1 Combi No: /  ? Total: 600 parties"));
        for (QWidget* a : p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) // nothing overlaps, every button has its tip
            for (QWidget* b : p->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY((a == b || !a->geometry().intersects(b->geometry())) && (!qobject_cast<QPushButton*>(a) || !a->toolTip().isEmpty()));
        for (int n = 1; n <= 600; ++n)
            QVERIFY2(parties[n] == liste_parties::combinaisons[n - 1] && p->lstParties->item(n - 1)->text() == parties[n]
                         && rules::combinaison_du_bloc((n - 1) / 100, parties[n]), qPrintable(parties[n]));
    }

    // Shown on no entry at all ("Combi No: /", "?"), whatever has the focus.
    void fenetre_data()
    {
        QTest::addColumn<Cas>("c");
        const QString depart = QStringLiteral("0 Combi No: 1 1 NI1 RORB"), rien = QStringLiteral("-1 Combi No: /  ? ");
        const QString hors = info("Erreur", "Entrez un numéro entre 1 et 600");
        const QString qn = QStringLiteral("InputBox|Partie|Entrez la combinaison de la partie:");
        const QString q = QStringLiteral("Beep||"), chiffre = info("Erreur de saisie", "Entrez uniquement un chiffre");
        const QString ni = QStringLiteral("4 lettres parmi R - B - V - J - O - I");
        const QString s = QStringLiteral("5 lettres parmi R - B - V - J - O - I - N - X");
        QTest::newRow("clic 101") << Cas{"clic101", "100 Combi No: 101 101 NN1 OJRR", {}};
        QTest::newRow("clic 437") << Cas{"clic437", "436 Combi No: 437 437 SN37 NJXRI", {}};
        QTest::newRow("clic 600") << Cas{"clic600", "599 Combi No: 600 600 SE100 VNJRV", {}};
        QTest::newRow("Chercher vide") << Cas{"tape Chercher", "-1 Combi No: /  ? ", {info("Erreur de saisie", "Entrez un chiffre")}};
        QTest::newRow("Chercher 0") << Cas{"tape0 Chercher", "-1 Combi No: / 0 ? ", {hors}};
        QTest::newRow("Chercher 042") << Cas{"tape042 Chercher", "41 Combi No: 42 42 NI42 JRBO", {}};
        QTest::newRow("Entrée 601") << Cas{"tape601 Entrée", "-1 Combi No: / 601 ? ", {hors}};
        QTest::newRow("Entrée 201") << Cas{"tape201 Entrée", "200 Combi No: 201 201 NE1 JBVR", {}};
        QTest::newRow("pavé 600") << Cas{"tape600 pavé", "599 Combi No: 600 600 SE100 VNJRV", {}};
        QTest::newRow("Entrée dans la liste") << Cas{"tape250 listeEntrée", "249 Combi No: 250 250 NE50 ORRR", {}};
        QTest::newRow("nom en minuscules") << Cas{"clic600 =rorb ChercherNom", depart, {qn, trouvee("RORB", 1, "NI1")}};
        QTest::newRow("nom, premier de deux") << Cas{"=JOBV ChercherNom", "16 Combi No: 17 17 NI17 JOBV", {qn, trouvee("JOBV", 17, "NI17")}};
        QTest::newRow("nom super") << Cas{"=vNjRv ChercherNom", "599 Combi No: 600 600 SE100 VNJRV", {qn, trouvee("VNJRV", 600, "SE100")}};
        QTest::newRow("nom absent") << Cas{"=rrrr ChercherNom", rien, {qn, info("Combinaison: RRRR", "Cette combinaison n'a pas été trouvée.")}};
        QTest::newRow("nom annulé") << Cas{"ChercherNom", rien, {qn}};
        QTest::newRow("Modifier sans choix") << Cas{"Modifier", rien, {info("Donnée manquante", "Sélectionnez une combinaison dans la liste.")}};
        QTest::newRow("Modifier annulé") << Cas{"clic1 Modifier", depart, {modif("RORB")}};
        QTest::newRow("NI minuscules") << Cas{"clic1 =rrrr Modifier", "0 Combi No: 1 1 NI1 RRRR", {modif("RORB")}};
        QTest::newRow("NI avec Z") << Cas{"clic100 =RRRZ Modifier", "99 Combi No: 100 100 NI100 JOJR", {modif("JOJR"), regle("NI", ni)}};
        QTest::newRow("NN double clic") << Cas{"=IIII double101", "100 Combi No: 101 101 NN1 IIII", {modif("OJRR")}};
        QTest::newRow("NE noir") << Cas{"=RRRN double300", "299 Combi No: 300 300 NE100 RRVB", {modif("RRVB"), regle("NE", ni + ", ou Z pour une place vide")}};
        QTest::newRow("NE avec Z") << Cas{"clic201 =rzzb Modifier", "200 Combi No: 201 201 NE1 RZZB", {modif("JBVR")}};
        QTest::newRow("SI avec Z") << Cas{"clic301 =NXNXZ Modifier", "300 Combi No: 301 301 SI1 VROIO", {modif("VROIO"), regle("SI", s)}};
        QTest::newRow("SN noir et X") << Cas{"clic500 =nxnxr Modifier", "499 Combi No: 500 500 SN100 NXNXR", {modif("OIJNR")}};
        QTest::newRow("SE inconnue") << Cas{"=ZZZZA double501", "500 Combi No: 501 501 SE1 ZXXVB", {modif("ZXXVB"), regle("SE", s + ", ou Z pour une place vide")}};
        QTest::newRow("trois chiffres") << Cas{"tape4567", "-1 Combi No: / 456 ? ", {}};
        QTest::newRow("lettre") << Cas{"tape12a", "-1 Combi No: /  ? ", {q, chiffre}};
        QTest::newRow("lettre au milieu") << Cas{"tape1x2", "-1 Combi No: / 2 ? ", {q, chiffre}};
        QTest::newRow("deux signes") << Cas{"tape-/", "-1 Combi No: /  ? ", {q, chiffre, q, chiffre}};
        QTest::newRow("collé lettre") << Cas{"colle4b", "-1 Combi No: /  ? ", {q, chiffre}};
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
            else if (a.endsWith("Entrée") || a == "pavé")
                QTest::keyClick(a == "listeEntrée" ? p->lstParties : static_cast<QWidget*>(no), a == "pavé" ? Qt::Key_Enter : Qt::Key_Return);
            else
                QTest::mouseClick(a == "Chercher" ? p->cmdChercher : a == "ChercherNom" ? p->cmdChercherNom : p->cmdModifier, Qt::LeftButton);
        }
        QCOMPARE(vu(), c.vu);
        QCOMPARE(journal(), c.journal);
    }

    // Duplicates within a block, in the table the games are drawn from; the same letters in two blocks are two games.
    void doublons_data()
    {
        QTest::addColumn<QList<int>>("remplaces"); // entry, then the entry whose letters it takes (< 0: letters of its own)
        QTest::addColumn<QStringList>("paires");
        const QStringList livres{doublon("VBBR", 105, 164), doublon("VBBR", 105, 196), doublon("RBBJ", 116, 160),
                                 doublon("RJVR", 122, 148), doublon("RRJO", 123, 176), doublon("RRRO", 140, 141),
                                 doublon("RBRR", 149, 159), doublon("RJBV", 162, 169), doublon("VBBR", 164, 196),
                                 doublon("RJVB", 211, 230), doublon("RZVJ", 240, 274), doublon("BBOO", 262, 278),
                                 doublon("VRVV", 264, 280)};
        QTest::newRow("livrée") << QList<int>{} << livres;
        QTest::newRow("dans NI") << QList<int>{2, 1} << QStringList{doublon("RORB", 1, 2)} + livres;
        QTest::newRow("bornes de SE") << QList<int>{501, 600} << livres + QStringList{doublon("VNJRV", 501, 600)};
        QTest::newRow("deux blocs") << QList<int>{101, 1} << livres;
        QList<int> uniques;
        for (int n : {164, 196, 160, 148, 176, 141, 159, 169, 230, 274, 278, 280})
            uniques << n << -n;
        QTest::newRow("aucun") << uniques << QStringList{};
    }
    void doublons()
    {
        QFETCH(QList<int>, remplaces);
        QFETCH(QStringList, paires);
        montrer();
        for (int k = 0; k < remplaces.size(); k += 2)
            parties[remplaces[k]] = remplaces[k + 1] > 0 ? parties[remplaces[k + 1]] : QString::number(remplaces[k + 1]);
        QTest::mouseClick(p->cmdIdentique, Qt::LeftButton);
        QCOMPARE(journal(), paires + QStringList{info("Fin du contrôle", paires.isEmpty()
                     ? QStringLiteral("Aucunes combinaisons identiques n'ont été trouvées...")
                     : QString::number(paires.size()) + QStringLiteral(" combinaisons identiques ont été trouvées."))});
    }

    // The main window offers the hundred games of the chosen type and mode, and draws the chosen
    // one, as replaced in the window when it was ("NN1=RRRR").
    void jouerPredefinie_data()
    {
        QTest::addColumn<QString>("partie");
        for (const char* partie : {"NI37", "NN1=RRRR", "NE100", "SI1", "SN50", "SE2=ZZZZZ"})
            QTest::newRow(partie) << QString(partie);
    }
    void jouerPredefinie()
    {
        QFETCH(QString, partie);
        const QString cle = partie.left(2), remplace = partie.section(u'=', 1);
        const int jeu = cle[0] == u'S', mode = QString("INE").indexOf(cle[1]), numero = partie.section(u'=', 0, 0).mid(2).toInt();
        const int n = 300 * jeu + 100 * mode + numero;
        if (!remplace.isEmpty()) {
            montrer();
            cliquer(n);
            env->reponsesInputBox = {remplace};
            QTest::mouseClick(p->cmdModifier, Qt::LeftButton);
        }
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
        QCOMPARE(f->lblPartie->text(), "Partie: " + cle + QString::number(numero));
        QCOMPARE(combinaison, (remplace.isEmpty() ? QString::fromLatin1(liste_parties::combinaisons[n - 1]) : remplace));
    }
};

QTEST_MAIN(TestParties)
#include "test_parties.moc"
