// Start-up: the start-up window, the main window's load, its caption, the quit confirmation,
// the help link and the one-copy rule.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/instance.h"
#include "platform/program.h"
#include "platform/traducteur.h"
#include "storage/settings.h"
#include "platform/twips.h"
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

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyleOptionButton>
#include <QScreen>
#include <QSysInfo>
#include <QTest>

using namespace Chromalis;

namespace {
const QString quitter = QStringLiteral("Êtes-vous sûr(e) de vouloir vraiment quitter le jeu ?");
const QString aide_absente = QStringLiteral(
    "Le fichier d'aide [aide.htm] n'a pas été trouvé. Assurez-vous que celui-ci doit se trouver dans: ");
} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    QTemporaryDir programme;

    // The start-up window, then the first turn of the event loop, which loads the board behind it.
    void demarrer()
    {
        instance<frmSplash>();
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        const QString dossier = programme.path();
        QFile::remove(dossier + QStringLiteral("/aide.htm"));
        platform::setAppPathHook([dossier] { return dossier; });
    }
    void cleanup() { env.reset(); }

    void etatApresChargement()
    {
        demarrer();
        frmChromalis* f = instance<frmChromalis>();
        QVERIFY(!f->isVisible());
        QCOMPARE(f->cboTemps->currentText(), QStringLiteral("20"));
        QCOMPARE(f->cboTemps->count(), 12);
        QCOMPARE(f->cboTemps->itemText(11), QStringLiteral("60"));
        QCOMPARE(temps_coup, std::int16_t(20));
        QCOMPARE(f->cboJeu->currentText(), QStringLiteral("Super"));
        QCOMPARE(f->cboParties->count(), 100);
        QCOMPARE(f->cboParties->itemText(0), QStringLiteral("SN1"));
        QCOMPARE(f->cboParties->itemText(99), QStringLiteral("SN100"));
        QCOMPARE(noms_NI[1], QStringLiteral("NI1"));
        QCOMPARE(noms_SE[100], QStringLiteral("SE100"));
        for (int K = 1; K <= 12; ++K)
            for (int n = 1; n <= 5; ++n)
                QCOMPARE(f->img[K][n]->Picture(), f->Image1->Picture());
        QCOMPARE(f->Width(), 4965);
        QVERIFY(f->optExpert->isChecked() || f->optDebutant->isChecked() || f->optTop->isChecked());
        QVERIFY(!f->chkTemps->isChecked());
        QCOMPARE(nb_pions, std::int16_t(5));
        QCOMPARE(lettre_jeu, QStringLiteral("S"));
        QCOMPARE(lettre_mode, QStringLiteral("N"));
        QVERIFY(partie_choisie.isEmpty());
        QVERIFY(!jeu_en_cours);
        QCOMPARE(parties[1], QStringLiteral("RORB"));
        // Centred on the screen.
        const QRect ecran = f->screen()->geometry();
        QVERIFY(qAbs(f->frameGeometry().center().x() - ecran.center().x()) <= 2);
        QVERIFY(qAbs(f->frameGeometry().center().y() - ecran.center().y()) <= 2);
    }

    void versionEtCheminDAide()
    {
        demarrer();
        QCOMPARE(instance<frmSplash>()->lblVersion->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(dossier_appli, programme.path() + QStringLiteral("/aide.htm"));
    }

    void cheminDAideSansSeparateurDouble_data()
    {
        QTest::addColumn<QString>("dossier");
        QTest::addColumn<QString>("chemin");
        QTest::newRow("sans /") << QStringLiteral("/opt/chromalis") << QStringLiteral("/opt/chromalis/aide.htm");
        QTest::newRow("avec /") << QStringLiteral("/opt/chromalis/") << QStringLiteral("/opt/chromalis/aide.htm");
        QTest::newRow("racine") << QStringLiteral("/") << QStringLiteral("/aide.htm");
    }
    void cheminDAideSansSeparateurDouble()
    {
        QFETCH(QString, dossier);
        QFETCH(QString, chemin);
        QCOMPARE(chemin_aide(dossier), chemin);
    }

    void plateauChargeApresLAccueil()
    {
        instance<frmSplash>();
        QVERIFY(!estCharge<frmChromalis>());
        QCoreApplication::processEvents();
        QVERIFY(estCharge<frmChromalis>());
        QCOMPARE(emplacement<frmChromalis>()->isVisible(), false);
    }

    // Each face the windows ask for comes out as a face of letters: a missing one must not fall to
    // whatever symbol font the machine's font matching hands out.
    void policesDeLettres()
    {
        demarrer();
        frmSplash* s = instance<frmSplash>();
        frmChromalis* f = instance<frmChromalis>();
        const QStringList lettres = {QStringLiteral("Liberation Sans"), QStringLiteral("Liberation Sans Narrow"),
                                     QStringLiteral("Arial"), QStringLiteral("Arial Narrow"), QStringLiteral("Impact"),
                                     QStringLiteral("DejaVu Sans")};
        for (QLabel* l : {s->Label1, s->Label3, s->Label5, f->lblTitre, f->lblPause, f->Label6[1], f->lblPartie})
            QVERIFY2(lettres.contains(QFontInfo(l->font()).family()),
                     qPrintable(l->text() + QStringLiteral(": ") + QFontInfo(l->font()).family()));
    }

    // The icons are drawn by the game's own renderer: every size a window manager or a button asks
    // for comes out at that size with the picture in it, and a disabled button greys its icon.
    void icones_data()
    {
        QTest::addColumn<int>("taille");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
        QTest::newRow("64") << 64;
    }
    void icones()
    {
        QFETCH(int, taille);
        demarrer();
        frmChromalis* f = instance<frmChromalis>();
        const auto opaques = [](const QImage& image) {
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    n += qAlpha(image.pixel(x, y)) == 255;
            return n;
        };
        // The windows without an icon of their own show the game's.
        const QList<QIcon> icones{instance<frmSplash>()->windowIcon(), f->windowIcon(), instance<frmScores>()->windowIcon(),
                                  instance<frmPasse>()->windowIcon(), f->cmdInternet->icon()};
        for (const QIcon& icone : icones) {
            QVERIFY(icone.availableSizes().contains(QSize(taille, taille)));
            const QImage image = icone.pixmap(QSize(taille, taille), 1.0).toImage();
            QCOMPARE(image.size(), QSize(taille, taille));
            QVERIFY(opaques(image) > taille * taille / 4);
        }
        const QImage actif = f->cmdMail->icon().pixmap(QSize(taille, taille), 1.0, QIcon::Normal).toImage();
        const QImage grise = f->cmdMail->icon().pixmap(QSize(taille, taille), 1.0, QIcon::Disabled).toImage();
        QCOMPARE(grise.size(), actif.size());
        QVERIFY(grise.convertToFormat(QImage::Format_ARGB32) != actif.convertToFormat(QImage::Format_ARGB32));
    }

    // Nothing is cut or crowded, at every scale, in the states that show the longest texts: every
    // caption fits its box (labels, buttons, check and option boxes), the controls under a frame's
    // caption stay clear of its line, the question of a lost game stands in the middle, and the
    // start-up window's pale line lies within the logo's panel.
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
        demarrer();
        frmChromalis* f = instance<frmChromalis>();
        f->show();
        frmParties* p = instance<frmParties>();
        QTest::keyClicks(p->txtNumPartie, QStringLiteral("600"));
        p->cmdChercher_Click();
        QCOMPARE(p->windowTitle(), QStringLiteral("Combi No: 600"));
        f->cmdOptions_Click();
        QTest::mouseClick(f->optDebutant, Qt::LeftButton);
        QTest::mouseClick(f->chkTemps, Qt::LeftButton);
        f->cmdNouveau_Click();
        f->lblPourcent->setText(QStringLiteral("100"));
        QStringList coupes;
        int vues = 0;
        const auto verifier = [&](QWidget* fenetre) {
            for (QWidget* w : fenetre->findChildren<QWidget*>()) {
                if (!w->isVisibleTo(fenetre))
                    continue;
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
                    place = b->style()->subElementRect(coche ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents,
                                                       &option, b);
                    if (!b->icon().isNull())
                        place.setLeft(place.left() + qMin(place.height() - 2, twips::px(300)) + 5);
                    drapeaux |= qobject_cast<WrapButton*>(b) ? Qt::TextWordWrap : 0;
                }
                if (texte.isEmpty())
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
        env->dansModal = [&](QWidget* w) {
            auto* fin = qobject_cast<frmFIN*>(w);
            verifier(fin);
            QVERIFY(qAbs(fin->Label1->geometry().center().x() - fin->width() / 2) <= 2);
            QVERIFY(fin->cmdOUI->x() < fin->width() / 2 && fin->cmdNON->geometry().right() > fin->width() / 2);
        };
        for (int n = 1; n <= 12; ++n)
            f->cmdValider_Click();
        QVERIFY2(coupes.isEmpty(), qPrintable(coupes.join(QStringLiteral("; "))));
        QVERIFY(vues > 60);
        const frmSplash* s = instance<frmSplash>();
        const QRect panneau = s->imgLogo->geometry().adjusted(twips::px(150), twips::px(150), 0, 0);
        QVERIFY(panneau.contains(s->Label2->geometry()));
    }

    // The maker's lines keep a dark edge round their pale letters, whatever lies beneath them.
    void haloDesLettres()
    {
        demarrer();
        for (QLabel* l : {instance<frmSplash>()->Label1, instance<frmSplash>()->Label2}) {
            auto* h = qobject_cast<HaloLabel*>(l);
            QVERIFY(h);
            QImage image(l->size(), QImage::Format_RGB32);
            image.fill(Qt::white);
            l->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
            const QColor lettre = l->palette().color(l->foregroundRole());
            const auto proche = [](QRgb p, const QColor& c) {
                return qAbs(qRed(p) - c.red()) + qAbs(qGreen(p) - c.green()) + qAbs(qBlue(p) - c.blue()) < 40;
            };
            // On white, every pale pixel has a clearly darker one next to it: the letters stay apart
            // from a light background.
            int pales = 0, seuls = 0, sombres = 0;
            for (int y = 1; y < image.height() - 1; ++y)
                for (int x = 1; x < image.width() - 1; ++x) {
                    sombres += proche(image.pixel(x, y), h->halo());
                    if (!proche(image.pixel(x, y), lettre))
                        continue;
                    ++pales;
                    bool borde = false;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx)
                            borde = borde || qGray(image.pixel(x + dx, y + dy)) < 200;
                    seuls += !borde;
                }
            QVERIFY2(pales > 10, qPrintable(l->text()));
            QVERIFY2(sombres > 10, qPrintable(l->text()));
            QCOMPARE(seuls, 0);
        }
    }

    // Qt's French catalogue is read on the first text asked for, not when it is installed; the
    // direction question asked at installation gets left to right without reading it.
    void traductionDifferee()
    {
        platform::TraducteurDiffere traducteur;
        QVERIFY(!traducteur.isEmpty());
        QVERIFY(QCoreApplication::installTranslator(&traducteur));
        QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
        QVERIFY(!traducteur.charge());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Oui"));
        QVERIFY(traducteur.charge());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Non"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
        // A text the catalogue does not have comes back as it was asked.
        QCOMPARE(QCoreApplication::translate("frmChromalis", "Valider"), QStringLiteral("Valider"));
        QCoreApplication::removeTranslator(&traducteur);
    }

    void premierLancementEnregistreLeStore()
    {
        demarrer();
        QCOMPARE(storage::GetSetting(QStringLiteral("Chromalis"), QStringLiteral("scores"), QStringLiteral("OK")),
                 QStringLiteral("OUI"));
        QCOMPARE(storage::GetSetting(QStringLiteral("Chromalis"), QStringLiteral("parametres"),
                                     QStringLiteral("dossier application")),
                 programme.path());
        QVERIFY(QFile::exists(storage::cheminReglages()));
    }

    void storeInutilisableNEmpechePasDeJouer()
    {
        QVERIFY(QDir().mkpath(storage::cheminReglages()));
        demarrer();
        QVERIFY(env->messages().isEmpty());
        instance<frmChromalis>()->cmdNouveau_Click();
        QVERIFY(jeu_en_cours);
    }

    void fermetureDeLAccueil_data()
    {
        QTest::addColumn<int>("maniere");
        QTest::newRow("trois secondes") << 0;
        QTest::newRow("clic fenetre") << 1;
        QTest::newRow("clic cadre") << 2;
        QTest::newRow("clic logo") << 3;
        QTest::newRow("touche") << 4;
    }
    void fermetureDeLAccueil()
    {
        QFETCH(int, maniere);
        demarrer();
        frmSplash* s = instance<frmSplash>();
        s->show();
        QVERIFY(s->Timer1.Enabled());
        switch (maniere) {
        case 0:
            s->Timer1_Timer();
            s->Timer1_Timer();
            QVERIFY(!instance<frmChromalis>()->isVisible());
            s->Timer1_Timer();
            break;
        case 1: QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(5, 5)); break;
        case 2: QTest::mouseClick(s->Frame1, Qt::LeftButton, {}, QPoint(3, 150)); break;
        case 3: QTest::mouseClick(s->imgLogo, Qt::LeftButton); break;
        case 4: QTest::keyClick(s, Qt::Key_A); break;
        }
        QVERIFY(!estCharge<frmSplash>() || emplacement<frmSplash>() != s);
        QVERIFY(instance<frmChromalis>()->isVisible());
        QVERIFY(!s->Timer1.Enabled());
    }

    void premierRedimensionnementDonneLeTitre()
    {
        demarrer();
        frmChromalis* f = instance<frmChromalis>();
        f->setWindowTitle(QStringLiteral("titre de conception"));
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f));
        f->Form_Resize();
        QCOMPARE(f->windowTitle(), QStringLiteral("Ventaroc vous propose:"));
        QVERIFY(!f->Timer2.Enabled());
    }

    void fermerDemandeConfirmation_data()
    {
        QTest::addColumn<bool>("boutonQuitter");
        QTest::addColumn<int>("reponse");
        QTest::newRow("case fermeture, Non") << false << int(platform::vbNo);
        QTest::newRow("case fermeture, Oui") << false << int(platform::vbYes);
        QTest::newRow("bouton Quitter, Non") << true << int(platform::vbNo);
        QTest::newRow("bouton Quitter, Oui") << true << int(platform::vbYes);
    }
    void fermerDemandeConfirmation()
    {
        QFETCH(bool, boutonQuitter);
        QFETCH(int, reponse);
        demarrer();
        frmChromalis* f = instance<frmChromalis>();
        f->show();
        f->cmdNouveau_Click();
        const QString secret = f->txtCombi->text();
        env->reponsesMsgBox = {reponse};
        if (boutonQuitter)
            f->cmdQuitter->click();
        else
            f->close();
        QCOMPARE(env->messages().size(), 1);
        const support::Appel m = env->messages().first();
        QCOMPARE(m.texte, quitter);
        QCOMPARE(m.titre, QStringLiteral("Chromalis"));
        QCOMPARE(m.style, platform::vbYesNo + platform::vbQuestion);
        QCOMPARE(env->finDemandee, reponse == platform::vbYes);
        // The window and the game are left exactly as they were until the program ends.
        QVERIFY(f->isVisible());
        QVERIFY(jeu_en_cours);
        QCOMPARE(f->txtCombi->text(), secret);
    }

    void lienDAideFichierPresent()
    {
        QFile fichier(programme.path() + QStringLiteral("/aide.htm"));
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.close();
        demarrer();
        instance<frmSplash>()->Label4_Click();
        QCOMPARE(env->ouvertures, QStringList{dossier_appli});
        QVERIFY(env->messages().isEmpty());
    }

    void lienDAideFichierAbsent()
    {
        demarrer();
        frmSplash* s = instance<frmSplash>();
        s->Label4_Click();
        QCOMPARE(env->messages().size(), 1);
        const support::Appel m = env->messages().first();
        QCOMPARE(m.texte, aide_absente + programme.path() + QStringLiteral("\r\n"));
        QCOMPARE(m.titre, QStringLiteral("Erreur"));
        QCOMPARE(m.style, int(platform::vbExclamation));
        QVERIFY(!s->Label4->isEnabled());
        QVERIFY(!instance<frmChromalis>()->cmdAide->isEnabled());
        QVERIFY(env->ouvertures.isEmpty());
        // A new showing of the start-up window enables its link again.
        Unload<frmSplash>();
        support::viderSuppressions();
        QVERIFY(instance<frmSplash>()->Label4->isEnabled());
    }

    void survolDuLien()
    {
        demarrer();
        frmSplash* s = instance<frmSplash>();
        s->Label4_MouseMove();
        QCOMPARE(s->Label4->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(s->Label4->font().underline());
        s->Frame1_MouseMove();
        QCOMPARE(s->Label4->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(!s->Label4->font().underline());
        s->Label4_MouseMove();
        s->imgLogo_MouseMove();
        QVERIFY(!s->Label4->font().underline());
    }

    void deuxiemeCopieRefusee()
    {
        QDir().mkpath(QFileInfo(platform::cheminVerrou()).absolutePath());
        QLockFile autre(platform::cheminVerrou());
        QVERIFY(autre.tryLock(0));
        demarrer();
        QCOMPARE(env->messages().size(), 1);
        QCOMPARE(env->messages().first().texte, QStringLiteral("Le jeu est déja en cours d'utilisation."));
        QCOMPARE(env->messages().first().titre, QStringLiteral("Information..."));
        QCOMPARE(env->messages().first().style, int(platform::vbInformation));
        QVERIFY(env->finDemandee);
        QVERIFY(!estCharge<frmChromalis>());
        // The other copy keeps its lock.
        QVERIFY(autre.isLocked());
    }

    void verrouAbandonneRepris()
    {
        // A lock left by a copy that died is taken over.
        QDir().mkpath(QFileInfo(platform::cheminVerrou()).absolutePath());
        QFile verrou(platform::cheminVerrou());
        QVERIFY(verrou.open(QIODevice::WriteOnly));
        verrou.write("2147480000\nchromalis\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        verrou.close();
        demarrer();
        QVERIFY(env->messages().isEmpty());
        QVERIFY(estCharge<frmChromalis>());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
