// Start-up: exactly one copy runs, whatever a dead copy left; a store set aside is told once.
#include "support/support.h"

#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Chromalis;

// Runs n copies of the guard in children that all ask at one signal and keep what they took until
// told to end; the number of those that ran, -1 when one did not answer.
static int lancees(int n)
{
    int signal[2], reponses[2], fin[2];
    if (pipe(signal) || pipe(reponses) || pipe(fin))
        return -1;
    for (int k = 0; k < n; ++k)
        if (char c; fork() == 0) {
            close(fin[1]);
            c = read(signal[0], &c, 1) == 1 && !platform::AutreInstanceEnCours() ? 'l' : 'r';
            _exit(write(reponses[1], &c, 1) == 1 && read(fin[0], &c, 1) == 0 ? 0 : 1);
        }
    int total = write(signal[1], "signal!!", n) == n ? 0 : -1000;
    close(reponses[1]);
    for (char c; n-- > 0;)
        total += read(reponses[0], &c, 1) == 1 ? c == 'l' : -1000;
    close(fin[1]);
    while (wait(nullptr) > 0) {
    }
    for (const int fd : {signal[0], signal[1], reponses[0], fin[0]})
        close(fd);
    return std::max(total, -1);
}

// Writes a file whole (or as much of it as fits), its folder made first.
static bool ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return QDir().mkpath(QFileInfo(chemin).absolutePath()) && f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

class TestDemarrage : public QObject {
    Q_OBJECT
    std::unique_ptr<support::Environnement> env;

private slots:
    void init() { env = std::make_unique<support::Environnement>(); }
    void cleanup() { env.reset(); }

    // Pairs started in the same instant: one runs, in a fresh folder, beside the lock a killed copy left
    // (only its flock counts, never what it holds), in a full folder or a read-only one without a lock.
    void uneSeuleCopie_data()
    {
        QTest::addColumn<QByteArray>("verrou"); // null: no lock file
        QTest::addColumn<int>("disque"); // 1: full, 2: read-only
        QTest::newRow("neuf") << QByteArray() << 0;
        QTest::newRow("laissé par une copie tuée") << QByteArray("\x01\xff garbage\n\n-7\n") << 0;
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
        QVERIFY((verrou.isNull() || ecrire(platform::cheminVerrou(), verrou)) && (disque != 1 || !ecrire(dossier + "/bourre", QByteArray(1 << 17, 'z'))));
        for (int paire = 0; paire < (verrou.isNull() ? 50 / (1 + 9 * disque) : 3); ++paire)
            QCOMPARE(lancees(2), 1);
    }

    // A damaged store is set aside; the player is told where its copy is, over the board once the
    // start-up window has made way, and only at the start that set it aside.
    void magasinMisDeCoteAnnonce()
    {
        QVERIFY(ecrire(storage::cheminReglages(), "[NN]\n1=100;Zo\xe9;3;00h00mn10s;01/01/2026;\n"));
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
        QVERIFY(env->messages().first().texte.contains(storage::cheminReglages() + QStringLiteral(".illisible-")));
    }
};

QTEST_MAIN(TestDemarrage)
#include "test_demarrage.moc"
