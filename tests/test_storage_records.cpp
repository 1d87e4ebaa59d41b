// High-score records: the five fields written and split back, the points read from a stored
// record, and ranking into a table of ten places.
#include "storage/records.h"
#include "storage/settings.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>
#include <random>
#include <vector>

using namespace storage;

namespace {
const QString app = QStringLiteral("Chromalis");
const QString table = QStringLiteral("NN");

using Champs = std::array<QString, 5>;

QString lire(int place) { return GetSetting(app, table, QString::number(place)); }

QString record(int points, const QString& nom)
{
    return construire_record(points, nom, 4, QStringLiteral("00h02mn40s"), QStringLiteral("14/03/2003"));
}

// Writes the given records at places 1, 2, ... and "" at the others.
void remplir(const QStringList& records)
{
    for (int place = 1; place <= places_par_table; ++place)
        SaveSetting(app, table, QString::number(place), place <= records.size() ? records[place - 1] : QString());
}

QStringList tableEntiere()
{
    QStringList t;
    for (int place = 1; place <= places_par_table; ++place)
        t << lire(place);
    return t;
}
} // namespace

Q_DECLARE_METATYPE(Champs)

class TestStorageRecords : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dossier;

private slots:
    void init()
    {
        dossier = std::make_unique<QTemporaryDir>();
        QVERIFY(dossier->isValid());
        qputenv("XDG_CONFIG_HOME", dossier->path().toUtf8());
        oublierCache();
    }
    void cleanup() { oublierCache(); }

    void recordConstruitCommeExemple()
    {
        QCOMPARE(construire_record(13400, nom_attente, 4, QStringLiteral("00h02mn40s"),
                                   texte_date(QDate(2003, 3, 14))),
                 QStringLiteral("13400;votre nom ?;4;00h02mn40s;14/03/2003;"));
        QCOMPARE(texte_date(QDate(2024, 1, 5)), QStringLiteral("05/01/2024"));
        // The date and its final ";" are the last 11 characters, which the name validation keeps.
        QCOMPARE(record(1, QStringLiteral("x")).right(11), QStringLiteral("14/03/2003;"));
    }

    void decoupage_data()
    {
        QTest::addColumn<QString>("donnee");
        QTest::addColumn<Champs>("attendu");
        QTest::newRow("cinq champs") << QStringLiteral("13400;votre nom ?;4;00h02mn40s;14/03/2003;")
                                     << Champs{"13400", "votre nom ?", "4", "00h02mn40s", "14/03/2003"};
        QTest::newRow("vide") << QString() << Champs{};
        QTest::newRow("sans point-virgule") << QStringLiteral("13400 votre nom") << Champs{};
        QTest::newRow("temps vide decale a gauche")
            << QStringLiteral("500;Anne;3;;02/02/2002;") << Champs{"500", "Anne", "3", "02/02/2002", ""};
        QTest::newRow("points vides") << QStringLiteral(";Anne;3;t;d;") << Champs{"Anne", "3", "t", "d", ""};
        QTest::newRow("que des separateurs") << QStringLiteral(";;;;;;;") << Champs{};
        QTest::newRow("moins de cinq") << QStringLiteral("500;Anne;3;") << Champs{"500", "Anne", "3", "", ""};
        QTest::newRow("texte apres le dernier") << QStringLiteral("500;Anne;3;t;d;reste")
                                                << Champs{"500", "Anne", "3", "t", "d"};
        QTest::newRow("dernier champ sans separateur") << QStringLiteral("500;Anne;3;t;d")
                                                       << Champs{"500", "Anne", "3", "t", ""};
        QTest::newRow("point-virgule dans le nom")
            << QStringLiteral("500;Jean;Paul;3;00h01mn00s;01/01/2001;")
            << Champs{"500", "Jean", "Paul", "3", "00h01mn00s"};
        QTest::newRow("morceaux en trop") << QStringLiteral("1;2;3;4;5;6;7;") << Champs{"1", "2", "3", "4", "5"};
        QTest::newRow("blancs gardes") << QStringLiteral(" 1 ;   ; 3;t ;d;") << Champs{" 1 ", "   ", " 3", "t ", "d"};
    }
    void decoupage()
    {
        QFETCH(QString, donnee);
        QFETCH(Champs, attendu);
        QCOMPARE(decouper_record(donnee), attendu);
    }

    void pointsLus_data()
    {
        QTest::addColumn<QString>("donnee");
        QTest::addColumn<double>("attendu");
        QTest::newRow("record") << QStringLiteral("13400;votre nom ?;4;00h02mn40s;14/03/2003;") << 13400.0;
        QTest::newRow("vide") << QString() << 0.0;
        QTest::newRow("pas un nombre") << QStringLiteral("abc;x;1;t;d;") << 0.0;
        QTest::newRow("champ points vide") << QStringLiteral(";12;1;t;d;") << 0.0;
        QTest::newRow("nombre en tete") << QStringLiteral("12abc;x;") << 12.0;
        QTest::newRow("blancs devant") << QStringLiteral("  75;x;") << 75.0;
        QTest::newRow("sans separateur") << QStringLiteral("4200") << 4200.0;
        QTest::newRow("chiffres non latins") << QStringLiteral("\u0661\u0662;x;") << 0.0;
        QTest::newRow("lettre puis nombre") << QStringLiteral("x12;y;") << 0.0;
    }
    void pointsLus()
    {
        QFETCH(QString, donnee);
        QFETCH(double, attendu);
        QCOMPARE(points_record(donnee), attendu);
    }

    void caracteresDuNom_data()
    {
        QTest::addColumn<QChar>("c");
        QTest::addColumn<bool>("accepte");
        QTest::newRow("point-virgule") << QChar(u';') << false;
        QTest::newRow("blanc") << QChar(u' ') << true;
        QTest::newRow("virgule") << QChar(u',') << true;
        QTest::newRow("deux-points") << QChar(u':') << true;
        QTest::newRow("accent") << QChar(u'é') << true;
        QTest::newRow("point d'interrogation") << QChar(u'?') << true;
    }
    void caracteresDuNom()
    {
        QFETCH(QChar, c);
        QFETCH(bool, accepte);
        QCOMPARE(caractere_nom_accepte(c), accepte);
    }

    void tableVideSeRemplitParLeHaut()
    {
        QCOMPARE(inserer_record(app, table, record(900, QStringLiteral("a")), 900), 1);
        QCOMPARE(inserer_record(app, table, record(500, QStringLiteral("b")), 500), 2);
        QCOMPARE(inserer_record(app, table, record(700, QStringLiteral("c")), 700), 2);
        oublierCache();
        QCOMPARE(tableEntiere(), (QStringList{record(900, "a"), record(700, "c"), record(500, "b"), "", "", "", "",
                                              "", "", ""}));
    }

    void egaliteVaAuDessus()
    {
        remplir({record(300, "a"), record(200, "b"), record(100, "c")});
        QCOMPARE(inserer_record(app, table, record(200, "nouveau"), 200), 2);
        QCOMPARE(tableEntiere(), (QStringList{record(300, "a"), record(200, "nouveau"), record(200, "b"),
                                              record(100, "c"), "", "", "", "", "", ""}));
    }

    void premierePlaceDUneTablePleine()
    {
        QStringList pleine;
        for (int k = 10; k >= 1; --k)
            pleine << record(k * 100, QString::number(k));
        remplir(pleine);
        QCOMPARE(inserer_record(app, table, record(5000, "premier"), 5000), 1);
        QStringList attendu = pleine.mid(0, 9);
        attendu.prepend(record(5000, "premier"));
        QCOMPARE(tableEntiere(), attendu);
    }

    void dixiemePlaceRemplacee()
    {
        QStringList pleine;
        for (int k = 10; k >= 1; --k)
            pleine << record(k * 100, QString::number(k));
        remplir(pleine);
        QCOMPARE(inserer_record(app, table, record(150, "dernier"), 150), 10);
        QStringList attendu = pleine.mid(0, 9);
        attendu << record(150, "dernier");
        QCOMPARE(tableEntiere(), attendu);
    }

    void sousLesDixNeChangeRien()
    {
        QStringList pleine;
        for (int k = 10; k >= 1; --k)
            pleine << record(k * 100, QString::number(k));
        remplir(pleine);
        QCOMPARE(inserer_record(app, table, record(99, "trop bas"), 99), 11);
        oublierCache();
        QCOMPARE(tableEntiere(), pleine);
    }

    void recordSansNombreCompteZero()
    {
        remplir({record(800, "a"), QStringLiteral("abc;x;1;t;d;"), record(100, "c")});
        QCOMPARE(inserer_record(app, table, record(1, "un"), 1), 2);
        QCOMPARE(lire(2), record(1, "un"));
        QCOMPARE(lire(3), QStringLiteral("abc;x;1;t;d;"));
        // Place 3 moved to 4: a record reading 0 is passed over by any positive result only.
        QCOMPARE(lire(4), record(100, "c"));
    }

    void autresTablesIntactes()
    {
        SaveSetting(app, QStringLiteral("SE"), QStringLiteral("1"), record(10, "autre"));
        inserer_record(app, table, record(50, "ici"), 50);
        QCOMPARE(GetSetting(app, QStringLiteral("SE"), QStringLiteral("1")), record(10, "autre"));
        QCOMPARE(GetSetting(app, QStringLiteral("SE"), QStringLiteral("2")), QString());
    }

    // Any name without ";" comes back as typed, with the other four fields.
    void aleatoireConstruireDecouper()
    {
        std::mt19937 gen(20030314u);
        const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                                                " ,.:!?-_'\"()[]{}/\\@#&%*+=<>|~éèêàçùÉÀ€ß\t");
        std::uniform_int_distribution<int> lettre(0, int(alphabet.size()) - 1);
        std::uniform_int_distribution<int> longueur(1, 40);
        std::uniform_int_distribution<std::int32_t> pts(1, std::numeric_limits<std::int32_t>::max());
        std::uniform_int_distribution<std::int32_t> coups(1, 12);
        std::uniform_int_distribution<int> secondes(0, 99 * 3600);
        std::uniform_int_distribution<int> jour(0, 36500);
        for (int n = 0; n < 100000; ++n) {
            QString nom;
            const int l = longueur(gen);
            for (int k = 0; k < l; ++k)
                nom.append(alphabet.at(lettre(gen)));
            const std::int32_t p = pts(gen);
            const std::int32_t c = coups(gen);
            const int s = secondes(gen);
            const QString temps = QString::asprintf("%02dh%02dmn%02ds", s / 3600, (s / 60) % 60, s % 60);
            const QString date = texte_date(QDate(2000, 1, 1).addDays(jour(gen)));
            const Champs champs = decouper_record(construire_record(p, nom, c, temps, date));
            const Champs attendu{QString::number(p), nom, QString::number(c), temps, date};
            if (champs != attendu)
                QFAIL(qPrintable(QStringLiteral("record %1 (nom \"%2\") mal découpé").arg(n).arg(nom)));
            if (points_record(construire_record(p, nom, c, temps, date)) != double(p))
                QFAIL(qPrintable(QStringLiteral("points du record %1 mal lus").arg(n)));
        }
    }

    // Random results, many of them tied, keep the table ordered and equal to a model of the rule.
    void aleatoireOrdreGarde()
    {
        std::mt19937 gen(1998u);
        std::uniform_int_distribution<int> pts(1, 40);
        std::vector<std::pair<int, QString>> modele;
        for (int n = 0; n < 300; ++n) {
            const int p = pts(gen) * 250;
            const QString r = record(p, QStringLiteral("joueur %1").arg(n));
            const int place = inserer_record(app, table, r, p);

            auto ou = std::find_if(modele.begin(), modele.end(), [p](const auto& e) { return e.first <= p; });
            const int attendue = int(ou - modele.begin()) + 1;
            if (attendue <= places_par_table) {
                modele.insert(ou, {p, r});
                if (modele.size() > size_t(places_par_table))
                    modele.pop_back();
            }
            QCOMPARE(place, attendue);

            double precedent = std::numeric_limits<double>::max();
            for (int k = 1; k <= places_par_table; ++k) {
                const QString lu = lire(k);
                const QString voulu = k <= int(modele.size()) ? modele[k - 1].second : QString();
                QCOMPARE(lu, voulu);
                if (lu.isEmpty())
                    continue;
                QVERIFY2(points_record(lu) <= precedent, qPrintable(QStringLiteral("insertion %1, place %2").arg(n).arg(k)));
                precedent = points_record(lu);
            }
        }
        // The run reached a full table and went on ranking into it.
        QCOMPARE(int(modele.size()), places_par_table);
    }
};

QTEST_GUILESS_MAIN(TestStorageRecords)
#include "test_storage_records.moc"
