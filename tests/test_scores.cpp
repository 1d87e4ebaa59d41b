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

// Actions separated by spaces (see jouer()), then the whole state they leave (see etat()).
struct Pas { QString actions, etat; };
// The table key the window opens on ("-": a letter not set); the place of a new entry (0: none).
struct Scenario { QString cle; int place; QList<Pas> pas; };
Q_DECLARE_METATYPE(Scenario)

namespace {
const QString app = QStringLiteral("Chromalis");
// Tables as stored before each test: so many records per table, named after it.
const QMap<QString, int> remplies{{"NI", 10}, {"NN", 1}, {"SN", 3}, {"SE", 2}};
QString record(const QString& t, int k) { return QStringLiteral("%1;%2%3;4;00h01mn00s;01/01/2026;").arg(1000 - k).arg(t).arg(k); }
// The store, table by table, ten records each.
QMap<QString, QStringList> magasin()
{
    storage::oublierCache();
    QMap<QString, QStringList> m;
    for (const QString& t : storage::cles_tables)
        for (int k = 1; k <= 10; ++k)
            m[t] << storage::GetSetting(app, t, QString::number(k));
    return m;
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
    QMap<QString, QString> messages; // full text of each dialog, and its short name in the states
    QMap<QString, QStringList> avant; // the store after the last step

    // Clicks, keys (in the name box of the new entry's row, or of row 1), typed or pasted names
    // ('_' for a space), the answer to the reset's question (+ yes, - no), the store blocked or not.
    void jouer(const QString& actions)
    {
        QLineEdit* nom = s->ligne(qMax<int>(i, 1))->at(1);
        const QMap<QString, QAbstractButton*> boutons{{"Normal", s->optNormal}, {"Super", s->optSuper}, {"VOIR", s->cmdVoir},
                                                      {"Valider", s->cmdValider}, {"Fermer", s->cmdFermer}};
        const QMap<QString, Qt::Key> touches{{"Entrée", Qt::Key_Return}, {"Esc", Qt::Key_Escape}, {"F1", Qt::Key_F1}};
        for (const QString& a : actions.split(u' ', Qt::SkipEmptyParts)) {
            const QString texte = a.section(u':', 1).replace(u'_', u' ');
            if (boutons.contains(a))
                QTest::mouseClick(boutons[a], Qt::LeftButton);
            else if (touches.contains(a))
                QTest::keyClick(nom, touches[a]);
            else if (a.size() == 1) // the mode by the keys of the list, from its top
                for (int k = -1; k < QStringLiteral("INE").indexOf(a); ++k)
                    QTest::keyClick(s->cboMode, k < 0 ? Qt::Key_Home : Qt::Key_Down);
            else if (a.startsWith("RAZ") || a.startsWith("TOUT")) {
                env->reponsesMsgBox = {a.endsWith(u'+') ? platform::vbYes : platform::vbNo};
                QTest::mouseClick(s->cmdRAZ[a.startsWith("TOUT")], Qt::LeftButton);
            } else if (a == "bloque" || a == "débloque")
                QVERIFY(bloquer(a == "bloque"));
            else {
                QTest::mouseClick(nom, Qt::LeftButton);
                QTest::keyClick(nom, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(nom, Qt::Key_Backspace);
                if (a.startsWith("colle:"))
                    QApplication::clipboard()->setText(texte), QTest::keyClick(nom, Qt::Key_V, Qt::ControlModifier);
                else
                    QTest::keyClicks(nom, texte);
            }
        }
    }
    // The table shown, named after the stored table it matches ("vide": none), the name being typed aside.
    QString table(const QMap<QString, QStringList>& magasin) const
    {
        QStringList lignes;
        for (int r = 1; r <= 10; ++r) {
            QString l;
            for (QLineEdit* b : *s->ligne(r))
                l += (b->isReadOnly() ? b->text() : storage::decouper_record(magasin[lettre_jeu + lettre_mode][r - 1])[1]) + u';';
            lignes << (l == ";;;;;" ? QString() : l);
        }
        for (const QString& t : storage::cles_tables)
            if (magasin[t] == lignes)
                return lignes.join(QString()).isEmpty() ? QStringLiteral("vide") : t;
        return lignes.join(u'/');
    }
    // Headings, table, "vue" (the commands within reach) or "saisie N" (the window shortened over them,
    // the validate button on row N, row N's name box alone marked and editable), RAZ when the reset of
    // one table is enabled, the focus; then, since the last step, the store's changes (-T: table T
    // emptied), the dialogs and the help opened.
    QString etat()
    {
        const QMap<QString, QStringList> apres = magasin();
        QString e = QStringLiteral("fermée");
        if (estCharge<frmScores>()) {
            const bool saisie = s->cmdValider->isVisible();
            e = s->lblJeu->text() + u' ' + s->lblMode->text() + u' ' + table(apres);
            e += saisie ? " saisie " + s->cmdValider->text() : " vue";
            // The lowest commands in the frame and the window, or cut off; the default button Valider in name
            // entry, else the focused button or VOIR.
            const bool commandes = s->Frame2->rect().contains(s->cmdFermer->geometry()) && s->rect().contains(s->lblAide->geometry());
            auto* bouton = qobject_cast<QPushButton*>(s->focusWidget());
            QPushButton* defaut = saisie ? s->cmdValider : bouton ? bouton : s->cmdVoir;
            e += commandes == saisie || !defaut->isDefault() ? " mal disposée" : "";
            // Boxes not read only or not in the system's colours: the name box of the new entry's row alone.
            QStringList marquees;
            for (int r = 1; r <= 10; ++r)
                for (QLineEdit* b : *s->ligne(r)) {
                    const QPalette p = b->palette(), systeme = QApplication::palette(b);
                    if (!b->isReadOnly() || p.color(QPalette::Base) != systeme.color(QPalette::Base)
                        || p.color(QPalette::Text) != systeme.color(QPalette::Text))
                        marquees << QString::number(r) + (b == s->ligne(r)->at(1) && b->y() == s->cmdValider->y() ? "" : "?");
                }
            e += marquees == QStringList(saisie, s->cmdValider->text()) ? "" : " marquées " + marquees.join(u',');
            e += saisie ? " «" + s->ligne(i)->at(1)->text() + u'»' : "";
            e += s->cmdRAZ[0]->isEnabled() ? " RAZ" : "";
            QWidget* focus = s->focusWidget();
            e += focus == s->cmdVoir ? " ↑VOIR" : focus == s->ligne(qMax<int>(i, 1))->at(1) ? " ↑nom" : "";
        }
        e += dans_scores && !e.contains(" saisie") ? " (saisie)" : "";
        for (const QString& t : storage::cles_tables) {
            if (apres[t] != avant[t] && apres[t].join(QString()).isEmpty())
                e += " -" + t;
            else
                for (int k = 0; k < 10; ++k)
                    e += apres[t][k] == avant[t][k] ? "" : QStringLiteral(" %1%2=%3").arg(t).arg(k + 1).arg(apres[t][k]);
        }
        for (const support::Appel& a : env->appels) {
            QString texte = a.genre == "Beep" ? "bip" : a.titre + u'|' + QString::number(a.style) + u'|' + a.texte;
            for (auto m = messages.cbegin(); m != messages.cend(); ++m)
                texte = texte.startsWith(m.key()) ? m.value() : texte;
            e += u' ' + texte;
        }
        e += env->ouvertures.isEmpty() ? "" : " ouvert " + env->ouvertures.join(u',').replace(dossier_appli, "aide");
        avant = apres;
        env->appels.clear();
        env->ouvertures.clear();
        return e;
    }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        platform::setAppPathHook([d = programme.path()] { return d; });
        dossier_appli = chemin_aide(programme.path());
        QFile aide(dossier_appli);
        QVERIFY(aide.open(QIODevice::WriteOnly));
        instance<frmChromalis>(); // its load creates the empty tables on a first run
        for (auto t = remplies.begin(); t != remplies.end(); ++t)
            for (int k = 1; k <= t.value(); ++k)
                storage::SaveSetting(app, t.key(), QString::number(k), record(t.key(), k));
        i = 0;
    }
    void cleanup() { env.reset(); }

    void scenario_data()
    {
        QTest::addColumn<Scenario>("sc");
        const QString confirmer = QStringLiteral("\nAppuyez sur OUI pour confirmer ce choix.");
        messages = {{"Donnée manquante|64|Vous devez sélectionner le type de jeu avant de pouvoir voir les scores.", "[type?]"},
                    {"Donnée manquante|64|Vous devez sélectionner un mode avant de pouvoir voir les scores.", "[mode?]"},
                    {"ATTENTION...|292|Cette opération va éffacer uniquement les scores du jeu/mode sélectionné."
                     + confirmer, "[RAZ?]"},
                    {"ATTENTION...|292|Cette opération va éffacer les scores de tous les jeux dans tous les modes."
                     + confirmer, "[TOUT?]"},
                    {"Erreur|16|Erreur numéro: 75\nDescription: ", "[erreur 75]"}};
        for (int place : {1, 2, 3, 10})
            messages[QStringLiteral("Donnée manquante|64|Entrez votre nom en ligne %1 SVP.").arg(place)] = "[nom?]";
        // A name given at once, as stored, with the beeps it took.
        const auto nom = [](const char* titre, int place, const QString& actions, const QString& nom, const QString& bips = {}) {
            const QString etat = QStringLiteral("NORMAL NORMAL NN vue RAZ ↑VOIR NN%1=9000;%2;6;00h02mn40s;14/03/2003;");
            QTest::newRow(titre) << Scenario{"NN", place, {{actions, etat.arg(place).arg(nom) + bips}}};
        };
        QTest::newRow("dix lignes, puis les autres tables") << Scenario{"NI", 0, {
            {"", "NORMAL INITIATION NI vue RAZ"},
            {"Super E", "NORMAL INITIATION NI vue RAZ"}, // chosen, not shown before VOIR
            {"VOIR", "SUPER EXPERT SE vue RAZ ↑VOIR"},
            {"N VOIR", "SUPER NORMAL SN vue RAZ ↑VOIR"},
            {"Normal E VOIR", "NORMAL EXPERT vide vue ↑VOIR"},
            {"I VOIR", "NORMAL INITIATION NI vue RAZ ↑VOIR"},
            {"tape:Bob", "NORMAL INITIATION NI vue RAZ ↑nom"}}}; // read only
        QTest::newRow("ouverte sur Super Expert") << Scenario{"SE", 0, {{"VOIR", "SUPER EXPERT SE vue RAZ ↑VOIR"}}};
        QTest::newRow("sans mode") << Scenario{"N-", 0, {{"", "NORMAL INCONNU vide vue [mode?]"}}};
        QTest::newRow("sans type") << Scenario{"-N", 0, {
            {"", "NORMAL NORMAL vide vue [type?]"},
            {"VOIR", "NORMAL NORMAL vide vue ↑VOIR [type?]"},
            {"Super VOIR", "SUPER NORMAL SN vue RAZ ↑VOIR"}}};
        QTest::newRow("nom refusé puis donné") << Scenario{"NN", 3, {
            {"", "NORMAL NORMAL NN saisie 3 «votre nom ?»"},
            {"Valider", "NORMAL NORMAL NN saisie 3 «votre nom ?» ↑nom [nom?]"},
            {"tape: Entrée", "NORMAL NORMAL NN saisie 3 «» ↑nom [nom?]"},
            {"tape:Anne Valider", "NORMAL NORMAL NN vue RAZ ↑VOIR NN3=9000;Anne;6;00h02mn40s;14/03/2003;"},
            {"tape:Bob", "NORMAL NORMAL NN vue RAZ ↑nom"}}}; // read only again
        nom("blancs", 1, "tape:___ Entrée", "   ");
        nom("presque le nom d'attente", 2, "tape:votre_nom_?_ Entrée", "votre nom ? ");
        nom("point-virgule tapé, dixième", 10, "tape:Jean;Paul; Valider", "JeanPaul", " bip bip");
        nom("point-virgule collé", 2, "colle:a;b;;c Entrée", "abc", " bip");
        QTest::newRow("écriture impossible") << Scenario{"NN", 1, {
            {"bloque tape:Anne Valider débloque", "NORMAL NORMAL NN saisie 1 «Anne» [erreur 75]"},
            {"Valider", "NORMAL NORMAL NN vue RAZ ↑VOIR NN1=9000;Anne;6;00h02mn40s;14/03/2003;"}}};
        QTest::newRow("remises à zéro") << Scenario{"NN", 0, {
            {"RAZ-", "NORMAL NORMAL NN vue RAZ [RAZ?]"},
            {"TOUT-", "NORMAL NORMAL NN vue RAZ [TOUT?]"},
            {"bloque TOUT+ débloque", "NORMAL NORMAL vide vue RAZ [TOUT?] [erreur 75]"}, // stored as before
            {"Super E RAZ+", "NORMAL NORMAL vide vue -SE [RAZ?]"}, // the table chosen, even before VOIR
            {"VOIR", "SUPER EXPERT vide vue ↑VOIR"},
            {"Normal N VOIR", "NORMAL NORMAL NN vue RAZ ↑VOIR"},
            {"TOUT+", "NORMAL NORMAL vide vue -NI -NN -SN [TOUT?]"}}};
        QTest::newRow("Fermer") << Scenario{"NN", 0, {{"F1", "NORMAL NORMAL NN vue RAZ ouvert aide"}, {"Fermer", "fermée"}}};
        QTest::newRow("Esc") << Scenario{"NN", 0, {{"Esc", "fermée"}}};
        // The placeholder stays stored, the entry still to be named.
        QTest::newRow("en saisie, F1 puis Esc") << Scenario{"NN", 1, {
            {"tape:Anne F1", "NORMAL NORMAL NN saisie 1 «Anne» ↑nom ouvert aide"},
            {"Esc", "fermée (saisie)"}}};
    }
    void scenario()
    {
        QFETCH(Scenario, sc);
        if (sc.place) { // a won game entered NN at this place with the placeholder name, after the records above it
            for (int k = 1; k < sc.place; ++k)
                storage::SaveSetting(app, "NN", QString::number(k), record("NN", k));
            points = 9000;
            num_ligne = 6;
            ligne_score = storage::construire_record(points, storage::nom_attente, num_ligne, "00h02mn40s", "14/03/2003");
            storage::SaveSetting(app, "NN", QString::number(sc.place), ligne_score);
            instance<frmFIN>()->lblTemps->setText("00h02mn40s");
            i = static_cast<std::int16_t>(sc.place);
        }
        instance<frmChromalis>()->cboJeu->setCurrentIndex(sc.cle.startsWith(u'S'));
        lettre_jeu = sc.cle.left(1).remove(u'-');
        lettre_mode = sc.cle.mid(1).remove(u'-');
        dans_scores = sc.place > 0;
        avant = magasin();
        (s = instance<frmScores>())->show();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        // Centred as loaded (name entry then shortens it); every box, control and heading of the table carries a tip.
        QVERIFY(sc.place || (s->frameGeometry().center() - s->screen()->geometry().center()).manhattanLength() <= 8);
        for (QWidget* w : s->findChildren<QWidget*>())
            QVERIFY(!w->toolTip().isEmpty() || w->inherits("QGroupBox") || !w->isVisibleTo(s)
                    || (w->inherits("QLabel") && w != s->lblJeu && w != s->lblMode));
        for (const Pas& p : sc.pas) {
            jouer(p.actions);
            QCOMPARE(etat(), p.etat);
        }
    }
};

QTEST_MAIN(TestScores)
#include "test_scores.moc"
