#pragma once
// A named, process-lifetime marker that other programs can find while any
// copy of the game runs. Holding it never stops a second copy from starting.
#include <QString>

class NamedLock {
public:
    explicit NamedLock(const QString& name);
    ~NamedLock();
    NamedLock(const NamedLock&) = delete;
    NamedLock& operator=(const NamedLock&) = delete;
    QString path() const { return path_; }
    // Lets go of the lock before this copy ends (a restart takes it over),
    // and takes it again if the restart did not happen.
    void release();
    void reacquire();
    // True while some copy holds the lock named 'name' (for other programs and tests).
    static bool isHeld(const QString& name);

private:
    QString path_;
    int fd_ = -1;
};
