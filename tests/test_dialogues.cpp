// The scores window, the solution access and the predefined-games window, played through their controls.
#include "support/support.h"

#include "game/rules.h"

using namespace Chromalis;

// Game type (0 Normal, 1 Super); password, then OK, Annuler or Enter; code for a key; revele(); field after "OOVRJ".
struct Acces {
    int jeu;
    QString mot, fin, code, revele, champ;
    QStringList journal;
};
Q_DECLARE_METATYPE(Acces)

namespace {
const QString app = QStringLiteral("Chromalis");
// Tables as stored before each test: so many records per table, named after it.
const QMap<QString, int> remplies{{"NI", 10}, {"NN", 1}, {"SN", 3}, {"SE", 2}};
QString record(QString t, int k)
{
    return QStringLiteral("%1;%2%3;4;00h01mn00s;01/01/2026;").arg(1000 - k).arg(t).arg(k);
}
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
QString info(const QString& titre, const QString& texte) { return "MsgBox|" + titre + u'|' + texte; }
QString modif(const QString& a)
{
    return "InputBox|Modification de la combinaison|Entrez la nouvelle valeur de la combinaison:|" + a;
}
QString regle(const QString& cle, const QString& lettres)
{
    return info("Combinaison non valide",
                "Une combinaison des parties " + cle + " compte " + lettres
                    + ".\nLa combinaison n'a pas été modifiée.");
}
// The duplicate found at positions a and b, named after the first.
QString doublon(int a, int b)
{
    return info("Erreur...",
                QStringLiteral("Combinaisons identiques trouvées:\nnom: %1\npositions: %1 ---> %2").arg(a).arg(b));
}
} // namespace

class TestDialogues : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    QTemporaryDir programme;
    frmChromalis* f = nullptr;
    frmScores* s = nullptr;
    frmParties* p = nullptr;
    QMap<QString, QString> messages; // full text of each dialog, and its short name in the scores states
    QMap<QString, QStringList> avant; // the store after the last step

    // Captions or Valider; keys into the new row's (or row 1's) name box; frappe:text and alt:letters to the
    // focus; tape:name over the name box ('_' a space); a mode's initial; reset answer +/-; store blocked or not.
    void jouer(const QString& actions)
    {
        QLineEdit* nom = s->ligne(qMax<int>(i, 1))->at(1);
        const QMap<QString, Qt::Key> touches{{"Entrée", Qt::Key_Return}, {"Esc", Qt::Key_Escape}, {"F1", Qt::Key_F1}};
        for (const QString& a : actions.split(u' ', Qt::SkipEmptyParts)) {
            const QString texte = a.section(u':', 1).replace(u'_', u' ');
            QAbstractButton* bouton = a == "Valider" ? s->cmdValider : nullptr;
            for (QAbstractButton* b : s->findChildren<QAbstractButton*>())
                bouton = b->text().remove(u'&') == a ? b : bouton;
            if (bouton)
                QTest::mouseClick(bouton, Qt::LeftButton);
            else if (touches.contains(a))
                QTest::keyClick(nom, touches[a]);
            else if (a.startsWith("frappe:") || a.startsWith("alt:"))
                for (QChar c : texte)
                    QTest::keyClick(s->windowHandle(), c.toLatin1(),
                                    a.startsWith("alt:") ? Qt::AltModifier : Qt::NoModifier);
            else if (a.size() == 1) // the mode by the keys of the list, from its top
                for (int k = -1; k < QStringLiteral("INE").indexOf(a); ++k)
                    QTest::keyClick(s->cboMode, k < 0 ? Qt::Key_Home : Qt::Key_Down);
            else if (a.startsWith("RAZ") || a.startsWith("TOUT")) {
                env->reponsesMsgBox = {a.endsWith(u'+') ? platform::vbYes : platform::vbNo};
                QTest::mouseClick(s->cmdRAZ[a.startsWith("TOUT")], Qt::LeftButton);
            } else if (a == "bloque" || a == "débloque")
                QVERIFY(bloquer(a == "bloque"));
            else // tape:
                QTest::mouseClick(nom, Qt::LeftButton), QTest::keyClick(nom, Qt::Key_A, Qt::ControlModifier),
                    QTest::keyClicks(nom, '\b' + texte);
        }
    }
    // The table shown, named after the stored table it matches ("vide": none), the name being typed aside.
    QString table(const QMap<QString, QStringList>& magasin) const
    {
        QStringList lignes;
        for (int r = 1; r <= 10; ++r) {
            QString l;
            for (QLineEdit* b : *s->ligne(r))
                l += (b->isReadOnly() ? b->text()
                                      : storage::decouper_record(magasin[lettre_jeu + lettre_mode][r - 1])[1])
                    + u';';
            lignes << (l == ";;;;;" ? QString() : l);
        }
        for (const QString& t : storage::cles_tables)
            if (magasin[t] == lignes)
                return lignes.join(QString()).isEmpty() ? QStringLiteral("vide") : t;
        return lignes.join(u'/');
    }
    // Headings, table, "vue" (commands in reach) or "saisie N" (validate on row N, its name box alone editable),
    // RAZ when one table's reset is on, the focus; then the store's changes (-T: emptied), dialogs and help.
    QString etat()
    {
        const QMap<QString, QStringList> apres = magasin();
        QString e = QStringLiteral("fermée");
        if (estCharge<frmScores>()) {
            const bool saisie = s->cmdValider->isVisible();
            e = s->lblJeu->text() + u' ' + s->lblMode->text() + u' ' + table(apres)
                + (saisie ? " saisie " + s->cmdValider->text() : " vue");
            // The lowest commands within the frame and the window, unless name entry shortened it over them.
            const bool commandes = s->Frame2->rect().contains(s->cmdFermer->geometry())
                && s->rect().contains(s->lblAide->geometry());
            e += commandes == saisie ? " mal disposée" : "";
            // Boxes not read only or not in the system's colours: the name box of the new entry's row alone.
            const auto couleurs = [](const QPalette& p) { return p.base().color().name() + p.text().color().name(); };
            QStringList marquees;
            for (int r = 1; r <= 10; ++r)
                for (QLineEdit* b : *s->ligne(r))
                    if (!b->isReadOnly() || couleurs(b->palette()) != couleurs(QApplication::palette(b)))
                        marquees << QString::number(r)
                                + (b == s->ligne(r)->at(1) && b->y() == s->cmdValider->y() ? "" : "?");
            e += marquees == QStringList(saisie, s->cmdValider->text()) ? "" : " marquées " + marquees.join(u',');
            e += saisie ? " «" + s->ligne(i)->at(1)->text() + u'»' : "";
            e += s->cmdRAZ[0]->isEnabled() ? " RAZ" : "";
            const QMap<QWidget*, QString> foyers{
                {s->cmdVoir, " ↑VOIR"}, {s->ligne(qMax<int>(i, 1))->at(1), " ↑nom"}, {s->cmdValider, " ↑Valider"}};
            e += foyers.value(s->focusWidget());
        }
        e += dans_scores && !e.contains(" saisie") ? " (saisie)" : "";
        for (const QString& t : storage::cles_tables) {
            const bool videe = apres[t] != avant[t] && apres[t].join(QString()).isEmpty();
            e += videe ? " -" + t : "";
            for (int k = 0; k < 10 && !videe; ++k)
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

    QStringList journal() const
    {
        QStringList l;
        for (const support::Appel& a : env->appels)
            l << QStringList{a.genre, a.titre, a.texte, a.defaut}.join(u'|').chopped(a.defaut.isEmpty());
        return l;
    }
    // The games window: current row, title, number box, game, entry (or whether it differs from the table).
    QString vu() const
    {
        const int k = p->lstParties->currentRow();
        const QString texte = k < 0 ? QString() : p->lstParties->item(k)->text();
        return QStringLiteral("%1 %2 %3 %4 %5")
            .arg(k)
            .arg(p->windowTitle(), p->txtNumPartie->text(), p->Label5->text(),
                 k < 0 || parties[k + 1] == texte ? texte : QStringLiteral("≠ table"));
    }
    // Per hole 1 for the right-place cell and 2 for the other; then the solution, the field, the games window.
    QString revele() const
    {
        QString r;
        for (int n = 1; n <= 5; ++n)
            r += QString::number(f->Label3[n]->isVisibleTo(f) + 2 * f->Label8[n]->isVisibleTo(f));
        return r + (f->Label5->isVisibleTo(f) ? u'S' : u'-') + (f->txtCombi->isVisibleTo(f) ? u'C' : u'-')
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
    void montrer()
    {
        (p = instance<frmParties>())->show();
        QVERIFY(QTest::qWaitForWindowExposed(p));
        // Beside the board, on the screen.
        QVERIFY(!p->frameGeometry().intersects(f->frameGeometry())
                && p->screen()->availableGeometry().contains(p->frameGeometry()));
    }

    static void ligne(const char* n, const QString& actions, const QStringList& journal, const QString& vu)
    {
        QTest::newRow(n) << actions << journal << vu;
    }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        platform::setAppPathHook([d = programme.path()] { return d; });
        dossier_appli = chemin_aide(programme.path());
        QVERIFY(QFile(dossier_appli).open(QIODevice::WriteOnly));
        (f = instance<frmChromalis>())->show(); // its load creates the empty tables on a first run
        for (auto t = remplies.begin(); t != remplies.end(); ++t)
            for (int k = 1; k <= t.value(); ++k)
                storage::SaveSetting(app, t.key(), QString::number(k), record(t.key(), k));
        i = 0;
    }
    void cleanup() { env.reset(); }

    void scores_data()
    {
        // Steps: jouer() actions → etat(); the first opens on a table with a new entry's place (0: none).
        QTest::addColumn<QStringList>("pas");
        const QString effacer = QStringLiteral(
            "ATTENTION...|292|Cette opération va éffacer %1.\nAppuyez sur OUI pour confirmer ce choix.");
        messages = {{"Donnée manquante|64|Entrez votre nom en ligne 3 SVP.", "[nom?]"},
                    {effacer.arg("uniquement les scores du jeu/mode sélectionné"), "[RAZ?]"},
                    {effacer.arg("les scores de tous les jeux dans tous les modes"), "[TOUT?]"},
                    {"Erreur|16|Erreur numéro: 75\nDescription: ", "[erreur 75]"}};
        QTest::newRow("Super Expert, puis les autres tables")
            << QStringList{"SE 0 → SUPER EXPERT SE vue RAZ", "N Entrée → SUPER NORMAL SN vue RAZ", // Enter presses VOIR
                           "Normal E VOIR → NORMAL EXPERT vide vue ↑VOIR",
                           "I VOIR → NORMAL INITIATION NI vue RAZ ↑VOIR", "Fermer → fermée"}; // NI: ten rows
        // A name typed at once replaces the placeholder, also after a refusal; cut-off commands take no Tab, no Alt.
        QTest::newRow("nom refusé puis donné") << QStringList{
            "NN 3 → NORMAL NORMAL NN saisie 3 «votre nom ?» ↑nom",
            "frappe:\t\t alt:RFV → NORMAL NORMAL NN saisie 3 «votre nom ?» ↑nom",
            "tape: Entrée → NORMAL NORMAL NN saisie 3 «» ↑nom [nom?]",
            "tape:votre_nom_? Valider → NORMAL NORMAL NN saisie 3 «votre nom ?» ↑nom [nom?]",
            "frappe:Anne Entrée → NORMAL NORMAL NN vue RAZ ↑VOIR NN3=9000;Anne;6;00h02mn40s;14/03/2003;"};
        QTest::newRow("point-virgule refusé, dixième")
            << QStringList{"NN 10 tape:Jean;Paul; Valider → NORMAL NORMAL NN vue RAZ ↑VOIR "
                           "NN10=9000;JeanPaul;6;00h02mn40s;14/03/2003; "
                           "bip bip"};
        QTest::newRow("écriture impossible") << QStringList{
            "NN 1 bloque tape:Anne Valider débloque → NORMAL NORMAL NN saisie 1 «Anne» ↑Valider [erreur 75]",
            "Valider → NORMAL NORMAL NN vue RAZ ↑VOIR NN1=9000;Anne;6;00h02mn40s;14/03/2003;"};
        QTest::newRow("remises à zéro") << QStringList{
            "NN 0 RAZ- → NORMAL NORMAL NN vue RAZ [RAZ?]",
            "bloque TOUT+ débloque → NORMAL NORMAL NN vue RAZ [TOUT?] [erreur 75]", // shown as still stored
            "Super E RAZ+ → NORMAL NORMAL vide vue -SE [RAZ?]", // the table chosen, even before VOIR
            "TOUT+ → NORMAL NORMAL vide vue -NI -NN -SN [TOUT?]"};
        // F1 from the name box opens the help; Esc leaves the placeholder stored, the entry still to be named.
        QTest::newRow("en saisie, F1 puis Esc") << QStringList{"NN 1 tape:Anne F1 Esc → fermée (saisie) ouvert aide"};
    }
    void scores()
    {
        QFETCH(QStringList, pas);
        const QString cle = pas[0].left(2);
        const int place = pas[0].section(u' ', 1, 1).toInt();
        if (place) { // a won game entered NN at this place with the placeholder name, after the records above it
            for (int k = 1; k < place; ++k)
                storage::SaveSetting(app, "NN", QString::number(k), record("NN", k));
            points = 9000;
            num_ligne = 6;
            ligne_score = storage::construire_record(points, storage::nom_attente, num_ligne, "00h02mn40s",
                                                     "14/03/2003");
            storage::SaveSetting(app, "NN", QString::number(place), ligne_score);
            instance<frmFIN>()->lblTemps->setText("00h02mn40s");
            i = static_cast<std::int16_t>(place);
        }
        f->cboJeu->setCurrentIndex(cle.startsWith(u'S'));
        lettre_jeu = cle.left(1);
        lettre_mode = cle.mid(1);
        dans_scores = place > 0;
        avant = magasin();
        (s = instance<frmScores>())->show();
        QVERIFY(QTest::qWaitForWindowExposed(s));
        for (const QString& p : pas) {
            jouer(p.section(u'→', 0, 0).section(u' ', p == pas[0] ? 2 : 0));
            QCOMPARE(etat(), p.section(u'→', 1).mid(1));
        }
    }

    // Built on first use, after the board filled the table (test_jeu checks the lock a game sets).
    void chargement()
    {
        f->move(f->screen()->availableGeometry().right() - f->frameGeometry().width(), 0); // no room on its right
        parties[1].clear(); // the window's load takes every game from the shipped list again
        montrer();
        QCOMPARE(vu() + p->Label3->text(), QStringLiteral("-1 Combi No: /  ? Total: 600 parties"));
        // Moved by the player, it keeps its place when shown again.
        p->move(p->pos() + QPoint(-40, 30));
        const QPoint place = p->pos();
        p->hide();
        p->show();
        QCOMPARE(p->pos(), place);
        // Every predefined game can be won: the right length, only the colours of its block.
        for (int n = 1; n <= 600; ++n)
            QVERIFY2(p->lstParties->item(n - 1)->text() == parties[n]
                         && rules::combinaison_du_bloc((n - 1) / 100, parties[n]),
                     qPrintable(parties[n]));
    }

    // =answer (next input box), clicN / doubleN (entry N), tapeTEXT, Entrée / pavé / Échap (number box), Chercher,
    // Nom, Modifier; every dialog; then vu().
    void fenetre_data()
    {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QStringList>("journal");
        QTest::addColumn<QString>("vu");
        const QString rien = QStringLiteral("-1 Combi No: /  ? ");
        const QString qn = QStringLiteral("InputBox|Partie|Entrez la combinaison de la partie:");
        const QString q = QStringLiteral("Beep||"), chiffre = info("Erreur de saisie", "Entrez uniquement un chiffre");
        ligne("Chercher 049, Échap ne cherche pas", "tape049 Chercher tape42 Échap", {},
              "48 Combi No: 49 42 NI49 ROVR");
        ligne("Entrée 601, pavé 600", "tape601 Entrée tape600 pavé",
              {info("Erreur", "Entrez un numéro entre 1 et 600")}, "599 Combi No: 600 600 SE100 VNJRV");
        ligne("nom en minuscules, premier de deux", "=jobv Nom",
              {qn,
               info("combinaison trouvée",
                    "Cette combinaison a été trouvée:\n\nCombinaison: JOBV\nNo: 17\nPartie: NI17")},
              "16 Combi No: 17 17 NI17 JOBV");
        ligne("nom annulé, puis absent", "Nom =rrrr Nom",
              {qn, qn, info("Combinaison: RRRR", "Cette combinaison n'a pas été trouvée.")}, rien);
        ligne("Modifier annulé, puis NI minuscules", "clic1 Modifier =rrrr Modifier", {modif("RORB"), modif("RORB")},
              "0 Combi No: 1 1 NI1 RRRR");
        ligne("NE noir, double clic", "=RRRN double300",
              {modif("RRVB"), regle("NE", "4 lettres parmi R - B - V - J - O - I, ou Z pour une place vide")},
              "299 Combi No: 300 300 NE100 RRVB");
        ligne("SI avec Z", "clic301 =NXNXZ Modifier",
              {modif("VROIO"), regle("SI", "5 lettres parmi R - B - V - J - O - I - N - X")},
              "300 Combi No: 301 301 SI1 VROIO");
        ligne("signes autour des chiffres, Chercher sans numéro", "tape/: Chercher",
              {q, chiffre, q, chiffre, info("Erreur de saisie", "Entrez un chiffre")}, rien);
    }
    void fenetre()
    {
        QFETCH(QString, actions);
        QFETCH(QStringList, journal);
        montrer();
        QLineEdit* no = p->txtNumPartie;
        const QMap<QString, Qt::Key> touches{
            {"Entrée", Qt::Key_Return}, {"pavé", Qt::Key_Enter}, {"Échap", Qt::Key_Escape}};
        const QMap<QString, QPushButton*> boutons{
            {"Chercher", p->cmdChercher}, {"Nom", p->cmdChercherNom}, {"Modifier", p->cmdModifier}};
        for (const QString& a : actions.split(u' ')) {
            if (a.startsWith(u'='))
                env->reponsesInputBox << a.mid(1);
            else if (a.startsWith("clic") || a.startsWith("double"))
                cliquer(a.mid(a.indexOf(QRegularExpression("\\d"))).toInt(), a.startsWith("double"));
            else if (a.startsWith("tape"))
                no->selectAll(), QTest::keyClicks(no, a.mid(4));
            else if (touches.contains(a))
                QTest::keyClick(no, touches[a]);
            else
                QTest::mouseClick(boutons[a], Qt::LeftButton);
        }
        QCOMPARE(this->journal(), journal);
        QTEST(vu(), "vu");
    }

    // Duplicates are sought within each block of a hundred, ends included; across blocks they are two games.
    void doublons()
    {
        montrer();
        for (int n = 1; n <= 600; ++n)
            parties[n] = QString::number(n);
        const QString fin = QStringLiteral("Fin du contrôle");
        QTest::mouseClick(p->cmdIdentique, Qt::LeftButton);
        QCOMPARE(journal(), QStringList{info(fin, "Aucunes combinaisons identiques n'ont été trouvées...")});
        parties[2] = parties[101] = parties[1];
        parties[600] = parties[501];
        QTest::mouseClick(p->cmdIdentique, Qt::LeftButton);
        QCOMPARE(
            journal().mid(1),
            QStringList({doublon(1, 2), doublon(501, 600), info(fin, "2 combinaisons identiques ont été trouvées.")}));
    }

    void acces_data()
    {
        QTest::addColumn<Acces>("c");
        const QString m = QStringLiteral("ShowModal|Mot de passe|frmPasse"), ferme = QStringLiteral("00000---");
        const QString q = QStringLiteral(
            "InputBox|C'est pas beau|de vouloir tricher comme ça. Ca serait trop facile de pouvoir "
            "changer le résultat à sa guise. Etes-vous bien la seule personne habilité à pouvoir le faire? Oui.. "
            "alors, entrez le bon mot de passe:");
        QTest::newRow("vide") << Acces{
            1, "", "&OK", "", ferme, "", {m, info("Donnée manquante", "Vous n'avez saisi aucun mot de passe.")}};
        QTest::newRow("casse") << Acces{
            1, "k417", "Entrée", "", ferme, "", {m, info("Désolé", "Mot de passe non valide.")}};
        QTest::newRow("Annuler") << Acces{1, "K417", "&Annuler", "", ferme, "", {m}};
        QTest::newRow("Normal, code juste") << Acces{0, "K417", "&OK", "QF7W", "33330SCP", "OOVR", {m, q}};
    }
    void acces()
    {
        QFETCH(Acces, c);
        f->cboJeu->setCurrentIndex(c.jeu);
        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        env->dansModal = [c](QWidget* w) {
            auto* m = static_cast<frmPasse*>(w); // its looks: test_rendu
            QTest::keyClicks(m->txtPasse, c.mot);
            if (c.fin.startsWith(u'&'))
                QTest::mouseClick(c.fin == "&OK" ? m->cmdOK : m->cmdAnnuler, Qt::LeftButton);
            else
                QTest::keyClick(m->txtPasse, Qt::Key_Return);
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
            QTest::keyClicks(f->txtCombi, QStringLiteral("OOVRJ"));
            QTest::mouseClick(f->lblTriche, Qt::LeftButton);
            QVERIFY(revele() == QStringLiteral("00000---") && f->txtCombi->isReadOnly());
        }
        QCOMPARE(journal(), c.journal);
        QCOMPARE(f->txtCombi->text(), c.champ.isEmpty() ? secret : c.champ);
        // A typing limit the field took never cuts the secret of a game of the other size.
        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        f->cboJeu->setCurrentIndex(1 - c.jeu);
        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        QVERIFY(f->txtCombi->text().size() == 5 - c.jeu && f->txtCombi->text() == f->Label5->text());
    }
};

QTEST_MAIN(TestDialogues)
#include "test_dialogues.moc"
