// High-score records: the five fields written and split back, the points read from a stored
// record, and ranking into a table of ten places.
#include "storage/records.h"
#include "storage/settings.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <random>
#include <vector>

using namespace storage;

namespace {
const QString app = QStringLiteral("Chromalis");
const QString table = QStringLiteral("NN");
QString record(int points, const QString& nom)
{
    return construire_record(points, nom, 4, QStringLiteral("00h02mn40s"), QStringLiteral("14/03/2003"));
}
QStringList tableEntiere()
{
    QStringList t;
    for (int place = 1; place <= places_par_table; ++place)
        t << GetSetting(app, table, QString::number(place));
    return t;
}
} // namespace

class TestStorageRecords : public QObject {
    Q_OBJECT
    QTemporaryDir dossier;

private slots:
    void init()
    {
        QVERIFY(dossier.isValid());
        qputenv("XDG_CONFIG_HOME", dossier.path().toUtf8());
        QFile::remove(cheminReglages());
        oublierCache();
    }

    // The fields as "a|b|c|d|e"; the points as read for ranking.
    void decoupage_data()
    {
        QTest::addColumn<QString>("donnee");
        QTest::addColumn<QString>("champs");
        QTest::addColumn<double>("points");
        QTest::newRow("cinq champs") << "13400;votre nom ?;4;00h02mn40s;14/03/2003;" << "13400|votre nom ?|4|00h02mn40s|14/03/2003" << 13400.0;
        QTest::newRow("vide") << "" << "||||" << 0.0;
        QTest::newRow("sans point-virgule") << "4200" << "||||" << 4200.0;
        QTest::newRow("temps vide décalé à gauche") << "500;Anne;3;;02/02/2002;" << "500|Anne|3|02/02/2002|" << 500.0;
        QTest::newRow("points vides") << ";12;3;t;d;" << "12|3|t|d|" << 0.0;
        QTest::newRow("que des séparateurs") << ";;;;;;;" << "||||" << 0.0;
        QTest::newRow("moins de cinq") << "500;Anne;3;" << "500|Anne|3||" << 500.0;
        QTest::newRow("texte après le dernier") << "500;Anne;3;t;d;reste" << "500|Anne|3|t|d" << 500.0;
        QTest::newRow("dernier sans séparateur") << "500;Anne;3;t;d" << "500|Anne|3|t|" << 500.0;
        QTest::newRow("point-virgule dans le nom") << "5;Jean;Paul;3;t;d;" << "5|Jean|Paul|3|t" << 5.0;
        QTest::newRow("blancs gardés") << "  75 ;   ; 3;t ;d;" << "  75 |   | 3|t |d" << 75.0;
        QTest::newRow("nombre en tête") << "12abc;x;" << "12abc|x|||" << 12.0;
        QTest::newRow("lettre puis nombre") << "x12;y;" << "x12|y|||" << 0.0;
        QTest::newRow("chiffres non latins") << "\u0661\u0662;x;" << "\u0661\u0662|x|||" << 0.0;
    }
    void decoupage()
    {
        QFETCH(QString, donnee);
        QFETCH(QString, champs);
        QFETCH(double, points);
        const auto c = decouper_record(donnee);
        QCOMPARE(QStringList(c.begin(), c.end()).join(u'|'), champs);
        QCOMPARE(points_record(donnee), points);
    }

    // Any name without ";" comes back as typed, with the other four fields.
    void construireDecouper()
    {
        QCOMPARE(construire_record(13400, nom_attente, 4, QStringLiteral("00h02mn40s"), texte_date(QDate(2003, 3, 14))),
                 QStringLiteral("13400;votre nom ?;4;00h02mn40s;14/03/2003;"));
        QCOMPARE(texte_date(QDate(2024, 1, 5)), QStringLiteral("05/01/2024"));
        QVERIFY(!caractere_nom_accepte(u';'));
        std::mt19937 gen(20030314u);
        const QString alphabet = QStringLiteral("abcXYZ0189 ,.:!?-_'\"()/\\@#&%*+=<>|~éèÀ€ß\t");
        std::uniform_int_distribution<int> lettre(0, int(alphabet.size()) - 1), longueur(1, 40), jour(0, 36500);
        std::uniform_int_distribution<std::int32_t> pts(1, std::numeric_limits<std::int32_t>::max()), coups(1, 12);
        for (int n = 0; n < 20000; ++n) {
            QString nom;
            for (int k = longueur(gen); k > 0; --k)
                nom.append(alphabet.at(lettre(gen)));
            QVERIFY(std::all_of(nom.begin(), nom.end(), caractere_nom_accepte));
            const std::int32_t p = pts(gen), c = coups(gen);
            const QString date = texte_date(QDate(2000, 1, 1).addDays(jour(gen)));
            const QString r = construire_record(p, nom, c, QStringLiteral("01h02mn03s"), date);
            const auto champs = decouper_record(r);
            if (champs != std::array<QString, 5>{QString::number(p), nom, QString::number(c), QStringLiteral("01h02mn03s"), date}
                || points_record(r) != double(p))
                QFAIL(qPrintable(QStringLiteral("record %1 (nom \"%2\") mal relu").arg(n).arg(nom)));
        }
    }

    // Random results, many of them tied, rank as a model of the rule does: ties above, place 10
    // falls off, 11 when the table kept its ten better results; other tables are left alone.
    void classementAleatoire()
    {
        SaveSetting(app, QStringLiteral("SE"), QStringLiteral("1"), record(10, QStringLiteral("autre")));
        std::mt19937 gen(1998u);
        std::uniform_int_distribution<int> pts(1, 40);
        std::vector<std::pair<int, QString>> modele;
        for (int n = 0; n < 300; ++n) {
            const int p = pts(gen) * 250;
            const QString r = record(p, QStringLiteral("joueur %1").arg(n));
            auto ou = std::find_if(modele.begin(), modele.end(), [p](const auto& e) { return e.first <= p; });
            const int attendue = int(ou - modele.begin()) + 1;
            if (attendue <= places_par_table) {
                modele.insert(ou, {p, r});
                if (modele.size() > size_t(places_par_table))
                    modele.pop_back();
            }
            QCOMPARE(inserer_record(app, table, r, p), attendue);
            if (n % 25 == 0)
                oublierCache();
            QStringList voulu;
            for (int k = 0; k < places_par_table; ++k)
                voulu << (k < int(modele.size()) ? modele[k].second : QString());
            QCOMPARE(tableEntiere(), voulu);
        }
        QCOMPARE(int(modele.size()), places_par_table);
        QCOMPARE(GetSetting(app, QStringLiteral("SE"), QStringLiteral("1")), record(10, QStringLiteral("autre")));
        QCOMPARE(GetSetting(app, QStringLiteral("SE"), QStringLiteral("2")), QString());
    }

    // A record without a number reads 0: any positive result goes above it, even one of 1 point.
    void recordSansNombreCompteZero()
    {
        const QStringList avant{record(800, "a"), QStringLiteral("abc;x;1;t;d;"), record(100, "c")};
        for (int k = 0; k < avant.size(); ++k)
            SaveSetting(app, table, QString::number(k + 1), avant[k]);
        QCOMPARE(inserer_record(app, table, record(1, "un"), 1), 2);
        QCOMPARE(tableEntiere().mid(0, 5), (QStringList{avant[0], record(1, "un"), avant[1], avant[2], ""}));
    }
};

QTEST_GUILESS_MAIN(TestStorageRecords)
#include "test_storage_records.moc"
