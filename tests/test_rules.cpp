// The pure rules: judging a row, the draw, points, rounding, game keys and time texts.
#include "game/rules.h"

#include <QTimeZone>
#include <QtTest>
#include <vector>

Q_DECLARE_METATYPE(std::vector<float>)

namespace {
// The draw from scripted numbers; past the script it reads 0.999, the top letter.
QString tirer(int nb_pions, int nb_couleurs, const QString& mode, const std::vector<float>& nombres,
              int* appels = nullptr)
{
    int n = 0;
    const QString c = rules::tirer_combinaison(nb_pions, nb_couleurs, mode,
                                               [&] { return n < int(nombres.size()) ? nombres[n++] : (++n, 0.999f); });
    if (appels)
        *appels = n;
    return c;
}
} // namespace

class TestRules : public QObject {
    Q_OBJECT
private slots:
    // "proposition|secret|right-place cells|elsewhere cells|marks" ('.' empty), marks as "N2 B1" as drawn.
    void juger_data()
    {
        QTest::addColumn<QString>("cas");
        auto ligne = [](const char* nom, const char* cas) { QTest::newRow(nom) << QString::fromUtf8(cas); };
        ligne("chaque R du secret sert une fois", "BRRR|RBVJ|....|RB..|B1 B2");
        ligne("noirs d'abord", "JBOR|RBVJ|.B..|R..J|N2 B1 B4");
        ligne("trou vide sur le Z du secret", "JZOI|RZBV|.Z..|....|N2");
        ligne("trou vide, Z du secret ailleurs", "BZBB|ZRRR|....|Z...|B2");
        ligne("rangée vide, secret sans Z", "ZZZZ|RBVJ|....|....|");
        ligne("rangée vide contre ZZBZ", "ZZZZ|ZZBZ|ZZ.Z|....|N1 N2 N4");
        ligne("le noir garde sa place", "RBRR|RRRB|R.R.|.R.B|N1 N3 B2 B4");
        ligne("la place libre la plus à gauche", "RVVR|BRRJ|....|.RR.|B1 B4");
        ligne("super", "VRRBB|RRBBV|.R.B.|R.B.V|N2 N4 B1 B3 B5");
        ligne("super XN", "XNXNX|NXNXN|.....|NXNX.|B1 B2 B3 B4");
        ligne("secret court, noirs", "RBRB|RB|RB..|....|N1 N2");
        ligne("secret vide", "RBVJ||....|....|");
        ligne("secret trop long: n places comptent", "RBVO|RBVJO|RBV.|....|N1 N2 N3");
    }
    void juger()
    {
        QFETCH(QString, cas);
        const QStringList c = cas.split(u'|');
        const rules::Jugement j = rules::juger(c[0], c[1], c[2].size());
        // Cell 0 and the cells past the row stay empty, even against a longer secret.
        const auto vide = [](const QString& s) { return s.isEmpty() ? QStringLiteral(".") : s; };
        const auto cases = [](const QString& l) { return (u'.' + l).leftJustified(6, u'.'); };
        QString l3, l8, m;
        for (int k = 0; k < 6; ++k)
            l3 += vide(j.label3[k]), l8 += vide(j.label8[k]);
        for (int k = 0; k < j.nb_marques; ++k)
            m += QStringLiteral(" %1%2").arg(j.marques[k].noir ? 'N' : 'B').arg(j.marques[k].position);
        QCOMPARE(QStringList({l3, l8, m.trimmed()}), QStringList({cases(c[2]), cases(c[3]), c[4]}));
        QCOMPARE(std::pair(j.noirs, j.blancs), std::pair(int(c[4].count(u'N')), int(c[4].count(u'B'))));
    }

    // Every normal-game pair: black + white the colour overlap, black the equal positions, whatever the duplicates.
    void exhaustif()
    {
        const QString lettres = QStringLiteral("RBVJOI");
        auto combi = [&](int k) {
            QString c;
            for (int p = 0; p < 4; ++p, k /= 6)
                c += lettres[k % 6];
            return c;
        };
        int echecs = 0;
        for (int a = 0; a < 1296; ++a) {
            const QString p = combi(a);
            for (int b = 0; b < 1296; ++b) {
                const QString s = combi(b);
                int noirs = 0, total = 0;
                for (int i = 0; i < 4; ++i)
                    noirs += p[i] == s[i];
                for (QChar c : lettres)
                    total += std::min(p.count(c), s.count(c));
                const rules::Jugement j = rules::juger(p, s, 4);
                if ((j.noirs != noirs || j.noirs + j.blancs != total || j.nb_marques != total) && ++echecs <= 5)
                    qWarning("%s contre %s: %d noirs %d blancs", qPrintable(p), qPrintable(s), j.noirs, j.blancs);
            }
        }
        QCOMPARE(echecs, 0);
        // Never more than five holes, whatever the caller asks.
        QCOMPARE(rules::juger(QStringLiteral("RBVJOX"), QStringLiteral("RBVJOX"), 6).noirs, 5);
        QCOMPARE(rules::juger(QStringLiteral("R"), QStringLiteral("R"), -1).nb_marques, 0);
    }

    void tirage_data()
    {
        QTest::addColumn<int>("nb_couleurs");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<std::vector<float>>("nombres");
        QTest::addColumn<QString>("combinaison");
        using V = std::vector<float>;
        const float b6 = 2.0f / 6.0f, j6 = 4.0f / 6.0f, b8 = 0.25f, x8 = 1.0f - 1.0f / 32.0f;
        // r x colours in single precision, halves to even; 0 is R, or Z in Expert (three at most).
        QTest::newRow("v/8 exact") << 8 << "expert" << V{0, .125f, .25f, .375f, .5f, .625f, .75f, .875f} << "RRBVJOIN";
        QTest::newRow("1 et 8/8") << 8 << "debutant" << V{.125f, 1} << "RX";
        QTest::newRow("pair, 8") << 8 << "expert" << V{.0625f, .1875f, .3125f, .4375f, .5625f, .9375f} << "RBBJJX";
        // 3.5/6 lands on 3.5 only once the product is rounded to single precision: J, not V.
        QTest::newRow("pair, 6") << 6 << "debutant" << V{2.5f / 6, 3.5f / 6, 5.5f / 6, .999f, .08f} << "BJIIR";
        QTest::newRow("NE sans zéro") << 6 << "top" << V{b6, j6, b6, j6} << "BJBJ";
        QTest::newRow("NN zéros") << 6 << "expert" << V{0, 0, 0, 0} << "RRRR";
        QTest::newRow("SI zéros") << 8 << "debutant" << V{0, b8, 0, x8, 0} << "RBRXR";
    }
    void tirage()
    {
        QFETCH(int, nb_couleurs);
        QFETCH(QString, mode);
        QFETCH(std::vector<float>, nombres);
        QFETCH(QString, combinaison);
        int appels = 0;
        QCOMPARE(tirer(combinaison.size(), nb_couleurs, mode, nombres, &appels), combinaison);
        QCOMPARE(appels, combinaison.size()); // one number per position, no more
    }

    // Every pattern of zeros and B in Expert: the first three zeros are Z, any later one R.
    void auPlusTroisZ()
    {
        for (int pions : {4, 5})
            for (int motif = 0; motif < (1 << pions); ++motif) {
                std::vector<float> nombres;
                QString attendu;
                for (int k = 0, zeros = 0; k < pions; ++k)
                    nombres.push_back(motif >> k & 1 ? 0.0f : 0.25f),
                        attendu += motif >> k & 1 ? (++zeros <= 3 ? u'Z' : u'R') : u'B';
                QCOMPARE(tirer(pions, 8, QStringLiteral("top"), nombres), attendu);
            }
        QCOMPARE(rules::lettre_valeur(0) + rules::lettre_valeur(9) + rules::lettre_valeur(-1), QString());
        QVERIFY(!rules::combinaison_du_bloc(-1, QStringLiteral("RBVJ"))
                && !rules::combinaison_du_bloc(6, QStringLiteral("RBVJ")));
    }

    void points_data()
    {
        QTest::addColumn<QString>("cle");
        QTest::addColumn<int>("num_ligne");
        QTest::addColumn<double>("secondes");
        QTest::addColumn<int>("points");
        QTest::newRow("NI rangée 1, 30 s") << "NI" << 1 << 30.0 << 8700;
        QTest::newRow("NN rangée 4, 160 s") << "NN" << 4 << 160.0 << 13400;
        QTest::newRow("NE rangée 9, 500 s: zéro") << "NE" << 9 << 500.0 << 0;
        QTest::newRow("NE rangée 9, 499.9 s: un point") << "NE" << 9 << 499.9 << 1;
        QTest::newRow("SE rangée 1, aucune seconde") << "SE" << 1 << 0.0 << 550000;
        QTest::newRow("dernière rangée super") << "SE" << 12 << 3.0 << 0;
        QTest::newRow("dernière rangée normale") << "NN" << 10 << 0.0 << 0;
        // Halves to even (8997.5, 8992.5); the threshold applies to the rounded value.
        QTest::newRow("demi vers le pair au-dessus") << "NI" << 1 << 0.25 << 8998;
        QTest::newRow("demi vers le pair au-dessous") << "NI" << 1 << 0.75 << 8992;
        QTest::newRow("0.625 arrondi à 1") << "NI" << 9 << 99.9375 << 1;
        QTest::newRow("0.5 arrondi à 0") << "NI" << 9 << 99.95 << 0;
        QTest::newRow("clé inconnue") << "sn" << 1 << 0.0 << 0;
    }
    void points()
    {
        QFETCH(QString, cle);
        QFETCH(int, num_ligne);
        QFETCH(double, secondes);
        QFETCH(int, points);
        const std::int16_t lignes = cle.startsWith(u'S') ? 12 : 10;
        QCOMPARE(rules::calculer_points(lignes, std::int16_t(num_ligne), rules::facteur(cle), secondes), points);
    }

    void clesEtArrondis()
    {
        QStringList vus;
        for (const QString cle : {"NI", "NN", "NE", "SI", "SN", "SE", "sn", "", "SN12"})
            vus << QStringLiteral("%1 %2 %3").arg(cle).arg(rules::facteur(cle)).arg(rules::bloc(cle));
        QCOMPARE(vus.join(u','),
                 QStringLiteral("NI 1000 0,NN 2500 1,NE 5000 2,SI 10000 3,SN 30000 4,SE 50000 5,"
                                "sn 0 -1, 0 -1,SN12 0 -1"));
        QStringList arrondis;
        for (double x : {0.5, 1.5, 2.5, -0.5, -1.5, -2.5, 2.4999, 2.5001, 259.5, 64.875})
            arrondis << QString::number(rules::arrondi32(x)) + u'/' + QString::number(rules::arrondi16(x));
        QCOMPARE(arrondis.join(u' '), QStringLiteral("0/0 2/2 2/2 0/0 -2/-2 -2/-2 2/2 3/3 260/260 65/65"));
        // Out of range saturates instead of wrapping.
        QCOMPARE(rules::arrondi16(40000.0), std::int16_t(32767));
        QCOMPARE(rules::arrondi16(-40000.0), std::int16_t(-32768));
        QCOMPARE(rules::arrondi32(1e12), std::numeric_limits<std::int32_t>::max());
        QCOMPARE(rules::arrondi32(std::nan("")), 0);
    }

    void temps()
    {
        QStringList textes;
        for (qint64 s : {0, 9, 60, 160, 3599, 3725, 86399, 359999, 360000})
            textes << rules::texte_temps(s);
        QCOMPARE(textes.join(u' '),
                 QStringLiteral("00h00mn00s 00h00mn09s 00h01mn00s 00h02mn40s 00h59mn59s 01h02mn05s "
                                "23h59mn59s 99h59mn59s 100h00mn00s"));
        // Elapsed seconds count the second boundaries crossed, across midnight and time zones.
        auto t = [](int h, int m, int s, int ms, int jours = 0, int zone = 0) {
            return QDateTime(QDate(2003, 3, 14 + jours), QTime(h, m, s, ms), QTimeZone(zone));
        };
        QCOMPARE(rules::secondes_ecoulees(t(10, 0, 0, 900), t(10, 0, 1, 100)), 1);
        QCOMPARE(rules::secondes_ecoulees(t(10, 0, 0, 0), t(10, 0, 0, 999)), 0);
        QCOMPARE(rules::secondes_ecoulees(t(10, 0, 0, 500), t(10, 0, 30, 499)), 30);
        QCOMPARE(rules::secondes_ecoulees(t(23, 59, 59, 0), t(0, 0, 1, 0, 1)), 2);
        QCOMPARE(rules::secondes_ecoulees(t(10, 0, 0, 0), t(11, 0, 10, 0, 0, 3600)), 10);
        QCOMPARE(rules::secondes_ecoulees(QDateTime(), t(0, 0, 0, 0)), 0);
        // The start time goes through its text to the second, whatever the locale.
        QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
        const QString texte = rules::texte_date_heure(QDateTime(QDate(2003, 3, 4), QTime(9, 5, 7, 900)));
        const QDateTime relu = rules::lire_date_heure(texte);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(texte, QStringLiteral("04/03/2003 09:05:07"));
        QCOMPARE(relu, QDateTime(QDate(2003, 3, 4), QTime(9, 5, 7)));
        for (const QString illisible : {"", "14/03/2003", "32/01/2003 10:00:00"})
            QVERIFY(!rules::lire_date_heure(illisible).isValid());
    }
};

QTEST_APPLESS_MAIN(TestRules)
#include "test_rules.moc"
