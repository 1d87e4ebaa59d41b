// Start-up: exactly one copy runs, whatever a dead copy left behind and even on a full disk; a
// store that had to be set aside is told to the player once.
#include "game/chromalis.h"
#include "platform/dialogs.h"
#include "platform/instance.h"
#include "storage/settings.h"
#include "support/support.h"
#include "windows/main/frmChromalis.h"
#include "windows/main/frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <memory>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace Chromalis;

namespace {
// A copy of the game reduced to its guard: says it is ready, asks at the signal, then holds on
// until its input closes.
int copie()
{
    char c;
    fputs("pret\n", stdout);
    fflush(stdout);
    if (read(0, &c, 1) != 1)
        return 2;
    fputs(platform::AutreInstanceEnCours() ? "refusee\n" : "lancee\n", stdout);
    fflush(stdout);
    while (read(0, &c, 1) > 0) {
    }
    return 0;
}

// Starts copies together (the signal reaches them within microseconds) and counts those that run.
int lancees(int n)
{
    std::vector<std::unique_ptr<QProcess>> copies;
    for (int k = 0; k < n; ++k) {
        copies.push_back(std::make_unique<QProcess>());
        copies.back()->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--copie")});
    }
    for (auto& p : copies)
        if (!p->waitForReadyRead(10000) || p->readLine() != "pret\n")
            return -1;
    for (auto& p : copies)
        p->write("g");
    for (auto& p : copies)
        p->waitForBytesWritten();
    int total = 0;
    for (auto& p : copies) {
        if (!p->canReadLine() && !p->waitForReadyRead(10000))
            return -1;
        total += p->readLine() == "lancee\n";
    }
    for (auto& p : copies) {
        p->closeWriteChannel();
        p->waitForFinished(10000);
    }
    return total;
}
} // namespace

class TestDemarrage : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;

private slots:
    void init() { env = std::make_unique<support::Environnement>(); }
    void cleanup() { env.reset(); }

    void uneSeuleCopieParPaire()
    {
        for (int paire = 0; paire < 50; ++paire)
            QCOMPARE(lancees(2), 1);
    }

    // What a dead copy, another machine or another program left in the lock never blocks a start.
    void verrouSansCopieVivante_data()
    {
        QTest::addColumn<QByteArray>("contenu");
        QTest::newRow("vide") << QByteArray();
        QTest::newRow("n'importe quoi") << QByteArray("\x01\xff garbage\n\n-7\n");
        QTest::newRow("autre machine") << QByteArray("12345\nchromalis\nautre-machine\n");
        QTest::newRow("pid repris") << "1\nchromalis\n" + QSysInfo::machineHostName().toUtf8() + "\n";
        // A live process of the same name, as a pid reused by the next start in a fresh namespace.
        QTest::newRow("pid vivant") << QByteArray::number(QCoreApplication::applicationPid()) + "\n"
                + QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + "\n"
                + QSysInfo::machineHostName().toUtf8() + "\n";
    }
    void verrouSansCopieVivante()
    {
        QFETCH(QByteArray, contenu);
        QDir().mkpath(QFileInfo(platform::cheminVerrou()).absolutePath());
        QFile verrou(platform::cheminVerrou());
        QVERIFY(verrou.open(QIODevice::WriteOnly) && verrou.write(contenu) == contenu.size());
        verrou.close();
        QCOMPARE(lancees(1), 1);
        QVERIFY(!platform::AutreInstanceEnCours());
        QCOMPARE(lancees(1), 0);
    }

    // No room left, or a folder that cannot be written and holds no lock yet: still one copy.
    void disquePleinOuFige_data()
    {
        QTest::addColumn<bool>("lectureSeule");
        QTest::newRow("plein") << false;
        QTest::newRow("lecture seule") << true;
    }
    void disquePleinOuFige()
    {
        QFETCH(bool, lectureSeule);
        if (geteuid() != 0)
            QSKIP("needs root to mount a small tmpfs (CI runs as root)");
        const QByteArray dossier = QFile::encodeName(QFileInfo(platform::cheminVerrou()).absolutePath());
        QDir().mkpath(QString::fromUtf8(dossier));
        QVERIFY2(mount("tmpfs", dossier, "tmpfs", 0, "size=64k") == 0, strerror(errno));
        auto demonter = qScopeGuard([&] { umount2(dossier, MNT_DETACH); });
        if (lectureSeule) {
            QVERIFY(mount("tmpfs", dossier, "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0);
        } else {
            QFile bourre(QString::fromUtf8(dossier) + QStringLiteral("/bourre"));
            QVERIFY(bourre.open(QIODevice::WriteOnly));
            while (bourre.write(QByteArray(4096, 'z')) == 4096 && bourre.flush()) {
            }
            struct statvfs fs;
            QVERIFY(statvfs(dossier, &fs) == 0 && fs.f_bavail == 0);
        }
        for (int paire = 0; paire < 5; ++paire)
            QCOMPARE(lancees(2), 1);
    }

    // A damaged store is set aside at start-up, and the player is told where its copy is, once.
    void magasinMisDeCoteAnnonce()
    {
        QDir().mkpath(QFileInfo(storage::cheminReglages()).absolutePath());
        QFile f(storage::cheminReglages());
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("[NN]\n1=100;Zo\xe9;3;00h00mn10s;01/01/2026;\n") > 0);
        f.close();
        instance<frmSplash>();
        QTRY_VERIFY(estCharge<frmChromalis>());
        // Told over the board, once the start-up window has made way for it.
        QVERIFY(env->messages().isEmpty());
        instance<frmSplash>()->Form_Click();
        QTRY_COMPARE(env->messages().size(), 1);
        const support::Appel avis = env->messages().first();
        QCOMPARE(avis.style, int(platform::vbInformation));
        QVERIFY2(avis.texte.contains(storage::cheminReglages() + QStringLiteral(".illisible-")), qPrintable(avis.texte));
        QVERIFY(QFile::exists(storage::cheminReglages()));
        support::dechargerFenetres();
        platform::libererVerrou();
        storage::oublierCache();
        instance<frmSplash>();
        QTRY_VERIFY(estCharge<frmChromalis>());
        instance<frmSplash>()->Form_Click();
        QCoreApplication::processEvents();
        QCOMPARE(env->messages().size(), 1);
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--copie") == 0)
        return copie();
    QApplication application(argc, argv);
    TestDemarrage t;
    return QTest::qExec(&t, argc, argv);
}
#include "test_demarrage.moc"
