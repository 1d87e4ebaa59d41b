#include "platform/instance.h"

#include "storage/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <memory>

namespace platform {
namespace {
std::unique_ptr<QLockFile> verrou;
}

QString cheminVerrou()
{
    return QFileInfo(storage::cheminReglages()).absolutePath() + QStringLiteral("/chromalis.lock");
}

bool AutreInstanceEnCours()
{
    if (verrou)
        return false;
    QDir().mkpath(QFileInfo(cheminVerrou()).absolutePath());
    auto lock = std::make_unique<QLockFile>(cheminVerrou());
    // A lock whose process is gone is stale at once, whatever its age.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        verrou = std::move(lock);
        return false;
    }
    // A folder we cannot write must not stop the game: only a live owner does.
    return lock->error() == QLockFile::LockFailedError;
}

void libererVerrou() { verrou.reset(); }
} // namespace platform
