// The end of a game: the dialog's three states, its closing rule, Oui and Non, and the scoring.
#include "support/support.h"

#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/clock.h"
#include "storage/records.h"
#include "storage/settings.h"
#include "windows/dialogs/frmFIN.h"
#include "windows/dialogs/frmScores.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmSplash.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Chromalis;

namespace {
const QString app = QStringLiteral("Chromalis");
const QString gagne = QStringLiteral("Vous avez trouver la bonne combinaison des couleurs.");
const QString perdu = QStringLiteral("Désolé, vous n'avez pas trouver la bonne combinaison des couleurs qui était:");
const QString hors_scores = QStringLiteral(" Par contre, vous ne figurez pas dans les high-scores.");
QString record(int points) { return QString::number(points) + QStringLiteral(";Ana;4;00h01mn00s;01/01/2026;"); }
} // namespace

// What the dialog looked like while it was shown.
struct Vue {
    QString titre, texte, temps, coups, points;
    bool tempsVisible, oui, non, scores;
    int largeur;
    QString focus; // "oui", "scores" or "autre"
    QStringList solution;
};

class TestFin : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    frmChromalis* f = nullptr;
    QDateTime maintenant;
    QList<Vue> vues;
    // What to press in the dialog: "non", "oui", "fermer", "f1" (then Non), or "" to leave it.
    QStringList actions;

    void jouer(const QString& type, QRadioButton* mode, const QString& secret)
    {
        f->cboJeu->setCurrentText(type);
        f->cboJeu_Click();
        mode->setChecked(true);
        f->cmdNouveau_Click();
        f->txtCombi->setText(secret);
    }
    void proposer(const QString& lettres)
    {
        for (int k = 0; k < lettres.size(); ++k)
            for (PegImage* p : f->palette())
                if (p->Tag() == QString(lettres[k]))
                    f->img_DragDrop(num_ligne, k + 1, p);
        f->cmdValider_Click();
    }
    // Plays and wins on the given row after the given seconds (none: before the clock's first tick).
    void gagnerEn(int rangee, int secondes, const QString& type = QStringLiteral("Normal"))
    {
        const QString secret = type == QLatin1String("Super") ? QStringLiteral("RBVJO") : QStringLiteral("RBVJ");
        const QString faux = type == QLatin1String("Super") ? QStringLiteral("IIIII") : QStringLiteral("IIII");
        for (int r = 1; r < rangee; ++r)
            proposer(faux);
        maintenant = maintenant.addSecs(qMax(secondes, 0));
        if (secondes >= 0)
            f->Timer4_Timer();
        proposer(secret);
    }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        maintenant = QDateTime(QDate(2026, 12, 6), QTime(10, 0, 0));
        platform::setClockHook([this] { return maintenant; });
        vues.clear();
        actions.clear();
        env->dansModal = [this](QWidget* w) {
            auto* fin = qobject_cast<frmFIN*>(w);
            if (!fin)
                return;
            QStringList solution;
            for (int k = 1; k <= 5; ++k)
                solution << fin->imgSolution[k]->Picture();
            const QWidget* focus = fin->focusWidget();
            vues.append({fin->windowTitle(), fin->lblTexte->text(), fin->lblTemps->text(), fin->lblCoups->text(),
                         fin->lblpoints->text(), fin->fraTemps->isVisibleTo(fin), fin->cmdOUI->isEnabled(),
                         fin->cmdNON->isEnabled(), fin->cmdScores->isEnabled(), fin->largeurTemps(),
                         focus == fin->cmdOUI ? QStringLiteral("oui")
                         : focus == fin->cmdScores ? QStringLiteral("scores") : QStringLiteral("autre"),
                         solution});
            const QString a = actions.isEmpty() ? QStringLiteral("non") : actions.takeFirst();
            if (a == QLatin1String("f1")) {
                // Buttons do not take F1: it reaches the dialog from the focused one.
                fin->cmdOUI->setFocus();
                QTest::keyClick(fin->cmdOUI, Qt::Key_F1);
                fin->cmdNON_Click();
            } else if (a == QLatin1String("non")) {
                fin->cmdNON_Click();
            } else if (a == QLatin1String("oui")) {
                fin->cmdOUI_Click();
            } else if (a == QLatin1String("fermer")) {
                fin->close();
            }
        };
        instance<frmSplash>();
        f = instance<frmChromalis>();
        f->show();
    }
    void cleanup() { env.reset(); }

    void partiePerdue_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("secret");
        QTest::addColumn<int>("rangees");
        // A four-hole game leaves the fifth position empty; an empty hole shows as one.
        QTest::newRow("normal") << "Normal" << "RBVJ" << 10;
        QTest::newRow("super avec trous vides") << "Super" << "RZBZN" << 12;
    }
    // Lost, then Non: the game stops and the dialog goes; F1 pressed on a button opens the help.
    void partiePerdue()
    {
        QFETCH(QString, type);
        QFETCH(QString, secret);
        QFETCH(int, rangees);
        QTemporaryDir aide;
        dossier_appli = aide.filePath(QStringLiteral("aide.htm"));
        QFile fichier(dossier_appli);
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        actions = {QStringLiteral("f1")};
        jouer(type, type == QLatin1String("Super") ? f->optTop : f->optExpert, secret);
        for (int r = 1; r <= rangees; ++r)
            proposer(QString(secret.size(), u'I'));
        QCOMPARE(vues.size(), 1);
        const Vue v = vues.first();
        QCOMPARE(v.titre, QStringLiteral("PERDU"));
        QCOMPARE(v.texte, perdu);
        QVERIFY(!v.tempsVisible);
        QVERIFY(v.oui && v.non && !v.scores);
        QCOMPARE(v.focus, QStringLiteral("oui"));
        const QHash<QChar, PegImage*> pions{{u'R', f->ImageR}, {u'B', f->ImageB}, {u'V', f->ImageV},
                                            {u'J', f->ImageJ}, {u'N', f->ImageN}, {u'Z', f->Image1}};
        QStringList attendues(5);
        for (int k = 0; k < secret.size(); ++k)
            attendues[k] = pions.value(secret[k])->Picture();
        QCOMPARE(v.solution, attendues);
        QCOMPARE(env->ouvertures, QStringList{dossier_appli});
        QVERIFY(env->messages().isEmpty());
        QVERIFY(!jeu_en_cours);
        QCOMPARE(num_ligne, std::int16_t(0));
        QVERIFY(!f->cmdValider->isEnabled());
        QCOMPARE(f->cmdNouveau->text(), QStringLiteral("&Nouveau jeu"));
        QVERIFY(!estCharge<frmFIN>() || emplacement<frmFIN>()->isHidden());
    }

    void points_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("rangee");
        QTest::addColumn<int>("secondes");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("temps");
        QTest::newRow("NI rangée 1, 30 s") << "Normal" << 0 << 1 << 30 << 8700 << "00h00mn30s";
        // The previous game's time must not leak into this one.
        QTest::newRow("NI avant le premier top du chrono") << "Normal" << 0 << 1 << -1 << 9000 << "00h00mn00s";
        QTest::newRow("SE rangée 3, 125 s") << "Super" << 2 << 3 << 125 << 448750 << "00h02mn05s";
        QTest::newRow("NE rangée 9, 600 s") << "Normal" << 2 << 9 << 600 << 0 << "00h10mn00s";
        QTest::newRow("dernière rangée normale") << "Normal" << 1 << 10 << 1 << 0 << "00h00mn01s";
        QTest::newRow("dernière rangée super") << "Super" << 1 << 12 << 0 << 0 << "00h00mn00s";
    }
    void points()
    {
        QFETCH(QString, type);
        QFETCH(int, mode);
        QFETCH(int, rangee);
        QFETCH(int, secondes);
        QFETCH(int, points);
        QFETCH(QString, temps);
        QRadioButton* modes[] = {f->optDebutant, f->optExpert, f->optTop};
        temps_total = QStringLiteral("500");
        jouer(type, modes[mode], type == QLatin1String("Super") ? QStringLiteral("RBVJO") : QStringLiteral("RBVJ"));
        gagnerEn(rangee, secondes, type);
        QCOMPARE(vues.size(), 1);
        const Vue v = vues.first();
        QCOMPARE(v.titre, QStringLiteral("BRAVO"));
        QCOMPARE(v.coups, QString::number(rangee));
        QCOMPARE(v.points, QString::number(points));
        QCOMPARE(v.temps, temps);
        QVERIFY(v.tempsVisible);
        QVERIFY(env->messages().isEmpty());
        const QString cle = lettre_jeu + lettre_mode;
        if (points == 0) {
            QCOMPARE(v.texte, gagne + hors_scores);
            QVERIFY(v.oui && v.non && !v.scores);
            QCOMPARE(v.largeur, 2415);
            QCOMPARE(storage::GetSetting(app, cle, QStringLiteral("1")), QString());
        } else {
            QCOMPARE(v.texte, gagne + QStringLiteral(" De plus, vous figurez dans les high-scores."));
            QVERIFY(!v.oui && !v.non && v.scores);
            QCOMPARE(v.largeur, 5415);
            QCOMPARE(v.focus, QStringLiteral("scores"));
            QCOMPARE(storage::GetSetting(app, cle, QStringLiteral("1")),
                     storage::construire_record(points, QStringLiteral("votre nom ?"), rangee, temps,
                                                storage::texte_date(QDate::currentDate())));
        }
    }

    void etatHighScoreNeSeFermePas()
    {
        actions = {QStringLiteral("fermer")};
        env->dansModal = [this, suite = env->dansModal](QWidget* w) {
            auto* fin = qobject_cast<frmFIN*>(w);
            suite(w);
            if (!fin)
                return;
            // The close was refused: the dialog waits for the name, the game is not stopped.
            QVERIFY(estCharge<frmFIN>());
            QVERIFY(!fin->isHidden());
            QVERIFY(jeu_en_cours);
            fin->reject();
            QVERIFY(!fin->isHidden());
            fin->cmdScores_Click();
            QCOMPARE(fin->largeurTemps(), 2415);
            QVERIFY(!fin->cmdScores->isEnabled());
            QVERIFY(fin->cmdOUI->isEnabled() && fin->cmdNON->isEnabled());
            fin->close();
            QVERIFY(fin->isHidden());
        };
        jouer(QStringLiteral("Normal"), f->optDebutant, QStringLiteral("RBVJ"));
        gagnerEn(1, 10);
        QCOMPARE(vues.size(), 1);
        QVERIFY(!jeu_en_cours);
        int vuesScores = 0;
        for (const support::Appel& a : env->appels)
            vuesScores += a.genre == QLatin1String("ShowModal") && a.texte == QLatin1String("frmScores");
        QCOMPARE(vuesScores, 1);
    }

    void ouiAvecLaPartieSuivante_data()
    {
        QTest::addColumn<int>("depart");
        QTest::addColumn<QString>("suivante");
        QTest::newRow("milieu") << 4 << QStringLiteral("NI6");
        QTest::newRow("dernière revient à la première") << 99 << QStringLiteral("NI1");
    }
    void ouiAvecLaPartieSuivante()
    {
        QFETCH(int, depart);
        QFETCH(QString, suivante);
        f->cboJeu->setCurrentText(QStringLiteral("Normal"));
        f->cboJeu_Click();
        f->optDebutant->setChecked(true);
        f->optDebutant_Click();
        f->chkPartie->setChecked(true);
        f->chkPartie_Click();
        f->cboParties->setCurrentIndex(depart);
        f->cmdNouveau_Click();
        actions = {QStringLiteral("oui")};
        for (int r = 1; r <= 10; ++r)
            proposer(QStringLiteral("XXXX"));
        QCOMPARE(vues.size(), 1);
        QVERIFY(jeu_en_cours);
        QCOMPARE(num_ligne, std::int16_t(1));
        QCOMPARE(f->cboParties->currentText(), suivante);
        QCOMPARE(f->lblPartie->text(), QStringLiteral("Partie: ") + suivante);
        QCOMPARE(f->txtCombi->text(), parties[suivante.mid(2).toInt()]);
    }

    // The ranking itself is the store's; here, that a won game reaches the right table and place.
    void classement_data()
    {
        QTest::addColumn<QList<int>>("table");
        QTest::addColumn<int>("place");
        QTest::addColumn<QList<int>>("apres");
        // The new result is worth 8700 points (normal, Initiation, row 1, 30 s).
        QTest::newRow("égalité passe devant") << QList<int>{9000, 8800, 8700, 100} << 3
                                              << QList<int>{9000, 8800, 8700, 8700, 100};
        QTest::newRow("sous les dix") << QList<int>{9900, 9800, 9700, 9600, 9500, 9400, 9300, 9200, 9100, 9000}
                                      << 11 << QList<int>{9900, 9800, 9700, 9600, 9500, 9400, 9300, 9200, 9100, 9000};
        QTest::newRow("dixième place remplacée")
            << QList<int>{9900, 9800, 9700, 9600, 9500, 9400, 9300, 9200, 9100, 100} << 10
            << QList<int>{9900, 9800, 9700, 9600, 9500, 9400, 9300, 9200, 9100, 8700};
    }
    void classement()
    {
        QFETCH(QList<int>, table);
        QFETCH(int, place);
        QFETCH(QList<int>, apres);
        for (int k = 0; k < table.size(); ++k)
            storage::SaveSetting(app, QStringLiteral("NI"), QString::number(k + 1), record(table[k]));
        jouer(QStringLiteral("Normal"), f->optDebutant, QStringLiteral("RBVJ"));
        gagnerEn(1, 30);
        QCOMPARE(int(i), place);
        QCOMPARE(dans_scores, place <= 10);
        QCOMPARE(vues.size(), 1);
        QCOMPARE(vues.first().scores, place <= 10);
        for (int k = 0; k < 10; ++k) {
            const double lu = storage::points_record(storage::GetSetting(app, QStringLiteral("NI"), QString::number(k + 1)));
            QCOMPARE(int(lu), k < apres.size() ? apres[k] : 0);
        }
    }

    void storeEnPanneSignale()
    {
        jouer(QStringLiteral("Normal"), f->optDebutant, QStringLiteral("RBVJ"));
        // From now on the file cannot be written.
        QFile::remove(storage::cheminReglages());
        QVERIFY(QDir().mkpath(storage::cheminReglages()));
        storage::oublierCache();
        gagnerEn(1, 30);
        QCOMPARE(env->messages().size(), 1);
        const support::Appel m = env->messages().first();
        QVERIFY2(m.texte.startsWith(QStringLiteral("Erreur numéro: 75\nDescription: ")), qPrintable(m.texte));
        QCOMPARE(m.titre, QStringLiteral("Erreur"));
        QCOMPARE(m.style, int(platform::vbCritical));
        QVERIFY(!dans_scores);
        QCOMPARE(vues.size(), 1);
        QVERIFY(vues.first().texte.endsWith(hors_scores));
        QVERIFY(vues.first().oui);
    }
};

QTEST_MAIN(TestFin)
#include "test_fin.moc"
