// One copy runs; the start-up window; the keyboard through every window. Looks: test_rendu; real start: e2e.
#include "support/support.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Chromalis;

namespace {
// n children take the guard at one signal and hold it until told to end: how many ran, -1 if one is silent.
int lancees(int n)
{
    int signal[2], reponses[2], fin[2];
    if (pipe(signal) || pipe(reponses) || pipe(fin))
        return -1;
    for (int k = 0; k < n; ++k)
        if (char c; fork() == 0) {
            close(fin[1]);
            c = read(signal[0], &c, 1) == 1 && !platform::AutreInstanceEnCours() ? 'l' : 'r';
            _exit(write(reponses[1], &c, 1) == 1 && read(fin[0], &c, 1) == 0 ? 0 : 1);
        }
    int total = write(signal[1], "signal!!", n) == n ? 0 : -1000;
    close(reponses[1]);
    for (char c; n-- > 0;)
        total += read(reponses[0], &c, 1) == 1 ? c == 'l' : -1000;
    close(fin[1]);
    while (waitpid(0, nullptr, 0) > 0) { // the children alone: another user's squatter has a group of its own
    }
    for (const int fd : {signal[0], signal[1], reponses[0], fin[0]})
        close(fd);
    return std::max(total, -1);
}

// Another user (nobody) holds the lock file in a home open to others, and the socket, queue full; -1: not ready.
pid_t squatter()
{
    const QByteArray verrou = QFile::encodeName(platform::cheminVerrou()),
                     dossier = QFile::encodeName(QFileInfo(verrou).absolutePath());
    const QByteArray nom = QByteArray(1, 0) + "chromalis-0-"
        + QCryptographicHash::hash(dossier, QCryptographicHash::Sha1).toHex().left(24);
    sockaddr_un a{AF_UNIX, {}};
    memcpy(a.sun_path, nom.data(), nom.size());
    const auto adresse = reinterpret_cast<sockaddr*>(&a);
    int pret[2], l = socket(AF_UNIX, SOCK_STREAM, 0);
    if (pipe(pret) || !QFile::setPermissions(QFileInfo(dossier).absolutePath(), QFileDevice::Permissions(0x7755))
        || close(open(verrou, O_CREAT, 0600)) || chown(verrou, 65534, 65534))
        return -1;
    if (const pid_t pid = fork(); pid != 0)
        return close(pret[1]), read(pret[0], &a, 1) == 1 ? pid : -1;
    bool ok = !setpgid(0, 0) && !setresgid(65534, 65534, 65534) && !setresuid(65534, 65534, 65534)
        && !flock(open(verrou, O_RDONLY), LOCK_EX) && !bind(l, adresse, sizeof(sa_family_t) + nom.size())
        && !listen(l, 0);
    while (ok && !connect(socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0), adresse, sizeof(sa_family_t) + nom.size())) {
    }
    _exit(ok && errno == EAGAIN && write(pret[1], "p", 1) == 1 ? pause() : 1);
}

// Writes a file whole (or as much of it as fits), its folder made first.
bool ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return QDir().mkpath(QFileInfo(chemin).absolutePath()) && f.open(QIODevice::WriteOnly)
        && f.write(octets) == octets.size();
}

// The refusal of a letter in the solution field, for the normal game or (with " - N - X") the super one.
const QString refus = QStringLiteral(
    "Seules, les lettres: R - B - V - J - O - I%1  sont autorisées et uniquement en MAJUSCULE.");
// A window shown takes the activation, as the window manager gives it.
void prendreActivation(QWidget* w)
{
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w));
}
} // namespace

class TestMainWindow : public QObject {
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
        return n
            + QString(anneau && o.state.testFlags(QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange), u'*');
    }
    // F1..F8 Esc Ret Tab BTab Up Down Space, S- Shift; other words typed, '<' Backspace; "@caption" focuses, "."
    // notes the focus, "Fermer" the close box, "Coller" the context menu's paste, "#aide" the help shown.
    void taper(QWidget* fenetre, const QString& script)
    {
        static const QHash<QString, int> touches{
            {"Esc", Qt::Key_Escape}, {"Ret", Qt::Key_Return}, {"Tab", Qt::Key_Tab},    {"BTab", Qt::Key_Backtab},
            {"Up", Qt::Key_Up},      {"Down", Qt::Key_Down},  {"Space", Qt::Key_Space}};
        QPointer<QWidget> w(fenetre);
        for (QString mot : script.split(u' ', Qt::SkipEmptyParts)) {
            const auto mod = mot.startsWith(QLatin1String("S-")) ? Qt::ShiftModifier : Qt::NoModifier;
            mot.remove(QStringLiteral("S-"));
            if (!w)
                return;
            if (mot.startsWith(u'@')) {
                QWidget* cible = nullptr;
                for (QWidget* c : w->findChildren<QWidget*>())
                    if (!cible && c->isEnabled() && c->focusPolicy() != Qt::NoFocus
                        && nom(c, false).contains(mot.mid(1)))
                        cible = c;
                QVERIFY2(cible, qPrintable(mot));
                cible->setFocus();
            } else if (mot == QLatin1String("."))
                journal << nom(QApplication::focusWidget());
            else if (mot == QLatin1String("Fermer")) // the close box
                w->close();
            else if (mot == QLatin1String("Coller"))
                f->txtCombi->selectAll(), f->txtCombi->paste();
            else if (mot == QLatin1String("#aide")) {
                // Centred, modal over modal; style-sheet pegs become pictures (free slot: grey disc); Escape closes.
                frmAide* aide = frmAide::ouverte();
                QVERIFY2(aide, "no help window");
                QTextBrowser* t = aide->txtAide;
                const QImage pion = t->loadResource(QTextDocument::ImageResource, QUrl("pion:R?18")).value<QImage>();
                const QImage trou = t->loadResource(QTextDocument::ImageResource, QUrl("pion:libre?18"))
                                        .value<QImage>();
                const QPoint ecart = aide->frameGeometry().center() - w->frameGeometry().center();
                journal << aide->windowTitle() + QString::number(aide->windowModality())
                        + (ecart.manhattanLength() <= 6 ? " centrée " : " ")
                        + t->toPlainText().remove(QChar::ObjectReplacementCharacter).simplified()
                        + (t->toHtml().contains(u"\"pion:R?18\"") && !pion.isNull() ? "+pion " : "")
                        + trou.pixelColor(9, 9).name();
                emit t->anchorClicked(QUrl(QStringLiteral("https://www.ventaroc.example/")));
                taper(aide, QStringLiteral("Esc"));
                journal << (frmAide::ouverte() ? "ouverte" : "fermée");
            } else if (touches.contains(mot) || (mot.size() == 2 && mot[0] == u'F'))
                QTest::keyClick(w->windowHandle(), Qt::Key(touches.value(mot, Qt::Key_F1 + mot.mid(1).toInt() - 1)),
                                mod);
            else
                for (QChar c : mot)
                    QTest::keyClick(w->windowHandle(), c == u'<' ? '\b' : c.toLatin1());
        }
    }
    // The whole visible state in one line.
    QString etat(QWidget* fenetre) const
    {
        QStringList e, vus;
        for (const support::Appel& a : env->appels) // a window by its class, a beep, a box by its title
            vus << QStringList{a.titre, a.texte, a.genre}[(a.genre == "ShowModal") + 2 * (a.genre == "Beep")];
        if (!vus.isEmpty())
            e << QStringLiteral("dlg=") + vus.join(u',');
        if (env->finDemandee || !f->isVisible())
            e << (env->finDemandee ? QStringLiteral("fin") : QStringLiteral("fermée"));
        if (!env->ouvertures.isEmpty())
            e << QStringLiteral("ouv=") + env->ouvertures.join(u',').remove(env->dossierReglages() + u'/');
        if (jeu_en_cours) {
            QString rangee, minuteurs;
            for (int n = 1; n <= nb_pions; ++n)
                rangee += f->img[1][n]->Tag();
            for (int n = 0; n < 4; ++n)
                minuteurs += QString::number(n + 1).repeated(
                    std::array{&f->Timer1, &f->Timer2, &f->Timer3, &f->Timer4}[n]->Enabled());
            e << QStringLiteral("L%1 %2 T%3").arg(num_ligne).arg(rangee, minuteurs);
        }
        if (f->Width() > 5000)
            e << QStringLiteral("options=") + lettre_jeu + lettre_mode + (f->chkTemps->isChecked() ? "+chrono" : "");
        if (f->txtCombi->isVisibleTo(f) && !f->txtCombi->isReadOnly())
            e << QStringLiteral("combi=") + f->txtCombi->text();
        e << QStringLiteral("@") + nom(fenetre->focusWidget());
        if (!journal.isEmpty())
            e << QStringLiteral("vu=") + journal.join(u',');
        return e.join(u' ');
    }
    static void ligne(const char* n, QString prep, QString touches, QString modal, QString attendu,
                      QString message = {})
    {
        QTest::newRow(n) << prep << touches << modal << attendu << message;
    }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        journal.clear();
    }
    void cleanup() { env.reset(); }

    // The board loads hidden, centred, with every icon size; the help link clicked; the start-up window closed
    // by 0 three ticks (under the missing help's box), 1 click, 2 frame, 3 logo, 4 key; the board shown.
    void demarrage_data()
    {
        QTest::addColumn<int>("fermeture");
        int fermeture = 0;
        for (const char* cas :
             {"dossier/", "dossier aide", "racine", "dossier aide store-inutilisable", "dossier/ touche"})
            QTest::newRow(cas) << fermeture++;
    }
    void demarrage()
    {
        QFETCH(int, fermeture);
        const QString cas = QString::fromUtf8(QTest::currentDataTag());
        const bool aide = cas.contains(" aide"), store = !cas.contains("store-inutilisable");
        QTemporaryDir programme;
        const QString dossier = cas.startsWith("racine") ? "/"
                                                         : programme.path() + (cas.startsWith("dossier/") ? "/" : "");
        platform::setAppPathHook([dossier] { return dossier; });
        QVERIFY(!aide || QFile(programme.filePath("aide.htm")).open(QIODevice::WriteOnly));
        QVERIFY(store || QDir().mkpath(storage::cheminReglages()));
        frmSplash* s = instance<frmSplash>();
        QVERIFY(!estCharge<frmChromalis>());
        QCoreApplication::processEvents();
        frmChromalis* f = instance<frmChromalis>();
        // The countdown bar as a screen reader hears it, then the choices, the globals (the empty holes: test_rendu).
        const QAccessibleInterface* barre = QAccessible::queryAccessibleInterface(f->lblTemps);
        QString etat = barre->text(QAccessible::Name) + u'=' + barre->text(QAccessible::Value) + u' ';
        for (const QComboBox* c : {f->cboJeu, f->cboTemps, f->cboParties})
            etat += QStringLiteral("%1:%2..%3/%4%5 ")
                        .arg(c->currentText(), c->itemText(0), c->itemText(c->count() - 1), QString::number(c->count()),
                             c->isEnabled() ? "" : " off");
        for (const PegImage* p : f->palette()) // what a screen reader says of each peg
            etat += p->toolTip().section(u' ', -1) + u' ';
        for (const bool b : {f->optExpert->isChecked(), f->chkTemps->isChecked(), f->chkPartie->isChecked(),
                             f->isVisible(), jeu_en_cours})
            etat += QString::number(b);
        etat += QStringLiteral(" %1/%2 %3 %4 ")
                    .arg(s->windowTitle(), f->cmdValider->toolTip(), QString::number(f->Width()),
                         QString::number(temps_coup))
            + noms_NI[1] + noms_SE[100] + lettre_jeu + lettre_mode + QString::number(nb_pions) + partie_choisie
            + parties[1] + u' ' + s->lblVersion->text();
        QCOMPARE(etat,
                 "Barre de chronometrage=0 % Super:Normal..Super/2 20:5..60/12 off SN1:SN1..SN100/100 off rouge bleu "
                 "vert jaune rose marron violet ciel 10000 Chromalis/Valider votre proposition 4965 20 NI1SE100SN5RORB "
                 "Version 1.0.0");
        QCOMPARE(dossier_appli + storage::GetSetting("Chromalis", "scores", "OK")
                     + storage::GetSetting("Chromalis", "parametres", "dossier application"),
                 QDir::cleanPath(dossier + "/aide.htm") + (store ? "OUI" + dossier : QString()));
        QVERIFY((f->frameGeometry().center() - f->screen()->geometry().center()).manhattanLength() <= 3);
        for (const int t : {16, 24, 32, 48, 64})
            QVERIFY(f->windowIcon().availableSizes().contains(QSize(t, t)));

        // The link opens the help, or says where it should be and disables it and the board's help button.
        s->show();
        env->pendantMessage = [&] { // the three seconds run out under the box: the window waits, never freed beneath it
            for (int tic = 0; fermeture == 0 && tic < 3; ++tic)
                emit s->Timer1.Timer();
            QVERIFY(!f->isVisible() && estCharge<frmSplash>());
        };
        if (fermeture == 1) { // by keys: Tab reaches the link, which a screen reader reads as one, and Enter opens it
            QTest::keyClick(s, Qt::Key_Tab);
            QVERIFY(s->focusWidget() == s->Label4);
            QCOMPARE(QAccessible::queryAccessibleInterface(s->Label4)->role(), QAccessible::Link);
            QTest::keyClick(s->Label4, Qt::Key_Return);
        } else {
            QTest::mouseClick(s->Label4, Qt::LeftButton);
        }
        QCOMPARE(env->ouvertures, aide ? QStringList{dossier_appli} : QStringList());
        QStringList messages; // text|title|style (48: exclamation)
        for (const support::Appel& m : env->messages())
            messages << m.texte + u'|' + m.titre + u'|' + QString::number(m.style);
        const QString absente
            = "Le fichier d'aide [aide.htm] n'a pas été trouvé. Assurez-vous que celui-ci doit se trouver dans: ";
        QCOMPARE(messages, aide ? QStringList() : QStringList(absente + dossier + "\r\n|Erreur|48"));
        QCOMPARE(QList<bool>({s->Label4->isEnabled(), f->cmdAide->isEnabled(), s->isVisible()}),
                 QList<bool>({aide, aide, fermeture > 0}));
        if (fermeture == 4)
            QTest::keyClick(s, Qt::Key_A);
        else if (fermeture > 0)
            QTest::mouseClick(QList<QWidget*>{s, s->Frame1, s->imgLogo}[fermeture - 1], Qt::LeftButton, {},
                              QPoint(3, 150));
        QVERIFY((!estCharge<frmSplash>() || emplacement<frmSplash>() != s) && !s->Timer1.Enabled());
        QVERIFY(f->isVisible() && !f->Timer2.Enabled() && instance<frmSplash>()->Label4->isEnabled());
        // The maker's name on the board opens the site.
        QTest::mouseClick(f->Label7, Qt::LeftButton);
        QCOMPARE(env->ouvertures.last(), QStringLiteral("https://www.ventaroc.example/"));
    }

    // Two at once: one runs, fresh, beside a killed copy's lock (flock counts), full or read-only, or a squatter.
    void uneSeuleCopie_data()
    {
        QTest::addColumn<QByteArray>("verrou"); // null: no lock file
        QTest::addColumn<int>("disque"); // 1: full, 2: read-only
        QTest::newRow("neuf") << QByteArray() << 0;
        QTest::newRow("laissé par une copie tuée") << QByteArray("\x01\xff garbage\n\n-7\n") << 0;
        QTest::newRow("plein") << QByteArray() << 1;
        QTest::newRow("lecture seule") << QByteArray() << 2;
        QTest::newRow("autre utilisateur") << QByteArray() << 3;
    }
    void uneSeuleCopie()
    {
        QFETCH(QByteArray, verrou);
        QFETCH(int, disque);
        if (disque && geteuid() != 0)
            QSKIP("needs root to mount a small tmpfs (CI runs as root)");
        const QString dossier = QFileInfo(platform::cheminVerrou()).absolutePath();
        const QByteArray d = QFile::encodeName(dossier);
        QVERIFY(QDir().mkpath(dossier)
                && (disque % 3 == 0 || mount("tmpfs", d, "tmpfs", disque == 2 ? MS_RDONLY : 0, "size=64k") == 0));
        auto demonter = qScopeGuard([&] { disque % 3 && umount2(d, MNT_DETACH); });
        QVERIFY((verrou.isNull() || ecrire(platform::cheminVerrou(), verrou))
                && (disque != 1 || !ecrire(dossier + "/bourre", QByteArray(1 << 17, 'z'))));
        const pid_t autre = disque == 3 ? squatter() : 0;
        auto chasser = qScopeGuard([autre] { autre > 0 && !kill(autre, SIGKILL) && waitpid(autre, nullptr, 0); });
        QTemporaryDir runtime; // 0700: for the pairs beside another user, the private runtime folder decides
        QVERIFY(autre >= 0 && lancees(1) == 1);
        qputenv("XDG_RUNTIME_DIR", disque == 3 ? QFile::encodeName(runtime.path()) : QByteArray());
        for (int paire = 0; paire < (verrou.isNull() ? 50 / (1 + 9 * (disque % 3)) : 3); ++paire)
            QCOMPARE(lancees(2), 1);
        QVERIFY(disque
                || QFile::permissions(platform::cheminVerrou())
                    == QFileDevice::Permissions(0x6600)); // 0600, even found looser
    }

    void clavier_data()
    {
        for (const char* c : {"prep", "touches", "modal", "attendu", "message"})
            QTest::addColumn<QString>(c);
        // The help window as seen (see taper()), the board at the start of a normal game.
        const QString aide = "ouv=aide.htm,https://www.ventaroc.example/ %1 vu=Aide de Chromalis%2 centrée Aide Rouge "
                             "libre .+pion #808080,fermée";
        const QString n = QStringLiteral("L1 ZZZZ T4 @Valider la proposition");
        ligne("F1 sans page", "", "@QComboBox F1", "", "dlg=Erreur @QComboBox");
        ligne("F1 sans bureau", "page sansnav", "@QComboBox F1 #aide", "", aide.arg("@QComboBox", "0"));
        ligne("F1 page illisible", "dossier sansnav", "@QComboBox F1", "", "dlg=Chromalis ouv=aide.htm @QComboBox",
              "Erreur lors de l'ouverture du fichier d'aide.");
        ligne("F1 sur les scores", "page sansnav", "F8", "F1 #aide", "dlg=frmScores " + aide.arg("@Aide", "2"));
        ligne("F2 site, F3 mail", "", "@QComboBox F2 F3", "",
              "ouv=https://www.ventaroc.example/,mailto:chromalis@ventaroc.example?subject=Chromalis @QComboBox*");
        ligne("F2 sans navigateur", "sansnav", "@QComboBox F2", "",
              "dlg=Chromalis ouv=https://www.ventaroc.example/ @QComboBox");
        ligne("F4 accueil", "Normal", "F4", "", "dlg=frmSplash " + n);
        ligne("F5, Maj+F5", "", "@QComboBox F5 F5 S-F5", "", "L1 ZZZZZ T4 @Valider la proposition*");
        ligne("F8 en jeu sans effet, F7", "Normal", "F8 @Quitter F7", "", "L2 ZZZZ T4 @Quitter...*");
        ligne("F7 et P sans jeu", "chrono", "@QComboBox F7 P", "", "@QComboBox*");
        ligne("F8 sans jeu, Échap", "", "@QComboBox F8", "Esc", "dlg=frmScores @QComboBox");
        ligne("Échap, case de fermeture: Non", "Normal", "Esc Fermer", "", "dlg=Chromalis,Chromalis " + n,
              "Êtes-vous sûr(e) de vouloir vraiment quitter le jeu ?");
        ligne("case de fermeture, Oui", "Normal oui", "Fermer", "", "dlg=Chromalis fin " + n);
        ligne("pions, le champ garde ses lettres", "Normal solution", "RB @solution V<", "",
              "L1 RBZZ T4 combi= @solution changeable*");
        ligne("colonne des options", "",
              "F6 @Chrono Space @QComboBox Down Up . Tab . Tab . Tab . Down . Tab . Tab . Tab .", "",
              "options=NE+chrono @E-mail* vu=QComboBox*,Chrono*,Temps par coup*,Normal*,Expert*,Parties*,Site "
              "Web*,E-mail*");
        // Hidden beyond the edge, the options column takes no Tab: Home cannot change the game unseen.
        ligne("colonne cachée", "", "@Quitter Tab . Tab . Tab . Tab . Tab . Home Up F6", "",
              "options=SN @Nouveau jeu* vu=Aide*,Options >>>*,Scores*,Nouveau jeu*,Quitter...*");
        ligne("solution verrouillée, Tab", "Normal verrou", "@solution Tab", "", n + u'*');
        ligne("solution, Maj+Tab", "Normal solution", "@solution RBVJ BTab", "", "L1 ZZZZ T4 combi=RBVJ @Quitter...*");
        ligne("solution incomplète, Tab", "Normal solution", "@solution RBV Tab", "",
              "dlg=ERREUR L1 ZZZZ T4 combi=RBV @solution changeable", "Il manque une lettre dans la combinaison.");
        ligne("solution, lettres", "Normal solution", "@solution RNrZBVI", "",
              "dlg=Beep,ATTENTION:,Beep,ATTENTION:,Beep,ATTENTION: L1 ZZZZ T4 combi=RBVI @solution changeable",
              refus.arg(""));
        ligne("solution, collée", "Normal solution colle=RBVJ", "@solution R Coller", "",
              "L1 ZZZZ T4 combi=RBVJ @solution changeable*");
        ligne("solution, collée refusée", "Normal solution colle=RNXZ", "@solution R Coller", "",
              "dlg=Beep,ATTENTION: L1 ZZZZ T4 combi=R @solution changeable", refus.arg(""));
        ligne("solution super, chiffre", "Super solution", "@solution NXR1BV", "",
              "dlg=Beep,ATTENTION: L1 ZZZZZ T4 combi=NXRBV @solution changeable", refus.arg(" - N - X"));
    }
    // Set-up (Normal/Super, chrono, sansnav, help a dossier, verrou, colle=clipboard, oui to quit), keys, then a
    // script per modal window; each takes the activation as a real one does, so a key handled twice shows.
    void clavier()
    {
        QFETCH(QString, prep);
        QFETCH(QString, touches);
        QFETCH(QString, modal);
        QFETCH(QString, attendu);
        QFETCH(QString, message);
        const QStringList p = prep.split(u' ', Qt::SkipEmptyParts);
        const auto a = [&p](const char* mot) { return p.contains(QLatin1String(mot)); };
        // A program folder without the help file, or with a page, or where it is not a page.
        platform::setAppPathHook([d = env->dossierReglages()] { return d; });
        instance<frmSplash>();
        (f = instance<frmChromalis>())->show();
        const char* page
            = "<h1>Aide</h1><p>Rouge <span class=\"pion R\"></span> libre <span class=\"trou libre\"></span>.";
        QVERIFY(!a("page") || ecrire(dossier_appli, page));
        QVERIFY(!a("dossier") || QDir().mkpath(dossier_appli));
        env->shellAccepte = !a("sansnav");
        f->chkTemps->setChecked(a("chrono"));
        f->cboJeu->setCurrentIndex(!a("Normal")); // Super unless told
        if (a("Normal") || a("Super"))
            QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        // The solution field shown, locked on the secret or opened empty for editing.
        f->txtCombi->setVisible(a("solution") || a("verrou"));
        f->txtCombi->setReadOnly(!a("solution"));
        if (a("solution"))
            f->txtCombi->clear();
        QApplication::clipboard()->setText(prep.section(QStringLiteral("colle="), 1));
        env->appels.clear();
        env->reponsesMsgBox = {int(a("oui") ? platform::vbYes : platform::vbNo)};
        QWidget leurre;
        leurre.setWindowModality(Qt::ApplicationModal); // a message box takes the input above a modal window
        env->pendantMessage = [&leurre] { prendreActivation(&leurre), leurre.hide(); };
        QStringList scripts = modal.split(u'|');
        env->dansModal = [&](QWidget* w) {
            // Back from a window over a dialog, the dialog is active again (the board gets no focus back).
            QPointer<QWidget> avant(QApplication::activeWindow());
            w->hide(); // modal, as the game shows it
            w->setWindowModality(Qt::ApplicationModal);
            prendreActivation(w);
            taper(w, scripts.isEmpty() ? QString() : scripts.takeFirst());
            if (avant && avant != w && avant != f)
                prendreActivation(avant);
        };
        prendreActivation(f);
        taper(f, touches);
        QCOMPARE(etat(f), attendu);
        if (!message.isEmpty())
            QCOMPARE(env->messages().last().texte, message);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
