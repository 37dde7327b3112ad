// Kelvoa: one process holds a host and a client that talk only over TCP.
#include <QApplication>
#include <QIcon>

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
    QIcon emblem;
    for (int size : {16, 32, 48, 256})
        emblem.addFile(QStringLiteral(":/icons/kelvoa-%1.png").arg(size));
    QApplication::setWindowIcon(emblem);
    QApplication::setDesktopFileName(QStringLiteral("io.kelvoa.Kelvoa"));
    // Hidden windows must not keep the program alive once the main one closes.
    QApplication::setQuitOnLastWindowClosed(false);

    QStringList params = QApplication::arguments();
    params.removeFirst();

    // Creation order matters: the main window first, touching no other window.
    // Destruction runs backwards, so the tally is written before the main
    // window goes.
    const QString programFolder = QCoreApplication::applicationDirPath();
    Tchat chat(params);
    chat.settingsFolder = userfiles::settingsFolder(programFolder);
    Ttallylist tallylist(nullptr, userfiles::tallyPath(programFolder));
    Tabout about;
    Thelp help;
    Tphrases phrases;
    TServer server;
    Tspylist spylist;
    Tdownload download;
    chat.setWindows({&tallylist, &about, &help, &phrases, &spylist, &download});
    chat.startHost = [&server] {
        server.setListening(true);
        return server.listeningPort();
    };

    tallylist.FormCreate();
    help.showAbout = [&about] {
        about.show();
        about.raise();
    };
    spylist.kicking = [&chat](int seat) { chat.kicking(seat); };
    download.exitGame = [&chat] { chat.close(); };
    QObject::connect(&chat, &Tchat::closed, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    // Logging out, kill and Ctrl+C close the program as File > Exit does, so
    // the settings and the tally of this run are written.
    SignalExit signalExit([&chat] { chat.close(); });

    chat.show();
    return app.exec();
}
