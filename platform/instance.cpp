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
#include <sys/un.h>
#include <unistd.h>

// Two guards, both released by the kernel with the process: an flock on chromalis.lock (works
// across containers sharing the folder, needs no free space once the file exists) and an abstract
// socket named after the user and the settings folder (needs no file at all, so it still holds
// where the lock file cannot be created: a full disk, a read-only folder). A copy runs only when
// no live copy holds either.

namespace platform {
namespace {
int fichier = -1;
int prise = -1;
bool tenu = false;

void fermer(int& fd)
{
    if (fd >= 0)
        close(fd);
    fd = -1;
}

sockaddr_un adresse(socklen_t& longueur)
{
    const QString dossier = QFileInfo(cheminVerrou()).absolutePath();
    const QString canonique = QFileInfo(dossier).canonicalFilePath();
    const QByteArray nom = "chromalis-" + QByteArray::number(getuid()) + '-'
        + QCryptographicHash::hash(QFile::encodeName(canonique.isEmpty() ? dossier : canonique), QCryptographicHash::Sha1)
              .toHex()
              .left(24);
    sockaddr_un a{};
    a.sun_family = AF_UNIX;
    // A leading NUL puts the name in the abstract namespace: nothing on disk, gone with the socket.
    std::memcpy(a.sun_path + 1, nom.constData(), size_t(nom.size()));
    longueur = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + nom.size());
    return a;
}

// Whether the socket's holder is a copy of ours: one run by this user, listening. A name taken by
// another user's program is no copy of the game and must not lock the player out.
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
        // A full backlog: a listener that many copies have already asked.
        if (erreur == EAGAIN)
            return true;
        if (erreur != ECONNREFUSED)
            return false;
        QThread::usleep(1000);
    }
    return false;
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
    QDir().mkpath(QFileInfo(cheminVerrou()).absolutePath());
    // Opening an existing file needs no space; non-blocking, so that a named pipe cannot hold us.
    fichier = open(QFile::encodeName(cheminVerrou()), O_RDONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644);
    if (fichier >= 0 && flock(fichier, LOCK_EX | LOCK_NB) != 0) {
        const bool pris = errno == EWOULDBLOCK;
        fermer(fichier);
        if (pris)
            return true;
    }
    socklen_t longueur = 0;
    const sockaddr_un a = adresse(longueur);
    prise = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (prise >= 0 && bind(prise, reinterpret_cast<const sockaddr*>(&a), longueur) == 0) {
        listen(prise, 4);
    } else {
        const int erreur = errno; // read before close() may touch it
        fermer(prise);
        if (erreur == EADDRINUSE && copieALEcoute(a, longueur)) {
            fermer(fichier);
            return true;
        }
    }
    tenu = true;
    return false;
}

void libererVerrou()
{
    fermer(fichier);
    fermer(prise);
    tenu = false;
}
} // namespace platform
