// Judging one row: black and white marks, the judge's work cells, the order of the marks.
#include "game/rules.h"

#include <QtTest>
#include <array>
#include <vector>

namespace {

// "noir 2" / "blanc 1": one mark as it is drawn.
QStringList texte_marques(const rules::Jugement& j)
{
    QStringList l;
    for (int m = 0; m < j.nb_marques; ++m)
        l << QStringLiteral("%1 %2").arg(j.marques[m].noir ? "noir" : "blanc").arg(j.marques[m].position);
    return l;
}

QStringList cellules(const std::array<QString, 6>& c, int n)
{
    QStringList l;
    for (int i = 1; i <= n; ++i)
        l << c[i];
    return l;
}

// The result slots of one row after the marks are drawn: Initiation puts each mark in the slot of
// its position, the other modes in the first free slot. '.' is a free (grey) slot.
QString fentes(const rules::Jugement& j, int n, bool initiation)
{
    QString s(n, QLatin1Char('.'));
    for (int m = 0; m < j.nb_marques; ++m) {
        const QChar c = j.marques[m].noir ? QLatin1Char('N') : QLatin1Char('B');
        if (initiation) {
            s[j.marques[m].position - 1] = c;
        } else {
            const int libre = s.indexOf(QLatin1Char('.'));
            if (libre >= 0)
                s[libre] = c;
        }
    }
    return s;
}

} // namespace

class TestRulesJudge : public QObject {
    Q_OBJECT
private slots:
    void juger_data();
    void juger();
    void cellules_hors_rangee();
    void fentes_initiation_et_rangees();
    void exhaustif_quatre_pions_six_couleurs();
};

void TestRulesJudge::juger_data()
{
    QTest::addColumn<QString>("proposition");
    QTest::addColumn<QString>("secret");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("noirs");
    QTest::addColumn<int>("blancs");
    QTest::addColumn<QStringList>("label3");
    QTest::addColumn<QStringList>("label8");
    QTest::addColumn<QStringList>("marques");

    const QString v;
    QTest::newRow("RRRR contre RRBV") << "RRRR" << "RRBV" << 4 << 2 << 0
        << QStringList{"R", "R", v, v} << QStringList{v, v, v, v}
        << QStringList{"noir 1", "noir 2"};
    QTest::newRow("BRRR contre RBVJ: chaque R du secret sert une fois")
        << "BRRR" << "RBVJ" << 4 << 0 << 2
        << QStringList{v, v, v, v} << QStringList{"R", "B", v, v}
        << QStringList{"blanc 1", "blanc 2"};
    QTest::newRow("JVBR contre RBVJ") << "JVBR" << "RBVJ" << 4 << 0 << 4
        << QStringList{v, v, v, v} << QStringList{"R", "B", "V", "J"}
        << QStringList{"blanc 1", "blanc 2", "blanc 3", "blanc 4"};
    QTest::newRow("JBOR contre RBVJ: noirs d'abord") << "JBOR" << "RBVJ" << 4 << 1 << 2
        << QStringList{v, "B", v, v} << QStringList{"R", v, v, "J"}
        << QStringList{"noir 2", "blanc 1", "blanc 4"};
    QTest::newRow("gagnant") << "RBVJ" << "RBVJ" << 4 << 4 << 0
        << QStringList{"R", "B", "V", "J"} << QStringList{v, v, v, v}
        << QStringList{"noir 1", "noir 2", "noir 3", "noir 4"};

    // Empty holes are the letter Z: they score only against a Z of an Expert secret.
    QTest::newRow("trou vide sur le Z du secret") << "JZOI" << "RZBV" << 4 << 1 << 0
        << QStringList{v, "Z", v, v} << QStringList{v, v, v, v} << QStringList{"noir 2"};
    QTest::newRow("trou vide, Z du secret ailleurs") << "BZBB" << "ZRRR" << 4 << 0 << 1
        << QStringList{v, v, v, v} << QStringList{"Z", v, v, v} << QStringList{"blanc 2"};
    QTest::newRow("rangee vide, secret sans Z") << "ZZZZ" << "RBVJ" << 4 << 0 << 0
        << QStringList{v, v, v, v} << QStringList{v, v, v, v} << QStringList{};
    QTest::newRow("rangee vide contre ZZBZ") << "ZZZZ" << "ZZBZ" << 4 << 3 << 0
        << QStringList{"Z", "Z", v, "Z"} << QStringList{v, v, v, v}
        << QStringList{"noir 1", "noir 2", "noir 4"};

    // A hole never initialised reads as a blank, which equals no letter.
    QTest::newRow("blanc a la place d'une lettre") << " BVJ" << "RBVJ" << 4 << 3 << 0
        << QStringList{v, "B", "V", "J"} << QStringList{v, v, v, v}
        << QStringList{"noir 2", "noir 3", "noir 4"};
    QTest::newRow("blancs contre Z") << "    " << "ZZZZ" << 4 << 0 << 0
        << QStringList{v, v, v, v} << QStringList{v, v, v, v} << QStringList{};
    QTest::newRow("blanc et lettre deplacee") << " R  " << "RBVJ" << 4 << 0 << 1
        << QStringList{v, v, v, v} << QStringList{"R", v, v, v} << QStringList{"blanc 2"};

    // Duplicates on either side.
    QTest::newRow("RRRR contre RBVJ") << "RRRR" << "RBVJ" << 4 << 1 << 0
        << QStringList{"R", v, v, v} << QStringList{v, v, v, v} << QStringList{"noir 1"};
    QTest::newRow("BBRR contre RRBB") << "BBRR" << "RRBB" << 4 << 0 << 4
        << QStringList{v, v, v, v} << QStringList{"R", "R", "B", "B"}
        << QStringList{"blanc 1", "blanc 2", "blanc 3", "blanc 4"};
    QTest::newRow("RBRR contre RRRB: le noir garde sa place") << "RBRR" << "RRRB" << 4 << 2 << 2
        << QStringList{"R", v, "R", v} << QStringList{v, "R", v, "B"}
        << QStringList{"noir 1", "noir 3", "blanc 2", "blanc 4"};
    QTest::newRow("RVVR contre BRRJ: la place libre la plus a gauche") << "RVVR" << "BRRJ" << 4 << 0 << 2
        << QStringList{v, v, v, v} << QStringList{v, "R", "R", v}
        << QStringList{"blanc 1", "blanc 4"};
    QTest::newRow("RJJJ contre JRRR: un seul J au secret") << "RJJJ" << "JRRR" << 4 << 0 << 2
        << QStringList{v, v, v, v} << QStringList{"J", "R", v, v}
        << QStringList{"blanc 1", "blanc 2"};
    QTest::newRow("super VRRBB contre RRBBV") << "VRRBB" << "RRBBV" << 5 << 2 << 3
        << QStringList{v, "R", v, "B", v} << QStringList{"R", v, "B", v, "V"}
        << QStringList{"noir 2", "noir 4", "blanc 1", "blanc 3", "blanc 5"};
    QTest::newRow("super XNXNX contre NXNXN") << "XNXNX" << "NXNXN" << 5 << 0 << 4
        << QStringList{v, v, v, v, v} << QStringList{"N", "X", "N", "X", v}
        << QStringList{"blanc 1", "blanc 2", "blanc 3", "blanc 4"};

    // A secret edited shorter than the row: its missing characters match nothing.
    QTest::newRow("secret court, noirs") << "RBRB" << "RB" << 4 << 2 << 0
        << QStringList{"R", "B", v, v} << QStringList{v, v, v, v}
        << QStringList{"noir 1", "noir 2"};
    QTest::newRow("secret court, blancs") << "RBVJ" << "BR" << 4 << 0 << 2
        << QStringList{v, v, v, v} << QStringList{"B", "R", v, v}
        << QStringList{"blanc 1", "blanc 2"};
    QTest::newRow("secret vide") << "RBVJ" << "" << 4 << 0 << 0
        << QStringList{v, v, v, v} << QStringList{v, v, v, v} << QStringList{};
    QTest::newRow("secret trop long: seules n places comptent") << "RBVO" << "RBVJO" << 4 << 3 << 0
        << QStringList{"R", "B", "V", v} << QStringList{v, v, v, v}
        << QStringList{"noir 1", "noir 2", "noir 3"};
    QTest::newRow("secret en minuscules") << "RBVJ" << "rbvj" << 4 << 0 << 0
        << QStringList{v, v, v, v} << QStringList{v, v, v, v} << QStringList{};
}

void TestRulesJudge::juger()
{
    QFETCH(QString, proposition);
    QFETCH(QString, secret);
    QFETCH(int, n);
    QFETCH(int, noirs);
    QFETCH(int, blancs);
    QFETCH(QStringList, label3);
    QFETCH(QStringList, label8);
    QFETCH(QStringList, marques);

    const rules::Jugement j = rules::juger(proposition, secret, n);
    QCOMPARE(j.noirs, noirs);
    QCOMPARE(j.blancs, blancs);
    QCOMPARE(cellules(j.label3, n), label3);
    QCOMPARE(cellules(j.label8, n), label8);
    QCOMPARE(texte_marques(j), marques);
}

void TestRulesJudge::cellules_hors_rangee()
{
    // Cells beyond the row and the unused cell 0 stay empty, even when the secret is longer.
    const rules::Jugement j = rules::juger(QStringLiteral("JVBR"), QStringLiteral("RBVJR"), 4);
    for (int i : {0, 5}) {
        QVERIFY2(j.label3[i].isEmpty(), qPrintable(QString::number(i)));
        QVERIFY2(j.label8[i].isEmpty(), qPrintable(QString::number(i)));
    }
    QCOMPARE(j.blancs, 4);
}

void TestRulesJudge::fentes_initiation_et_rangees()
{
    const rules::Jugement j = rules::juger(QStringLiteral("JBOR"), QStringLiteral("RBVJ"), 4);
    QCOMPARE(fentes(j, 4, true), QStringLiteral("BN.B"));  // white, black, grey, white
    QCOMPARE(fentes(j, 4, false), QStringLiteral("NBB.")); // black, white, white, grey

    // Packed rows tell only how many: blacks first whatever their positions.
    const rules::Jugement k = rules::juger(QStringLiteral("VRRBB"), QStringLiteral("RRBBV"), 5);
    QCOMPARE(fentes(k, 5, true), QStringLiteral("BNBNB"));
    QCOMPARE(fentes(k, 5, false), QStringLiteral("NNBBB"));
}

void TestRulesJudge::exhaustif_quatre_pions_six_couleurs()
{
    // Every proposition against every secret of the normal game: black + white is the colour
    // overlap and black the equal positions, whatever the order of duplicates.
    const QString lettres = QStringLiteral("RBVJOI");
    struct Combi { QString texte; std::array<int, 4> pos; std::array<int, 6> compte; };
    std::vector<Combi> combis;
    combis.reserve(1296);
    for (int k = 0; k < 1296; ++k) {
        Combi c{QString(), {}, {}};
        int x = k;
        for (int p = 0; p < 4; ++p) {
            c.pos[p] = x % 6;
            x /= 6;
            c.texte += lettres[c.pos[p]];
            ++c.compte[c.pos[p]];
        }
        combis.push_back(c);
    }

    int echecs = 0;
    for (const Combi& p : combis) {
        for (const Combi& s : combis) {
            int noirs = 0;
            for (int i = 0; i < 4; ++i)
                noirs += p.pos[i] == s.pos[i];
            int total = 0;
            for (int c = 0; c < 6; ++c)
                total += std::min(p.compte[c], s.compte[c]);
            const rules::Jugement j = rules::juger(p.texte, s.texte, 4);
            if (j.noirs != noirs || j.noirs + j.blancs != total || j.nb_marques != total) {
                if (++echecs <= 5)
                    qWarning("%s contre %s: %d noirs %d blancs, attendu %d noirs %d au total",
                             qPrintable(p.texte), qPrintable(s.texte), j.noirs, j.blancs, noirs, total);
            }
        }
    }
    QCOMPARE(echecs, 0);
}

QTEST_APPLESS_MAIN(TestRulesJudge)
#include "test_rules_judge.moc"
