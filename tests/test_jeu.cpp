// Whole games played through the controls: options, drags, the clocks, the end dialog and the record left.
#include "support/joueur.h"

#include "windows/controls/Annonce.h"
#include "windows/controls/artwork.h"

#include <sys/mount.h>
#include <unistd.h>

using namespace Chromalis;
using support::cliquer;

namespace {
const QString app = QStringLiteral("Chromalis");
QString record(int points) { return QString::number(points) + QStringLiteral(";Ana;4;00h01mn00s;01/01/2026;"); }
// One row of a scenario table, its columns in order.
template <class... T> void ligne(const char* nom, const T&... v) { (QTest::newRow(nom) << ... << v); }
} // namespace

class TestJeu : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Joueur> j;
    frmChromalis* f = nullptr;
    // The end dialog as it was shown: title, text, time, moves, points, buttons and focus, solution.
    QStringList vues;
    // What the player presses in the end dialog, in turn; Non ends it, after Scores when a name is awaited.
    QList<QPushButton * frmFIN::*> reponses;
    QString annonceFin; // what a screen reader heard when the end dialog came

private slots:
    void init()
    {
        j = std::make_unique<support::Joueur>();
        f = j->f;
        vues.clear();
        annonceFin.clear();
        reponses.clear();
        j->dansModal = [this](QWidget* w) {
            auto* fin = qobject_cast<frmFIN*>(w);
            if (!fin)
                return;
            annonceFin = annonce::derniere();
            // Enabled Oui/Non/Scores, focused one in small letters; solution (Z empty, ? none); cup or cross.
            QString boutons, solution, titre = fin->windowTitle();
            for (QPushButton* b : {fin->cmdOUI, fin->cmdNON, fin->cmdScores})
                boutons += b->isEnabled() ? QStringLiteral("ONSons").at(boutons.size() + 3 * (fin->focusWidget() == b))
                                          : u'-';
            for (int k = 1; k <= nb_pions; ++k)
                solution += QStringLiteral("*?Z").at(fin->imgSolution[k]->Picture().isEmpty()
                                                     + 2 * (fin->imgSolution[k]->Picture() == f->Image1->Picture()));
            for (const char* nom : {"won", "lost"})
                if (fin->windowIcon().pixmap(16).toImage() == artwork::icone(artwork::chemin(nom)).pixmap(16).toImage())
                    titre += u' ' + QString(nom);
            vues << QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                        .arg(titre, fin->lblTexte->text(),
                             fin->fraTemps->isVisibleTo(fin) ? fin->lblTemps->text() : "-", fin->lblCoups->text(),
                             fin->lblpoints->text(), boutons, solution);
            if (reponses.isEmpty() && !fin->cmdNON->isEnabled())
                reponses = {&frmFIN::cmdScores, &frmFIN::cmdNON};
            while (!reponses.isEmpty() && fin->isVisible())
                cliquer(fin->*reponses.takeFirst());
            if (fin->isVisible())
                cliquer(fin->cmdNON);
        };
    }
    void cleanup() { j.reset(); }

    // Rows played with their marks (the clock moves before the last); the dialog and record that follow.
    void partie_data()
    {
        QTest::addColumn<QString>("options"); // type, mode, secret
        QTest::addColumn<QStringList>("rangees");
        QTest::addColumn<int>("secondes");
        QTest::addColumn<QString>("fin");
        // The points of the game's records before, or "!" and what the error box says of a failing store.
        QTest::addColumn<QString>("table");
        const QString trouve = QStringLiteral("BRAVO won|Vous avez trouver la bonne combinaison des couleurs.");
        const QString gagne = trouve + QStringLiteral(" Par contre, vous ne figurez pas dans les high-scores.");
        const QString classe = trouve + QStringLiteral(" De plus, vous figurez dans les high-scores.");
        const QString perdu = QStringLiteral(
            "PERDU lost|Désolé, vous n'avez pas trouver la bonne combinaison des couleurs qui était:|-|0|0|oN-|");
        ligne("initiation: chaque marque à sa place", "Normal I RBVJ", QStringList{"JBOR BN.B", "RBVJ NNNN"}, 30,
              classe + "|00h00mn30s|2|7700|--s|****", QString());
        ligne("super expert, troisième rangée", "Super E RBVJO",
              QStringList{"IIIII .....", "NNNNN .....", "RBVJO NNNNN"}, 125, classe + "|00h02mn05s|3|448750|--s|*****",
              QString());
        ligne("neuvième rangée après dix minutes: aucun point", "Normal E RBVJ",
              QStringList(8, "IIII ....") << "RBVJ NNNN", 600, gagne + "|00h10mn00s|9|0|oN-|****", QString());
        ligne("perdue à la dixième rangée, qui n'est pas marquée", "Normal N RBVJ",
              QStringList(9, "RBJV NNBB") << "RBJV ....", 0, perdu + "****", QString());
        ligne("super perdue, solution avec trous vides", "Super E RZBZN", QStringList(12, "IIIII ....."), 0,
              perdu + "*Z*Z*", QString());
        ligne("sous les dix meilleurs", "Normal I RBVJ", QStringList{"RBVJ NNNN"}, 30,
              gagne + "|00h00mn30s|1|8700|oN-|****", QStringList(10, "9000").join(u' '));
        // The store refuses: the result ranks all the same, waits, and is written when the scores are opened.
        const QString attente = trouve
            + " De plus, votre score entre dans les high-scores ; il y sera inscrit dès que le fichier "
              "des scores pourra être écrit.|00h00mn00s|1|9000|--s|****";
        for (const char* panne : {"!Le disque est plein. Libérez de la place sur le disque.",
                                  "!Le dossier est en lecture seule. Rendez-le accessible en écriture."})
            ligne(panne + 1, "Normal I RBVJ", QStringList{"RBVJ NNNN"}, 0, attente, QString(panne));
    }
    void partie()
    {
        QFETCH(QString, options);
        QFETCH(QStringList, rangees);
        QFETCH(int, secondes);
        QFETCH(QString, fin);
        QFETCH(QString, table);
        const QStringList o = options.split(u' ');
        const QString cle = o[0].left(1) + o[1];
        // "!": the store's folder on a small disk, full or read-only, and what the error box says then.
        const bool panne = table.startsWith(u'!'), plein = table.contains("plein");
        const QStringList avant = panne ? QStringList() : table.split(u' ', Qt::SkipEmptyParts);
        const QByteArray dossier = QFile::encodeName(QFileInfo(storage::cheminReglages()).absolutePath());
        if (panne && geteuid() != 0)
            QSKIP("needs root to mount a small tmpfs (CI runs as root)");
        QFile bourre(dossier + "/bourre"); // a byte fills its only page
        QVERIFY(!panne
                || (mount("tmpfs", dossier, "tmpfs", plein ? 0 : MS_RDONLY, "size=4k") == 0
                    && (!plein || (bourre.open(QIODevice::WriteOnly) && bourre.write("z") && bourre.flush()))));
        auto demonter = qScopeGuard([&] { panne&& umount2(dossier, MNT_DETACH); });
        QStringList attendus(10); // the table at the end: the records before kept, then the new one if ranked
        for (int k = 0; k < avant.size(); ++k)
            storage::SaveSetting(app, cle, QString::number(k + 1), attendus[k] = record(avant[k].toInt()));
        // A previous game's time must not count in this one.
        temps_total = QStringLiteral("500");
        j->partie(o[0], o[1], o[2]);
        const QStringList modes{"INITIATION", "NORMAL", "EXPERT"};
        QCOMPARE(f->lblInfo_Mode->text(), "Mode: " + modes[QStringLiteral("INE").indexOf(o[1])]);
        // The pointer beside the board follows the row being played.
        const int ecart = f->imgCurseur->y() - f->img[1][1]->y();
        for (int r = 0; r < rangees.size(); ++r) {
            QCOMPARE(num_ligne, std::int16_t(r + 1));
            QCOMPARE(f->imgCurseur->y() - f->img[r + 1][1]->y(), ecart);
            if (r == rangees.size() - 1 && secondes > 0)
                j->avancer(secondes), j->tic(f->Timer4);
            j->jouer(rangees[r].section(u' ', 0, 0));
            QCOMPARE(j->marques(r + 1), rangees[r].section(u' ', 1));
        }
        QCOMPARE(vues, QStringList{fin});
        QStringList erreurs; // the end of the game, then the scores window from the dialog: the store still refuses
        for (const support::Appel& m : j->messages())
            erreurs << m.titre + QString::number(m.style) + ' ' + m.texte.section(u'\n', 0, 0) + ' '
                    + m.texte.section(u'\n', 2);
        const QString garde = QStringLiteral("\nVotre score est gardé tant que le jeu reste ouvert : il sera inscrit "
                                             "à la prochaine écriture réussie, ou en ouvrant le tableau des scores.");
        QCOMPARE(erreurs, QStringList(panne ? 2 : 0, "Erreur16 Erreur numéro: 75 " + table.mid(1) + garde));
        // Room made, the scores window closed as Fermer does and opened again from the board writes it.
        QVERIFY(!panne || mount(nullptr, dossier, nullptr, MS_REMOUNT, "size=64k") == 0);
        if (panne)
            Unload<frmScores>(), cliquer(f->cmdScores);
        const bool classe = fin.contains(QLatin1String("|--s|"));
        if (classe)
            attendus[avant.size()] = storage::construire_record(fin.section(u'|', 4, 4).toInt(), "votre nom ?",
                                                                rangees.size(), fin.section(u'|', 2, 2),
                                                                storage::texte_date(j->maintenant.date()));
        for (int k = 0; k < 10; ++k)
            QCOMPARE(storage::GetSetting(app, cle, QString::number(k + 1)), attendus[k]);
        // The scores window was shown once, between the two presses, when the result is ranked.
        const auto scores = [](const support::Appel& a) { return a.texte == QLatin1String("frmScores"); };
        QCOMPARE(std::count_if(j->appels.begin(), j->appels.end(), scores), classe ? 1 + panne : 0);
        // Non stops the game and leaves the finished board on view.
        QVERIFY(!jeu_en_cours && !f->cmdValider->isEnabled());
    }

    // Super after normal shows all again; while it runs the options, scores and games commands are locked.
    void superApresNormal()
    {
        j->partie(QStringLiteral("Normal"), QStringLiteral("N"), QString());
        j->nouveau();
        j->choisir(QStringLiteral("Super"), QStringLiteral("N"));
        j->nouveau();
        QCOMPARE(f->lblTitre->text() + QString::number(f->txtCombi->text().size()), QStringLiteral("SUPER CHROMALIS5"));
        for (int K = 1; K <= 12; ++K)
            for (int n = 1; n <= 5; ++n)
                QVERIFY(f->img[K][n]->isVisible() && f->shaGris[K][n]->isVisible() && f->Line[11]->isVisible());
        QCOMPARE(f->img[12][5]->accessibleName(), QStringLiteral("Rangée 12, trou 5")); // the last hole is named too
        frmParties* p = instance<frmParties>();
        const QList<QWidget*> options{f->chkTemps,    f->optDebutant,  f->optExpert,   f->optTop,
                                      f->cboJeu,      f->chkPartie,    p->lstParties,  p->txtNumPartie,
                                      p->cmdChercher, p->cmdIdentique, p->cmdModifier, f->cmdScores};
        for (bool enJeu : {true, false}) {
            QCOMPARE(f->cmdNouveau->text(), enJeu ? QStringLiteral("&Arrêter le jeu") : QStringLiteral("&Nouveau jeu"));
            QCOMPARE(f->cmdValider->isEnabled(), enJeu);
            for (QWidget* w : options)
                QCOMPARE(w->isEnabled(), !enJeu);
            QCOMPARE(f->ImageR->DragModeValue(), int(enJeu ? PegImage::vbAutomatic : PegImage::vbManual));
            if (enJeu)
                j->nouveau();
        }
        QCOMPARE(num_ligne, std::int16_t(0));
    }

    void poserRemplacerEnlever()
    {
        j->partie(QStringLiteral("Normal"), QStringLiteral("N"), QStringLiteral("RBVJ"));
        j->poser(QStringLiteral(".R.O"));
        j->poser(QStringLiteral(".V"));
        QCOMPARE(j->rangee(1), QStringLiteral("ZVZO"));
        QCOMPARE(f->img[1][2]->Picture(), f->ImageV->Picture());
        QTest::mouseMove(f->img[1][4], QPoint(5, 5));
        QTRY_COMPARE(f->img[1][4]->toolTip(), QStringLiteral("Cliquez pour enlever le pion"));
        QVERIFY(f->img[1][4]->testAttribute(Qt::WA_SetCursor));
        cliquer(f->img[1][4]);
        QCOMPARE(j->rangee(1), QStringLiteral("ZVZZ"));
        QCOMPARE(f->img[1][4]->Picture(), f->Image1->Picture());
        QVERIFY(f->img[1][4]->toolTip().isEmpty() && !f->img[1][4]->testAttribute(Qt::WA_SetCursor));
        // Only the current row takes pegs and clicks: row 1 is frozen once judged, row 3 not open.
        j->valider();
        support::glisser(f->ImageR, f->img[1][1]);
        support::glisser(f->ImageR, f->img[3][1]);
        cliquer(f->img[1][2]);
        QCOMPARE(j->rangee(1) + j->rangee(3), QStringLiteral("ZVZZZZZZ"));
        QTest::mouseMove(f->img[1][2], QPoint(6, 6));
        QCOMPARE(f->img[1][2]->toolTip(), QString());
        // Data of another kind dropped on a hole is refused.
        QMimeData texte;
        texte.setText(QStringLiteral("R"));
        QDragEnterEvent entree(QPoint(5, 5), Qt::CopyAction, &texte, Qt::LeftButton, {});
        QCoreApplication::sendEvent(f->img[2][1], &entree);
        QVERIFY(!entree.isAccepted());
    }

    // Keys (← → ⌫ Backspace ⌦ Delete ⏎ Enter on Valider, letters), then the row: [hole] at the cursor, [] past the
    // end; "!" another hole marked or the focus off Valider; the last sentence said and the beeps.
    void curseur_data()
    {
        for (const char* c : {"options", "touches", "vu"})
            QTest::addColumn<QString>(c);
        ligne("au début", "Normal N", "", "1 [Z]ZZZ ");
        ligne("une couleur remplit et avance", "Normal N", "R2", "1 RB[Z]Z trou 2 : bleu");
        ligne("jusqu'au bout, puis rangée pleine", "Normal N", "RBVJO", "1 RBVJ[] rangée pleine bip");
        ligne("flèches, remplacer", "Normal N", "RBV←←J", "1 RJ[V]Z trou 2 : jaune");
        ligne("flèche sur un pion", "Normal N", "RB←", "1 R[B]ZZ trou 2 : bleu");
        ligne("flèches aux bords", "Normal N", "←", "1 [Z]ZZZ début de la rangée, trou 1, vide");
        ligne("flèche au bout", "Normal N", "→→→→→", "1 ZZZZ[] fin de la rangée");
        ligne("bout avec un trou: refusé", "Normal N", "→RVJ→O", "1 ZRVJ[] fin de la rangée bip");
        ligne("Suppr vide le trou du curseur", "Normal N", "RBV←⌦", "1 RB[Z]Z trou 3 : vide");
        ligne("Suppr au bout: refusé", "Normal N", "RBVJ⌦", "1 RBVJ[] fin de la rangée bip");
        ligne("retour arrière: le trou d'avant", "Normal N", "RBV←←⌫", "1 [Z]BVZ trou 1 : vide");
        ligne("retour arrière au début: refusé", "Normal N", "⌫", "1 [Z]ZZZ début de la rangée bip");
        ligne("hors jeu refusée, autres touches sans effet", "Normal N", "R7NA9Z",
              "1 R[Z]ZZ pas de violet dans ce jeu bip bip");
        ligne("super, au bout", "Super N", "NX78I", "1 NXNXI[] trou 5 : marron, fin de la rangée");
        ligne("rangée suivante: au début", "Normal N", "RB⏎", "2 [Z]ZZZ Rangée 1 : 0 noir, 0 blanc. Rangée 2.");
        // Expert: the gaps of the secret typed, and the game is won.
        ligne("expert, trous vides", "Normal E", "R→B→⏎", "0 gagnée");
    }
    void curseur()
    {
        QFETCH(QString, options);
        QFETCH(QString, touches);
        QFETCH(QString, vu);
        j->partie(options.section(u' ', 0, 0), options.section(u' ', 1), options.endsWith(u'E') ? "RZBZ" : "OOOOO");
        annonce::dire(QString()); // what the start said is not this test's
        const QString fleches = QStringLiteral("←→⌫⌦⏎");
        const Qt::Key cles[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return};
        for (QChar c : touches)
            fleches.contains(c) ? j->touche(cles[fleches.indexOf(c)])
                                : QTest::keyClick(f->windowHandle(), c.toLatin1());
        QString e = QString::number(num_ligne) + u' ';
        for (int K = 1; K <= 12; ++K)
            for (int n = 1; n <= 5; ++n) {
                const int m = f->img[K][n]->MarqueClavier();
                const QString t = f->img[K][n]->Tag();
                e += K != num_ligne || n > nb_pions ? QString(m ? "!" : "")
                    : m == PegImage::MarqueTrou     ? '[' + t + ']'
                    : m                             ? t + "[]"
                                                    : t;
            }
        e += (num_ligne && !f->cmdValider->hasFocus() ? "!" : "")
            + (vues.isEmpty() ? u' ' + annonce::derniere() : "gagnée");
        for (const support::Appel& a : j->appels)
            e += a.genre == QLatin1String("Beep") ? " bip" : "";
        QCOMPARE(e, vu);
    }

    // The draw from scripted numbers, or the chosen predefined game; an emptied entry leaves the draw.
    void tirage_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("partie");
        QTest::addColumn<QList<double>>("nombres");
        QTest::addColumn<QString>("secret");
        QTest::addColumn<QString>("libelle");
        // r x colours rounded, halves to even: 0.25 x 6 = 1.5 -> 2, 0.3125 x 8 = 2.5 -> 2.
        const QList<double> n4{0.2, 0.25, 0.5, 0.99};
        ligne("super", "Super N", -1, QList<double>{0.125, 0.3125, 0.6, 0.75, 0.99}, "RBOIX", "NON");
        ligne("expert: zéro est un trou vide", "Normal E", -1, QList<double>{0.0, 0.5, 0.0, 0.99}, "ZVZI", "NON");
        ligne("prédéfinie SE100, la 600e", "Super E", 99, n4, "#600", "SE100");
        ligne("la première après une autre", "Normal I>I", 0, n4, "#1", "NI1");
        ligne("prédéfinie vidée", "Normal I", 0, n4, "-RBVI", "NI1");
        ligne("mode changé: la liste suit", "Normal I>N", 0, n4, "#101", "NN1");
    }
    void tirage()
    {
        QFETCH(QString, options);
        QFETCH(int, partie);
        QFETCH(QList<double>, nombres);
        QFETCH(QString, secret);
        QFETCH(QString, libelle);
        platform::setRandomHook([nombres]() mutable { return nombres.isEmpty() ? 0.5f : float(nombres.takeFirst()); });
        if (secret.startsWith(u'-')) // the predefined game emptied: the draw stands
            parties[1].clear(), secret.remove(0, 1);
        const QStringList modes = options.section(u' ', 1).split(u'>');
        for (int k = 0; k < modes.size(); ++k) // before the last choice, another entry
            j->choisir(options.section(u' ', 0, 0), modes[k], 0, k + 1 < modes.size() ? partie + 5 : partie);
        j->nouveau();
        if (secret.startsWith(u'#'))
            secret = parties[secret.mid(1).toInt()];
        QCOMPARE(f->txtCombi->text(), secret);
        QCOMPARE(f->Label5->text(), secret);
        QCOMPARE(f->lblPartie->text(), QStringLiteral("Partie: ") + libelle);
        QCOMPARE(partie_choisie, libelle == "NON" ? "" : libelle);
    }

    // Oui starts the next predefined game at once, on row 1; after the last comes the first.
    void ouiEnchaineLaPartieSuivante_data()
    {
        QTest::addColumn<int>("depart");
        QTest::addColumn<QString>("suivante");
        QTest::newRow("milieu") << 4 << "NI6";
        QTest::newRow("la dernière revient à la première") << 99 << "NI1";
    }
    void ouiEnchaineLaPartieSuivante()
    {
        QFETCH(int, depart);
        QFETCH(QString, suivante);
        j->choisir(QStringLiteral("Normal"), QStringLiteral("I"), 0, depart);
        j->nouveau();
        reponses = {&frmFIN::cmdOUI};
        // The secret backwards leaves marks on every row; the next game starts with none.
        QString envers = parties[depart + 1];
        std::reverse(envers.begin(), envers.end());
        for (int r = 1; r <= 10; ++r)
            j->jouer(envers);
        QCOMPARE(vues.size(), 1);
        QVERIFY(jeu_en_cours);
        QCOMPARE(num_ligne, std::int16_t(1));
        QCOMPARE(j->rangee(1) + j->marques(1), QStringLiteral("ZZZZ...."));
        QCOMPARE(f->lblPartie->text(), QStringLiteral("Partie: ") + suivante);
        QCOMPARE(f->txtCombi->text(), parties[suivante.mid(2).toInt()]);
    }

    // While the name is awaited the dialog stays and the game runs; a name typed at once is stored.
    void fermetureRefuseeTantQueLeNomEstAttendu()
    {
        bool vu = false;
        j->dansModal = [&](QWidget* w) {
            auto* fin = qobject_cast<frmFIN*>(w);
            if (!fin) { // the scores: a name at once, Enter, Esc (the window is then gone)
                for (const char c : {'A', 'n', 'a', '\r', '\x1b'})
                    QTest::keyClick(w->windowHandle(), c);
                return;
            }
            vu = true;
            // F1 reaches the dialog from its focused button and opens the help.
            QTest::keyClick(fin->focusWidget(), Qt::Key_F1);
            QCOMPARE(j->ouvertures, QStringList{dossier_appli});
            fin->close();
            QTest::keyClick(fin, Qt::Key_Escape);
            QVERIFY(fin->isVisible() && jeu_en_cours);
            QTest::keyClick(fin->windowHandle(), Qt::Key_Return);
            QVERIFY(fin->cmdOUI->isEnabled() && fin->cmdNON->isEnabled() && !fin->cmdScores->isEnabled());
            QCOMPARE(fin->focusWidget(), fin->cmdOUI); // back from the scores, Enter starts a new game
            QTest::keyClick(fin, Qt::Key_Escape);
            QVERIFY(!fin->isVisible());
        };
        QTemporaryDir dossier;
        dossier_appli = dossier.filePath(QStringLiteral("aide.htm"));
        QFile aide(dossier_appli);
        QVERIFY(aide.open(QIODevice::WriteOnly));
        j->partie(QStringLiteral("Normal"), QStringLiteral("I"), QStringLiteral("RBVJ"));
        j->jouer(QStringLiteral("RBVJ"));
        QVERIFY(vu && !jeu_en_cours);
        QCOMPARE(storage::GetSetting(app, QStringLiteral("NI"), QStringLiteral("1")).section(u';', 1, 1),
                 QStringLiteral("Ana"));
    }

    // "3" a countdown second (x n), "4" a total-time tick, "1" a pause blink, "+n" seconds, P, a letter a peg, V
    // validation, F5 stop; "=" notes the bar (width, %, colour), pause label, timers on (1, 3, 4; "!" enabled
    // but idle), focus on Valider, total time, row played, and row 1's pegs or marks.
    void horloges_data()
    {
        QTest::addColumn<int>("chrono");
        QTest::addColumn<QString>("pas");
        QTest::addColumn<QString>("notes");
        // A second is 2595 / chrono twips, half to even (2.5 % shows 2); &HBBGGRR: red +2.5 a percent, green -2.5.
        const QString fin = "3 = 3 = 3 = RB 3x%1 = 3 =";
        const QString jugee = "|2601 100% 0005fa - -34 V 00h00mn00s 1 RB..|1 0% 00ff00 - -34 V 00h00mn00s 2 NN..";
        const auto tops = [](QString t) {
            return t.replace(u'|', " - -34 V 00h00mn00s 1 ....|") + " - -34 V 00h00mn00s 1 ....";
        };
        ligne("20 s", 20, fin.arg(17), tops("131 5% 00f30c|261 10% 00e619|391 15% 00d926") + jugee);
        ligne("40 s", 40, fin.arg(37), tops("66 2% 00f906|131 5% 00f30c|196 8% 00ec13") + jugee);
        ligne("5 s, premier de la liste", 5, fin.arg(2),
              tops("520 20% 00cd32|1039 40% 009b64|1558 60% 006996") + QString(jugee).replace("2601", "2596"));
        // P pauses (focus to Valider); P, a drop or validation resume, the pause not counted; F5 stops it all.
        const QString pause = "+10 4 P = 1 = 1 = +30 ";
        const QString etat = "1 0% 00ff00 %1 %2 %3 00h00mn%4s %5 %6";
        const QString enPause = etat.arg("P", "1--", "V", "10", "1", "....") + '|'
            + etat.arg("-", "1--", "V", "10", "1", "....") + '|' + etat.arg("P", "1--", "V", "10", "1", "....") + '|';
        const auto reprise = [=](const char* l, const char* p) {
            return enPause + etat.arg("-", "-34", "V", "10", l, p) + '|' + etat.arg("-", "-34", "V", "40", l, p);
        };
        ligne("P reprend", 20, pause + "P = 4 =", reprise("1", "...."));
        ligne("un dépôt reprend", 20, pause + "R = 4 =", reprise("1", "R..."));
        ligne("la validation reprend", 20, pause + "V = 4 =", reprise("2", "...."));
        ligne("arrêt du jeu", 20, pause + "F5 =", enPause + etat.arg("-", "---", "-", "10", "0", "...."));
        ligne("sans chrono, P ne fait rien", 0, "= +10 4 P =",
              etat.arg("-", "--4", "V", "00", "1", "....") + '|' + etat.arg("-", "--4", "V", "10", "1", "...."));
    }
    void horloges()
    {
        QFETCH(int, chrono);
        QFETCH(QString, pas);
        QFETCH(QString, notes);
        j->partie(QStringLiteral("Normal"), QStringLiteral("N"), QStringLiteral("RBVJ"), chrono);
        QCOMPARE(f->lblinfo_temps->text().simplified(),
                 chrono ? QStringLiteral("Chrono: %1 sec.").arg(chrono) : QStringLiteral("Chrono: NON"));
        const auto minuterie = [](VbTimer& t, QChar c) {
            return QString(t.Enabled() && t.Actif() ? c : t.Enabled() || t.Actif() ? u'!' : u'-');
        };
        QStringList vu;
        for (const QString& p : pas.split(u' ')) {
            if (p == u'=')
                vu << QStringLiteral("%1 %2% %3 %4 %5 %6 %7 %8 %9")
                          .arg(QString::number(f->LargeurBarre()), f->lblPourcent->text(),
                               QStringLiteral("%1").arg(f->CouleurBarre(), 6, 16, QLatin1Char('0')),
                               f->lblPause->isVisible() ? "P" : "-",
                               minuterie(f->Timer1, u'1') + minuterie(f->Timer3, u'3') + minuterie(f->Timer4, u'4'),
                               f->cmdValider->hasFocus() ? "V" : "-", f->lblTemps_total->text(),
                               QString::number(num_ligne),
                               j->marques(1) == QLatin1String("....") ? j->rangee(1).replace(u'Z', u'.')
                                                                      : j->marques(1));
            else if (p.startsWith(u'+'))
                j->avancer(p.mid(1).toInt());
            else if (p.front().isDigit())
                j->tic(*std::array{&f->Timer1, &f->Timer3, &f->Timer4}[QStringLiteral("134").indexOf(p[0])],
                       p.size() > 2 ? p.mid(2).toInt() : 1);
            else if (p == QLatin1String("P"))
                j->touche(Qt::Key_P);
            else if (p == QLatin1String("V"))
                j->valider();
            else if (p == QLatin1String("F5"))
                j->nouveau();
            else
                j->poser(p);
        }
        QCOMPARE(vu.join(u'|'), notes);
    }

    // Heard after each action: "R2" red on hole 2, "=RBVJ" a row, "V" F7, "P" and "F5" keys, "3x5" countdown ticks.
    void annonces_data()
    {
        for (const char* c : {"options", "pas", "dites"}) // dites: a sentence after each step, '|' between
            QTest::addColumn<QString>(c);
        const QString debut = QStringLiteral("Nouvelle partie, 4 trous, rangée 1");
        ligne("dépôts, rangée jugée, arrêt", "Super N 0 RBVJO", "B1 R2 V3 J4 O5 V F5",
              "Nouvelle partie, 5 trous, rangée 1|trou 1 : bleu|trou 2 : rouge|trou 3 : vert|trou 4 : jaune|"
              "trou 5 : rose, rangée pleine|Rangée 1 : 3 noirs, 2 blancs. Rangée 2.|Partie arrêtée");
        ligne("initiation: trou par trou", "Normal I 0 RBVJ", "=JBOR =IIII",
              debut
                  + "|Rangée 1 : trou 1 blanc, trou 2 noir, trou 4 blanc. Rangée 2.|"
                    "Rangée 2 : 0 noir, 0 blanc. Rangée 3.");
        ligne("chrono: moitié, pause, 5 s, temps écoulé", "Normal N 20 RBVJ", "3x9 3x1 P P 3x5 3x5 3x1",
              QString(debut + ", 20 secondes par coup|").repeated(2)
                  + "10 secondes restantes|Pause|"
                    "Reprise, 10 secondes restantes|5 secondes restantes|5 secondes restantes|"
                    "Temps écoulé. Rangée 1 : 0 noir, 0 blanc. Rangée 2.");
        ligne("perdue: la combinaison, trous vides compris", "Normal E 0 RZBZ", QStringList(10, "=IIII").join(u' '),
              debut + QString("|*").repeated(9) + "|Perdu, la combinaison était rouge, vide, bleu, vide");
        ligne("gagnée, classée", "Normal I 0 RBVJ", "=RBVJ",
              debut
                  + "|Gagné en 1 coup, 9 000 points. Vous figurez dans les high-scores, place 1|Entrez votre nom, "
                    "place 1");
    }
    void annonces()
    {
        QFETCH(QString, options);
        QFETCH(QString, pas);
        QFETCH(QString, dites);
        const QStringList o = options.split(u' ');
        j->partie(o[0], o[1], o[3], o[2].toInt());
        QStringList vu{annonce::derniere()};
        for (const QString& p : pas.split(u' ')) {
            if (p.startsWith(u'='))
                j->jouer(p.mid(1));
            else if (p.startsWith(QLatin1String("3x")))
                j->tic(f->Timer3, p.mid(2).toInt());
            else if (p == u'V' || p == u'P' || p == QLatin1String("F5"))
                j->touche(p == u'V' ? Qt::Key_F7 : p == u'P' ? Qt::Key_P : Qt::Key_F5);
            else
                support::glisser(f->palette()[QStringLiteral("RBVJOINX").indexOf(p[0])],
                                 f->img[num_ligne][p.mid(1).toInt()]);
            vu << annonce::derniere();
        }
        if (!annonceFin.isEmpty() && annonceFin != vu.last()) // said as the end dialog came, before the scores
            vu.insert(vu.size() - 1, annonceFin);
        // "*": a row judged, its sentence checked by the other rows.
        for (int k = 0; k < vu.size(); ++k)
            vu[k] = dites.section(u'|', k, k) == u'*' ? QStringLiteral("*") : vu[k];
        QCOMPARE(vu.join(u'|'), dites);
    }

    // The AT bridge posts a copy of each key once the reader answers: before or after, F5 and R act once.
    void toucheRenvoyeeParLePont()
    {
        struct Pont : QObject {
            bool eventFilter(QObject* cible, QEvent* e) override
            {
                const bool touche = e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease;
                if (auto* k = touche ? static_cast<QKeyEvent*>(e) : nullptr; k && e->spontaneous())
                    QCoreApplication::postEvent(cible, new QKeyEvent(k->type(), k->key(), k->modifiers(), k->text()));
                return touche && e->spontaneous();
            }
        } pont;
        for (bool pontDabord : {false, true}) {
            qApp->installEventFilter(&pont);
            if (!pontDabord) // the last installed is asked first
                qApp->installEventFilter(f);
            for (Qt::Key k : {Qt::Key_F5, Qt::Key_R, Qt::Key_F5})
                j->touche(k), QCoreApplication::sendPostedEvents();
            qApp->removeEventFilter(&pont);
            QCOMPARE(QString::number(jeu_en_cours) + j->rangee(1), QStringLiteral("0RZZZZ"));
        }
    }

    // Minimised, the caption scrolls the credits one letter a tick; restored, it is the caption again.
    void banniere()
    {
        const QString& b = frmChromalis::banniere();
        f->showMinimized();
        QTRY_VERIFY(f->Timer2.Enabled());
        f->compteur_banniere = 0;
        j->tic(f->Timer2);
        QCOMPARE(f->windowTitle(), b.right(123));
        j->tic(f->Timer2, 123);
        QCOMPARE(f->windowTitle(), QString());
        j->tic(f->Timer2);
        QCOMPARE(f->windowTitle(), b);
        f->showNormal();
        QTRY_VERIFY(!f->Timer2.Enabled());
        QCOMPARE(f->windowTitle(), QStringLiteral("Ventaroc vous propose:"));
    }
};

QTEST_MAIN(TestJeu)
#include "test_jeu.moc"
