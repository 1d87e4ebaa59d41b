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
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Chromalis;

// The table key the window opens on ("-": a letter not set); actions: N / S click an option, 0 1 2
// pick a mode, V clicks VOIR; then the headings, the table shown, the reset of one table enabled or
// not, and every dialog.
struct Vue { QString cle, actions, titre, table; bool raz; QStringList journal; };
// The new entry's place; what is typed over its name ("~": nothing, "+": pasted); Enter or a click
// on the button; the name stored ("" when refused); the beeps; the store blocked at the first try.
struct Nom { int place; QString frappe; bool entree; QString nom; int bips; bool bloque; };
struct Raz { int index, reponse; QString avant; QStringList videes; };
Q_DECLARE_METATYPE(Vue)
Q_DECLARE_METATYPE(Raz)
Q_DECLARE_METATYPE(Nom)

namespace {
const QString app = QStringLiteral("Chromalis");
// Tables as stored before each test: so many records per table, named after it.
const QMap<QString, int> remplies{{"NI", 10}, {"NN", 1}, {"SN", 3}, {"SE", 2}};
QString record(const QString& t, int k) { return QStringLiteral("%1;%2%3;4;00h01mn00s;01/01/2026;").arg(1000 - k).arg(t).arg(k); }
// The ten rows of a table as the window should show them, five boxes each.
QStringList lignes(const QString& t)
{
    QStringList l;
    for (int k = 1; k <= 10; ++k)
        l << (k <= remplies.value(t) ? QStringLiteral("%1|%2%3|4|00h01mn00s|01/01/2026").arg(1000 - k).arg(t).arg(k) : "||||");
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
// Pairs of visible sibling controls that overlap (a pixel or two of border aside).
int chevauchements(QWidget* w)
{
    int n = 0;
    for (QWidget* a : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        for (QWidget* b : w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            n += a < b && a->isVisibleTo(w) && b->isVisibleTo(w) && a->geometry().intersected(b->geometry()).adjusted(1, 1, -1, -1).isValid();
    return n;
}
// The store cannot be written while a folder stands where its file should be.
bool bloquer(bool oui)
{
    const QString f = storage::cheminReglages();
    return oui ? QFile::rename(f, f + ".garde") && QDir().mkpath(f) : QDir().rmdir(f) && QFile::rename(f + ".garde", f);
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
        for (int r = 1; r <= 10; ++r)
            for (QLineEdit* b : *s->ligne(r))
                l << b->text();
        return l;
    }
    // Size, commands within reach, the validate button, the default button, the reset, the box being typed in.
    QString etat() const
    {
        QString e = QStringLiteral("%1/%2").arg(s->Height()).arg(s->hauteurCadre());
        bool commandes = s->rect().contains(s->lblAide->geometry()); // all under the tenth row, within the frame
        for (QWidget* w : std::initializer_list<QWidget*>{s->lblConsigne, s->optNormal, s->optSuper, s->cboMode, s->cmdVoir, s->cmdRAZ[0], s->cmdRAZ[1], s->cmdFermer})
            commandes &= s->Frame2->rect().contains(w->geometry()) && w->y() > s->txtDix[0]->geometry().bottom();
        e += commandes ? " commandes" : "";
        e += s->cmdValider->isVisible() ? " valider " + s->cmdValider->text() : "";
        e += s->cmdVoir->isDefault() ? " défaut VOIR" : s->cmdValider->isDefault() ? " défaut valider" : "";
        e += s->cmdRAZ[0]->isEnabled() ? " RAZ" : "";
        for (int r = 1; r <= 10; ++r)
            for (QLineEdit* b : *s->ligne(r)) {
                const QColor fond = b->palette().color(QPalette::Base), texte = b->palette().color(QPalette::Text);
                if (!b->isReadOnly() || fond != QApplication::palette(b).color(QPalette::Base) || texte != QApplication::palette(b).color(QPalette::Text))
                    e += QStringLiteral(" saisie %1%2").arg(r).arg(fond == Qt::black && texte == Qt::red && b == s->ligne(r)->at(1)
                                                                   && b->y() == s->cmdValider->y() ? "" : " mal marquée");
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
        platform::setAppPathHook([d = programme.path()] { return d; });
        instance<frmChromalis>(); // its load creates the empty tables on a first run
        for (auto t = remplies.begin(); t != remplies.end(); ++t)
            for (int k = 1; k <= t.value(); ++k)
                storage::SaveSetting(app, t.key(), QString::number(k), record(t.key(), k));
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
                QTest::keyClick(s->cboMode, "INE"[a.digitValue()]); // the mode's first letter
            else
                QTest::mouseClick(a == u'N' ? s->optNormal : a == u'S' ? static_cast<QAbstractButton*>(s->optSuper) : s->cmdVoir, Qt::LeftButton);
        }
        QCOMPARE(s->lblJeu->text() + u' ' + s->lblMode->text(), v.titre);
        QCOMPARE(affiche().join(u'|'), lignes(v.table).join(u'|'));
        QCOMPARE(etat(), QStringLiteral("6990/5865 commandes défaut VOIR") + (v.raz ? " RAZ" : ""));
        QCOMPARE(journal(), v.journal);
        // Laid out as a grid under the headings, nothing overlapping, each box with a tip of its own.
        QSet<QString> bulles;
        for (int r = 1; r <= 10; ++r)
            for (int k = 0; k < 5; ++k) {
                const QRect b = s->ligne(r)->at(k)->geometry(), t = s->lblTitres[k]->geometry();
                QVERIFY(qAbs(b.center().x() - t.center().x()) <= 1 && b.top() >= t.bottom() + (r - 1) * b.height());
                bulles << s->ligne(r)->at(k)->toolTip();
            }
        QVERIFY(bulles.size() == 50 && !bulles.contains(QString()));
        for (QWidget* w : s->findChildren<QWidget*>()) // every control and both headings of the table on show carry a tip
            QVERIFY2(!w->toolTip().isEmpty() || !(w->inherits("QAbstractButton") || w->inherits("QComboBox") || w == s->lblJeu || w == s->lblMode),
                     qPrintable(w->objectName() + w->metaObject()->className()));
        QVERIFY(s->lblJeu->font().bold() && s->lblMode->font().bold()
                && s->Frame2->grab(s->lblTitres[0]->geometry()).toImage().pixelColor(1, 1) == QColor(0xFF, 0xC0, 0xC0)); // light red headings
        QCOMPARE(chevauchements(s) + chevauchements(s->Frame2) + chevauchements(s->Frame3), 0);
    }

    void nom_data()
    {
        QTest::addColumn<Nom>("n");
        QTest::newRow("nom d'attente") << Nom{3, "~", false, "", 0, false};
        QTest::newRow("vide") << Nom{3, "", true, "", 0, false};
        QTest::newRow("Anne") << Nom{3, "Anne", false, "Anne", 0, false};
        QTest::newRow("blancs") << Nom{1, "   ", true, "   ", 0, false};
        QTest::newRow("presque le nom d'attente") << Nom{2, "votre nom ? ", true, "votre nom ? ", 0, false};
        QTest::newRow("point-virgule tapé, dixième") << Nom{10, "Jean;Paul;", false, "JeanPaul", 2, false};
        QTest::newRow("point-virgule collé") << Nom{2, "+a;b;;c", true, "abc", 1, false};
        QTest::newRow("écriture impossible") << Nom{1, "Anne", false, "Anne", 0, true};
    }
    void nom()
    {
        QFETCH(Nom, n);
        // A won game entered NN at this place with the placeholder name, after the records above it.
        QStringList attendu = magasin();
        for (int k = 1; k < n.place; ++k)
            storage::SaveSetting(app, "NN", QString::number(k), attendu[9 + k] = record("NN", k));
        points = 9000;
        num_ligne = 6;
        ligne_score = storage::construire_record(points, storage::nom_attente, num_ligne, "00h02mn40s", "14/03/2003");
        storage::SaveSetting(app, "NN", QString::number(n.place), attendu[9 + n.place] = ligne_score);
        instance<frmFIN>()->lblTemps->setText("00h03mn07s");
        i = static_cast<std::int16_t>(n.place);
        ouvrir("NN", true);
        QLineEdit* boite = s->ligne(n.place)->at(1);
        const QString saisie = QStringLiteral("5430/4305 valider %1 défaut valider saisie %1").arg(n.place);
        QVERIFY(boite->text() == storage::nom_attente && etat() == saisie);
        QTest::mouseClick(boite, Qt::LeftButton);
        if (n.frappe != "~") {
            QTest::keyClick(boite, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(boite, Qt::Key_Backspace);
            if (n.frappe.startsWith(u'+'))
                QApplication::clipboard()->setText(n.frappe.mid(1)), QTest::keyClick(boite, Qt::Key_V, Qt::ControlModifier);
            else
                QTest::keyClicks(boite, n.frappe);
        }
        auto valider = [&] { n.entree ? QTest::keyClick(boite, Qt::Key_Return) : QTest::mouseClick(s->cmdValider, Qt::LeftButton); };
        if (n.bloque) { // reported, and the player can validate again once the store is back
            QVERIFY(bloquer(true));
            valider();
            QVERIFY(etat() == saisie && dans_scores && journal().join("").startsWith("Erreur|16|Erreur numéro: 75\nDescription: "));
            QVERIFY(bloquer(false));
        }
        valider();
        if (!n.nom.isEmpty())
            attendu[9 + n.place] = "9000;" + n.nom + ";6;00h03mn07s;14/03/2003;";
        QCOMPARE(magasin(), attendu);
        QStringList messages(n.bips, "Beep");
        if (n.nom.isEmpty())
            messages << QStringLiteral("Donnée manquante|64|Entrez votre nom en ligne %1 SVP.").arg(n.place);
        QCOMPARE(journal().mid(n.bloque), messages);
        QCOMPARE(etat(), n.nom.isEmpty() ? saisie : "6990/5865 commandes défaut VOIR RAZ");
        QCOMPARE(s->focusWidget(), n.nom.isEmpty() ? static_cast<QWidget*>(boite) : s->cmdVoir);
        QCOMPARE(dans_scores, n.nom.isEmpty());
    }

    // The reset of one table (the one chosen, even if VOIR was not pressed after) or of all six:
    // the button, the answer, what is done first (S2: Super Expert chosen; !: store blocked), the
    // tables emptied.
    void remiseAZero_data()
    {
        QTest::addColumn<Raz>("r");
        QTest::newRow("ce jeu, non") << Raz{0, platform::vbNo, "", {}};
        QTest::newRow("tous, non") << Raz{1, platform::vbNo, "", {}};
        QTest::newRow("ce jeu") << Raz{0, platform::vbYes, "", {"NN"}};
        QTest::newRow("ce jeu, choix non affiché") << Raz{0, platform::vbYes, "S2", {"SE"}};
        QTest::newRow("tous") << Raz{1, platform::vbYes, "", {storage::cles_tables.begin(), storage::cles_tables.end()}};
        QTest::newRow("tous, écriture impossible") << Raz{1, platform::vbYes, "!", {}};
    }
    void remiseAZero()
    {
        QFETCH(Raz, r);
        QStringList attendu = magasin();
        for (int k = 0; k < 60; ++k)
            if (r.videes.contains(storage::cles_tables[k / 10]))
                attendu[k].clear();
        ouvrir("NN", false);
        if (r.avant == "S2")
            QTest::mouseClick(s->optSuper, Qt::LeftButton), s->cboMode->setCurrentIndex(2);
        QVERIFY(r.avant != "!" || bloquer(true));
        env->reponsesMsgBox = {r.reponse};
        QTest::mouseClick(s->cmdRAZ[r.index], Qt::LeftButton);
        QVERIFY(r.avant != "!" || bloquer(false));
        QCOMPARE(magasin(), attendu);
        const QString question = "ATTENTION...|292|Cette opération va éffacer "
            + QString(r.index ? "les scores de tous les jeux dans tous les modes." : "uniquement les scores du jeu/mode sélectionné.")
            + "\nAppuyez sur OUI pour confirmer ce choix." + (r.avant == "!" ? "\nErreur|16|Erreur numéro: 75\nDescription: " : "");
        QVERIFY(journal().join(u'\n').startsWith(question) && journal().size() == 1 + (r.avant == "!"));
        QCOMPARE(affiche().join(u'|'), lignes(r.reponse == platform::vbYes ? "" : "NN").join(u'|'));
        QCOMPARE(s->cmdRAZ[0]->isEnabled(), r.reponse != platform::vbYes || r.avant == "!");
    }

    // Fermer and Esc close the window (Esc even in name entry: the placeholder stays stored); F1
    // opens the help from any control, the name box included, or says it is missing.
    void touches_data()
    {
        QTest::addColumn<QString>("touche"); // then "saisie" for name entry, or the message shown
        QTest::newRow("Fermer") << "Fermer";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("Esc en saisie") << "Esc saisie";
        QTest::newRow("F1 en saisie") << "F1 saisie";
        QTest::newRow("F1, aide absente") << "F1 Erreur|48|Le fichier d'aide [aide.htm] n'a pas été trouvé.";
    }
    void touches()
    {
        QFETCH(QString, touche);
        const bool saisie = touche.endsWith(" saisie");
        const QString message = touche.section(u' ', 1).remove("saisie"), cle = touche.section(u' ', 0, 0);
        dossier_appli = chemin_aide(programme.path());
        QFile aide(dossier_appli);
        QVERIFY(message.isEmpty() ? aide.open(QIODevice::WriteOnly) : !aide.exists() || aide.remove());
        aide.close();
        i = 1;
        const QStringList avant = magasin();
        ouvrir("NN", saisie);
        QTest::keyClicks(s->txtPremier[1], " pas valide");
        if (cle == "Fermer")
            QTest::mouseClick(s->cmdFermer, Qt::LeftButton);
        else
            QTest::keyClick(s->txtPremier[1], cle == "Esc" ? Qt::Key_Escape : Qt::Key_F1);
        QCOMPARE(estCharge<frmScores>(), cle == "F1");
        QCOMPARE(env->ouvertures, cle == "F1" && message.isEmpty() ? QStringList{dossier_appli} : QStringList{});
        QCOMPARE(journal().join("").left(message.size()), message);
        QVERIFY(magasin() == avant && dans_scores == saisie);
    }
};

QTEST_MAIN(TestScores)
#include "test_scores.moc"
