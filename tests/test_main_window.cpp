// The main window and its start: the start-up window, the load and the scale, every caption whole at
// every scale, the quit question; then the keyboard played through the windows: every key acts once,
// Enter presses, Tab moves, pegs typed on the board, the solution field's letters, the help on F1,
// and the board as a screen reader hears it.
#include "support/support.h"
#include "platform/echelle.h"
#include "platform/traducteur.h"
#include "platform/twips.h"
#include "windows/controls/CadreVb.h"
#include "windows/controls/WrapButton.h"
#include "windows/controls/artwork.h"
#include "windows/controls/police.h"

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

class TestMainWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    frmChromalis* f = nullptr;
    QStringList journal;

    // Every message box shown, as text|title|style.
    QStringList messages() const
    {
        QStringList l;
        for (const support::Appel& m : env->messages())
            l << m.texte + QLatin1Char('|') + m.titre + QLatin1Char('|') + QString::number(m.style);
        return l;
    }
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
    // of its caption will do), "." notes the focused control, "Coller" pastes into the solution
    // field as its context menu does, "#tic" is a tick of the countdown,
    // "#lu" notes what a screen reader hears, "#aide" what the help in the game's window shows.
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
            } else if (mot == QLatin1String("#tic"))
                emit f->Timer3.Timer();
            else if (mot == QLatin1String("#lu"))
                lire(QAccessible::queryAccessibleInterface(f));
            else if (mot == QLatin1String("#aide")) {
                // Modal above a modal window; the page's pegs, drawn by style sheets, become pictures;
                // an outside link goes to the desktop; Escape closes it.
                frmAide* aide = frmAide::ouverte();
                QVERIFY2(aide, "no help window");
                const auto pion = [aide](const char* nom) {
                    return aide->txtAide->loadResource(QTextDocument::ImageResource, QUrl(nom)).value<QImage>();
                };
                journal << aide->windowTitle() + QString::number(aide->windowModality()) + u' '
                        + aide->txtAide->toPlainText().remove(QChar::ObjectReplacementCharacter).simplified()
                        + (aide->txtAide->toHtml().contains(u"\"pion:R?18\"") && !pion("pion:R?18").isNull() ? "+pion " : "")
                        + pion("pion:libre?18").pixelColor(9, 9).name(); // a result's free slot: a grey disc
                emit aide->txtAide->anchorClicked(QUrl(QStringLiteral("https://www.ventaroc.example/")));
                taper(aide, QStringLiteral("Esc"));
                journal << (frmAide::ouverte() ? "ouverte" : "fermée");
            } else if (touches.contains(mot) || (mot.size() == 2 && mot[0] == u'F'))
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
            e << QStringLiteral("ouv=") + env->ouvertures.join(u',').remove(env->dossierReglages() + u'/');
        if (jeu_en_cours) {
            QString rangee, minuteurs;
            for (int n = 1; n <= nb_pions; ++n)
                rangee += f->img[1][n]->Tag();
            for (int n = 0; n < 4; ++n)
                minuteurs += (std::array{&f->Timer1, &f->Timer2, &f->Timer3, &f->Timer4}[n]->Enabled() ? QString::number(n + 1) : "");
            e << QStringLiteral("L%1 %2 T%3").arg(num_ligne).arg(rangee, minuteurs);
        }
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
        journal.clear();
    }
    void cleanup() { env.reset(); }

    // A whole start: the board loads hidden behind the start-up window, in its start state, centred;
    // the help link is hovered and clicked; the start-up window closes in one of its ways and shows
    // the board; a game is started and the quit question answered. The tag tells the program's
    // folder, whether the help file is there and the store usable, and the quit question's way.
    void demarrage_data()
    {
        QTest::addColumn<int>("fermeture"); // 0 three ticks, 1 click window, 2 frame, 3 logo, 4 key
        int fermeture = 0;
        for (const char* cas : {"dossier aide case-non", "dossier/ bouton-oui", "racine case-oui",
                                "dossier aide store-inutilisable bouton-non", "dossier/ case-non", "seconde-copie"})
            QTest::newRow(cas) << fermeture++;
    }
    void demarrage()
    {
        QFETCH(int, fermeture);
        const QString cas = QString::fromUtf8(QTest::currentDataTag());
        const bool aide = cas.contains(" aide"), store = !cas.contains("store-inutilisable"), oui = cas.endsWith("oui");
        QTemporaryDir programme;
        const QString dossier = cas.startsWith("racine") ? "/" : programme.path() + (cas.startsWith("dossier/") ? "/" : "");
        platform::setAppPathHook([dossier] { return dossier; });
        QVERIFY(!aide || QFile(programme.filePath("aide.htm")).open(QIODevice::WriteOnly));
        QVERIFY(store || QDir().mkpath(storage::cheminReglages()));
        // A second copy is refused with its message, loads nothing, and leaves the first's lock.
        QLockFile autre(platform::cheminVerrou());
        if (cas == "seconde-copie") {
            QVERIFY(QDir().mkpath(QFileInfo(platform::cheminVerrou()).absolutePath()) && autre.tryLock(0));
            instance<frmSplash>(), QCoreApplication::processEvents();
            QCOMPARE(messages(), QStringList("Le jeu est déja en cours d'utilisation.|Information...|64"));
            QVERIFY(env->finDemandee && autre.isLocked() && !estCharge<frmChromalis>());
            return;
        }
        frmSplash* s = instance<frmSplash>();
        QVERIFY(!estCharge<frmChromalis>());
        QCoreApplication::processEvents();
        frmChromalis* f = instance<frmChromalis>();
        QString etat;
        for (const QComboBox* c : {f->cboJeu, f->cboTemps, f->cboParties})
            etat += QStringLiteral("%1:%2..%3/%4%5 ").arg(c->currentText(), c->itemText(0), c->itemText(c->count() - 1))
                        .arg(c->count()).arg(c->isEnabled() ? "" : " off");
        for (int K = 1; K <= 12; ++K)
            for (int n = 1; n <= 5; ++n)
                etat += f->img[K][n]->Picture() == f->Image1->Picture() ? QString() : QStringLiteral("%1.%2 ").arg(K).arg(n);
        etat += QStringLiteral("%1 %2%3%4%5%6 %7 ").arg(f->Width()).arg(f->optExpert->isChecked()).arg(f->chkTemps->isChecked())
                    .arg(f->chkPartie->isChecked()).arg(f->isVisible()).arg(jeu_en_cours).arg(temps_coup)
            + noms_NI[1] + noms_SE[100] + lettre_jeu + lettre_mode + QString::number(nb_pions) + partie_choisie + parties[1] + " "
            + s->lblVersion->text() + " " + dossier_appli + " " + storage::GetSetting("Chromalis", "scores", "OK")
            + storage::GetSetting("Chromalis", "parametres", "dossier application");
        QCOMPARE(etat, "Super:Normal..Super/2 20:5..60/12 off SN1:SN1..SN100/100 off 4965 10000 20 NI1SE100SN5RORB Version 1.0.0 "
                     + dossier + (dossier.endsWith('/') ? "" : "/") + "aide.htm " + (store ? "OUI" + dossier : QString()));
        QVERIFY((f->frameGeometry().center() - f->screen()->geometry().center()).manhattanLength() <= 3);

        // The link: red and underlined under the mouse; a click opens the help file, or says where
        // it should be and disables the link and the board's help button until the next showing.
        s->show();
        QStringList lien;
        for (QWidget* w : std::initializer_list<QWidget*>{s->Label4, s->Frame1, s->Label4, s->imgLogo}) {
            QEnterEvent e(QPointF(3, 3), QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)));
            QCoreApplication::sendEvent(w, &e);
            const QFont police = s->Label4->font();
            lien << s->Label4->palette().color(QPalette::WindowText).name() + (police.underline() ? "_" : "") + (police.bold() ? "b" : "");
        }
        QCOMPARE(lien, QStringList({"#ff0000_b", "#0000ffb", "#ff0000_b", "#0000ffb"}));
        QTest::mouseClick(s->Label4, Qt::LeftButton);
        QCOMPARE(env->ouvertures, aide ? QStringList{dossier_appli} : QStringList());
        QCOMPARE(messages(), aide ? QStringList() : QStringList("Le fichier d'aide [aide.htm] n'a pas été trouvé. Assurez-vous que "
            "celui-ci doit se trouver dans: " + dossier + "\r\n|Erreur|48")); // exclamation
        QCOMPARE(QList<bool>({s->Label4->isEnabled(), f->cmdAide->isEnabled(), s->isVisible()}), QList<bool>({aide, aide, true}));

        for (int tic = 0; fermeture == 0 && tic < 3; emit s->Timer1.Timer(), ++tic)
            QVERIFY(!f->isVisible());
        if (fermeture == 4)
            QTest::keyClick(s, Qt::Key_A);
        else if (fermeture > 0)
            QTest::mouseClick(QList<QWidget*>{s, s->Frame1, s->imgLogo}[fermeture - 1], Qt::LeftButton, {}, QPoint(3, 150));
        QVERIFY((!estCharge<frmSplash>() || emplacement<frmSplash>() != s) && !s->Timer1.Enabled());
        QVERIFY(f->isVisible() && !f->Timer2.Enabled() && instance<frmSplash>()->Label4->isEnabled());
        QCOMPARE(f->windowTitle(), QStringLiteral("Ventaroc vous propose:"));
        // The maker's name on the board opens the site.
        QTest::mouseClick(f->Label7, Qt::LeftButton);
        QCOMPARE(env->ouvertures.last(), QStringLiteral("https://www.ventaroc.example/"));

        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        const QString secret = f->txtCombi->text();
        env->reponsesMsgBox = {oui ? platform::vbYes : platform::vbNo};
        env->appels.clear();
        cas.contains("bouton") ? QTest::mouseClick(f->cmdQuitter, Qt::LeftButton) : void(f->close());
        // Yes and No buttons, a question icon.
        QCOMPARE(messages(), QStringList("Êtes-vous sûr(e) de vouloir vraiment quitter le jeu ?|Chromalis|36"));
        QVERIFY(env->finDemandee == oui && f->isVisible() && jeu_en_cours && f->txtCombi->text() == secret);
    }

    // The scale: the board takes 55 to 75 % of the usable height (closest to two thirds), never
    // below 1 unless 1 does not fit, never taller or wider than the screen.
    void echelleDeLEcran()
    {
        QString echelles;
        for (const QSize ecran : {QSize(1280, 1024), QSize(1920, 1080), QSize(3840, 2160), QSize(1024, 768), QSize(800, 600),
                                  QSize(960, 540), QSize(400, 2000), QSize(1280, 947)})
            echelles += QString::number(echelle::choisir(ecran, 30)) + ' ';
        // 947 high: 1 gives 60 %, 1.25 gives 74 %; both fit the range, 1 is nearer two thirds.
        QCOMPARE(echelles, "1.25 1.25 2.5 1 1 0.75 0.75 1 ");
    }

    // Nothing is cut or crowded, at every scale (the pictures show scale 1 only), in the states that
    // show the longest texts: every caption fits its box, controls under a frame's caption stay
    // clear of its line, icons and pictures are drawn at sizes rendered at build time.
    void textesEntiers_data()
    {
        QTest::addColumn<double>("echelle");
        for (const double e : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0})
            QTest::newRow(qPrintable(QString::number(e))) << e;
    }
    void textesEntiers()
    {
        QFETCH(double, echelle);
        twips::echelle = echelle;
        police::appliquer();
        const auto remettre = qScopeGuard([] { twips::echelle = 1; police::appliquer(); });
        instance<frmSplash>();
        frmChromalis* f = instance<frmChromalis>();
        f->show();
        frmParties* p = instance<frmParties>();
        QTest::keyClicks(p->txtNumPartie, QStringLiteral("600"));
        p->cmdChercher->click();
        QCOMPARE(p->windowTitle(), QStringLiteral("Combi No: 600"));
        for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{f->cmdOptions, f->optDebutant, f->chkTemps, f->cmdNouveau})
            QTest::mouseClick(b, Qt::LeftButton);
        f->lblPourcent->setText(QStringLiteral("100"));
        QStringList coupes;
        int vues = 0;
        const auto verifier = [&](QWidget* fenetre) {
            // The game's icon at every size a window manager asks for; an icon greys on a disabled button.
            for (const QIcon icone = fenetre->windowIcon(); const int t : {16, 24, 32, 48, 64})
                if (const QImage i = icone.pixmap(QSize(t, t), 1.0).toImage();
                    !icone.availableSizes().contains(QSize(t, t)) || i.size() != QSize(t, t) || qAlpha(i.pixel(t / 2, t / 2)) < 255)
                    coupes << fenetre->windowTitle() + QStringLiteral(": no icon at %1").arg(t);
            for (QWidget* w : fenetre->findChildren<QWidget*>()) {
                // Pictures and pointers drawn at a size rendered at build time, never scaled, a little blurred.
                if (auto* p = qobject_cast<PegImage*>(w); p && p->isVisibleTo(fenetre)) {
                    vues += !p->Picture().isEmpty();
                    const QSize pointeur(twips::px(360), twips::px(360));
                    for (const auto& [nom, taille] : {std::pair(p->Picture(), p->size()), std::pair(p->MouseIcon(), pointeur)})
                        if (!nom.isEmpty() && !artwork::prerendu(nom, taille))
                            coupes << nom + QStringLiteral(" scaled to %1x%2").arg(taille.width()).arg(taille.height());
                }
                auto* l = qobject_cast<QLabel*>(w);
                auto* b = qobject_cast<QAbstractButton*>(w);
                const QString texte = l ? l->text() : b ? b->text() : QString();
                if (texte.isEmpty() || !w->isVisibleTo(fenetre))
                    continue;
                QRect place = w->contentsRect();
                int drapeaux = Qt::TextShowMnemonic | (l ? (l->wordWrap() ? Qt::TextWordWrap : 0) | int(l->alignment()) : 0);
                if (b) {
                    QStyleOptionButton option;
                    option.initFrom(b), option.text = texte, option.icon = b->icon();
                    const bool coche = qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b);
                    place = b->style()->subElementRect(coche ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, b);
                    place.setLeft(place.left() + (b->icon().isNull() ? 0 : qMin(place.height() - 2, twips::px(300)) + 5));
                    drapeaux |= qobject_cast<WrapButton*>(b) ? Qt::TextWordWrap : 0;
                    const auto icone = [b](QIcon::Mode m) { return b->icon().pixmap(b->iconSize(), 1.0, m).toImage(); };
                    if (!b->icon().isNull() && icone(QIcon::Disabled) == icone(QIcon::Normal))
                        coupes << texte + QStringLiteral(": icon not greyed when disabled");
                }
                ++vues;
                const QSize besoin = w->fontMetrics().boundingRect(place, drapeaux, texte).size();
                if (besoin.height() > place.height() || besoin.width() > place.width())
                    coupes << QStringLiteral("\"%1\" %2x%3 in %4x%5").arg(texte).arg(besoin.width()).arg(besoin.height())
                                  .arg(place.width()).arg(place.height());
                if (auto* cadre = dynamic_cast<CadreVb*>(w->parentWidget()); cadre && w->y() < cadre->hautBord() + 3)
                    coupes << texte + QStringLiteral(" touches its frame");
            }
        };
        for (QWidget* w : std::initializer_list<QWidget*>{instance<frmSplash>(), f, instance<frmScores>(), instance<frmPasse>(), p})
            verifier(w);
        env->dansModal = verifier; // the end of a lost game
        for (int n = 1; n <= 12; ++n)
            QTest::mouseClick(f->cmdValider, Qt::LeftButton);
        QVERIFY2(coupes.isEmpty(), qPrintable(coupes.join(QStringLiteral("; "))));
        QVERIFY(vues > 155); // the end dialog's ten captions and pictures included
        const frmSplash* s = instance<frmSplash>();
        // The maker's pale lines keep a dark edge round their letters, even on white.
        for (QLabel* l : {s->Label1, s->Label2}) {
            QImage image(l->size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            l->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            const auto* p = reinterpret_cast<const QRgb*>(image.constBits());
            QVERIFY(std::count_if(p, p + image.width() * image.height(), [](QRgb c) { return qGray(c) < 100; }) > 20 * echelle);
        }
    }

    // Qt's French catalogue is read on the first text asked for, not when it is installed.
    void traductionDifferee()
    {
        platform::TraducteurDiffere traducteur;
        QVERIFY(QCoreApplication::installTranslator(&traducteur));
        const auto retirer = qScopeGuard([&] { QCoreApplication::removeTranslator(&traducteur); });
        QVERIFY(QGuiApplication::layoutDirection() == Qt::LeftToRight && !traducteur.charge());
        const auto tr = [](const char* t) { return QCoreApplication::translate("QPlatformTheme", t); };
        QCOMPARE(QStringList({tr("&Yes"), tr("&No"), tr("Cancel"), tr("Valider")}),
                 QStringList({"&Oui", "&Non", "Annuler", "Valider"}));
        QVERIFY(traducteur.charge());
    }

    void clavier_data()
    {
        for (const char* c : {"prep", "touches", "modal", "attendu", "message"})
            QTest::addColumn<QString>(c);
        ligne("F1 sans page", "", "@QComboBox F1", "", "dlg=Erreur @QComboBox");
        ligne("F1 au bureau", "page", "@QComboBox F1", "", "ouv=aide.htm @QComboBox*");
        ligne("F1 sans bureau", "page sansnav", "@QComboBox F1 #aide", "",
              "ouv=aide.htm,https://www.ventaroc.example/ @QComboBox vu=Aide de Chromalis0 Aide Rouge+pion #808080,fermée");
        ligne("F1 page illisible", "dossier sansnav", "@QComboBox F1", "", "dlg=Chromalis ouv=aide.htm @QComboBox",
              "Erreur lors de l'ouverture du fichier d'aide.");
        ligne("F1 sur les scores", "page sansnav", "F8", "F1 #aide",
              "dlg=frmScores ouv=aide.htm,https://www.ventaroc.example/ scores=NORMAL @Aide vu=Aide de Chromalis2 Aide Rouge+pion #808080,fermée");
        ligne("F2 site", "", "@QComboBox F2", "", "ouv=https://www.ventaroc.example/ @QComboBox*");
        ligne("F2 sans navigateur", "sansnav", "@QComboBox F2", "", "dlg=Chromalis ouv=https://www.ventaroc.example/ @QComboBox");
        ligne("F3 mail", "", "@QComboBox F3", "", "ouv=mailto:chromalis@ventaroc.example?subject=Chromalis @QComboBox*");
        ligne("F4 accueil", "Normal", "F4", "", "dlg=frmSplash L1 ZZZZ T4 @Valider la proposition");
        ligne("F5, Maj+F5", "", "@QComboBox F5 F5 S-F5", "", "L1 ZZZZZ T4 @Valider la proposition*");
        ligne("F6 options", "", "@QComboBox F6", "", "options=SN @QComboBox*");
        ligne("F7 en jeu", "Normal", "@Quitter F7", "", "L2 ZZZZ T4 @Quitter...*");
        ligne("F7 gagnante, Scores, Oui", "Normal secret", "RBVJ F7", ". Ret . Ret|Esc", "dlg=frmFIN,frmScores L1 ZZZZ T4 @Valider la proposition vu=Tableau des Scores*,Oui*");
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
        ligne("pions, lettres, rangée pleine", "Normal", "RbVJO", "", "dlg=Beep L1 RBVJ T4 @Valider la proposition*");
        ligne("pions, chiffres", "Normal", "1263", "", "L1 RBIV T4 @Valider la proposition*");
        ligne("pions super, N X 7 8", "Super", "NX78", "", "L1 NXNXZ T4 @Valider la proposition*");
        ligne("pions, N et 7 refusés, autres touches sans effet", "Normal", "AN7Z9R", "", "dlg=Beep,Beep L1 RZZZ T4 @Valider la proposition*");
        ligne("pions, retour arrière, rangée vide", "Normal", "< RB<V", "", "dlg=Beep L1 RVZZ T4 @Valider la proposition*");
        ligne("pions, le champ garde ses lettres", "Normal solution", "RB @solution V<", "", "L1 RBZZ T4 combi= @solution changeable*");
        ligne("P sans partie", "chrono", "@QComboBox P", "", "@QComboBox*");
        ligne("colonne des options", "", "F6 @Chrono Space @QComboBox Down Up . Tab . Tab . Tab . Down . Tab . Tab . Tab .", "", "options=NE+chrono @E-mail* vu=QComboBox*,Chrono*,Temps par coup*,Normal*,Expert*,Parties*,Site Web*,E-mail*");
        ligne("solution verrouillée, Tab", "Normal verrou", "@solution Tab", "", "L1 ZZZZ T4 @Valider la proposition*");
        ligne("solution, Maj+Tab", "Normal solution", "@solution RBVJ BTab", "", "L1 ZZZZ T4 combi=RBVJ @E-mail*");
        ligne("solution incomplète, Tab", "Normal solution", "@solution RBV Tab", "", "dlg=ERREUR L1 ZZZZ T4 combi=RBV @solution changeable", "Il manque une lettre dans la combinaison.");
        ligne("solution, lettres", "Normal solution", "@solution RNrZBVI", "", "dlg=Beep,ATTENTION:,Beep,ATTENTION:,Beep,ATTENTION: L1 ZZZZ T4 combi=RBVI @solution changeable", refus_normal);
        ligne("solution, collée", "Normal solution colle=RBVJ", "@solution R Coller", "", "L1 ZZZZ T4 combi=RBVJ @solution changeable*");
        ligne("solution, collée refusée", "Normal solution colle=RNXZ", "@solution R Coller", "", "dlg=Beep,ATTENTION: L1 ZZZZ T4 combi=R @solution changeable", refus_normal);
        ligne("solution super, chiffre", "Super solution", "@solution NXR1BV", "", "dlg=Beep,ATTENTION: L1 ZZZZZ T4 combi=NXRBV @solution changeable", refus_super);
        ligne("lecteur d'écran", "Normal chrono secret", "RJBO F7 #tic #lu", "",
              "L2 RJBO T34 @Valider la proposition* vu=Rangée 1, trou 1=rouge,Rangée 1, trou 2=jaune,Rangée 1, trou 3=bleu,"
              "Rangée 1, trou 4=rose,Rangée 1, trou 5=vide,Rangée 1 : 1 noir, 2 blancs=,Rangée 2, trou 1=vide,Rangée 2=,"
              "Barre de chronometrage=5 %,Pion marron=");
    }
    // Each row: set-up words (a Normal or Super game, chrono, sansnav: no browser, the help file a
    // page or a folder (dossier), the solution field opened, locked (verrou) or hiding RBVJ (secret),
    // the predefined games, colle=: the clipboard),
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
        // A program folder without the help file, or with a page, or where it is not a page.
        platform::setAppPathHook([d = env->dossierReglages()] { return d; });
        instance<frmSplash>();
        (f = instance<frmChromalis>())->show();
        QFile page(dossier_appli);
        const QByteArray html = "<h1>Aide</h1><p>Rouge <span class=\"pion R\"></span>";
        QVERIFY(!a("page") || (page.open(QIODevice::WriteOnly) && page.write(html) == html.size()));
        page.close();
        QVERIFY(!a("dossier") || QDir().mkpath(dossier_appli));
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
        leurre.setWindowModality(Qt::ApplicationModal); // a message box takes the input above a modal window
        env->pendantMessage = [&leurre] { prendreActivation(&leurre); leurre.hide(); };
        QStringList scripts = modal.split(u'|');
        env->dansModal = [&](QWidget* w) {
            // Back from a window opened over a dialog, the dialog is active again (not the board:
            // there nothing is given the focus back).
            QPointer<QWidget> avant(QApplication::activeWindow());
            w->hide(); // modal, as the game shows it
            w->setWindowModality(Qt::ApplicationModal);
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

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
