// The settings store and its high-score records: no record lost to a damaged file, a full disk or a kill.
#include "storage/records.h"
#include "storage/settings.h"

#include <QtCore>
#include <QtTest>
#include <csignal>
#include <ctime>
#include <random>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace storage;

namespace {
const QString app = QStringLiteral("Chromalis");

QString dossierReglages() { return QFileInfo(cheminReglages()).absolutePath(); }
QStringList voisins()
{
    return QDir(dossierReglages()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
}
QByteArray contenu(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : "<absent>";
}
bool poser(const QByteArray& octets, const QString& chemin = cheminReglages())
{
    QFile f(chemin);
    return QDir().mkpath(QFileInfo(chemin).absolutePath()) && f.open(QIODevice::WriteOnly)
        && f.write(octets) == octets.size();
}

QStringList tables()
{
    QStringList r;
    for (int i = 0; i < 60; ++i)
        r << GetSetting(app, cles_tables[i / 10], QString::number(i % 10 + 1));
    return r;
}

// A record whose every field follows from (round, place), so a cut or mixed one is seen.
QString record(int tour, int place)
{
    return QString::asprintf("%d;Joueur n°%d ☃ \"x\" \\ é;%d;00h%02dmn07s;14/03/2003;", 90000 - place * 100, tour,
                             place % 10, tour % 60);
}

// The kill loop's child: validates names one by one and resets all, until a SIGKILL at a random instant.
int ecrireSansFin()
{
    signal(SIGALRM, [](int) { raise(SIGKILL); });
    ualarm(QRandomGenerator::global()->bounded(1, 20000), 0);
    // Round k / 120 fills each place, table by table, then empties them; a kill may come in either.
    for (int k = QRandomGenerator::global()->bounded(120000);; ++k)
        SaveSetting(app, cles_tables[k % 6], QString::number(k / 6 % 10 + 1),
                    k % 120 < 60 ? record(k / 120, k / 6 % 10 + 1) : QString());
}

// The number of the error a store call raises, 0 when it succeeds.
template <typename F> int erreurDe(F f)
{
    try {
        f();
    } catch (const ErreurStockage& e) {
        return e.numero();
    }
    return 0;
}

const QString table = QStringLiteral("NN");
QString resultat(int points, const QString& nom)
{
    return construire_record(points, nom, 4, QStringLiteral("00h02mn40s"), QStringLiteral("14/03/2003"));
}
} // namespace

class TestStorage : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dossier;

private slots:
    void init()
    {
        dossier = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", dossier->path().toUtf8());
        oublierCache();
    }

    // What a start leaves, read now, next run and by QSettings; bad files set aside and told, a folder left alone.
    void magasin_data()
    {
        QTest::addColumn<QString>("genre");
        QTest::addColumn<QByteArray>("octets");
        QTest::addColumn<QStringList>("attendus");
        // Without the first-run marker only the missing places are made: a record written by hand stays.
        const QByteArray aLaMain = "[NN]\n1=13400;votre nom ?;4;00h02mn40s;14/03/2003;";
        const QStringList neufs = {"SE/10=", "SE/11=", "inconnue/x=", "scores/OK=OUI"};
        QTest::newRow("rien") << "" << QByteArray() << QStringList{"NN/1="} + neufs;
        QTest::newRow("un octet") << "" << QByteArray("\n") << QStringList{"NN/1="} + neufs;
        QTest::newRow("marqueur absent") << "" << aLaMain << QStringList{"NN/1=" + aLaMain.mid(7)} + neufs;
        QTest::newRow("version precedente")
            << ""
            << QByteArray("[NI]\n1=\"13400;Zo\xc3\xa9 \xe2\x98\x83;4;00h02mn40s;14/03/2003;\"\n2=\"@@ana;1;\"\n"
                          "3=\" blanc \"\n4=\"a\\nb\\r\\tc\\x1\\x31\\x64\\\\e\\\"f,g=h\"\n5=@String(x\\0y)\n6=\n"
                          "8=a\177b\n\n[scores]\nOK=OUI\n")
            << QStringList{"NI/1=13400;Zoé ☃;4;00h02mn40s;14/03/2003;", "NI/2=@ana;1;", "NI/3= blanc "}
                + QStringList{"NI/4=a\nb\r\tc\0011d\\e\"f,g=h", QString::fromUtf16(u"NI/5=x\0y", 8),
                              "NI/6=", "NI/8=a\177b", "scores/OK=OUI"};
        QTest::newRow("a la main, BOM, autre marqueur, sans fin de ligne")
            << ""
            << QByteArray("\xef\xbb\xbf[scores]\r\nOK=NON\r\n[SN]\r\n1=13400;votre nom ?;4;00h02mn40s;14/03/2003;\r\n"
                          "2 = 900;Le \"Roi\";3;00h01mn00s;01/01/2004; ")
            << QStringList{"SN/1=13400;votre nom ?;4;00h02mn40s;14/03/2003;",
                           "SN/2=900;Le \"Roi\";3;00h01mn00s;01/01/2004;", "scores/OK=NON"};
        QTest::newRow("valeurs ecrites") << "ecrire" << QByteArray()
                                         << QStringList{"NE/1=a=b;c,d [x] #e \"q\" \\ %20 \\n \\x41", "NE/2=\"a;b\"",
                                                        "NE/3=ligne1\nligne2\r\n",
                                                        QString::fromUtf16(u"NE/4=\0011\0007\tf\037a\\", 14),
                                                        "NE/5=@String(x)"}
                + QStringList{"NE/6=   ", "NE/7=Ælfrída ☃ 名前 😀", QString(200000, u'x').prepend("NE/8="),
                              "NE/9=suivant"};
        // Marker and folder as this start would write them: what is taken over is written at once all the same.
        const QByteArray ana = "[scores]\nOK=OUI\n[parametres]\ndossier%20application=/opt/jeu vert\n"
                               "[SN]\n2=90;Ana;3;00h00mn11s;01/01/2026;\n";
        const QStringList repris = {"SN/2=90;Ana;3;00h00mn11s;01/01/2026;", "scores/OK=OUI"},
                          perdu = {"SN/2=", "scores/OK=OUI"};
        QTest::newRow("une image") << "abime" << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\xe0", 20) << perdu;
        QTest::newRow("Latin-1 dans un nom") << "abime" << ana + "1=100;Zo\xe9;3;00h00mn10s;01/01/2026;\n" << repris;
        QTest::newRow("ligne sans egal") << "abime" << ana + "Ana\n" << repris;
        QTest::newRow("trop grand") << "abime" << ana + QByteArray(16 << 20, '\n') << perdu;
        QTest::newRow("tube nomme") << "fifo" << QByteArray() << perdu;
        QTest::newRow("lien vers /dev/zero") << "zero" << QByteArray() << perdu;
        QTest::newRow("dossier a sa place") << "dossier" << QByteArray() << QStringList{"scores/OK="};
        QTest::newRow("fichier a la place du dossier") << "pas un dossier" << QByteArray() << QStringList{"scores/OK="};
        QTest::newRow("abime en lecture seule") << "lecture seule" << ana + "Ana\n" << repris;
        QTest::newRow("lien, fichier .tmp du joueur") << "lien" << ana << repris;
    }
    void magasin()
    {
        QFETCH(QString, genre);
        QFETCH(QByteArray, octets);
        QFETCH(QStringList, attendus);
        QCOMPARE(cheminReglages(), dossier->path() + "/Chromalis/Chromalis.ini");
        const QByteArray racine = QFile::encodeName(dossier->path());
        auto demonter = qScopeGuard([&] { umount2(racine, MNT_DETACH); });
        if (genre == "lecture seule" && (geteuid() != 0 || mount("tmpfs", racine, "tmpfs", 0, "size=1m") != 0))
            QSKIP("needs root to mount a read-only folder (CI runs as root)");
        const QString cible = dossier->path() + "/x/scores.txt";
        QVERIFY(genre == "fifo"
                    ? QDir().mkpath(dossierReglages()) && mkfifo(QFile::encodeName(cheminReglages()), 0600) == 0
                    : genre == "zero" ? QDir().mkpath(dossierReglages()) && QFile::link("/dev/zero", cheminReglages())
                    : genre == "dossier"        ? QDir().mkpath(cheminReglages())
                    : genre == "pas un dossier" ? QFile(dossierReglages()).open(QIODevice::WriteOnly)
                    : genre == "lien"           ? poser("", cible + ".tmp") && poser(octets, cible)
                        && QDir().mkpath(dossierReglages()) && QFile::link(cible, cheminReglages())
                                      : octets.isEmpty() || poser(octets));
        QVERIFY(genre != "lecture seule" || mount("tmpfs", racine, "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0);
        const bool refus = QStringList{"dossier", "pas un dossier", "lecture seule"}.contains(genre),
                   sansFichier = refus && octets.isEmpty();
        const bool aCote = QStringList{"abime", "fifo", "zero"}.contains(genre);
        QCOMPARE(erreurDe([] { InitialiserReglages(app, "/opt/jeu vert"); }), sansFichier ? 75 : 0);
        const QString avis = avisMiseDeCote();
        attendus << "parametres/dossier application=" + QString(sansFichier ? "" : "/opt/jeu vert");
        const auto cle = [](const QString& attendu) { return attendu.section(u'=', 0, 0); };
        const auto lus = [&](const auto& lire) {
            QStringList r;
            for (const QString& a : attendus)
                r << cle(a) + '=' + lire(cle(a));
            return r;
        };
        for (const QString& a : genre == "ecrire" ? attendus : QStringList())
            SaveSetting(app, cle(a).section(u'/', 0, 0), cle(a).section(u'/', 1), a.section(u'=', 1));
        // This run, then the next: a notice comes once a start, and a store set aside is told of once.
        for (int fois = 0; fois < 2; ++fois, oublierCache())
            QCOMPARE(lus([](const QString& c) { return GetSetting(app, c.section(u'/', 0, 0), c.section(u'/', 1)); })
                         << avisMiseDeCote(),
                     attendus + QStringList{fois && refus ? avis : ""});
        const auto ancien = [](const QString& c) {
            return QSettings(cheminReglages(), QSettings::IniFormat).value(c).toString();
        };
        if (!refus && genre != "lien") // files this start wrote
            QCOMPARE(lus(ancien), attendus);
        const QStringList autour = voisins(); // the store, then the copy set aside
        QCOMPARE(autour.size(), aCote ? 2 : int(genre != "pas un dossier"));
        const QString copie = dossierReglages() + '/' + autour.value(autour.size() - 1);
        QVERIFY((genre != "abime" && genre != "lecture seule") || contenu(copie) == octets);
        QCOMPARE(QFileInfo(copie).isDir(), genre == "dossier");
        QVERIFY(genre != "lien" || (QFileInfo(cible + ".tmp").exists() && QFileInfo(cheminReglages()).isSymLink()));
        const QString lieu = genre == "pas un dossier" ? dossierReglages() : refus ? cheminReglages() : copie;
        QVERIFY2(aCote || refus ? avis.contains(lieu) && avis.contains("scores") : avis.isEmpty(), qPrintable(avis));
    }

    // Records typed in while the game runs survive its writes, appended or a same-size file swapped in.
    void modifieEnCours()
    {
        InitialiserReglages(app, "/opt/jeu");
        SaveSetting(app, "NI", "1", resultat(500, "Eve"));
        QVERIFY(poser(contenu(cheminReglages()) + "[SE]\n1=900;Ana;3;00h00mn11s;01/01/2026;\n"));
        SaveSetting(app, "NN", "1", resultat(300, "Max"));
        // "70;Ève" is as long as "500;Eve" in UTF-8.
        QVERIFY(poser(contenu(cheminReglages()).replace("500;Eve", "70;Ève"), cheminReglages() + ".autre"));
        QVERIFY(rename(QFile::encodeName(cheminReglages() + ".autre"), QFile::encodeName(cheminReglages())) == 0);
        SaveSetting(app, "NE", "1", resultat(200, "Lou"));
        oublierCache();
        QCOMPARE(QStringList({tables()[0], tables()[10], tables()[20], tables()[50]}),
                 QStringList({resultat(70, "Ève"), resultat(300, "Max"), resultat(200, "Lou"),
                              "900;Ana;3;00h00mn11s;01/01/2026;"}));
    }

    // The largest store loads in linear time: under a CPU second of this process, whatever else runs.
    void grandMagasin()
    {
        QByteArray octets = "[scores]\nOK=OUI\n";
        for (int k = 0; octets.size() < taille_max_reglages - 64; ++k)
            octets += (k % 1000 ? "" : "[section" + QByteArray::number(k / 1000) + "]\n") + QByteArray::number(k)
                + "=13400;votre nom ?;4;00h02mn40s;14/03/2003;\n";
        QVERIFY(poser(octets));
        const auto processeur = [] { return std::clock() * 1000 / CLOCKS_PER_SEC; };
        const long debut = processeur();
        QCOMPARE(GetSetting(app, "scores", "OK"), QString("OUI"));
#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__) // sanitizers, or a debug build
        const long limite = 5000;
#else
        const long limite = 1000;
#endif
        QVERIFY2(processeur() - debut < limite, qPrintable(QString::number(processeur() - debut) + " ms"));
        QCOMPARE(GetSetting(app, "section299", "299999"), QString("13400;votre nom ?;4;00h02mn40s;14/03/2003;"));
    }

    // Free blocks beyond the file's four, under a start and a win: no record lost, the win stored or reported.
    void disquePlein()
    {
        if (geteuid() != 0)
            QSKIP("needs root to mount a small tmpfs (CI runs as root)");
        const QByteArray racine = QFile::encodeName(dossier->path());
        auto demonter = qScopeGuard([&] { umount2(racine, MNT_DETACH); });
        // As the earlier version wrote it, so that a rewrite with a new folder grows it by 10 bytes.
        QByteArray initial = "[scores]\nOK=OUI\n\n[parametres]\ndossier%20application=/opt/jeu\n";
        QStringList avant;
        for (int i = 0; i < 60; ++i) {
            avant << record(i % 10 + 1, i % 10 + 1) + QString(150, u'n');
            initial += (i % 10 ? "" : "\n[" + cles_tables[i / 10].toUtf8() + "]\n") + QByteArray::number(i % 10 + 1)
                + "=\"" + avant.last().toUtf8().replace("\\", "\\\\").replace("\"", "\\\"") + "\"\n";
        }
        // Four blocks all but 15 bytes: the start's longer folder still fits, the longer win (heading NN) does not.
        initial += "\n[autre]\nremplissage=" + QByteArray(4 * 4096 - 15 - initial.size() - 22, 'p') + "\n";
        const QString gain = "99999;Gagnant" + QString(400, u'g') + ";1;00h00mn01s;01/01/2027;";
        const QStringList apres = avant.mid(0, 10) + QStringList{gain} + avant.mid(10, 9) + avant.mid(20);
        for (int libres = 0; libres <= 5; ++libres) {
            QDir(dossierReglages()).removeRecursively();
            oublierCache();
            const QByteArray taille = "size=" + QByteArray::number((4 + libres) * 4096);
            QVERIFY2(mount("tmpfs", racine, "tmpfs", libres ? MS_REMOUNT : 0, taille.constData()) == 0,
                     strerror(errno));
            QVERIFY(poser(initial));
            const bool demarre = !erreurDe([] { InitialiserReglages(app, "/usr/lib/chromalis"); });
            const bool notee = erreurDe([&] { inserer_record(app, "NN", gain, 99999); }) != 75;
            QVERIFY(demarre || notee || contenu(cheminReglages()) == initial);
            oublierCache();
            const QString bilan = QStringLiteral("%1 blocs libres: demarre %2, notee %3, dossier %4").arg(libres);
            const QString attendu
                = bilan.arg(libres >= 4).arg(libres > 4).arg(libres >= 4 ? "/usr/lib/chromalis" : "/opt/jeu");
            QCOMPARE(
                QStringList(bilan.arg(demarre).arg(notee).arg(GetSetting(app, "parametres", "dossier application")))
                    + tables(),
                QStringList(attendu) + (libres > 4 ? apres : avant));
            QCOMPARE(voisins(), QStringList{"Chromalis.ini"});
        }
    }

    // The fields as "a|b|c|d|e"; the points as read for ranking.
    void decoupage_data()
    {
        QTest::addColumn<QString>("donnee");
        QTest::addColumn<double>("points");
        QTest::addColumn<QString>("champs");
        QTest::newRow("cinq champs") << "13400;votre nom ?;4;00h02mn40s;14/03/2003;" << 13400.0
                                     << "13400|votre nom ?|4|00h02mn40s|14/03/2003";
        QTest::newRow("vide") << "" << 0.0 << "||||";
        QTest::newRow("sans point-virgule") << "4200" << 4200.0 << "||||";
        QTest::newRow("temps vide décalé à gauche") << "500;Anne;3;;02/02/2002;" << 500.0 << "500|Anne|3|02/02/2002|";
        QTest::newRow("points vides") << ";12;3;t;d;" << 0.0 << "12|3|t|d|";
        QTest::newRow("moins de cinq") << "500;Anne;3;" << 500.0 << "500|Anne|3||";
        QTest::newRow("dernier sans séparateur") << "500;Anne;3;t;d" << 500.0 << "500|Anne|3|t|";
        QTest::newRow("point-virgule dans le nom") << "5;Jean;Paul;3;t;d;" << 5.0 << "5|Jean|Paul|3|t";
        QTest::newRow("blancs gardés") << "  75 ;   ; 3;t ;d;" << 75.0 << "  75 |   | 3|t |d";
        QTest::newRow("nombre en tête") << "12abc;x;" << 12.0 << "12abc|x|||";
        QTest::newRow("chiffres non latins") << "\u0661\u0662;x;" << 0.0 << "\u0661\u0662|x|||";
    }
    void decoupage()
    {
        QFETCH(QString, donnee);
        QFETCH(double, points);
        QFETCH(QString, champs);
        const auto c = decouper_record(donnee);
        QCOMPARE(QStringList(c.begin(), c.end()).join(u'|'), champs);
        QCOMPARE(points_record(donnee), points);
    }

    // Any name without ";" comes back as typed: each accepted character alone and all together.
    void construireDecouper()
    {
        QVERIFY(!caractere_nom_accepte(u';'));
        const QString alphabet = QStringLiteral("abcXYZ0189 ,.:!?-_'\"()/\\@#&%*+=<>|~éèÀ€ß\t☃");
        QStringList noms(alphabet.begin(), alphabet.end());
        for (const QString& nom : noms << alphabet) {
            QVERIFY(std::all_of(nom.begin(), nom.end(), caractere_nom_accepte));
            const QString r = construire_record(2147483647, nom, 12, QStringLiteral("01h02mn03s"),
                                                texte_date(QDate(2024, 1, 5)));
            QCOMPARE(decouper_record(r), (std::array<QString, 5>{"2147483647", nom, "12", "01h02mn03s", "05/01/2024"}));
            QCOMPARE(points_record(r), 2147483647.0);
        }
    }

    // Random, often tied results rank as a model does: ties above, 10 falls off; no number reads as 0 points.
    void classementAleatoire()
    {
        SaveSetting(app, QStringLiteral("SE"), QStringLiteral("1"), resultat(10, QStringLiteral("autre")));
        SaveSetting(app, table, QStringLiteral("1"), QStringLiteral("abc;x;1;t;d;"));
        std::mt19937 gen(1998u);
        std::uniform_int_distribution<int> pts(1, 40);
        std::vector<std::pair<int, QString>> modele{{0, QStringLiteral("abc;x;1;t;d;")}};
        for (int n = 0; n < 300; ++n) {
            const int p = pts(gen) * 250;
            const QString r = resultat(p, QStringLiteral("joueur %1").arg(n));
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
            QCOMPARE(tables().mid(10, places_par_table) << GetSetting(app, table, "11"),
                     voulu << QString()); // NN, no 11th
        }
        QCOMPARE(int(modele.size()), places_par_table);
        QCOMPARE(GetSetting(app, QStringLiteral("SE"), QStringLiteral("1")), resultat(10, QStringLiteral("autre")));
        QCOMPARE(GetSetting(app, QStringLiteral("SE"), QStringLiteral("2")), QString());
    }

    // SIGKILL at random while names are validated and tables reset: every record whole, nothing left beside.
    void tueEnPleineEcriture()
    {
        InitialiserReglages(app, QString(300, u'd'));
        for (int k = 0; k < 200; ++k) {
            QCOMPARE(QProcess::execute(QCoreApplication::applicationFilePath(), {"--ecrire-sans-fin"}), -1); // killed
            oublierCache();
            const QDeadlineTimer attente(1000);
            QStringList lus = tables(), entiers;
            QVERIFY(!attente.hasExpired());
            for (int i = 0; i < lus.size(); ++i)
                entiers << (lus[i].isEmpty() ? ""
                                             : record(lus[i].section(u'°', 1).section(u' ', 0, 0).toInt(), i % 10 + 1));
            QCOMPARE(lus << GetSetting(app, "scores", "OK") + GetSetting(app, "parametres", "dossier application")
                         << voisins().join(u' '),
                     entiers << "OUI" + QString(300, u'd') << "Chromalis.ini");
        }
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--ecrire-sans-fin") == 0)
        return ecrireSansFin();
    QCoreApplication application(argc, argv);
    TestStorage t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_storage.moc"
