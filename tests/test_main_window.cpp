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
#include "windows/controls/HaloLabel.h"
#include "windows/controls/WrapButton.h"
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
    QTemporaryDir programme;

    // The start-up window, then the first turn of the event loop, which loads the board behind it.
    frmChromalis* demarrer()
    {
        instance<frmSplash>();
        QCoreApplication::processEvents();
        return instance<frmChromalis>();
    }
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

    // A whole start: the board loads hidden behind the start-up window, in its start state and
    // centred; the help link is hovered and clicked; the start-up window closes in one of its ways
    // and shows the board; a game is started and the quit question answered.
    void demarrage_data()
    {
        QTest::addColumn<QString>("dossier"); // the program's folder: the temporary one, then this
        QTest::addColumn<bool>("aide"); // help file present
        QTest::addColumn<int>("fermeture"); // 0 three ticks, 1 click window, 2 frame, 3 logo, 4 key
        QTest::addColumn<bool>("bouton"); // quit button, else close box
        QTest::addColumn<int>("reponse");
        QTest::newRow("3 s, aide, case, Non") << "" << true << 0 << false << int(platform::vbNo);
        QTest::newRow("clic, sans aide, bouton, Oui") << "/" << false << 1 << true << int(platform::vbYes);
        QTest::newRow("racine, cadre, case, Oui") << "racine" << false << 2 << false << int(platform::vbYes);
        QTest::newRow("logo, aide, bouton, Non") << "" << true << 3 << true << int(platform::vbNo);
        QTest::newRow("touche, sans aide, case, Non") << "/" << false << 4 << false << int(platform::vbNo);
    }
    void demarrage()
    {
        QFETCH(QString, dossier);
        QFETCH(bool, aide);
        QFETCH(int, fermeture);
        QFETCH(bool, bouton);
        QFETCH(int, reponse);
        dossier = dossier == QLatin1String("racine") ? QStringLiteral("/") : programme.path() + dossier;
        platform::setAppPathHook([dossier] { return dossier; });
        QFile fichier(programme.path() + QStringLiteral("/aide.htm"));
        QVERIFY(aide ? fichier.open(QIODevice::WriteOnly) : !fichier.exists() || fichier.remove());
        fichier.close();
        frmSplash* s = instance<frmSplash>();
        QVERIFY(!estCharge<frmChromalis>());
        QCoreApplication::processEvents();
        frmChromalis* f = instance<frmChromalis>();
        QStringList trous, sn;
        for (int K = 1; K <= 12; ++K)
            for (int n = 1; n <= 5; ++n)
                trous << (f->img[K][n]->Picture() == f->Image1->Picture() ? QString() : QStringLiteral("%1.%2").arg(K).arg(n));
        for (int i = 1; i <= 100; ++i)
            sn << QStringLiteral("SN%1").arg(i);
        const auto liste = [](const QComboBox* c) {
            QStringList l;
            for (int i = 0; i < c->count(); ++i)
                l << c->itemText(i);
            return c->currentText() + QLatin1Char(':') + l.join(QLatin1Char(',')) + (c->isEnabled() ? "" : " off");
        };
        const auto oui = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
        const QString dossier_aide = dossier + (dossier.endsWith(QLatin1Char('/')) ? "" : "/") + "aide.htm";
        QCOMPARE(QStringList({liste(f->cboTemps), QString::number(temps_coup), liste(f->cboJeu), liste(f->cboParties),
                              noms_NI[1] + noms_SE[100], trous.join(QString()), QString::number(f->Width()),
                              oui(f->optExpert->isChecked()) + oui(f->chkTemps->isChecked()) + oui(f->chkPartie->isChecked())
                                  + oui(f->isVisible()) + oui(jeu_en_cours),
                              lettre_jeu + lettre_mode + QString::number(nb_pions) + partie_choisie + parties[1],
                              s->lblVersion->text(), dossier_appli,
                              storage::GetSetting("Chromalis", "scores", "OK") + storage::GetSetting("Chromalis", "parametres", "dossier application")}),
                 QStringList({"20:5,10,15,20,25,30,35,40,45,50,55,60 off", "20", "Super:Normal,Super", "SN1:" + sn.join(',') + " off",
                              "NI1SE100", "", "4965", "10000", "SN5RORB", "Version 1.0.0", dossier_aide, "OUI" + dossier}));
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
            "celui-ci doit se trouver dans: " + dossier + "\r\n|Erreur|" + QString::number(platform::vbExclamation)));
        QCOMPARE(QList<bool>({s->Label4->isEnabled(), f->cmdAide->isEnabled(), s->isVisible()}), QList<bool>({aide, aide, true}));

        switch (fermeture) {
        case 0:
            emit s->Timer1.Timer(), emit s->Timer1.Timer();
            QVERIFY(!f->isVisible());
            emit s->Timer1.Timer();
            break;
        case 1: QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(5, 5)); break;
        case 2: QTest::mouseClick(s->Frame1, Qt::LeftButton, {}, QPoint(3, 150)); break;
        case 3: QTest::mouseClick(s->imgLogo, Qt::LeftButton); break;
        case 4: QTest::keyClick(s, Qt::Key_A); break;
        }
        QVERIFY((!estCharge<frmSplash>() || emplacement<frmSplash>() != s) && !s->Timer1.Enabled());
        QVERIFY(f->isVisible() && !f->Timer2.Enabled());
        QCOMPARE(f->windowTitle(), QStringLiteral("Ventaroc vous propose:"));
        QVERIFY(instance<frmSplash>()->Label4->isEnabled());

        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        const QString secret = f->txtCombi->text();
        env->reponsesMsgBox = {reponse};
        env->appels.clear();
        bouton ? QTest::mouseClick(f->cmdQuitter, Qt::LeftButton) : void(f->close());
        QCOMPARE(messages(), QStringList("Êtes-vous sûr(e) de vouloir vraiment quitter le jeu ?|Chromalis|"
                                         + QString::number(platform::vbYesNo + platform::vbQuestion)));
        QCOMPARE(env->finDemandee, reponse == platform::vbYes);
        QVERIFY(f->isVisible() && jeu_en_cours && f->txtCombi->text() == secret);
    }

    // The scale: the board takes 55 to 75 % of the usable height (closest to two thirds), never
    // below 1 unless 1 does not fit, never taller or wider than the screen.
    void echelleDeLEcran()
    {
        QStringList echelles;
        for (const QSize ecran : {QSize(1280, 1024), QSize(1920, 1080), QSize(3840, 2160), QSize(1024, 768), QSize(800, 600),
                                  QSize(960, 540), QSize(400, 2000)})
            echelles << QString::number(echelle::choisir(ecran, 30));
        QCOMPARE(echelles, QStringList({"1.25", "1.25", "2.5", "1", "1", "0.75", "0.75"}));
    }

    // Each face the windows ask for comes out as a face of letters, not a symbol font.
    void policesDeLettres()
    {
        frmChromalis* f = demarrer();
        frmSplash* s = instance<frmSplash>();
        const QStringList lettres = {"Liberation Sans", "Liberation Sans Narrow", "Arial", "Arial Narrow", "Impact", "DejaVu Sans"};
        for (QLabel* l : {s->Label1, s->Label3, s->Label5, f->lblTitre, f->lblPause, f->Label6[1], f->lblPartie})
            QVERIFY2(lettres.contains(QFontInfo(l->font()).family()), qPrintable(l->text() + QFontInfo(l->font()).family()));
    }

    // Every icon size a window manager or a button asks for comes out at that size with the
    // picture in it, and a disabled button greys its icon.
    void icones()
    {
        frmChromalis* f = demarrer();
        for (const int t : {16, 32, 64}) {
            for (const QIcon& icone : {instance<frmSplash>()->windowIcon(), f->windowIcon(), instance<frmScores>()->windowIcon(),
                                       instance<frmPasse>()->windowIcon(), f->cmdInternet->icon()}) {
                const QImage image = icone.pixmap(QSize(t, t), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
                int opaques = 0;
                for (int k = 0; k < t * t; ++k)
                    opaques += qAlpha(image.pixel(k % t, k / t)) == 255;
                QVERIFY(icone.availableSizes().contains(QSize(t, t)) && image.size() == QSize(t, t) && opaques > t * t / 4);
            }
            const auto image = [&](QIcon::Mode m) { return f->cmdMail->icon().pixmap(QSize(t, t), 1.0, m).toImage().convertToFormat(QImage::Format_ARGB32); };
            QVERIFY(image(QIcon::Disabled) != image(QIcon::Normal));
        }
    }

    // Nothing is cut or crowded, at every scale, in the states that show the longest texts: every
    // caption fits its box, controls under a frame's caption stay clear of its line, the question
    // of a lost game stands in the middle, the start-up window's pale line lies within the logo.
    void textesEntiers_data()
    {
        QTest::addColumn<double>("echelle");
        for (const double e : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5})
            QTest::newRow(qPrintable(QString::number(e))) << e;
    }
    void textesEntiers()
    {
        QFETCH(double, echelle);
        twips::echelle = echelle;
        police::appliquer();
        const auto remettre = qScopeGuard([] { twips::echelle = 1; police::appliquer(); });
        frmChromalis* f = demarrer();
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
            for (QWidget* w : fenetre->findChildren<QWidget*>()) {
                QString texte;
                QRect place = w->contentsRect();
                int drapeaux = Qt::TextShowMnemonic;
                if (auto* l = qobject_cast<QLabel*>(w)) {
                    texte = l->text();
                    drapeaux |= (l->wordWrap() ? Qt::TextWordWrap : 0) | int(l->alignment());
                } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                    texte = b->text();
                    QStyleOptionButton option;
                    option.initFrom(b);
                    option.text = texte;
                    option.icon = b->icon();
                    const bool coche = qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b);
                    place = b->style()->subElementRect(coche ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, b);
                    if (!b->icon().isNull())
                        place.setLeft(place.left() + qMin(place.height() - 2, twips::px(300)) + 5);
                    drapeaux |= qobject_cast<WrapButton*>(b) ? Qt::TextWordWrap : 0;
                }
                if (texte.isEmpty() || !w->isVisibleTo(fenetre))
                    continue;
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
        QVERIFY(vues > 60 && fin_vue);
        const frmSplash* s = instance<frmSplash>();
        QVERIFY(s->imgLogo->geometry().adjusted(twips::px(150), twips::px(150), 0, 0).contains(s->Label2->geometry()));
    }

    // The maker's pale lines keep a dark edge round every letter, even on white.
    void haloDesLettres()
    {
        demarrer();
        for (QLabel* l : {instance<frmSplash>()->Label1, instance<frmSplash>()->Label2}) {
            QImage image(l->size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            l->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            const QColor pale = l->palette().color(l->foregroundRole());
            int pales = 0, seuls = 0;
            for (int y = 1; y < image.height() - 1; ++y)
                for (int x = 1; x < image.width() - 1; ++x) {
                    const QRgb p = image.pixel(x, y);
                    if (qAbs(qRed(p) - pale.red()) + qAbs(qGreen(p) - pale.green()) + qAbs(qBlue(p) - pale.blue()) >= 40)
                        continue;
                    int sombres = 0;
                    for (int k = 0; k < 9; ++k)
                        sombres += qGray(image.pixel(x + k % 3 - 1, y + k / 3 - 1)) < 200;
                    ++pales, seuls += sombres == 0;
                }
            QVERIFY2(pales > 10 && seuls == 0, qPrintable(QStringLiteral("%1 %2").arg(pales).arg(seuls)));
        }
    }

    // Qt's French catalogue is read on the first text asked for, not when it is installed.
    void traductionDifferee()
    {
        platform::TraducteurDiffere traducteur;
        QVERIFY(QCoreApplication::installTranslator(&traducteur));
        const auto retirer = qScopeGuard([&] { QCoreApplication::removeTranslator(&traducteur); });
        QVERIFY(QGuiApplication::layoutDirection() == Qt::LeftToRight && !traducteur.charge());
        QStringList textes;
        for (const char* t : {"&Yes", "&No", "Cancel", "Valider"})
            textes << QCoreApplication::translate("QPlatformTheme", t);
        QCOMPARE(textes, QStringList({"&Oui", "&Non", "Annuler", "Valider"}));
        QVERIFY(traducteur.charge());
    }

    // A store that cannot be written (a folder in its place) never stops a game.
    void storeInutilisableNEmpechePasDeJouer()
    {
        QVERIFY(QDir().mkpath(storage::cheminReglages()));
        frmChromalis* f = demarrer();
        f->show();
        QTest::mouseClick(f->cmdNouveau, Qt::LeftButton);
        QVERIFY(env->messages().isEmpty() && jeu_en_cours);
    }

    // A second copy is refused with the designed message, loads nothing, leaves the first's lock.
    void deuxiemeCopieRefusee()
    {
        QDir().mkpath(QFileInfo(platform::cheminVerrou()).absolutePath());
        QLockFile autre(platform::cheminVerrou());
        QVERIFY(autre.tryLock(0));
        instance<frmSplash>();
        QCoreApplication::processEvents();
        QCOMPARE(messages(), QStringList("Le jeu est déja en cours d'utilisation.|Information...|" + QString::number(platform::vbInformation)));
        QVERIFY(env->finDemandee && autre.isLocked() && !estCharge<frmChromalis>());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
