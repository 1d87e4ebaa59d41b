#include "platform/instance.h"

#include "storage/settings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Three guards, all released by the kernel with the process, and each believed only when nobody but
// the player can hold it: an flock on a 0600 lock file of the player's own in the settings folder;
// an flock in the player's private runtime folder (needs nothing of the settings folder, so it
// still holds on a full disk or a read-only folder); and an abstract socket, whose name anyone may
// take, believed only when the peer that answers runs as the player. A copy runs unless a guard
// shows a live copy of the player's; whatever another user holds is passed over.

namespace platform {
namespace {
int fichier = -1;
int prive = -1;
int prise = -1;
bool tenu = false;

void fermer(int& fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

// The settings folder's own name, so that one copy runs per store.
QByteArray nomGarde()
{
    const QString dossier = QFileInfo(cheminVerrou()).absolutePath();
    const QString canonique = QFileInfo(dossier).canonicalFilePath();
    return "chromalis-" + QByteArray::number(getuid()) + '-'
        + QCryptographicHash::hash(QFile::encodeName(canonique.isEmpty() ? dossier : canonique),
                                   QCryptographicHash::Sha1)
              .toHex()
              .left(24);
}

// Takes the flock of a lock file. True when a copy of the player's holds it; false when we hold it
// now or it tells nothing (cannot be opened, not the player's file, not a plain file).
bool verrouTenu(const QByteArray& chemin, int& fd)
{
    // Opening an existing file needs no space; non-blocking, so that a named pipe cannot hold us.
    fd = open(chemin, O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW, 0600);
    struct stat st;
    if (fd < 0)
        return false;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != getuid()) {
        fermer(fd);
        return false;
    }
    // Ours with a looser mode (an earlier version made it 0644): nobody else may open it again.
    if (st.st_mode & 077)
        fchmod(fd, 0600);
    if (flock(fd, LOCK_EX | LOCK_NB) == 0)
        return false;
    const bool pris = errno == EWOULDBLOCK;
    fermer(fd);
    return pris;
}

// The runtime folder when it is the player's alone (0700, owned by the player), else "".
QByteArray dossierPrive()
{
    const QByteArray d = qgetenv("XDG_RUNTIME_DIR");
    struct stat st;
    if (d.isEmpty() || d[0] != '/' || lstat(d, &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid()
        || (st.st_mode & 0777) != 0700)
        return {};
    return d;
}

sockaddr_un adresse(socklen_t& longueur)
{
    const QByteArray nom = nomGarde();
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    // A leading NUL puts the name in the abstract namespace: nothing on disk, gone with the socket.
    std::memcpy(a.sun_path + 1, nom.constData(), size_t(nom.size()));
    longueur = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + nom.size());
    return a;
}

// Whether the socket's holder is a copy of the player's: it answers, and runs as the player. A
// full queue or another user's program is no proof of a copy and must not lock the player out.
bool copieALEcoute(const sockaddr_un& a, socklen_t longueur)
{
    // A copy that has just bound its name listens a moment later.
    for (int essai = 0; essai < 50; ++essai) {
        const int s = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (s < 0)
            return false;
        const int r = connect(s, reinterpret_cast<const sockaddr*>(&a), longueur);
        const int erreur = errno;
        ucred qui{};
        socklen_t taille = sizeof qui;
        const bool nous = r == 0 && getsockopt(s, SOL_SOCKET, SO_PEERCRED, &qui, &taille) == 0 && qui.uid == getuid();
        close(s);
        if (r == 0)
            return nous;
        if (erreur != ECONNREFUSED && erreur != EAGAIN)
            return false;
        QThread::usleep(1000);
    }
    return false;
}

void relacher()
{
    fermer(fichier);
    fermer(prive);
    fermer(prise);
}
} // namespace

QString cheminVerrou()
{
    return QFileInfo(storage::cheminReglages()).absolutePath() + QStringLiteral("/chromalis.lock");
}

bool AutreInstanceEnCours()
{
    if (tenu)
        return false;
    const QByteArray runtime = dossierPrive();
    if (!runtime.isEmpty() && verrouTenu(runtime + '/' + nomGarde() + ".lock", prive))
        return relacher(), true;
    QDir().mkpath(QFileInfo(cheminVerrou()).absolutePath());
    if (verrouTenu(QFile::encodeName(cheminVerrou()), fichier))
        return relacher(), true;
    socklen_t longueur = 0;
    const sockaddr_un a = adresse(longueur);
    prise = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    // A deep queue: each copy started meanwhile asks once, and the answer is never accepted.
    if (prise >= 0 && bind(prise, reinterpret_cast<const sockaddr*>(&a), longueur) == 0) {
        listen(prise, SOMAXCONN);
    } else {
        const int erreur = errno; // read before close() may touch it
        fermer(prise);
        if (erreur == EADDRINUSE && copieALEcoute(a, longueur))
            return relacher(), true;
    }
    tenu = true;
    return false;
}

void libererVerrou()
{
    relacher();
    tenu = false;
}
} // namespace platform
