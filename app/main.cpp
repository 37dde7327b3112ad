// Kelvoa: one process holds a host and a client that talk only over TCP.
#include <QApplication>

#include <optional>

#include "tchat.h"
#include "tserver.h"
#include "ttallylist.h"
#include "windows.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvoa"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kelvoa"));
    QApplication::setApplicationVersion(QStringLiteral("1.0.3"));
    // Hidden windows must not keep the program alive once the main one closes.
    QApplication::setQuitOnLastWindowClosed(false);

    QStringList params = QApplication::arguments();
    params.removeFirst();

    // Creation order matters: the main window first, touching no other window.
    // The others are not part of its first frame, so they are made once it is
    // on screen, just before the command line is read. Destruction runs
    // backwards, so the tally is written before the main window goes.
    Tchat chat(params);
    std::optional<Ttallylist> tallylist;
    std::optional<Tabout> about;
    std::optional<Thelp> help;
    std::optional<Tphrases> phrases;
    std::optional<TServer> server;
    std::optional<Tspylist> spylist;
    std::optional<Tdownload> download;
    chat.startHost = [&server] {
        server->setListening(true);
        return server->listeningPort();
    };
    chat.beforeParams = [&] {
        tallylist.emplace();
        about.emplace();
        help.emplace();
        phrases.emplace();
        server.emplace();
        spylist.emplace();
        download.emplace();
        chat.setWindows({&*tallylist, &*about, &*help, &*phrases, &*spylist, &*download});
        tallylist->loadchecklist = [&chat] { chat.loadchecklist(); };
        tallylist->FormCreate();
        QObject::connect(chat.ViewTally1, &QAction::triggered, &*tallylist, [&] {
            chat.loadchecklist();
            tallylist->show();
            tallylist->raise();
        });
        help->showAbout = [&about] {
            about->show();
            about->raise();
        };
        spylist->kicking = [&chat](int seat) { chat.kicking(seat); };
        download->exitGame = [&chat] { chat.close(); };
    };
    QObject::connect(&chat, &Tchat::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    chat.show();
    return app.exec();
}
