#pragma once
// Offered at a solo start: play solo, fetch and install the lobby program, or
// close the game and start the lobby that is already installed.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include <functional>

class Tdownload : public QWidget {
    Q_OBJECT
public:
    explicit Tdownload(QWidget* parent = nullptr);

    // Where the installer comes from; its last segment names the file.
    // $KELVOA_LOBBY_ADDRESS, when set, names a mirror instead.
    QString address = QStringLiteral("http://www.korvan.example/lobby/KorvanLobbySetup.exe");
    static constexpr auto AddressVariable = "KELVOA_LOBBY_ADDRESS";
    // A server that sends nothing for this long has not answered.
    static constexpr int TransferTimeoutMs = 30000;
    // Where it is saved: the program's folder.
    QString folder;
    QString lobbyPath = QStringLiteral("C:\\Program Files\\Korvan\\KorvanLobby.exe");

    // Seams: start a program through the desktop (true when accepted), show a
    // message, and end the game through the main window's Exit.
    std::function<bool(const QString& program, const QStringList& args)> shellOpen;
    std::function<void(const QString&)> messagebox;
    std::function<void()> exitGame;
    // "Play with Others" without the lobby: the game's own Join dialog.
    std::function<void()> joinGame;
    // Told when the player clicks "Show this window at start", so it is kept.
    std::function<void(bool)> onShowAtStart;

    QPushButton* getbutton;
    QPushButton* abortbutton;
    QPushButton* Button1; // Play Solo Game
    QPushButton* Button2; // Play with Others
    QLabel* infolabel;    // progress; its tag is the download state
    QLabel* infolabel2;   // the installer's file name (hidden)
    QLabel* infolabel3;   // phase
    // Why a download could not be made, in plain words, and the way to play
    // with others without the lobby. Empty while nothing failed.
    QLabel* infolabel4;
    QCheckBox* check_showatstart; // "Show this window at start"
    int state() const { return infolabel->property("tag").toInt(); }

    void getbuttonClick();
    void abortbuttonClick();
    void Button2Click();
    bool downloading() const { return reply_ != nullptr; }

signals:
    void downloadEnded();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setState(int s) { infolabel->setProperty("tag", s); }
    void finished();
    void failed(const QString& why);

    QNetworkAccessManager http_;
    QPointer<QNetworkReply> reply_;
    QFile file_;
    qint64 received_ = 0;
    bool begun_ = false;
    bool stopped_ = false; // "Stop Download" was clicked
};
