#include "restart.h"

#include <QProcess>

#include "invite_link.h"

QStringList hostCommandLine(const QString& name) {
    // The address is ignored when hosting; the lobby passes the local one.
    return {name, QStringLiteral("127.0.0.1"), QStringLiteral("true")};
}

QStringList joinCommandLine(const QString& name, const QString& address) {
    return {name, address, QStringLiteral("join")};
}

bool DetachedStarter::start(const QString& program, const QStringList& args) {
    return QProcess::startDetached(program, args);
}

bool RestartAtExit::start(const QString& program, const QStringList& args) {
    program_ = program;
    args_ = args;
    return true;
}

RestartAtExit::~RestartAtExit() {
    if (!pending()) return;
    const bool started =
        launch ? launch(program_, args_) : QProcess::startDetached(program_, args_);
    if (!started) qWarning("Kelvoa: could not start %s again", qPrintable(program_));
}

void passToNewCopy(const QString& inviteCode, bool hostPrivate) {
    if (inviteCode.isEmpty())
        qunsetenv(InviteCodeVariable);
    else
        qputenv(InviteCodeVariable, inviteCode.toLatin1());
    if (hostPrivate)
        qputenv(HostPrivateVariable, "1");
    else
        qunsetenv(HostPrivateVariable);
}

Inherited takeInherited() {
    Inherited out;
    // Outside bytes like any other: a code that is not one is dropped.
    const QString code = QString::fromLatin1(qgetenv(InviteCodeVariable).left(64));
    if (invite::validCode(code)) out.inviteCode = code;
    out.hostPrivate = qgetenv(HostPrivateVariable) == "1";
    passToNewCopy({}, false);
    return out;
}
