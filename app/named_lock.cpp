#include "named_lock.h"

#include <QDir>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
QString lockPath(const QString& name) {
    // Asking Qt for the runtime folder when none is set only produces a warning.
    QString dir = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR")
                      ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                      : QString();
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir + QLatin1Char('/') + name + QLatin1String(".lock");
}
} // namespace

// Every copy holds a shared lock on the same file: any number of copies can,
// and a program asking for an exclusive lock learns that one is running.
NamedLock::NamedLock(const QString& name) : path_(lockPath(name)) {
    reacquire();
}

NamedLock::~NamedLock() {
    release();
}

void NamedLock::reacquire() {
    if (fd_ >= 0) return;
    fd_ = ::open(QFile::encodeName(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ >= 0) (void)::flock(fd_, LOCK_SH | LOCK_NB);
}

void NamedLock::release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool NamedLock::isHeld(const QString& name) {
    const int fd = ::open(QFile::encodeName(lockPath(name)).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return false;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return !free;
}
