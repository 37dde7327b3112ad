#pragma once
// A copy's mode (solo, hosting, joining) is fixed when it starts, so playing
// with others from inside the game means starting the program again with the
// command line the lobby would give it, and closing this copy.
#include <QString>
#include <QStringList>

#include <functional>

// The command lines of the two modes, as the lobby writes them.
QStringList hostCommandLine(const QString& name);
QStringList joinCommandLine(const QString& name, const QString& address);

// What a restart hands the new copy beside the three-argument command line,
// in the new copy's environment: the invite code a joining copy presents,
// and that a hosting copy's game is private (it makes its own code). Set
// just before the restart, read and removed by the new copy at start, so it
// never reaches a copy started later.
inline constexpr char InviteCodeVariable[] = "KELVOA_INVITE";
inline constexpr char HostPrivateVariable[] = "KELVOA_PRIVATE";
void passToNewCopy(const QString& inviteCode, bool hostPrivate);
struct Inherited {
    QString inviteCode; // empty unless a valid code was passed
    bool hostPrivate = false;
};
Inherited takeInherited();

// Starts a program; the seam tests replace to record what would be started.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // False when the start is refused at once.
    virtual bool start(const QString& program, const QStringList& args) = 0;
};

// Starts the program at once, detached from this one.
class DetachedStarter : public ProcessStarter {
public:
    bool start(const QString& program, const QStringList& args) override;
};

// Keeps the start until this object is destroyed. Declared in main() before
// every window, it outlives them all: by the time the new copy starts, this
// one has let go of the game port, the named lock and the discovery port, and
// has written its settings and tally for the new copy to read.
class RestartAtExit : public ProcessStarter {
public:
    ~RestartAtExit() override;
    bool start(const QString& program, const QStringList& args) override;
    bool pending() const { return !program_.isEmpty(); }
    // What finally starts the program (tests replace it).
    std::function<bool(const QString&, const QStringList&)> launch;

private:
    QString program_;
    QStringList args_;
};
