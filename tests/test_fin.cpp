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
#include <QFileInfo>
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
QString record(int points) { return QString::number(points) + QStringLiteral(";Ana;4;00h01mn00s;01/01/2026;"); }
} // namespace

// What the dialog looked like while it was shown.
struct Vue {
    QString titre, texte, temps, coups, points;
    bool tempsVisible = false, oui = false, non = false, scores = false;
    int largeur = 0;
    QWidget* focus = nullptr;
    QWidget* oui_ = nullptr;
    QWidget* scores_ = nullptr;
    QStringList solution;
};

class TestFin : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    frmChromalis* f = nullptr;
    QDateTime maintenant;
    QList<Vue> vues;
    // What to press in the dialog: "non", "oui", "scores", "fermer", or "" to leave it.
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
    // Plays and wins on the given row after the given seconds.
    void gagnerEn(int rangee, int secondes, const QString& type = QStringLiteral("Normal"))
    {
        const QString secret = type == QLatin1String("Super") ? QStringLiteral("RBVJO") : QStringLiteral("RBVJ");
        const QString faux = type == QLatin1String("Super") ? QStringLiteral("IIIII") : QStringLiteral("IIII");
        for (int r = 1; r < rangee; ++r)
            proposer(faux);
        maintenant = maintenant.addSecs(secondes);
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
            Vue v;
            v.titre = fin->windowTitle();
            v.texte = fin->lblTexte->text();
            v.temps = fin->lblTemps->text();
            v.coups = fin->lblCoups->text();
            v.points = fin->lblpoints->text();
            v.tempsVisible = fin->fraTemps->isVisibleTo(fin);
            v.oui = fin->cmdOUI->isEnabled();
            v.non = fin->cmdNON->isEnabled();
            v.scores = fin->cmdScores->isEnabled();
            v.largeur = fin->largeurTemps();
            v.focus = fin->focusWidget();
            v.oui_ = fin->cmdOUI;
            v.scores_ = fin->cmdScores;
            for (int k = 1; k <= 5; ++k)
                v.solution << fin->imgSolution[k]->Picture();
            vues.append(v);
            const QString a = actions.isEmpty() ? QStringLiteral("non") : actions.takeFirst();
            if (a == QLatin1String("non"))
                fin->cmdNON_Click();
            else if (a == QLatin1String("oui"))
                fin->cmdOUI_Click();
            else if (a == QLatin1String("fermer"))
                fin->close();
        };
        instance<frmSplash>();
        f = instance<frmChromalis>();
        f->show();
    }
    void cleanup() { env.reset(); }

    void partiePerdue()
    {
        jouer(QStringLiteral("Normal"), f->optExpert, QStringLiteral("RBVJ"));
        for (int r = 1; r <= 10; ++r)
            proposer(QStringLiteral("IIII"));
        QCOMPARE(vues.size(), 1);
        const Vue v = vues.first();
        QCOMPARE(v.titre, QStringLiteral("PERDU"));
        QCOMPARE(v.texte, perdu);
        QVERIFY(!v.tempsVisible);
        QVERIFY(v.oui && v.non && !v.scores);
        QCOMPARE(v.focus, v.oui_);
        QCOMPARE(v.solution.mid(0, 4), (QStringList{f->ImageR->Picture(), f->ImageB->Picture(),
                                                    f->ImageV->Picture(), f->ImageJ->Picture()}));
        // A four-hole game leaves the fifth position empty.
        QCOMPARE(v.solution[4], QString());
        QVERIFY(!jeu_en_cours);
        QCOMPARE(f->cmdNouveau->text(), QStringLiteral("&Nouveau jeu"));
    }

    void solutionExpertAvecTrouVide()
    {
        jouer(QStringLiteral("Super"), f->optTop, QStringLiteral("RZBZN"));
        for (int r = 1; r <= 12; ++r)
            proposer(QStringLiteral("IIIII"));
        QCOMPARE(vues.size(), 1);
        QCOMPARE(vues.first().solution[1], f->Image1->Picture());
        QCOMPARE(vues.first().solution[4], f->ImageN->Picture());
    }

    void points_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("rangee");
        QTest::addColumn<int>("secondes");
        QTest::addColumn<int>("points");
        QTest::newRow("NI rangée 1, 30 s") << "Normal" << 0 << 1 << 30 << 8700;
        QTest::newRow("SE rangée 3, 125 s") << "Super" << 2 << 3 << 125 << 448750;
        QTest::newRow("NE rangée 9, 600 s") << "Normal" << 2 << 9 << 600 << 0;
        QTest::newRow("dernière rangée normale") << "Normal" << 1 << 10 << 1 << 0;
        QTest::newRow("dernière rangée super") << "Super" << 1 << 12 << 0 << 0;
    }
    void points()
    {
        QFETCH(QString, type);
        QFETCH(int, mode);
        QFETCH(int, rangee);
        QFETCH(int, secondes);
        QFETCH(int, points);
        QRadioButton* modes[] = {f->optDebutant, f->optExpert, f->optTop};
        jouer(type, modes[mode], type == QLatin1String("Super") ? QStringLiteral("RBVJO") : QStringLiteral("RBVJ"));
        gagnerEn(rangee, secondes, type);
        QCOMPARE(vues.size(), 1);
        const Vue v = vues.first();
        QCOMPARE(v.titre, QStringLiteral("BRAVO"));
        QCOMPARE(v.coups, QString::number(rangee));
        QCOMPARE(v.points, QString::number(points));
        QCOMPARE(v.temps, f->lblTemps_total->text());
        QVERIFY(v.tempsVisible);
        const QString cle = lettre_jeu + lettre_mode;
        if (points == 0) {
            QCOMPARE(v.texte, gagne + QStringLiteral(" Par contre, vous ne figurez pas dans les high-scores."));
            QVERIFY(v.oui && v.non && !v.scores);
            QCOMPARE(v.largeur, 2415);
            QCOMPARE(storage::GetSetting(app, cle, QStringLiteral("1")), QString());
        } else {
            QCOMPARE(v.texte, gagne + QStringLiteral(" De plus, vous figurez dans les high-scores."));
            QVERIFY(!v.oui && !v.non && v.scores);
            QCOMPARE(v.largeur, 5415);
            QCOMPARE(v.focus, v.scores_);
            QCOMPARE(storage::GetSetting(app, cle, QStringLiteral("1")),
                     storage::construire_record(points, QStringLiteral("votre nom ?"), rangee, v.temps,
                                                storage::texte_date(QDate::currentDate())));
        }
    }

    void gainAvantLePremierTopDuChrono()
    {
        // The previous game's time must not leak into this one.
        temps_total = QStringLiteral("500");
        jouer(QStringLiteral("Normal"), f->optDebutant, QStringLiteral("RBVJ"));
        proposer(QStringLiteral("RBVJ"));
        QCOMPARE(vues.size(), 1);
        QCOMPARE(vues.first().points, QStringLiteral("9000"));
        QCOMPARE(vues.first().temps, QStringLiteral("00h00mn00s"));
        QVERIFY(env->messages().isEmpty());
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

    void nonArreteLeJeu()
    {
        jouer(QStringLiteral("Normal"), f->optExpert, QStringLiteral("RBVJ"));
        for (int r = 1; r <= 10; ++r)
            proposer(QStringLiteral("IIII"));
        QVERIFY(!jeu_en_cours);
        QCOMPARE(num_ligne, std::int16_t(0));
        QVERIFY(!f->cmdValider->isEnabled());
        QVERIFY(!estCharge<frmFIN>() || emplacement<frmFIN>()->isHidden());
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

    void classement_data()
    {
        QTest::addColumn<QList<int>>("table");
        QTest::addColumn<int>("place");
        QTest::addColumn<QList<int>>("apres");
        // The new result is worth 8700 points (normal, Initiation, row 1, 30 s).
        QTest::newRow("table vide") << QList<int>{} << 1 << QList<int>{8700};
        QTest::newRow("égalité passe devant") << QList<int>{9000, 8800, 8700, 100} << 3
                                              << QList<int>{9000, 8800, 8700, 8700, 100};
        QTest::newRow("première place d'une table pleine")
            << QList<int>{8000, 7000, 6000, 5000, 4000, 3000, 2000, 1000, 500, 200} << 1
            << QList<int>{8700, 8000, 7000, 6000, 5000, 4000, 3000, 2000, 1000, 500};
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
        QCOMPARE(dans_scores || place > 10, true);
        for (int k = 0; k < 10; ++k) {
            const double lu = storage::points_record(storage::GetSetting(app, QStringLiteral("NI"), QString::number(k + 1)));
            QCOMPARE(int(lu), k < apres.size() ? apres[k] : 0);
        }
    }

    void recordIlliblePasseDessous()
    {
        storage::SaveSetting(app, QStringLiteral("NI"), QStringLiteral("1"), QStringLiteral("abc;X;1;t;d;"));
        jouer(QStringLiteral("Normal"), f->optDebutant, QStringLiteral("RBVJ"));
        gagnerEn(1, 30);
        QCOMPARE(int(i), 1);
        QCOMPARE(storage::GetSetting(app, QStringLiteral("NI"), QStringLiteral("2")), QStringLiteral("abc;X;1;t;d;"));
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
        QVERIFY(vues.first().texte.endsWith(QStringLiteral(" Par contre, vous ne figurez pas dans les high-scores.")));
        QVERIFY(vues.first().oui);
    }

    void toucheF1DuDialogue()
    {
        env->dansModal = [this](QWidget* w) {
            auto* fin = qobject_cast<frmFIN*>(w);
            if (!fin)
                return;
            fin->cmdOUI->setFocus();
            QTest::keyClick(fin->cmdOUI, Qt::Key_F1);
            fin->cmdNON_Click();
        };
        jouer(QStringLiteral("Normal"), f->optExpert, QStringLiteral("RBVJ"));
        for (int r = 1; r <= 10; ++r)
            proposer(QStringLiteral("IIII"));
        const bool present = QFile::exists(dossier_appli);
        if (present) {
            QCOMPARE(env->ouvertures, QStringList{dossier_appli});
        } else {
            QCOMPARE(env->messages().size(), 1);
            QCOMPARE(env->messages().first().titre, QStringLiteral("Erreur"));
        }
    }
};

QTEST_MAIN(TestFin)
#include "test_fin.moc"
