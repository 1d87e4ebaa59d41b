// The draw of a secret with scripted numbers: value to letter, rounding, the Expert Z counter.
#include "game/rules.h"

#include <QtTest>
#include <vector>

Q_DECLARE_METATYPE(std::vector<float>)

namespace {

struct Tirage {
    QString combinaison;
    int appels = 0;
};

Tirage tirer(int nb_pions, int nb_couleurs, const QString& mode, const std::vector<float>& nombres)
{
    Tirage t;
    t.combinaison = rules::tirer_combinaison(nb_pions, nb_couleurs, mode, [&] {
        // Past the script the draw would read garbage; 0.999 keeps it visible as the top letter.
        const float r = t.appels < int(nombres.size()) ? nombres[t.appels] : 0.999f;
        ++t.appels;
        return r;
    });
    return t;
}

} // namespace

class TestRulesDraw : public QObject {
    Q_OBJECT
private slots:
    void lettre_valeur_data();
    void lettre_valeur();
    void valeur_vers_lettre_data();
    void valeur_vers_lettre();
    void arrondi_simple_precision_data();
    void arrondi_simple_precision();
    void produit_en_simple_precision();
    void compteur_z_data();
    void compteur_z();
    void au_plus_trois_z_data();
    void au_plus_trois_z();
};

void TestRulesDraw::lettre_valeur_data()
{
    QTest::addColumn<int>("v");
    QTest::addColumn<QString>("lettre");
    const char* lettres[] = {"", "R", "B", "V", "J", "O", "I", "N", "X", ""};
    for (int v = 0; v <= 9; ++v)
        QTest::addRow("%d", v) << v << QString::fromLatin1(lettres[v]);
    QTest::newRow("-1") << -1 << QString();
}

void TestRulesDraw::lettre_valeur()
{
    QFETCH(int, v);
    QFETCH(QString, lettre);
    QCOMPARE(rules::lettre_valeur(v), lettre);
}

void TestRulesDraw::valeur_vers_lettre_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("lettre");

    // r = v / 8 is exact in single precision, so r x 8 gives v itself.
    const char* super[] = {"?", "R", "B", "V", "J", "O", "I", "N", "X"};
    for (const char* mode : {"debutant", "expert", "top"}) {
        for (int v = 0; v <= 8; ++v) {
            QString lettre = QString::fromLatin1(super[v]);
            if (v == 0)
                lettre = QLatin1String(mode) == QLatin1String("top") ? QStringLiteral("Z") : QStringLiteral("R");
            QTest::addRow("%s v=%d", mode, v) << QString::fromLatin1(mode) << float(v) / 8.0f << lettre;
        }
    }
}

void TestRulesDraw::valeur_vers_lettre()
{
    QFETCH(QString, mode);
    QFETCH(float, r);
    QFETCH(QString, lettre);
    const Tirage t = tirer(1, 8, mode, {r});
    QCOMPARE(t.combinaison, lettre);
    QCOMPARE(t.appels, 1);
}

void TestRulesDraw::arrondi_simple_precision_data()
{
    QTest::addColumn<int>("nb_couleurs");
    QTest::addColumn<float>("r");
    QTest::addColumn<float>("produit"); // the single-precision product the draw rounds
    QTest::addColumn<QString>("lettre");

    // Halves go to the even neighbour.
    QTest::newRow("8 x 0.0625 = 0.5 -> 0") << 8 << 0.0625f << 0.5f << "R";
    QTest::newRow("8 x 0.1875 = 1.5 -> 2") << 8 << 0.1875f << 1.5f << "B";
    QTest::newRow("8 x 0.3125 = 2.5 -> 2") << 8 << 0.3125f << 2.5f << "B";
    QTest::newRow("8 x 0.4375 = 3.5 -> 4") << 8 << 0.4375f << 3.5f << "J";
    QTest::newRow("8 x 0.5625 = 4.5 -> 4") << 8 << 0.5625f << 4.5f << "J";
    QTest::newRow("8 x 0.9375 = 7.5 -> 8") << 8 << 0.9375f << 7.5f << "X";
    QTest::newRow("6 x r = 2.5 -> 2") << 6 << 2.5f / 6.0f << 2.5f << "B";
    QTest::newRow("6 x r = 3.5 -> 4") << 6 << 3.5f / 6.0f << 3.5f << "J";
    QTest::newRow("6 x r = 5.5 -> 6") << 6 << 5.5f / 6.0f << 5.5f << "I";
    QTest::newRow("6 x 0.999 -> 6") << 6 << 0.999f << 0.999f * 6.0f << "I";
    QTest::newRow("6 x 0.08 -> 0") << 6 << 0.08f << 0.08f * 6.0f << "R";
}

void TestRulesDraw::arrondi_simple_precision()
{
    QFETCH(int, nb_couleurs);
    QFETCH(float, r);
    QFETCH(float, produit);
    QFETCH(QString, lettre);
    // The case is only meaningful if the float product is the one named.
    QCOMPARE(r * float(nb_couleurs), produit);
    QCOMPARE(tirer(1, nb_couleurs, QStringLiteral("expert"), {r}).combinaison, lettre);
}

void TestRulesDraw::produit_en_simple_precision()
{
    // This r lands on 3.5 only once the product is rounded to single precision; in double
    // precision it stays just below and would give V.
    const float r = 3.5f / 6.0f;
    QCOMPARE(r * 6.0f, 3.5f);
    QVERIFY(double(r) * 6.0 < 3.5);
    QCOMPARE(tirer(1, 6, QStringLiteral("debutant"), {r}).combinaison, QStringLiteral("J"));
}

void TestRulesDraw::compteur_z_data()
{
    QTest::addColumn<int>("nb_pions");
    QTest::addColumn<int>("nb_couleurs");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<std::vector<float>>("nombres");
    QTest::addColumn<QString>("combinaison");

    const float b6 = 2.0f / 6.0f, j6 = 4.0f / 6.0f; // B and J of the normal game
    const float b8 = 0.25f, j8 = 0.5f, x8 = 1.0f - 1.0f / 32.0f; // B, J, X of the Super game

    QTest::newRow("NE quatre zeros") << 4 << 6 << "top" << std::vector<float>{0, 0, 0, 0} << "ZZZR";
    QTest::newRow("SE cinq zeros") << 5 << 8 << "top" << std::vector<float>{0, 0, 0, 0, 0} << "ZZZRR";
    QTest::newRow("SE quatre zeros puis B") << 5 << 8 << "top" << std::vector<float>{0, 0, 0, 0, b8} << "ZZZRB";
    QTest::newRow("SE quatre zeros puis X") << 5 << 8 << "top" << std::vector<float>{0, 0, 0, 0, x8} << "ZZZRX";
    QTest::newRow("SE Z B Z J Z") << 5 << 8 << "top" << std::vector<float>{0, b8, 0, j8, 0} << "ZBZJZ";
    QTest::newRow("SE B Z Z Z Z") << 5 << 8 << "top" << std::vector<float>{b8, 0, 0, 0, 0} << "BZZZR";
    QTest::newRow("SE Z Z J J Z") << 5 << 8 << "top" << std::vector<float>{0, 0, j8, j8, 0} << "ZZJJZ";
    QTest::newRow("NE Z B Z Z") << 4 << 6 << "top" << std::vector<float>{0, b6, 0, 0} << "ZBZZ";
    QTest::newRow("NE J Z Z Z") << 4 << 6 << "top" << std::vector<float>{j6, 0, 0, 0} << "JZZZ";
    QTest::newRow("NE sans zero") << 4 << 6 << "top" << std::vector<float>{b6, j6, b6, j6} << "BJBJ";
    // Outside Expert a zero is always R, however many come.
    QTest::newRow("NI quatre zeros") << 4 << 6 << "debutant" << std::vector<float>{0, 0, 0, 0} << "RRRR";
    QTest::newRow("NN quatre zeros") << 4 << 6 << "expert" << std::vector<float>{0, 0, 0, 0} << "RRRR";
    QTest::newRow("SN melange") << 5 << 8 << "expert" << std::vector<float>{0, b8, 0, x8, 0} << "RBRXR";
    QTest::newRow("SI cinq zeros") << 5 << 8 << "debutant" << std::vector<float>{0, 0, 0, 0, 0} << "RRRRR";
}

void TestRulesDraw::compteur_z()
{
    QFETCH(int, nb_pions);
    QFETCH(int, nb_couleurs);
    QFETCH(QString, mode);
    QFETCH(std::vector<float>, nombres);
    QFETCH(QString, combinaison);
    const Tirage t = tirer(nb_pions, nb_couleurs, mode, nombres);
    QCOMPARE(t.combinaison, combinaison);
    QCOMPARE(t.appels, nb_pions); // one number per position, no more
}

void TestRulesDraw::au_plus_trois_z_data()
{
    QTest::addColumn<int>("nb_pions");
    QTest::addColumn<int>("nb_couleurs");
    QTest::newRow("NE") << 4 << 6;
    QTest::newRow("SE") << 5 << 8;
}

void TestRulesDraw::au_plus_trois_z()
{
    // Every pattern of zeros and B: the first three zeros become Z and any later zero R, so no
    // Expert secret holds more than three empty holes.
    QFETCH(int, nb_pions);
    QFETCH(int, nb_couleurs);
    const float b = 2.0f / float(nb_couleurs);
    for (int motif = 0; motif < (1 << nb_pions); ++motif) {
        std::vector<float> nombres;
        QString attendu;
        int zeros = 0;
        for (int i = 0; i < nb_pions; ++i) {
            if (motif & (1 << i)) {
                nombres.push_back(0.0f);
                attendu += ++zeros <= 3 ? QLatin1Char('Z') : QLatin1Char('R');
            } else {
                nombres.push_back(b);
                attendu += QLatin1Char('B');
            }
        }
        const QString obtenu = tirer(nb_pions, nb_couleurs, QStringLiteral("top"), nombres).combinaison;
        QVERIFY2(obtenu == attendu, qPrintable(QStringLiteral("motif %1: %2 au lieu de %3")
                                                   .arg(motif).arg(obtenu, attendu)));
        QVERIFY(obtenu.count(QLatin1Char('Z')) <= 3);
    }
}

QTEST_APPLESS_MAIN(TestRulesDraw)
#include "test_rules_draw.moc"
