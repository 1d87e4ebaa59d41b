// The scores window: viewing a table, naming a new entry, choosing another table, the resets,
// Esc and F1.
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
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Chromalis;

namespace {
const QString app = QStringLiteral("Chromalis");
const QString manquant = QStringLiteral("Donnée manquante");
const QString temps_fin = QStringLiteral("00h03mn07s");

QString record(int points, const QString& nom = QStringLiteral("Ana"))
{
    return storage::construire_record(points, nom, 4, QStringLiteral("00h01mn00s"), QStringLiteral("01/01/2026"));
}

void ecrire(const QString& table, int place, const QString& valeur)
{
    storage::SaveSetting(app, table, QString::number(place), valeur);
}

QString lire(const QString& table, int place)
{
    return storage::GetSetting(app, table, QString::number(place));
}

// Every place of every table, as the store holds it.
QStringList magasin()
{
    storage::oublierCache();
    QStringList tout;
    for (const QString& t : storage::cles_tables)
        for (int place = 1; place <= 10; ++place)
            tout << lire(t, place);
    return tout;
}
} // namespace

class TestScores : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;
    QTemporaryDir programme;

    // The main window loaded on the given game type; the module left on the given game key.
    void preparer(const QString& jeu, const QString& lj, const QString& lm)
    {
        frmChromalis* m = instance<frmChromalis>();
        m->cboJeu->setCurrentText(jeu);
        lettre_jeu = lj;
        lettre_mode = lm;
    }
    frmScores* voir(const QString& jeu = QStringLiteral("Normal"), const QString& lj = QStringLiteral("N"),
                    const QString& lm = QStringLiteral("N"))
    {
        preparer(jeu, lj, lm);
        dans_scores = false;
        frmScores* s = instance<frmScores>();
        s->show();
        return s;
    }
    // A won game just entered NN at the given place with the placeholder name.
    frmScores* saisir(int place)
    {
        preparer(QStringLiteral("Normal"), QStringLiteral("N"), QStringLiteral("N"));
        for (int k = 1; k < place; ++k)
            ecrire(QStringLiteral("NN"), k, record(20000 - k * 1000));
        points = 9000;
        num_ligne = 6;
        ligne_score = storage::construire_record(points, storage::nom_attente, num_ligne,
                                                 QStringLiteral("00h02mn40s"), QStringLiteral("14/03/2003"));
        ecrire(QStringLiteral("NN"), place, ligne_score);
        instance<frmFIN>()->lblTemps->setText(temps_fin);
        i = static_cast<std::int16_t>(place);
        dans_scores = true;
        frmScores* s = instance<frmScores>();
        s->show();
        return s;
    }
    static QList<std::array<QLineEdit*, 5>*> lignes(frmScores* s)
    {
        QList<std::array<QLineEdit*, 5>*> l;
        for (int r = 1; r <= 10; ++r)
            l << s->ligne(r);
        return l;
    }
    static QStringList textesLigne(frmScores* s, int r)
    {
        QStringList t;
        for (QLineEdit* b : *s->ligne(r))
            t << b->text();
        return t;
    }
    static bool tableVide(frmScores* s)
    {
        for (auto* l : lignes(s))
            for (QLineEdit* b : *l)
                if (!b->text().isEmpty())
                    return false;
        return true;
    }
    static bool enSaisie(frmScores* s)
    {
        return s->Height() == 5430 && s->hauteurCadre() == 4305 && s->cmdValider->isVisible();
    }
    static bool enVisualisation(frmScores* s)
    {
        return s->Height() == 6990 && s->hauteurCadre() == 5865 && !s->cmdValider->isVisible()
            && s->cmdVoir->isDefault() && !s->cmdValider->isDefault();
    }
    static bool marquee(QLineEdit* b)
    {
        return b->palette().color(QPalette::Base) == QColor(0, 0, 0)
            && b->palette().color(QPalette::Text) == QColor(255, 0, 0) && !b->isReadOnly();
    }
    // Types any text, one key per character (keyClicks knows Latin-1 keys only).
    static void taper(QWidget* w, const QString& texte)
    {
        for (const QChar c : texte) {
            QKeyEvent appui(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &appui);
            QKeyEvent relache(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(w, &relache);
        }
    }
    // The message boxes shown, one line each: title, style, text.
    QStringList messages() const
    {
        QStringList l;
        for (const support::Appel& m : env->messages())
            l << message(m.texte, m.titre, m.style);
        return l;
    }
    static QString message(const QString& texte, const QString& titre = manquant, int style = platform::vbInformation)
    {
        return titre + u'|' + QString::number(style) + u'|' + texte;
    }
    // Every table full, each record named after its table.
    static void remplirTout()
    {
        for (const QString& t : storage::cles_tables)
            for (int place = 1; place <= 10; ++place)
                ecrire(t, place, record(1000 - place, t));
    }
    int beeps() const
    {
        int n = 0;
        for (const support::Appel& a : env->appels)
            n += a.genre == QLatin1String("Beep");
        return n;
    }

private slots:
    void init()
    {
        env = std::make_unique<support::Environnement>();
        const QString dossier = programme.path();
        platform::setAppPathHook([dossier] { return dossier; });
        // Its load creates the empty tables on the first run, before any test writes a record.
        instance<frmChromalis>();
    }
    void cleanup() { env.reset(); }

    void tableVideEnVisualisation()
    {
        frmScores* s = voir();
        QCOMPARE(s->windowTitle(), QStringLiteral("CHROMALIS: Tableau des scores"));
        QVERIFY(tableVide(s));
        QVERIFY(!s->cmdRAZ[0]->isEnabled());
        QVERIFY(s->cmdRAZ[1]->isEnabled());
        QVERIFY(enVisualisation(s));
        QCOMPARE(s->lblJeu->text(), QStringLiteral("NORMAL"));
        QCOMPARE(s->lblMode->text(), QStringLiteral("NORMAL"));
        for (auto* l : lignes(s))
            for (QLineEdit* b : *l)
                QVERIFY(b->isReadOnly() && !marquee(b));
        QVERIFY(env->messages().isEmpty());
        // The lower commands and the help line are within the window in viewing mode.
        const QRect cadre = s->Frame2->geometry();
        QVERIFY(s->cmdFermer->geometry().bottom() < cadre.height());
        QVERIFY(s->lblAide->geometry().bottom() < s->height());
    }

    void choixInitiaux_data()
    {
        QTest::addColumn<QString>("jeu");
        QTest::addColumn<QString>("lj");
        QTest::addColumn<QString>("lm");
        QTest::addColumn<QString>("libelleMode");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("normal");
        QTest::newRow("NI") << "Normal" << "N" << "I" << "INITIATION" << 0 << true;
        QTest::newRow("NN") << "Normal" << "N" << "N" << "NORMAL" << 1 << true;
        QTest::newRow("SE") << "Super" << "S" << "E" << "EXPERT" << 2 << false;
        QTest::newRow("SN") << "Super" << "S" << "N" << "NORMAL" << 1 << false;
    }
    void choixInitiaux()
    {
        QFETCH(QString, jeu);
        QFETCH(QString, lj);
        QFETCH(QString, lm);
        QFETCH(QString, libelleMode);
        QFETCH(int, index);
        QFETCH(bool, normal);
        ecrire(lj + lm, 1, record(777));
        frmScores* s = voir(jeu, lj, lm);
        QCOMPARE(s->lblJeu->text(), jeu.toUpper());
        QCOMPARE(s->lblMode->text(), libelleMode);
        QCOMPARE(s->cboMode->currentIndex(), index);
        QCOMPARE(s->optNormal->isChecked(), normal);
        QCOMPARE(s->optSuper->isChecked(), !normal);
        QCOMPARE(textesLigne(s, 1), (QStringList{"777", "Ana", "4", "00h01mn00s", "01/01/2026"}));
        QVERIFY(s->cmdRAZ[0]->isEnabled());
    }

    void voirSansChoix_data()
    {
        QTest::addColumn<QString>("lj");
        QTest::addColumn<QString>("lm");
        QTest::addColumn<QString>("message");
        QTest::newRow("type") << "" << "N"
                              << "Vous devez sélectionner le type de jeu avant de pouvoir voir les scores.";
        QTest::newRow("mode") << "N" << ""
                              << "Vous devez sélectionner un mode avant de pouvoir voir les scores.";
    }
    void voirSansChoix()
    {
        QFETCH(QString, lj);
        QFETCH(QString, lm);
        QFETCH(QString, message);
        ecrire(QStringLiteral("NN"), 1, record(500));
        frmScores* s = voir(QStringLiteral("Normal"), lj, lm);
        QCOMPARE(messages(), QStringList{TestScores::message(message)});
        // Nothing was read or unlocked.
        QVERIFY(tableVide(s));
        QVERIFY(!s->cmdRAZ[0]->isEnabled());
        QCOMPARE(s->lblMode->text(), lm.isEmpty() ? QStringLiteral("INCONNU") : QStringLiteral("NORMAL"));
        // Pressing VOIR again says the same.
        s->cmdVoir->click();
        QCOMPARE(messages(), (QStringList{TestScores::message(message), TestScores::message(message)}));
    }

    void superExpert()
    {
        ecrire(QStringLiteral("NN"), 1, record(300, QStringLiteral("normal")));
        ecrire(QStringLiteral("SE"), 1, record(90000, QStringLiteral("super")));
        ecrire(QStringLiteral("SE"), 2, record(80000, QStringLiteral("second")));
        frmScores* s = voir();
        s->optSuper->click();
        s->cboMode->setCurrentIndex(2);
        // Nothing is redrawn before VOIR.
        QCOMPARE(s->lblJeu->text(), QStringLiteral("NORMAL"));
        QCOMPARE(textesLigne(s, 1)[1], QStringLiteral("normal"));
        QTest::mouseClick(s->cmdVoir, Qt::LeftButton);
        QCOMPARE(s->lblJeu->text(), QStringLiteral("SUPER"));
        QCOMPARE(s->lblMode->text(), QStringLiteral("EXPERT"));
        QCOMPARE(textesLigne(s, 1), (QStringList{"90000", "super", "4", "00h01mn00s", "01/01/2026"}));
        QCOMPARE(textesLigne(s, 2)[1], QStringLiteral("second"));
        QCOMPARE(textesLigne(s, 3), (QStringList{"", "", "", "", ""}));
        QVERIFY(s->cmdRAZ[0]->isEnabled());
        // An empty table cannot be reset.
        s->cboMode->setCurrentIndex(0);
        s->cmdVoir->click();
        QVERIFY(tableVide(s));
        QVERIFY(!s->cmdRAZ[0]->isEnabled());
        QVERIFY(env->messages().isEmpty());
    }

    void recordsMalFormes_data()
    {
        QTest::addColumn<QString>("donnee");
        QTest::addColumn<QStringList>("colonnes");
        QTest::newRow("temps vide") << "500;Anne;3;;02/02/2002;" << QStringList{"500", "Anne", "3", "02/02/2002", ""};
        QTest::newRow("point-virgule dans le nom")
            << "500;Jean;Paul;3;00h01mn00s;01/01/2001;" << QStringList{"500", "Jean", "Paul", "3", "00h01mn00s"};
        QTest::newRow("moins de cinq") << "500;Anne;" << QStringList{"500", "Anne", "", "", ""};
        QTest::newRow("vide") << "" << QStringList{"", "", "", "", ""};
    }
    void recordsMalFormes()
    {
        QFETCH(QString, donnee);
        QFETCH(QStringList, colonnes);
        ecrire(QStringLiteral("NN"), 4, donnee);
        frmScores* s = voir();
        QCOMPARE(textesLigne(s, 4), colonnes);
        // A fresh record over the same row clears what an older one showed.
        s->Extraire_donnees(4, record(1));
        s->Extraire_donnees(4, donnee);
        QCOMPARE(textesLigne(s, 4), colonnes);
        // Places outside the table are ignored.
        s->Afficher_scores(0, "x", "x", "x", "x", "x");
        s->Afficher_scores(11, "x", "x", "x", "x", "x");
        QCOMPARE(textesLigne(s, 1), (QStringList{"", "", "", "", ""}));
        QCOMPARE(textesLigne(s, 10), (QStringList{"", "", "", "", ""}));
    }

    void infobulles_data()
    {
        QTest::addColumn<int>("rang");
        QTest::addColumn<QStringList>("bulles");
        QTest::newRow("1") << 1
                           << QStringList{"Points du premier", "nom du premier", "nombre de coups du premier",
                                          "temps du premier", "date de la partie du premier"};
        QTest::newRow("2") << 2
                           << QStringList{"Points du second", "nom du second", "nombre de coups du deuxième",
                                          "temps du deuxième", "date de la partie du deuxième"};
        QTest::newRow("3") << 3
                           << QStringList{"Points du troisième", "nom du troisième", "nombre de coups du troisième",
                                          "temps du troisième", "date de la partie du troisième"};
        QTest::newRow("6") << 6
                           << QStringList{"Points du sixième", "nom du sixième", "nombre de coups du sixième",
                                          "temps du sixième", "date de la partie du sixiième"};
        QTest::newRow("10") << 10
                            << QStringList{"Points du dixième", "nom du dixième", "nombre de coups du dixième",
                                           "temps du dixième", "date de la partie du dixième"};
    }
    void infobulles()
    {
        QFETCH(int, rang);
        QFETCH(QStringList, bulles);
        frmScores* s = voir();
        QStringList vues;
        for (QLineEdit* b : *s->ligne(rang))
            vues << b->toolTip();
        QCOMPARE(vues, bulles);
        // Only the name box carries the row's tag.
        const std::array<QLineEdit*, 5>& l = *s->ligne(rang);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(l[k]->property("Tag").toString(), k == 1 ? QStringLiteral("NOM") + QString::number(rang) : QString());
    }

    void saisieRefuseLeNomManquant_data()
    {
        QTest::addColumn<QString>("nom");
        QTest::newRow("nom d'attente") << storage::nom_attente;
        QTest::newRow("vide") << QString();
    }
    void saisieRefuseLeNomManquant()
    {
        QFETCH(QString, nom);
        frmScores* s = saisir(3);
        const QStringList avant = magasin();
        QVERIFY(enSaisie(s));
        QCOMPARE(s->cmdValider->text(), QStringLiteral("3"));
        QCOMPARE(s->cmdValider->y(), s->txtTrois[1]->y());
        QVERIFY(s->cmdValider->isDefault());
        QVERIFY(!s->cmdVoir->isDefault());
        QVERIFY(!s->cmdRAZ[0]->isEnabled());
        // The lower commands and the help line are cut off.
        QVERIFY(s->cmdVoir->y() >= s->Frame2->height());
        QVERIFY(s->lblAide->y() >= s->height());
        QLineEdit* boite = s->txtTrois[1];
        QCOMPARE(boite->text(), storage::nom_attente);
        QVERIFY(marquee(boite));
        for (auto* l : lignes(s))
            for (QLineEdit* b : *l)
                if (b != boite)
                    QVERIFY(b->isReadOnly() && !marquee(b));

        boite->setText(nom);
        s->cmdValider->click();
        QCOMPARE(messages(), QStringList{message(QStringLiteral("Entrez votre nom en ligne 3 SVP."))});
        QCOMPARE(s->focusWidget(), boite);
        QVERIFY(enSaisie(s));
        QVERIFY(marquee(boite));
        QVERIFY(dans_scores);
        QCOMPARE(magasin(), avant);
    }

    // The name as set, typed (then Enter), or typed, pasted or inserted with ";" taken out, then "Z"
    // typed to show that typing goes on at the cursor.
    void nomValide_data()
    {
        QTest::addColumn<QString>("facon");
        QTest::addColumn<QString>("entree");
        QTest::addColumn<QString>("nom");
        QTest::addColumn<int>("bips");
        QTest::newRow("simple") << "texte" << "Anne" << "Anne" << 0;
        QTest::newRow("blancs seuls") << "texte" << "   " << "   " << 0;
        QTest::newRow("presque le nom d'attente") << "texte" << "votre nom ? " << "votre nom ? " << 0;
        QTest::newRow("blancs gardes") << "clavier" << "  Jean  Paul " << "  Jean  Paul " << 0;
        QTest::newRow("accents") << "clavier" << "Hélène Müller" << "Hélène Müller" << 0;
        QTest::newRow("point-virgule tapé") << "tape" << "Jean;Paul;" << "JeanPaulZ" << 2;
        QTest::newRow("point-virgule collé") << "colle" << "a;b;;c" << "abcZ" << 1;
        QTest::newRow("collé sans point-virgule") << "colle" << "a b,c" << "a b,cZ" << 0;
        QTest::newRow("collé que des point-virgules") << "colle" << ";;;" << "Z" << 1;
        QTest::newRow("point-virgule inséré") << "insere" << ";x;" << "xZ" << 1;
    }
    void nomValide()
    {
        QFETCH(QString, facon);
        QFETCH(QString, entree);
        QFETCH(QString, nom);
        QFETCH(int, bips);
        frmScores* s = saisir(3);
        QLineEdit* boite = s->txtTrois[1];
        boite->setFocus();
        boite->clear();
        if (facon == QLatin1String("texte")) {
            boite->setText(entree);
        } else if (facon == QLatin1String("clavier")) {
            taper(boite, entree);
        } else {
            if (facon == QLatin1String("tape")) {
                QTest::keyClicks(boite, entree);
            } else if (facon == QLatin1String("colle")) {
                QApplication::clipboard()->setText(entree);
                boite->paste();
            } else {
                boite->insert(entree);
            }
            QTest::keyClicks(boite, QStringLiteral("Z"));
        }
        QCOMPARE(boite->text(), nom);
        QCOMPARE(beeps(), bips);
        if (facon == QLatin1String("clavier"))
            QTest::keyClick(boite, Qt::Key_Return); // Enter presses the default button
        else
            s->cmdValider->click();
        QVERIFY(env->messages().isEmpty());
        QVERIFY(enVisualisation(s));
        QCOMPARE(s->focusWidget(), s->cmdVoir);
        QVERIFY(s->cmdRAZ[0]->isEnabled());
        QVERIFY(!dans_scores);
        QVERIFY(boite->isReadOnly());
        QCOMPARE(boite->palette().color(QPalette::Base), QApplication::palette(boite).color(QPalette::Base));
        QCOMPARE(boite->palette().color(QPalette::Text), QApplication::palette(boite).color(QPalette::Text));
        // Time from the end dialog, the date and final ";" from the record that was inserted.
        storage::oublierCache();
        QCOMPARE(lire(QStringLiteral("NN"), 3), QStringLiteral("9000;") + nom + QStringLiteral(";6;") + temps_fin
                                                    + QStringLiteral(";14/03/2003;"));
        QCOMPARE(lire(QStringLiteral("NN"), 2), record(18000));
        QCOMPARE(lire(QStringLiteral("NN"), 4), QString());
    }

    void nomTresLong()
    {
        frmScores* s = saisir(1);
        QLineEdit* boite = s->txtPremier[1];
        QString colle(1 << 20, QChar(u'x'));
        for (qsizetype k = 0; k < colle.size(); k += 4096)
            colle[k] = u';';
        QString attendu = colle;
        attendu.remove(u';');
        QElapsedTimer montre;
        montre.start();
        boite->setFocus();
        boite->selectAll();
        QApplication::clipboard()->setText(colle);
        boite->paste();
        QTest::keyClicks(boite, QStringLiteral("yz"));
        QCOMPARE(boite->text().size(), attendu.size() + 2);
        // Drawn as the screen would draw it.
        QVERIFY(!s->grab().isNull());
        s->cmdValider->click();
        QVERIFY(!s->cmdValider->isVisible());
        Unload<frmScores>();
        support::viderSuppressions();
        storage::oublierCache();
        s = voir();
        QCOMPARE(s->txtPremier[1]->text(), attendu + QStringLiteral("yz"));
        QCOMPARE(s->txtPremier[2]->text(), QStringLiteral("6"));
        QVERIFY(!s->grab().isNull());
        QVERIFY2(montre.elapsed() < 10000, qPrintable(QString::number(montre.elapsed())));
        QCOMPARE(beeps(), 1);
    }

    void ecritureEchoueeResteEnSaisie()
    {
        frmScores* s = saisir(1);
        QLineEdit* boite = s->txtPremier[1];
        // The settings file's place is taken by a folder, so the write cannot be made.
        const QString fichier = storage::cheminReglages();
        QVERIFY(QFile::remove(fichier));
        QVERIFY(QDir().mkpath(fichier));
        boite->setText(QStringLiteral("Anne"));
        s->cmdValider->click();
        QCOMPARE(env->messages().size(), 1);
        QVERIFY(env->messages()[0].texte.startsWith(QStringLiteral("Erreur numéro: 75\nDescription: ")));
        QCOMPARE(env->messages()[0].titre, QStringLiteral("Erreur"));
        QCOMPARE(env->messages()[0].style, int(platform::vbCritical));
        QVERIFY(enSaisie(s));
        QVERIFY(marquee(boite));
        QVERIFY(dans_scores);
        // Once the store can be written again, the same name goes through.
        QVERIFY(QDir().rmdir(fichier));
        storage::oublierCache();
        s->cmdValider->click();
        QCOMPARE(env->messages().size(), 1);
        QVERIFY(!dans_scores);
        QCOMPARE(storage::decouper_record(lire(QStringLiteral("NN"), 1))[1], QStringLiteral("Anne"));
    }

    void echapEnSaisie()
    {
        saisir(3);
        Unload<frmScores>();
        support::viderSuppressions();
        bool affiche = false;
        env->dansModal = [&](QWidget* w) {
            auto* s = qobject_cast<frmScores*>(w);
            QVERIFY(s);
            affiche = enSaisie(s);
            QLineEdit* boite = s->txtTrois[1];
            boite->setFocus();
            taper(boite, QStringLiteral(" pas validé"));
            QTest::keyClick(boite, Qt::Key_Escape);
        };
        platform::ShowModal(instance<frmScores>());
        QVERIFY(affiche);
        QVERIFY(!estCharge<frmScores>());
        QVERIFY(dans_scores);
        QCOMPARE(magasin()[10 + 2], ligne_score);
        QVERIFY(env->messages().isEmpty());
        // The next showing loads anew, in the same mode while the flag stays set.
        frmScores* s = instance<frmScores>();
        s->show();
        QVERIFY(enSaisie(s));
        QCOMPARE(s->txtTrois[1]->text(), storage::nom_attente);
    }

    void fermerEnVisualisation()
    {
        frmScores* s = voir();
        QPointer<frmScores> garde(s);
        s->cmdFermer->click();
        QVERIFY(!s->isVisible());
        support::viderSuppressions();
        QVERIFY(garde.isNull());
        QVERIFY(!estCharge<frmScores>());
    }

    void remiseAZero_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("reponse");
        QTest::addColumn<bool>("changerSansVoir");
        QTest::addColumn<QStringList>("videes");
        const int oui = platform::vbYes;
        const int non = platform::vbNo;
        QTest::newRow("ce jeu, non") << 0 << non << false << QStringList{};
        QTest::newRow("tous, non") << 1 << non << false << QStringList{};
        QTest::newRow("ce jeu, table affichée") << 0 << oui << false << QStringList{"NN"};
        // The current choice decides, even when VOIR was not pressed after it.
        QTest::newRow("ce jeu, choix non affiché") << 0 << oui << true << QStringList{"SE"};
        QTest::newRow("tous") << 1 << oui << false << QStringList{"NI", "NN", "NE", "SI", "SN", "SE"};
    }
    void remiseAZero()
    {
        QFETCH(int, index);
        QFETCH(int, reponse);
        QFETCH(bool, changerSansVoir);
        QFETCH(QStringList, videes);
        remplirTout();
        const QStringList avant = magasin();
        frmScores* s = voir();
        if (changerSansVoir) {
            s->optSuper->click();
            s->cboMode->setCurrentIndex(2);
        }
        env->reponsesMsgBox = {reponse};
        s->cmdRAZ[index]->click();
        const QString texte = index == 1
            ? QStringLiteral("Cette opération va éffacer les scores de tous les jeux dans tous les modes.\n"
                             "Appuyez sur OUI pour confirmer ce choix.")
            : QStringLiteral("Cette opération va éffacer uniquement les scores du jeu/mode sélectionné.\n"
                             "Appuyez sur OUI pour confirmer ce choix.");
        QCOMPARE(messages(), QStringList{message(texte, QStringLiteral("ATTENTION..."),
                                                 platform::vbYesNo + platform::vbQuestion + platform::vbDefaultButton2)});
        const QStringList apres = magasin();
        for (int k = 0; k < 6; ++k)
            for (int place = 1; place <= 10; ++place) {
                const int n = k * 10 + place - 1;
                QCOMPARE(apres[n], videes.contains(storage::cles_tables[k]) ? QString() : avant[n]);
            }
        // The rows shown are cleared with the store, and an emptied table cannot be reset again.
        QCOMPARE(tableVide(s), !videes.isEmpty());
        if (videes.isEmpty())
            QCOMPARE(textesLigne(s, 1)[1], QStringLiteral("NN"));
        QCOMPARE(s->cmdRAZ[0]->isEnabled(), videes.isEmpty());
    }

    void aideF1_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("accepte");
        QTest::addColumn<QString>("message");
        QTest::newRow("ouvert") << true << true << QString();
        QTest::newRow("absent") << false << true
                                << "Le fichier d'aide [aide.htm] n'a pas été trouvé. Assurez-vous que celui-ci "
                                   "doit se trouver dans: ";
    }
    void aideF1()
    {
        QFETCH(bool, present);
        QFETCH(bool, accepte);
        QFETCH(QString, message);
        dossier_appli = chemin_aide(programme.path());
        QFile::remove(dossier_appli);
        if (present) {
            QFile f(dossier_appli);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        env->shellAccepte = accepte;
        frmScores* s = saisir(1);
        // F1 is the window's whatever control has the focus, the name box included.
        QLineEdit* boite = s->txtPremier[1];
        boite->setFocus();
        QTest::keyClick(boite, Qt::Key_F1);
        QCOMPARE(env->ouvertures, present ? QStringList{dossier_appli} : QStringList{});
        if (message.isEmpty()) {
            QVERIFY(env->messages().isEmpty());
        } else {
            QCOMPARE(env->messages().size(), 1);
            QVERIFY(env->messages()[0].texte.startsWith(message));
        }
        QCOMPARE(boite->text(), storage::nom_attente);
        QVERIFY(enSaisie(s));
    }
};

QTEST_MAIN(TestScores)
#include "test_scores.moc"
