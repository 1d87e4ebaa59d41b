// Start-up: the start-up window, the main window's load and scale, its texts at every scale, the
// quit confirmation, the help link and the one-copy rule.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/echelle.h"
#include "platform/instance.h"
#include "platform/program.h"
#include "platform/traducteur.h"
#include "platform/twips.h"
#include "storage/settings.h"
#include "windows/controls/CadreVb.h"
#include "windows/controls/WrapButton.h"
#include "windows/controls/artwork.h"
#include "windows/controls/police.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/dialogs/frmParties.h"
#include "windows/dialogs/frmScores.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmPasse.h"
#include "windows/main/frmSplash.h"

#include <QTest>
#include <QtWidgets>

using namespace Chromalis;

class TestMainWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;

    // Every message box shown, as text|title|style.
    QStringList messages() const
    {
        QStringList l;
        for (const support::Appel& m : env->messages())
            l << m.texte + QLatin1Char('|') + m.titre + QLatin1Char('|') + QString::number(m.style);
        return l;
    }

private slots:
    void init() { env = std::make_unique<support::Environnement>(); }
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
            lien << s->Label4->palette().color(QPalette::WindowText).name() + (s->Label4->font().underline() ? "_" : "");
        }
        QCOMPARE(lien, QStringList({"#ff0000_", "#0000ff", "#ff0000_", "#0000ff"}));
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

    // Nothing is cut or crowded, at every scale, in the states that show the longest texts: every
    // caption fits its box in a face of letters (not a symbol font), controls under a frame's
    // caption stay clear of its line, the question of a lost game stands in the middle, and the
    // start-up window's pale line lies within the logo.
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
        const QStringList lettres = {"Liberation Sans", "Liberation Sans Narrow", "Arial", "Arial Narrow", "Impact", "DejaVu Sans"};
        QStringList coupes;
        int vues = 0;
        const auto verifier = [&](QWidget* fenetre) {
            // The game's icon at every size a window manager asks for; an icon greys on a disabled button.
            for (const QIcon icone = fenetre->windowIcon(); const int t : {16, 32, 64})
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
                if (!lettres.contains(QFontInfo(w->font()).family()))
                    coupes << texte + QStringLiteral(" in ") + QFontInfo(w->font()).family();
            }
        };
        for (QWidget* w : std::initializer_list<QWidget*>{instance<frmSplash>(), f, instance<frmScores>(), instance<frmPasse>(), p})
            verifier(w);
        bool fin_vue = false;
        env->dansModal = [&](QWidget* w) {
            auto* fin = qobject_cast<frmFIN*>(w);
            verifier(fin);
            fin_vue = qAbs(fin->Label1->geometry().center().x() - fin->width() / 2) <= 2 && fin->cmdOUI->x() < fin->width() / 2
                && fin->cmdNON->geometry().right() > fin->width() / 2;
        };
        for (int n = 1; n <= 12; ++n)
            QTest::mouseClick(f->cmdValider, Qt::LeftButton);
        QVERIFY2(coupes.isEmpty(), qPrintable(coupes.join(QStringLiteral("; "))));
        QVERIFY(vues > 120 && fin_vue);
        const frmSplash* s = instance<frmSplash>();
        QVERIFY(s->imgLogo->geometry().adjusted(twips::px(150), twips::px(150), 0, 0).contains(s->Label2->geometry()));
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
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
