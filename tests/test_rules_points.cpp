// Points of a won game, rounding, game keys, the elapsed time and its texts.
#include "game/rules.h"

#include <QLocale>
#include <QTimeZone>
#include <QtTest>

class TestRulesPoints : public QObject {
    Q_OBJECT
private slots:
    void arrondi_data();
    void arrondi();
    void arrondi_borne();
    void cles_data();
    void cles();
    void calculer_points_data();
    void calculer_points();
    void texte_temps_data();
    void texte_temps();
    void secondes_ecoulees_data();
    void secondes_ecoulees();
    void date_heure_aller_retour();
    void date_heure_sans_locale();
    void date_heure_illisible();
};

void TestRulesPoints::arrondi_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("attendu");
    QTest::newRow("0.5") << 0.5 << 0;
    QTest::newRow("1.5") << 1.5 << 2;
    QTest::newRow("2.5") << 2.5 << 2;
    QTest::newRow("3.5") << 3.5 << 4;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.5") << -1.5 << -2;
    QTest::newRow("-2.5") << -2.5 << -2;
    QTest::newRow("2.4999") << 2.4999 << 2;
    QTest::newRow("2.5001") << 2.5001 << 3;
    QTest::newRow("259.5") << 259.5 << 260; // the bar step of a 10-second countdown
    QTest::newRow("64.875") << 64.875 << 65;
    QTest::newRow("7.5") << 7.5 << 8;
}

void TestRulesPoints::arrondi()
{
    QFETCH(double, x);
    QFETCH(int, attendu);
    QCOMPARE(rules::arrondi32(x), attendu);
    QCOMPARE(int(rules::arrondi16(x)), attendu);
}

void TestRulesPoints::arrondi_borne()
{
    // Out-of-range values saturate instead of wrapping.
    QCOMPARE(rules::arrondi16(40000.0), std::int16_t(32767));
    QCOMPARE(rules::arrondi16(-40000.0), std::int16_t(-32768));
    QCOMPARE(rules::arrondi32(1e12), std::numeric_limits<std::int32_t>::max());
    QCOMPARE(rules::arrondi32(std::nan("")), 0);
}

void TestRulesPoints::cles_data()
{
    QTest::addColumn<QString>("cle");
    QTest::addColumn<int>("facteur");
    QTest::addColumn<int>("bloc");
    QTest::newRow("NI") << "NI" << 1000 << 0;
    QTest::newRow("NN") << "NN" << 2500 << 1;
    QTest::newRow("NE") << "NE" << 5000 << 2;
    QTest::newRow("SI") << "SI" << 10000 << 3;
    QTest::newRow("SN") << "SN" << 30000 << 4;
    QTest::newRow("SE") << "SE" << 50000 << 5;
    QTest::newRow("minuscules") << "sn" << 0 << -1;
    QTest::newRow("vide") << "" << 0 << -1;
    QTest::newRow("nom de partie") << "SN12" << 0 << -1;
}

void TestRulesPoints::cles()
{
    QFETCH(QString, cle);
    QFETCH(int, facteur);
    QFETCH(int, bloc);
    QCOMPARE(rules::facteur(cle), facteur);
    QCOMPARE(rules::bloc(cle), bloc);
}

void TestRulesPoints::calculer_points_data()
{
    QTest::addColumn<int>("nb_lignes");
    QTest::addColumn<int>("num_ligne");
    QTest::addColumn<int>("facteur");
    QTest::addColumn<double>("secondes");
    QTest::addColumn<int>("points");

    QTest::newRow("NI rangee 1, 30 s") << 10 << 1 << 1000 << 30.0 << 8700;
    QTest::newRow("SE rangee 3, 125 s") << 12 << 3 << 50000 << 125.0 << 448750;
    QTest::newRow("NN rangee 4, 160 s") << 10 << 4 << 2500 << 160.0 << 13400;
    QTest::newRow("NE rangee 9, 600 s: negatif") << 10 << 9 << 5000 << 600.0 << 0;
    QTest::newRow("NE rangee 9, 500 s: zero") << 10 << 9 << 5000 << 500.0 << 0;
    QTest::newRow("NE rangee 9, 499.9 s: un point") << 10 << 9 << 5000 << 499.9 << 1;
    QTest::newRow("derniere rangee normale") << 10 << 10 << 2500 << 0.0 << 0;
    QTest::newRow("derniere rangee super") << 12 << 12 << 50000 << 3.0 << 0;
    QTest::newRow("SE rangee 1, aucune seconde") << 12 << 1 << 50000 << 0.0 << 550000;
    // Halves to even: 8997.5 and 8992.5.
    QTest::newRow("demi vers le pair au-dessus") << 10 << 1 << 1000 << 0.25 << 8998;
    QTest::newRow("demi vers le pair au-dessous") << 10 << 1 << 1000 << 0.75 << 8992;
    // The threshold applies to the rounded value: 0.625 rounds to 1, 0.5 to 0.
    QTest::newRow("0.625 arrondi a 1") << 10 << 9 << 1000 << 99.9375 << 1;
    QTest::newRow("0.5 arrondi a 0") << 10 << 9 << 1000 << 99.95 << 0;
    QTest::newRow("2.5 arrondi a 2") << 10 << 9 << 1000 << 99.75 << 2;
}

void TestRulesPoints::calculer_points()
{
    QFETCH(int, nb_lignes);
    QFETCH(int, num_ligne);
    QFETCH(int, facteur);
    QFETCH(double, secondes);
    QFETCH(int, points);
    QCOMPARE(rules::calculer_points(std::int16_t(nb_lignes), std::int16_t(num_ligne), facteur, secondes), points);
}

void TestRulesPoints::texte_temps_data()
{
    QTest::addColumn<qint64>("secondes");
    QTest::addColumn<QString>("texte");
    QTest::newRow("0") << qint64(0) << "00h00mn00s";
    QTest::newRow("9") << qint64(9) << "00h00mn09s";
    QTest::newRow("59") << qint64(59) << "00h00mn59s";
    QTest::newRow("60") << qint64(60) << "00h01mn00s";
    QTest::newRow("160") << qint64(160) << "00h02mn40s";
    QTest::newRow("3599") << qint64(3599) << "00h59mn59s";
    QTest::newRow("3600") << qint64(3600) << "01h00mn00s";
    QTest::newRow("3725") << qint64(3725) << "01h02mn05s";
    QTest::newRow("86399") << qint64(86399) << "23h59mn59s";
    QTest::newRow("359999") << qint64(359999) << "99h59mn59s";
    QTest::newRow("360000") << qint64(360000) << "100h00mn00s";
}

void TestRulesPoints::texte_temps()
{
    QFETCH(qint64, secondes);
    QFETCH(QString, texte);
    QCOMPARE(rules::texte_temps(secondes), texte);
}

void TestRulesPoints::secondes_ecoulees_data()
{
    QTest::addColumn<QDateTime>("debut");
    QTest::addColumn<QDateTime>("maintenant");
    QTest::addColumn<qint64>("secondes");

    const QDate jour(2003, 3, 14);
    const QTimeZone utc = QTimeZone::utc();
    auto t = [&](int h, int m, int s, int ms) { return QDateTime(jour, QTime(h, m, s, ms), utc); };

    QTest::newRow("une limite en 200 ms") << t(10, 0, 0, 900) << t(10, 0, 1, 100) << qint64(1);
    QTest::newRow("aucune limite en 999 ms") << t(10, 0, 0, 0) << t(10, 0, 0, 999) << qint64(0);
    QTest::newRow("meme instant") << t(10, 0, 0, 500) << t(10, 0, 0, 500) << qint64(0);
    QTest::newRow("30 limites") << t(10, 0, 0, 500) << t(10, 0, 30, 499) << qint64(30);
    QTest::newRow("30 s pile") << t(10, 0, 0, 0) << t(10, 0, 30, 0) << qint64(30);
    QTest::newRow("pres de 2 s mais une limite") << t(10, 0, 0, 0) << t(10, 0, 1, 999) << qint64(1);
    QTest::newRow("minuit") << t(23, 59, 59, 0) << QDateTime(jour.addDays(1), QTime(0, 0, 1), utc) << qint64(2);
    QTest::newRow("une heure") << t(10, 0, 0, 0) << t(11, 2, 5, 0) << qint64(3725);
    QTest::newRow("fuseaux differents")
        << t(10, 0, 0, 0) << QDateTime(jour, QTime(11, 0, 10), QTimeZone(3600))
        << qint64(10);
}

void TestRulesPoints::secondes_ecoulees()
{
    QFETCH(QDateTime, debut);
    QFETCH(QDateTime, maintenant);
    QFETCH(qint64, secondes);
    QCOMPARE(rules::secondes_ecoulees(debut, maintenant), secondes);
}

void TestRulesPoints::date_heure_aller_retour()
{
    const QDateTime debut(QDate(2003, 3, 4), QTime(9, 5, 7, 900));
    const QString texte = rules::texte_date_heure(debut);
    QCOMPARE(texte, QStringLiteral("04/03/2003 09:05:07"));
    const QDateTime relu = rules::lire_date_heure(texte);
    QVERIFY(relu.isValid());
    QCOMPARE(relu, QDateTime(QDate(2003, 3, 4), QTime(9, 5, 7)));

    // The start time is kept to the second: read back and compared with a later instant, it
    // counts the same boundaries as the exact time would.
    const QDateTime plus_tard(QDate(2003, 3, 4), QTime(9, 5, 8, 100));
    QCOMPARE(rules::secondes_ecoulees(relu, plus_tard), qint64(1));
    QCOMPARE(rules::secondes_ecoulees(debut, plus_tard), qint64(1));
}

void TestRulesPoints::date_heure_sans_locale()
{
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    const QDateTime t(QDate(2024, 12, 31), QTime(23, 59, 58));
    const QString texte = rules::texte_date_heure(t);
    const QDateTime relu = rules::lire_date_heure(texte);
    QLocale::setDefault(avant);
    QCOMPARE(texte, QStringLiteral("31/12/2024 23:59:58"));
    QCOMPARE(relu, t);
}

void TestRulesPoints::date_heure_illisible()
{
    QVERIFY(!rules::lire_date_heure(QString()).isValid());
    QVERIFY(!rules::lire_date_heure(QStringLiteral("14/03/2003")).isValid());
    QVERIFY(!rules::lire_date_heure(QStringLiteral("32/01/2003 10:00:00")).isValid());
    QCOMPARE(rules::secondes_ecoulees(QDateTime(), QDateTime(QDate(2003, 1, 1), QTime(0, 0))), qint64(0));
}

QTEST_APPLESS_MAIN(TestRulesPoints)
#include "test_rules_points.moc"
