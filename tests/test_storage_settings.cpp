// The settings store: first-run tables, values kept as written, and failures that are raised.
#include "storage/records.h"
#include "storage/settings.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QFileInfo>
#include <QSettings>
#include <memory>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace storage;

namespace {
const QString app = QStringLiteral("Chromalis");
}

class TestStorageSettings : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dossier;

    void relire() { oublierCache(); }

private slots:
    void init()
    {
        dossier = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", dossier->path().toUtf8());
        oublierCache();
    }
    void cleanup() { oublierCache(); }

    void cheminDansLeDossierUtilisateur()
    {
        QCOMPARE(cheminReglages(), dossier->path() + QStringLiteral("/Chromalis/Chromalis.ini"));
    }

    void premierLancementCreeLesSixTables()
    {
        InitialiserReglages(app, QStringLiteral("/opt/jeu"));
        relire();
        QCOMPARE(GetSetting(app, QStringLiteral("scores"), QStringLiteral("OK")), QStringLiteral("OUI"));
        QCOMPARE(GetSetting(app, QStringLiteral("parametres"), QStringLiteral("dossier application")),
                 QStringLiteral("/opt/jeu"));
        QSettings brut(cheminReglages(), QSettings::IniFormat);
        for (const QString& section : cles_tables)
            for (int place = 1; place <= 10; ++place) {
                const QString cle = section + QLatin1Char('/') + QString::number(place);
                QVERIFY2(brut.contains(cle), qPrintable(cle));
                QCOMPARE(brut.value(cle).toString(), QString());
            }
    }

    void marqueurDecideDeLInitialisation_data()
    {
        QTest::addColumn<QString>("marqueur");
        QTest::addColumn<bool>("effacees");
        QTest::newRow("absent") << QString() << true;
        QTest::newRow("OUI") << QStringLiteral("OUI") << false;
        QTest::newRow("autre texte") << QStringLiteral("NON") << false;
    }
    void marqueurDecideDeLInitialisation()
    {
        QFETCH(QString, marqueur);
        QFETCH(bool, effacees);
        SaveSetting(app, QStringLiteral("SN"), QStringLiteral("1"), QStringLiteral("13400;Ana;4;00h02mn40s;14/03/2003;"));
        if (!marqueur.isEmpty())
            SaveSetting(app, QStringLiteral("scores"), QStringLiteral("OK"), marqueur);
        InitialiserReglages(app, QStringLiteral("/ailleurs"));
        relire();
        QCOMPARE(GetSetting(app, QStringLiteral("SN"), QStringLiteral("1")).isEmpty(), effacees);
        QCOMPARE(GetSetting(app, QStringLiteral("scores"), QStringLiteral("OK")),
                 marqueur.isEmpty() ? QStringLiteral("OUI") : marqueur);
        // The folder is written at every start.
        QCOMPARE(GetSetting(app, QStringLiteral("parametres"), QStringLiteral("dossier application")),
                 QStringLiteral("/ailleurs"));
    }

    void valeursGardeesTellesQuelles_data()
    {
        QTest::addColumn<QString>("valeur");
        QTest::newRow("record") << QStringLiteral("8700;Zoé;1;00h00mn30s;01/02/2026;");
        QTest::newRow("signes ini") << QStringLiteral("a=b;c,d [x] #e \"q\" \\ %20");
        QTest::newRow("fin de ligne") << QStringLiteral("ligne1\nligne2\r\n");
        QTest::newRow("blancs") << QStringLiteral("   ");
        QTest::newRow("unicode") << QStringLiteral("Ælfrída ☃ 名前");
        QTest::newRow("long") << QString(200000, QLatin1Char('x'));
    }
    void valeursGardeesTellesQuelles()
    {
        QFETCH(QString, valeur);
        SaveSetting(app, QStringLiteral("NE"), QStringLiteral("7"), valeur);
        QCOMPARE(GetSetting(app, QStringLiteral("NE"), QStringLiteral("7")), valeur);
        relire();
        QCOMPARE(GetSetting(app, QStringLiteral("NE"), QStringLiteral("7")), valeur);
    }

    void cleJamaisEcriteLitVide()
    {
        QCOMPARE(GetSetting(app, QStringLiteral("SE"), QStringLiteral("4")), QString());
        QCOMPARE(GetSetting(app, QStringLiteral("inconnue"), QStringLiteral("x")), QString());
    }

    void ecritureImpossibleLeveUneErreur()
    {
        // The settings file's place is taken by a folder: no write can reach it, even as root.
        QVERIFY(QDir().mkpath(QFileInfo(cheminReglages()).absoluteFilePath()));
        bool leve = false;
        try {
            SaveSetting(app, QStringLiteral("NI"), QStringLiteral("1"), QStringLiteral("x"));
        } catch (const ErreurStockage& e) {
            leve = true;
            QCOMPARE(e.numero(), 75);
            QVERIFY(!e.description().isEmpty());
        }
        QVERIFY(leve);
        // What failed is not read back as stored.
        QCOMPARE(GetSetting(app, QStringLiteral("NI"), QStringLiteral("1")), QString());
    }

    void echecSurUnFichierExistantNeLaissePasDeTrace()
    {
        SaveSetting(app, QStringLiteral("NI"), QStringLiteral("1"), QStringLiteral("900;Ana;2;00h00mn09s;01/01/2026;"));
        const QString rep = QFileInfo(cheminReglages()).absolutePath();
        QFile fichier(cheminReglages());
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        const QByteArray avant = fichier.readAll();
        fichier.close();
        // The folder made unwritable, even for root (immutable flag, where the file system has it).
        const bool root = geteuid() == 0;
        const QStringList proteger = {QStringLiteral("-R"), root ? QStringLiteral("+i") : QStringLiteral("a-w"), rep};
        if (QProcess::execute(root ? QStringLiteral("chattr") : QStringLiteral("chmod"), proteger) != 0)
            QSKIP("this file system cannot make a folder unwritable");
        auto liberer = qScopeGuard([&] {
            QProcess::execute(root ? QStringLiteral("chattr") : QStringLiteral("chmod"),
                              {QStringLiteral("-R"), root ? QStringLiteral("-i") : QStringLiteral("u+w"), rep});
        });
        QVERIFY_THROWS_EXCEPTION(ErreurStockage, SaveSetting(app, QStringLiteral("NI"), QStringLiteral("1"),
                                                             QStringLiteral("950;Bob;1;00h00mn05s;02/01/2026;")));
        QVERIFY_THROWS_EXCEPTION(ErreurStockage, SaveSetting(app, QStringLiteral("NI"), QStringLiteral("2"),
                                                             QStringLiteral("900;Ana;2;00h00mn09s;01/01/2026;")));
        // Neither the next read of this run nor the file itself holds what could not be written.
        QCOMPARE(GetSetting(app, QStringLiteral("NI"), QStringLiteral("1")), QStringLiteral("900;Ana;2;00h00mn09s;01/01/2026;"));
        QCOMPARE(GetSetting(app, QStringLiteral("NI"), QStringLiteral("2")), QString());
        relire();
        QCOMPARE(GetSetting(app, QStringLiteral("NI"), QStringLiteral("1")), QStringLiteral("900;Ana;2;00h00mn09s;01/01/2026;"));
        QVERIFY(fichier.open(QIODevice::ReadOnly));
        QCOMPARE(fichier.readAll(), avant);
    }

    void fichierEndommageMisDeCote_data()
    {
        QTest::addColumn<QByteArray>("octets");
        // Seed 42 trips the INI parser; the others parse into junk keys, but do not decode as UTF-8.
        for (const int graine : {42, 1, 2, 3}) {
            QByteArray octets;
            QRandomGenerator hasard(graine);
            for (int k = 0; k < 4096; ++k)
                octets.append(char(hasard.bounded(256)));
            QTest::addRow("hasard %d", graine) << octets;
        }
        QTest::newRow("Latin-1 dans un nom") << QByteArray("[scores]\nOK=OUI\n[SN]\n1=100;Zo\xe9;3;00h00mn10s;01/01/2026;\n");
    }

    void fichierEndommageMisDeCote()
    {
        QFETCH(QByteArray, octets);
        QDir().mkpath(QFileInfo(cheminReglages()).absolutePath());
        QFile fichier(cheminReglages());
        QVERIFY(fichier.open(QIODevice::WriteOnly));
        fichier.write(octets);
        fichier.close();
        InitialiserReglages(app, QStringLiteral("/opt/jeu"));
        SaveSetting(app, QStringLiteral("SN"), QStringLiteral("1"), QStringLiteral("100;Ana;3;00h00mn10s;01/01/2026;"));
        relire();
        QCOMPARE(GetSetting(app, QStringLiteral("scores"), QStringLiteral("OK")), QStringLiteral("OUI"));
        QCOMPARE(GetSetting(app, QStringLiteral("SN"), QStringLiteral("1")), QStringLiteral("100;Ana;3;00h00mn10s;01/01/2026;"));
        // The damaged bytes are kept, unchanged, beside the new file.
        const QStringList copies = QDir(QFileInfo(cheminReglages()).absolutePath())
                                       .entryList({QStringLiteral("Chromalis.ini.illisible-*")});
        QCOMPARE(copies.size(), 1);
        QFile copie(QFileInfo(cheminReglages()).absolutePath() + QLatin1Char('/') + copies.first());
        QVERIFY(copie.open(QIODevice::ReadOnly));
        QCOMPARE(copie.readAll(), octets);
    }

    void premierLancementInterrompuParUnEchec()
    {
        QVERIFY(QDir().mkpath(QFileInfo(cheminReglages()).absoluteFilePath()));
        QVERIFY_THROWS_EXCEPTION(ErreurStockage, InitialiserReglages(app, QStringLiteral("/x")));
    }
};

QTEST_GUILESS_MAIN(TestStorageSettings)
#include "test_storage_settings.moc"
