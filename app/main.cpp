// Kelvoa: one process holds a host and a client that talk only over TCP.
#include <QApplication>
#include <QIcon>
#include <QLocale>

#include <optional>

#include "discovery_responder.h"
#include "language.h"
#include "port_mapping.h"
#include "restart.h"
#include "signal_exit.h"
#include "tchat.h"
#include "tserver.h"
#include "ttallylist.h"
#include "user_files.h"
#include "windows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvoa"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kelvoa"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.3"));
    QApplication::setDesktopFileName(QStringLiteral("io.kelvoa.Kelvoa"));
    // Hidden windows must not keep the program alive once the main one closes.
    QApplication::setQuitOnLastWindowClosed(false);

    QStringList params = QApplication::arguments();
    params.removeFirst();

    // Declared before every window, so a restart chosen in the game starts the
    // new copy only once all of them are gone (see restart.h).
    RestartAtExit restart;

    // Creation order matters: the main window first, touching no other window.
    // The others are not part of its first frame, so they are made once it is
    // on screen, just before the command line is read. Destruction runs
    // backwards, so the tally is written before the main window goes.
    const QString programFolder = QCoreApplication::applicationDirPath();
    // The language first: every window takes its texts in it when it is made.
    language::install(
        language::choose(Settings(userfiles::settingsFolder(programFolder)).load().language,
                         QLocale::system().uiLanguages()));
    Tchat chat(params, nullptr, Tchat::Build::FrameFirst);
    chat.settingsFolder = userfiles::settingsFolder(programFolder);
    // What the copy before the restart handed over beside the command line.
    const Inherited inherited = takeInherited();
    chat.inviteCode = inherited.inviteCode;
    chat.hostPrivate = inherited.hostPrivate;
    std::optional<Ttallylist> tallylist;
    std::optional<Tabout> about;
    std::optional<Thelp> help;
    std::optional<Tphrases> phrases;
    std::optional<TServer> server;
    std::optional<DiscoveryResponder> discovery;
    std::optional<Tspylist> spylist;
    std::optional<Tdownload> download;
    // Made before the host starts and gone before the restart: the forwarding
    // is taken away before a new copy asks for its own.
    std::optional<PortMapper> router;
    if (qEnvironmentVariableIsEmpty("KELVOA_NO_ROUTER")) {
        router.emplace();
        chat.setPortMapper(&*router);
    }
    chat.startHost = [&server, &discovery, &chat] {
        // Tchat made the private game's code just before (empty: a public game).
        server->gate.setCode(chat.inviteCode.toLatin1());
        // Answering first keeps the moment between listening and the own
        // client's connection as short as it was.
        discovery->start();
        try {
            server->setListening(true);
        } catch (const ESockException&) {
            discovery->stop();
            throw;
        }
        return server->listeningPort();
    };
    chat.startHostHere = [&server] {
        // Nobody else can reach it, so the network is not told of it either.
        server->setListening(true, QStringLiteral("0"), true);
        return server->listeningPort();
    };
    chat.changeInviteCode = [&server](const QString& code) {
        server->gate.setCode(code.toLatin1());
    };
    // The lobby lists a private game too, with its lock: its roster is told there.
    chat.describeHost = [&server] { return discovery::describe(*server, true); };
    chat.stopHost = [&server, &discovery, &router] {
        if (router) router->close();
        discovery->stop();
        server->setListening(false);
    };
    chat.setProcessStarter(&restart);
    chat.beforeParams = [&] {
        // The emblem reads four pictures and asks every picture plug-in about
        // them: the first frame goes without it, and the window system is
        // told a moment later.
        QIcon emblem;
        for (int size : {16, 32, 48, 256})
            emblem.addFile(QStringLiteral(":/icons/kelvoa-%1.png").arg(size));
        QApplication::setWindowIcon(emblem);
        tallylist.emplace(nullptr, userfiles::tallyPath(programFolder));
        about.emplace();
        help.emplace();
        phrases.emplace();
        server.emplace();
        // Slot 1 and its powers are for this copy's own client alone.
        server->ownClient = [&chat](quint16 peerPort) { return chat.ownsEnd(peerPort); };
        discovery.emplace(*server);
        spylist.emplace();
        download.emplace();
        chat.setWindows({&*tallylist, &*about, &*help, &*phrases, &*spylist, &*download});
        tallylist->FormCreate();
        help->showAbout = [&about] {
            about->show();
            about->raise();
        };
        spylist->kicking = [&chat](int seat) { chat.kicking(seat); };
        download->exitGame = [&chat] { chat.close(); };
        download->joinGame = [&chat] { chat.openLobby(); };
    };
    QObject::connect(&chat, &Tchat::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // Logging out, kill and Ctrl+C close the program as File > Exit does, so
    // the settings and the tally of this run are written.
    SignalExit signalExit([&chat] { chat.close(); });

    chat.show();
    return app.exec();
}
