// The settings store: first-run tables, values kept as written, files written by hand or by the
// earlier version read back whole, and no record lost to a damaged file, a full disk or a kill.
#include "storage/records.h"
#include "storage/settings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace storage;

namespace {
const QString app = QStringLiteral("Chromalis");

QString lire(const QString& section, int place) { return GetSetting(app, section, QString::number(place)); }

QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

void poser(const QByteArray& octets)
{
    QDir().mkpath(QFileInfo(cheminReglages()).absolutePath());
    QFile f(cheminReglages());
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size());
}

QStringList voisins() { return QDir(QFileInfo(cheminReglages()).absolutePath()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden); }

// A record whose every field follows from (round, place), so a cut or mixed one is seen.
QString record(int tour, int place)
{
    return QStringLiteral("%1;Joueur n°%2 ☃ \"x\" \\ é;%3;00h%4mn07s;14/03/2003;")
        .arg(90000 - place * 100).arg(tour).arg(place % 10).arg(tour % 60, 2, 10, QLatin1Char('0'));
}

// The child of the kill loop: validates names one by one, then resets all, over and over.
int ecrireSansFin()
{
    GetSetting(app, QStringLiteral("scores"), QStringLiteral("OK"));
    fputs("pret\n", stdout);
    fflush(stdout);
    for (int tour = QRandomGenerator::global()->bounded(1000);; ++tour) {
        for (int place = 1; place <= 10; ++place)
            for (const QString& t : cles_tables)
                SaveSetting(app, t, QString::number(place), record(tour, place));
        for (int place = 1; place <= 10; ++place)
            for (const QString& t : cles_tables)
                SaveSetting(app, t, QString::number(place), QString());
    }
}
} // namespace

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

    void premierLancementCreeLesSixTables()
    {
        QCOMPARE(cheminReglages(), dossier->path() + QStringLiteral("/Chromalis/Chromalis.ini"));
        InitialiserReglages(app, QStringLiteral("/opt/jeu"));
        relire();
        QCOMPARE(GetSetting(app, QStringLiteral("scores"), QStringLiteral("OK")), QStringLiteral("OUI"));
        QCOMPARE(GetSetting(app, QStringLiteral("parametres"), QStringLiteral("dossier application")),
                 QStringLiteral("/opt/jeu"));
        const QByteArray texte = contenu(cheminReglages());
        for (const QString& section : cles_tables) {
            QVERIFY(texte.contains("[" + section.toUtf8() + "]\n"));
            for (int place = 1; place <= 10; ++place)
                QVERIFY(QRegularExpression(QStringLiteral("\\[%1\\][^[]*\\n%2=\\n").arg(section).arg(place))
                            .match(QString::fromUtf8(texte)).hasMatch());
        }
        QCOMPARE(voisins(), QStringList{QStringLiteral("Chromalis.ini")});
        QCOMPARE(GetSetting(app, QStringLiteral("SE"), QStringLiteral("11")), QString());
        QCOMPARE(GetSetting(app, QStringLiteral("inconnue"), QStringLiteral("x")), QString());
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
        QCOMPARE(lire(QStringLiteral("SN"), 1).isEmpty(), effacees);
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
        QTest::newRow("signes ini") << QStringLiteral("a=b;c,d [x] #e \"q\" \\ %20 \\n \\x41");
        QTest::newRow("guillemets aux bouts") << QStringLiteral("\"a;b\"");
        QTest::newRow("fin de ligne") << QStringLiteral("ligne1\nligne2\r\n");
        QTest::newRow("controles et chiffres") << QString::fromUtf16(u"\x01" "1\0" "7\t" "f\x1f" "a\\", 9);
        QTest::newRow("arobase") << QStringLiteral("@String(x)");
        QTest::newRow("blancs") << QStringLiteral("   ");
        QTest::newRow("unicode") << QStringLiteral("Ælfrída ☃ 名前 😀");
        QTest::newRow("long") << QString(200000, QLatin1Char('x'));
    }
    void valeursGardeesTellesQuelles()
    {
        QFETCH(QString, valeur);
        SaveSetting(app, QStringLiteral("NE"), QStringLiteral("7"), valeur);
        SaveSetting(app, QStringLiteral("NE"), QStringLiteral("8"), QStringLiteral("suivant"));
        QCOMPARE(GetSetting(app, QStringLiteral("NE"), QStringLiteral("7")), valeur);
        relire();
        QCOMPARE(GetSetting(app, QStringLiteral("NE"), QStringLiteral("7")), valeur);
        QCOMPARE(GetSetting(app, QStringLiteral("NE"), QStringLiteral("8")), QStringLiteral("suivant"));
    }

    // Files as a player writes them by hand, or as the earlier version (Qt 6.4's QSettings) wrote them.
    void fichiersExistantsRelusEnEntier_data()
    {
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("cle");
        QTest::addColumn<QString>("attendu");
        const auto cas = [](const char* nom, const QByteArray& octets, const char* section, const char* cle, const QString& attendu) {
            QTest::newRow(nom) << octets << QString::fromUtf8(section) << QString::fromUtf8(cle) << attendu;
        };
        const QByteArray qt = "[NI]\n1=\"13400;Zo\xc3\xa9 \xe2\x98\x83;4;00h02mn40s;14/03/2003;\"\n2=\"@@ana;1;\"\n"
                              "3=\" blanc \"\n4=\"a\\nb\\r\\tc\\x1\\x31\\x64\\\\e\\\"f,g=h\"\n5=@String(x\\0y)\n6=\n"
                              "8=a\x7f" "b\n\n[parametres]\ndossier%20application=/opt/jeu vert/\xc3\xa9\n\n[scores]\nOK=OUI\n";
        cas("qt record", qt, "NI", "1", QStringLiteral("13400;Zoé ☃;4;00h02mn40s;14/03/2003;"));
        cas("qt arobase", qt, "NI", "2", QStringLiteral("@ana;1;"));
        cas("qt blancs", qt, "NI", "3", QStringLiteral(" blanc "));
        cas("qt echappements", qt, "NI", "4", QStringLiteral("a\nb\r\tc\x01" "1d\\e\"f,g=h"));
        cas("qt nul", qt, "NI", "5", QString::fromUtf16(u"x\0y", 3));
        cas("qt vide", qt, "NI", "6", QString());
        cas("qt del", qt, "NI", "8", QStringLiteral("a\x7f" "b"));
        cas("qt cle codee", qt, "parametres", "dossier application", QStringLiteral("/opt/jeu vert/é"));
        const QByteArray main = "[SN]\r\n1=13400;votre nom ?;4;00h02mn40s;14/03/2003;\r\n2 = 900;Le \"Roi\";3;00h01mn00s;01/01/2004; \r\n";
        cas("a la main", main, "SN", "1", QStringLiteral("13400;votre nom ?;4;00h02mn40s;14/03/2003;"));
        cas("a la main blancs", main, "SN", "2", QStringLiteral("900;Le \"Roi\";3;00h01mn00s;01/01/2004;"));
        cas("bom", "\xef\xbb\xbf[SE]\n1=5;A;1;00h00mn01s;01/01/2001;\n", "SE", "1", QStringLiteral("5;A;1;00h00mn01s;01/01/2001;"));
    }
    void fichiersExistantsRelusEnEntier()
    {
        QFETCH(QByteArray, octets);
        QFETCH(QString, section);
        QFETCH(QString, cle);
        QFETCH(QString, attendu);
        poser(octets);
        QCOMPARE(GetSetting(app, section, cle), attendu);
        // Another write keeps it whole, and the file is taken as it was, not set aside.
        SaveSetting(app, QStringLiteral("NN"), QStringLiteral("1"), QStringLiteral("1;B;1;00h00mn01s;01/01/2001;"));
        relire();
        QCOMPARE(GetSetting(app, section, cle), attendu);
        QCOMPARE(voisins(), QStringList{QStringLiteral("Chromalis.ini")});
        QVERIFY(avisMiseDeCote().isEmpty());
    }

    void ecritureImpossibleLeveUneErreur()
    {
        // The settings file's place is taken by a folder: it is left alone, and no write reaches it.
        QVERIFY(QDir().mkpath(QFileInfo(cheminReglages()).absoluteFilePath()));
        try {
            InitialiserReglages(app, QStringLiteral("/x"));
            QFAIL("no error raised");
        } catch (const ErreurStockage& e) {
            QCOMPARE(e.numero(), 75);
            QVERIFY(e.description().contains(cheminReglages()));
        }
        QCOMPARE(GetSetting(app, QStringLiteral("scores"), QStringLiteral("OK")), QString());
        QVERIFY(QFileInfo(cheminReglages()).isDir());
    }

    void echecSurUnFichierExistantNeLaissePasDeTrace()
    {
        SaveSetting(app, QStringLiteral("NI"), QStringLiteral("1"), QStringLiteral("900;Ana;2;00h00mn09s;01/01/2026;"));
        const QString rep = QFileInfo(cheminReglages()).absolutePath();
        const QByteArray avant = contenu(cheminReglages());
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
        // Neither the next read of this run nor the file itself holds what could not be written.
        QCOMPARE(lire(QStringLiteral("NI"), 1), QStringLiteral("900;Ana;2;00h00mn09s;01/01/2026;"));
        relire();
        QCOMPARE(lire(QStringLiteral("NI"), 1), QStringLiteral("900;Ana;2;00h00mn09s;01/01/2026;"));
        QCOMPARE(contenu(cheminReglages()), avant);
    }

    // A file that cannot be taken as it is: its bytes are kept aside, untouched, what could be read
    // is kept, and the player is told where the copy is.
    void fichierMisDeCote_data()
    {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QString>("repris");
        for (const int graine : {42, 1}) {
            QByteArray octets;
            QRandomGenerator hasard(graine);
            for (int k = 0; k < 4096; ++k)
                octets.append(char(hasard.bounded(256)));
            QTest::addRow("hasard %d", graine) << "fichier" << octets << QString();
        }
        QTest::newRow("Latin-1 dans un nom")
            << "fichier" << QByteArray("[SN]\n1=100;Zo\xe9;3;00h00mn10s;01/01/2026;\n2=90;Ana;3;00h00mn11s;01/01/2026;\n")
            << QStringLiteral("90;Ana;3;00h00mn11s;01/01/2026;");
        QTest::newRow("ligne sans egal") << "fichier" << QByteArray("[SN]\n2=90;Ana;3;00h00mn11s;01/01/2026;\nAna\n")
                                         << QStringLiteral("90;Ana;3;00h00mn11s;01/01/2026;");
        QTest::newRow("trop grand") << "grand" << QByteArray("[SN]\n2=1;A;1;t;d;\n") << QString();
        QTest::newRow("tube nomme") << "fifo" << QByteArray() << QString();
        QTest::newRow("lien vers /dev/zero") << "zero" << QByteArray() << QString();
    }
    void fichierMisDeCote()
    {
        QFETCH(QString, genre);
        QFETCH(QByteArray, octets);
        QFETCH(QString, repris);
        const QString chemin = cheminReglages();
        QDir().mkpath(QFileInfo(chemin).absolutePath());
        if (genre == QLatin1String("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(chemin), 0600), 0);
        else if (genre == QLatin1String("zero"))
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), chemin));
        else
            poser(octets);
        if (genre == QLatin1String("grand"))
            QCOMPARE(truncate(QFile::encodeName(chemin).constData(), 20 << 20), 0);
        QElapsedTimer montre;
        montre.start();
        QCOMPARE(lire(QStringLiteral("SN"), 2), repris);
        QVERIFY(montre.elapsed() < 2000);
        const QString avis = avisMiseDeCote();
        QVERIFY(avisMiseDeCote().isEmpty());
        SaveSetting(app, QStringLiteral("SN"), QStringLiteral("1"), QStringLiteral("100;Ana;3;00h00mn10s;01/01/2026;"));
        relire();
        QCOMPARE(lire(QStringLiteral("SN"), 1), QStringLiteral("100;Ana;3;00h00mn10s;01/01/2026;"));
        QCOMPARE(lire(QStringLiteral("SN"), 2), repris);
        const QStringList copies = QDir(QFileInfo(chemin).absolutePath()).entryList({QStringLiteral("Chromalis.ini.illisible-*")}, QDir::AllEntries | QDir::System);
        QCOMPARE(copies.size(), 1);
        const QString copie = QFileInfo(chemin).absolutePath() + QLatin1Char('/') + copies.first();
        if (genre == QLatin1String("fichier"))
            QCOMPARE(contenu(copie), octets);
        else if (genre == QLatin1String("zero"))
            QCOMPARE(QFileInfo(copie).symLinkTarget(), QStringLiteral("/dev/zero"));
        else if (genre == QLatin1String("grand"))
            QCOMPARE(QFileInfo(copie).size(), qint64(20 << 20));
        // The player is told once, in French, where the copy is; the next start has nothing to say.
        QVERIFY2(avis.contains(copie) && avis.contains(QStringLiteral("scores")), qPrintable(avis));
        oublierCache();
        QCOMPARE(lire(QStringLiteral("SN"), 1), QStringLiteral("100;Ana;3;00h00mn10s;01/01/2026;"));
        QVERIFY(avisMiseDeCote().isEmpty());
    }

    // Every number of free blocks, from none to more than the file needs: a start that records a new
    // folder, then a won game. No record is lost; the win is stored or reported.
    void disquePlein()
    {
        if (geteuid() != 0)
            QSKIP("needs root to mount a small tmpfs (CI runs as root)");
        const QByteArray racine = QFile::encodeName(dossier->path());
        QVERIFY2(mount("tmpfs", racine, "tmpfs", 0, "size=64k") == 0, strerror(errno));
        auto demonter = qScopeGuard([&] { umount2(racine, MNT_DETACH); });
        // As the earlier version wrote it, so that a rewrite with a new folder grows it by 10 bytes.
        QByteArray initial = "[scores]\nOK=OUI\n\n[parametres]\ndossier%20application=/opt/jeu\n";
        for (const QString& t : cles_tables) {
            initial += "\n[" + t.toUtf8() + "]\n";
            for (int place = 1; place <= 10; ++place)
                initial += QByteArray::number(place) + "=\""
                    + record(place, place).toUtf8().replace("\\", "\\\\").replace("\"", "\\\"") + QByteArray(150, 'n') + "\"\n";
        }
        // Four blocks all but 15 bytes: the start's longer folder still fits, the longer win does not.
        const int blocs = 4;
        initial += "\n[autre]\nremplissage=";
        initial += QByteArray(blocs * 4096 - 15 - initial.size() - 1, 'p') + "\n";
        struct statvfs fs;
        for (int libres = 0; libres <= blocs + 1; ++libres) {
            QDir(dossier->path()).removeRecursively();
            QDir().mkpath(dossier->path() + QStringLiteral("/Chromalis"));
            oublierCache();
            poser(initial);
            QFile bourre(dossier->path() + QStringLiteral("/bourre"));
            QVERIFY(bourre.open(QIODevice::WriteOnly));
            QVERIFY(statvfs(racine, &fs) == 0 && fs.f_bavail >= fsblkcnt_t(libres));
            bourre.write(QByteArray(int(fs.f_bavail - libres) * int(fs.f_bsize), 'z'));
            bourre.close();
            QVERIFY(statvfs(racine, &fs) == 0);
            QCOMPARE(int(fs.f_bavail), libres);
            bool demarre = true, notee = true;
            try { InitialiserReglages(app, QStringLiteral("/usr/lib/chromalis")); } catch (const ErreurStockage&) { demarre = false; }
            const QString gain = QStringLiteral("99999;Gagnant%1;1;00h00mn01s;01/01/2027;").arg(QString(400, u'g'));
            try { inserer_record(app, QStringLiteral("NN"), gain, 99999); } catch (const ErreurStockage& e) { notee = false; QCOMPARE(e.numero(), 75); }
            relire();
            const QString titre = QStringLiteral("%1 blocs libres").arg(libres);
            QCOMPARE(GetSetting(app, QStringLiteral("parametres"), QStringLiteral("dossier application")),
                     demarre ? QStringLiteral("/usr/lib/chromalis") : QStringLiteral("/opt/jeu"));
            for (const QString& t : cles_tables)
                for (int place = 1; place <= 10; ++place) {
                    const bool decale = notee && t == QLatin1String("NN");
                    const QString attendu = decale && place == 1 ? gain : record(place - decale, place - decale) + QString(150, u'n');
                    QVERIFY2(lire(t, place) == attendu, qPrintable(titre + QLatin1Char(' ') + t + QString::number(place)));
                }
            if (!demarre && !notee)
                QVERIFY2(contenu(cheminReglages()) == initial, qPrintable(titre));
            QVERIFY2(voisins() == QStringList{QStringLiteral("Chromalis.ini")}, qPrintable(voisins().join(u' ')));
            QCOMPARE(demarre, libres >= blocs);
            QCOMPARE(notee, libres > blocs);
        }
    }

    // SIGKILL at random instants while names are validated one by one and all tables are reset:
    // each restart finds every record whole, at once, and nothing left beside the store.
    void tueEnPleineEcriture()
    {
        InitialiserReglages(app, QString(300, u'd'));
        for (int k = 0; k < 200; ++k) {
            QProcess enfant;
            enfant.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--ecrire-sans-fin")});
            QVERIFY(enfant.waitForReadyRead(10000));
            QThread::usleep(QRandomGenerator::global()->bounded(20000));
            enfant.kill();
            QVERIFY(enfant.waitForFinished(10000));
            relire();
            QElapsedTimer montre;
            montre.start();
            QCOMPARE(GetSetting(app, QStringLiteral("scores"), QStringLiteral("OK")), QStringLiteral("OUI"));
            QVERIFY2(montre.elapsed() < 1000, qPrintable(QString::number(montre.elapsed())));
            QCOMPARE(GetSetting(app, QStringLiteral("parametres"), QStringLiteral("dossier application")), QString(300, u'd'));
            for (const QString& t : cles_tables)
                for (int place = 1; place <= 10; ++place) {
                    const QString lu = lire(t, place);
                    const QString tour = lu.section(u'°', 1).section(u' ', 0, 0);
                    QVERIFY2(lu.isEmpty() || lu == record(tour.toInt(), place), qPrintable(lu));
                }
            QVERIFY2(voisins() == QStringList{QStringLiteral("Chromalis.ini")}, qPrintable(voisins().join(u' ')));
        }
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--ecrire-sans-fin") == 0)
        return ecrireSansFin();
    QCoreApplication application(argc, argv);
    TestStorageSettings t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_storage_settings.moc"
