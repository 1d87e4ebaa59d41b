// The scores window played through its controls: the table shown for each choice, the name of a
// new entry, the resets, closing, and F1.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/program.h"
#include "storage/records.h"
#include "storage/settings.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/dialogs/frmScores.h"
#include "windows/main/frmChromalis.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Chromalis;

// The table key the window opens on ("-" for a letter not set); actions: N / S click the option,
// 0 1 2 pick a mode, V clicks VOIR; then the headings, the table shown, the reset of this table
// enabled or not, and every dialog.
struct Vue { QString cle, actions, titre, table; bool raz; QStringList journal; };
// The new entry's place; what is typed over its name ("~": nothing, "+": pasted), then Enter or a
// click on the button; the name stored ("" when refused) and the beeps.
struct Nom { int place; QString frappe; bool entree; QString nom; int bips; };
Q_DECLARE_METATYPE(Vue)
Q_DECLARE_METATYPE(Nom)

namespace {
const QString app = QStringLiteral("Chromalis");
// Tables as stored before each test: so many records per table, named after it.
const QList<std::pair<QString, int>> remplies{{"NI", 10}, {"NN", 1}, {"SN", 3}, {"SE", 2}};
QString record(const QString& t, int k) { return QStringLiteral("%1;%2%3;4;00h01mn00s;01/01/2026;").arg(1000 - k).arg(t).arg(k); }
// The ten rows of a table as the window should show them, five boxes each.
QStringList lignes(const QString& t)
{
    QStringList l;
    for (int k = 1; k <= 10; ++k)
        l << (std::find_if(remplies.begin(), remplies.end(), [&](auto& r) { return r.first == t && k <= r.second; }) != remplies.end()
                  ? QStringLiteral("%1|%2%3|4|00h01mn00s|01/01/2026").arg(1000 - k).arg(t).arg(k) : QStringLiteral("||||"));
    return l;
}
QStringList magasin()
{
    storage::oublierCache();
    QStringList tout;
    for (const QString& t : storage::cles_tables)
        for (int k = 1; k <= 10; ++k)
            tout << storage::GetSetting(app, t, QString::number(k));
    return tout;
}
} // namespace

class TestScores : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    QTemporaryDir programme;
    frmScores* s = nullptr;

    QStringList journal() const
    {
        QStringList l;
        for (const support::Appel& a : env->appels)
            l << (a.genre == "Beep" ? a.genre : a.titre + u'|' + QString::number(a.style) + u'|' + a.texte);
        return l;
    }
    QStringList affiche() const
    {
        QStringList l;
        for (int r = 1; r <= 10; ++r) {
            QStringList b;
            for (QLineEdit* e : *s->ligne(r))
                b << e->text();
            l << b.join(u'|');
        }
        return l;
    }
    // Size, the validate button, the default button, the focus, the reset, the name box being typed in.
    QString etat() const
    {
        QString e = QStringLiteral("%1/%2").arg(s->Height()).arg(s->hauteurCadre());
        if (s->cmdValider->isVisible())
            e += " valider " + s->cmdValider->text() + (s->Frame2->geometry().contains(s->cmdVoir->geometry()) ? " commandes" : "");
        e += s->cmdVoir->isDefault() ? " défaut VOIR" : s->cmdValider->isDefault() ? " défaut valider" : "";
        e += s->cmdRAZ[0]->isEnabled() ? " RAZ" : "";
        for (int r = 1; r <= 10; ++r)
            for (QLineEdit* b : *s->ligne(r)) {
                const QColor fond = b->palette().color(QPalette::Base), texte = b->palette().color(QPalette::Text);
                if (!b->isReadOnly() || fond != QApplication::palette(b).color(QPalette::Base) || texte != QApplication::palette(b).color(QPalette::Text))
                    e += QStringLiteral(" saisie %1%2%3").arg(r).arg(fond == Qt::black && texte == Qt::red ? "" : " couleurs?")
                             .arg(b == s->ligne(r)->at(1) && b->y() == s->cmdValider->y() ? "" : " ailleurs");
            }
        return e;
    }
    void ouvrir(const QString& cle, bool saisie)
    {
        instance<frmChromalis>()->cboJeu->setCurrentIndex(cle.startsWith(u'S'));
        lettre_jeu = cle.left(1).remove(u'-');
        lettre_mode = cle.mid(1).remove(u'-');
        dans_scores = saisie;
        (s = instance<frmScores>())->show();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        // Centred as loaded; name entry then shortens it.
        QVERIFY(saisie || (s->frameGeometry().center() - s->screen()->geometry().center()).manhattanLength() <= 8);
    }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        const QString dossier = programme.path();
        platform::setAppPathHook([dossier] { return dossier; });
        instance<frmChromalis>(); // its load creates the empty tables on a first run
        for (const auto& [t, n] : remplies)
            for (int k = 1; k <= n; ++k)
                storage::SaveSetting(app, t, QString::number(k), record(t, k));
    }
    void cleanup() { env.reset(); }

    void voir_data()
    {
        QTest::addColumn<Vue>("v");
        const QString type = QStringLiteral("Donnée manquante|64|Vous devez sélectionner le type de jeu avant de pouvoir voir les scores.");
        const QString mode = QStringLiteral("Donnée manquante|64|Vous devez sélectionner un mode avant de pouvoir voir les scores.");
        QTest::newRow("NN") << Vue{"NN", "", "NORMAL NORMAL", "NN", true, {}};
        QTest::newRow("NI, dix lignes") << Vue{"NI", "", "NORMAL INITIATION", "NI", true, {}};
        QTest::newRow("SE") << Vue{"SE", "", "SUPER EXPERT", "SE", true, {}};
        QTest::newRow("NE vide") << Vue{"NE", "", "NORMAL EXPERT", "NE", false, {}};
        QTest::newRow("choix sans VOIR") << Vue{"NN", "S2", "NORMAL NORMAL", "NN", true, {}};
        QTest::newRow("Super Expert") << Vue{"NN", "S2V", "SUPER EXPERT", "SE", true, {}};
        QTest::newRow("Normal Initiation") << Vue{"SE", "0NV", "NORMAL INITIATION", "NI", true, {}};
        QTest::newRow("Super Normal") << Vue{"SI", "1V", "SUPER NORMAL", "SN", true, {}};
        QTest::newRow("vers une table vide") << Vue{"NI", "2V", "NORMAL EXPERT", "NE", false, {}};
        QTest::newRow("sans type") << Vue{"-N", "V", "NORMAL NORMAL", "", false, {type, type}};
        QTest::newRow("sans mode") << Vue{"N-", "V", "NORMAL INCONNU", "", false, {mode, mode}};
    }
    void voir()
    {
        QFETCH(Vue, v);
        ouvrir(v.cle, false);
        for (const QChar a : v.actions) {
            if (a.isDigit())
                s->cboMode->setCurrentIndex(a.digitValue());
            else
                QTest::mouseClick(a == u'N' ? s->optNormal : a == u'S' ? static_cast<QAbstractButton*>(s->optSuper) : s->cmdVoir, Qt::LeftButton);
        }
        QCOMPARE(s->lblJeu->text() + u' ' + s->lblMode->text(), v.titre);
        QCOMPARE(affiche(), lignes(v.table));
        QCOMPARE(etat(), QStringLiteral("6990/5865 défaut VOIR") + (v.raz ? " RAZ" : ""));
        QCOMPARE(journal(), v.journal);
        QVERIFY(s->Frame2->rect().contains(s->cmdFermer->geometry()) && s->rect().contains(s->lblAide->geometry()));
    }

    void nom_data()
    {
        QTest::addColumn<Nom>("n");
        QTest::newRow("nom d'attente") << Nom{3, "~", false, "", 0};
        QTest::newRow("vide") << Nom{3, "", true, "", 0};
        QTest::newRow("Anne") << Nom{3, "Anne", false, "Anne", 0};
        QTest::newRow("blancs") << Nom{1, "   ", true, "   ", 0};
        QTest::newRow("presque le nom d'attente") << Nom{2, "votre nom ? ", true, "votre nom ? ", 0};
        QTest::newRow("point-virgule tapé, dixième") << Nom{10, "Jean;Paul;", false, "JeanPaul", 2};
        QTest::newRow("point-virgule collé") << Nom{2, "+a;b;;c", true, "abc", 1};
    }
    void nom()
    {
        QFETCH(Nom, n);
        // A won game entered NN at this place with the placeholder name; the places below move down.
        QStringList attendu = magasin();
        for (int k = 1; k < n.place; ++k)
            storage::SaveSetting(app, "NN", QString::number(k), attendu[10 + k - 1] = record("NN", k));
        points = 9000;
        num_ligne = 6;
        ligne_score = storage::construire_record(points, storage::nom_attente, num_ligne, "00h02mn40s", "14/03/2003");
        storage::SaveSetting(app, "NN", QString::number(n.place), attendu[10 + n.place - 1] = ligne_score);
        instance<frmFIN>()->lblTemps->setText("00h03mn07s");
        i = static_cast<std::int16_t>(n.place);
        ouvrir("NN", true);
        QLineEdit* boite = s->ligne(n.place)->at(1);
        QCOMPARE(boite->text(), storage::nom_attente);
        const QString saisie = QStringLiteral("5430/4305 valider %1 défaut valider saisie %1").arg(n.place);
        QCOMPARE(etat(), saisie);
        QTest::mouseClick(boite, Qt::LeftButton);
        if (n.frappe != "~") {
            QTest::keyClick(boite, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(boite, Qt::Key_Backspace);
            if (n.frappe.startsWith(u'+'))
                QApplication::clipboard()->setText(n.frappe.mid(1)), QTest::keyClick(boite, Qt::Key_V, Qt::ControlModifier);
            else
                QTest::keyClicks(boite, n.frappe);
        }
        if (n.entree)
            QTest::keyClick(boite, Qt::Key_Return);
        else
            QTest::mouseClick(s->cmdValider, Qt::LeftButton);
        if (!n.nom.isEmpty())
            attendu[10 + n.place - 1] = "9000;" + n.nom + ";6;00h03mn07s;14/03/2003;";
        QCOMPARE(magasin(), attendu);
        QStringList messages(n.bips, "Beep");
        if (n.nom.isEmpty())
            messages << QStringLiteral("Donnée manquante|64|Entrez votre nom en ligne %1 SVP.").arg(n.place);
        QCOMPARE(journal(), messages);
        QCOMPARE(etat(), n.nom.isEmpty() ? saisie : "6990/5865 défaut VOIR RAZ");
        QCOMPARE(s->focusWidget(), n.nom.isEmpty() ? static_cast<QWidget*>(boite) : s->cmdVoir);
        QCOMPARE(dans_scores, n.nom.isEmpty());
    }

    // A name that cannot be written is reported and can be validated again once the store is back.
    void ecritureImpossible()
    {
        points = 500;
        ligne_score = storage::construire_record(points, storage::nom_attente, 7, "00h02mn40s", "14/03/2003");
        storage::SaveSetting(app, "SI", "1", ligne_score);
        i = 1;
        ouvrir("SI", true);
        const QString fichier = storage::cheminReglages();
        QVERIFY(QFile::remove(fichier) && QDir().mkpath(fichier)); // a folder where the file should be
        s->txtPremier[1]->setText("Anne");
        QTest::mouseClick(s->cmdValider, Qt::LeftButton);
        QCOMPARE(journal().size(), 1);
        QVERIFY(journal()[0].startsWith("Erreur|16|Erreur numéro: 75\nDescription: "));
        QVERIFY(etat().startsWith("5430/4305 valider 1") && dans_scores);
        QVERIFY(QDir().rmdir(fichier));
        storage::oublierCache();
        QTest::mouseClick(s->cmdValider, Qt::LeftButton);
        QCOMPARE(storage::GetSetting(app, "SI", "1").section(u';', 1, 1), QStringLiteral("Anne"));
        QVERIFY(!dans_scores);
    }

    void remiseAZero_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<QString>("actions"); // choice changed without VOIR
        QTest::addColumn<QStringList>("videes");
        QTest::newRow("ce jeu, non") << 0 << int(platform::vbNo) << "" << QStringList{};
        QTest::newRow("tous, non") << 1 << int(platform::vbNo) << "" << QStringList{};
        QTest::newRow("ce jeu") << 0 << int(platform::vbYes) << "" << QStringList{"NN"};
        QTest::newRow("ce jeu, choix non affiché") << 0 << int(platform::vbYes) << "S2" << QStringList{"SE"};
        QTest::newRow("tous") << 1 << int(platform::vbYes) << "" << QStringList{storage::cles_tables.begin(), storage::cles_tables.end()};
        QTest::newRow("tous, écriture impossible") << 1 << int(platform::vbYes) << "!" << QStringList{};
    }
    void remiseAZero()
    {
        QFETCH(int, index);
        QFETCH(int, reponse);
        QFETCH(QString, actions);
        QFETCH(QStringList, videes);
        QStringList attendu = magasin();
        for (int k = 0; k < 60; ++k)
            if (videes.contains(storage::cles_tables[k / 10]))
                attendu[k].clear();
        ouvrir("NN", false);
        if (actions == "S2")
            QTest::mouseClick(s->optSuper, Qt::LeftButton), s->cboMode->setCurrentIndex(2);
        const QString fichier = storage::cheminReglages();
        if (actions == "!") // a folder where the file should be
            QVERIFY(QFile::rename(fichier, fichier + ".garde") && QDir().mkpath(fichier));
        env->reponsesMsgBox = {reponse};
        QTest::mouseClick(s->cmdRAZ[index], Qt::LeftButton);
        if (actions == "!")
            QVERIFY(QDir().rmdir(fichier) && QFile::rename(fichier + ".garde", fichier));
        QCOMPARE(magasin(), attendu);
        QString question = "ATTENTION...|292|Cette opération va éffacer "
            + QString(index ? "les scores de tous les jeux dans tous les modes." : "uniquement les scores du jeu/mode sélectionné.")
            + "\nAppuyez sur OUI pour confirmer ce choix." + (actions == "!" ? "\nErreur|16|Erreur numéro: 75\nDescription: " : "");
        QCOMPARE(journal().join(u'\n').left(question.size()), question);
        QCOMPARE(journal().size(), 1 + (actions == "!"));
        QCOMPARE(affiche(), lignes(reponse == platform::vbYes ? "" : "NN"));
        QCOMPARE(s->cmdRAZ[0]->isEnabled(), reponse != platform::vbYes || actions == "!");
    }

    // Esc and Fermer close the window (Esc even in name entry, the placeholder then staying stored).
    void fermer_data()
    {
        QTest::addColumn<bool>("saisie");
        QTest::addColumn<bool>("esc");
        QTest::newRow("Fermer") << false << false;
        QTest::newRow("Esc") << false << true;
        QTest::newRow("Esc en saisie") << true << true;
    }
    void fermer()
    {
        QFETCH(bool, saisie);
        QFETCH(bool, esc);
        i = 1;
        const QStringList avant = magasin();
        ouvrir("NN", saisie);
        QTest::keyClicks(s->txtPremier[1], " pas valide");
        if (esc)
            QTest::keyClick(s->txtPremier[1], Qt::Key_Escape);
        else
            QTest::mouseClick(s->cmdFermer, Qt::LeftButton);
        QVERIFY(!estCharge<frmScores>() && !s->isVisible());
        QCOMPARE(magasin(), avant);
        QCOMPARE(dans_scores, saisie);
        QVERIFY(journal().isEmpty());
    }

    // F1 opens the help whatever control has the focus, the name box included, or says it is missing.
    void aideF1_data()
    {
        QTest::addColumn<bool>("present");
        QTest::newRow("présente") << true;
        QTest::newRow("absente") << false;
    }
    void aideF1()
    {
        QFETCH(bool, present);
        dossier_appli = chemin_aide(programme.path());
        QFile f(dossier_appli);
        QVERIFY(present ? f.open(QIODevice::WriteOnly) : !f.exists() || f.remove());
        f.close();
        i = 1;
        ouvrir("NN", true);
        s->txtPremier[1]->setFocus();
        QTest::keyClick(s->txtPremier[1], Qt::Key_F1);
        QCOMPARE(env->ouvertures, present ? QStringList{dossier_appli} : QStringList{});
        QCOMPARE(journal().join("").left(71), present ? QString() : "Erreur|48|Le fichier d'aide [aide.htm] n'a pas été trouvé. Assurez-vous");
    }
};

QTEST_MAIN(TestScores)
#include "test_scores.moc"
