// Start-up: exactly one copy runs, whatever a dead copy left; a store set aside is told once.
#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/instance.h"
#include "storage/settings.h"
#include "support/support.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmSplash.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <sys/mount.h>
#include <unistd.h>

using namespace Chromalis;

// Starts n copies of the game reduced to its guard, lets them ask together (the signal reaches
// them within microseconds) and counts those that run; -1 when one does not answer.
static int lancees(int n)
{
    std::vector<std::unique_ptr<QProcess>> copies(n);
    QByteArray sortie;
    for (auto& p : copies) {
        (p = std::make_unique<QProcess>())->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--copie")});
        p->waitForReadyRead(10000), sortie += p->readLine();
    }
    for (auto& p : copies)
        p->write("g"), p->waitForBytesWritten();
    for (auto& p : copies)
        (p->canReadLine() || p->waitForReadyRead(10000)), sortie += p->readLine();
    for (auto& p : copies)
        p->closeWriteChannel(), p->waitForFinished(10000);
    const bool complet = sortie.startsWith(QByteArray("pret\n").repeated(n)) && sortie.count("lancee\n") + sortie.count("refusee\n") == n;
    return complet ? int(sortie.count("lancee\n")) : -1;
}

class TestDemarrage : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;

public:
    // A copy reduced to its guard: ready, asks at the signal, then holds on until its input closes.
    TestDemarrage()
    {
        if (char c; QCoreApplication::arguments().contains(QStringLiteral("--copie"))) {
            std::puts("pret"), std::fflush(stdout);
            if (read(0, &c, 1) == 1)
                std::puts(platform::AutreInstanceEnCours() ? "refusee" : "lancee"), std::fflush(stdout);
            while (read(0, &c, 1) > 0) {
            }
            std::_Exit(0);
        }
    }

private slots:
    void init() { env = std::make_unique<support::Environnement>(); }
    void cleanup() { env.reset(); }

    // Pairs started in the same instant: one runs, in a fresh folder, whatever a dead copy, another
    // host or another program left in the lock, in a full folder or a read-only one without a lock.
    void uneSeuleCopie_data()
    {
        QTest::addColumn<QByteArray>("verrou"); // null: no lock file
        QTest::addColumn<int>("disque"); // 1: full, 2: read-only
        const QByteArray hote = QSysInfo::machineHostName().toUtf8() + "\n", pid = QByteArray::number(QCoreApplication::applicationPid());
        QTest::newRow("neuf") << QByteArray() << 0;
        QTest::newRow("vide") << QByteArray("") << 0;
        QTest::newRow("n'importe quoi") << QByteArray("\x01\xff garbage\n\n-7\n") << 0;
        QTest::newRow("autre machine") << QByteArray("12345\nchromalis\nautre-machine\n") << 0;
        QTest::newRow("pid repris") << "1\nchromalis\n" + hote << 0;
        QTest::newRow("pid vivant") << pid + "\n" + QFile::encodeName(QFileInfo(QCoreApplication::applicationFilePath()).fileName()) + "\n" + hote << 0;
        QTest::newRow("plein") << QByteArray() << 1;
        QTest::newRow("lecture seule") << QByteArray() << 2;
    }
    void uneSeuleCopie()
    {
        QFETCH(QByteArray, verrou);
        QFETCH(int, disque);
        if (disque && geteuid() != 0)
            QSKIP("needs root to mount a small tmpfs (CI runs as root)");
        const QString dossier = QFileInfo(platform::cheminVerrou()).absolutePath();
        const QByteArray d = QFile::encodeName(dossier);
        QVERIFY(QDir().mkpath(dossier) && (!disque || mount("tmpfs", d, "tmpfs", disque == 2 ? MS_RDONLY : 0, "size=64k") == 0));
        auto demonter = qScopeGuard([&] { disque && umount2(d, MNT_DETACH); });
        QFile f(disque ? dossier + QStringLiteral("/bourre") : platform::cheminVerrou());
        QVERIFY((verrou.isNull() && disque != 1) || (f.open(QIODevice::WriteOnly) && f.write(verrou) == verrou.size()));
        while (disque == 1 && f.write(QByteArray(4096, 'z')) == 4096 && f.flush()) {
        }
        for (int paire = 0; paire < (verrou.isNull() ? 50 / (1 + 9 * disque) : 3); ++paire)
            QCOMPARE(lancees(2), 1);
    }

    // A damaged store is set aside; the player is told where its copy is, over the board once the
    // start-up window has made way, and only at the start that set it aside.
    void magasinMisDeCoteAnnonce()
    {
        QDir().mkpath(QFileInfo(storage::cheminReglages()).absolutePath());
        QFile f(storage::cheminReglages());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("[NN]\n1=100;Zo\xe9;3;00h00mn10s;01/01/2026;\n") > 0);
        f.close();
        QList<qsizetype> avis;
        for (int demarrage = 0; demarrage < 2; ++demarrage) {
            instance<frmSplash>();
            QTRY_VERIFY(estCharge<frmChromalis>());
            avis << env->messages().size();
            QTest::mouseClick(instance<frmSplash>(), Qt::LeftButton, {}, QPoint(5, 5));
            QCoreApplication::processEvents();
            avis << env->messages().size();
            support::dechargerFenetres(), platform::libererVerrou(), storage::oublierCache();
        }
        QCOMPARE(avis, QList<qsizetype>({0, 1, 1, 1}));
        QCOMPARE(env->messages().first().style, int(platform::vbInformation));
        QVERIFY(env->messages().first().texte.contains(storage::cheminReglages() + QStringLiteral(".illisible-")));
    }
};

QTEST_MAIN(TestDemarrage)
#include "test_demarrage.moc"
