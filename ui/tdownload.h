#pragma once
// Offered at a solo start: play solo, fetch and install the lobby program, or
// close the game and start the lobby that is already installed.
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
    QString address = QStringLiteral("http://www.korvan.example/lobby/KorvanLobbySetup.exe");
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

    QPushButton* getbutton;
    QPushButton* abortbutton;
    QPushButton* Button1; // Play Solo Game
    QPushButton* Button2; // Play with Others
    QLabel* infolabel;    // progress; its tag is the download state
    QLabel* infolabel2;   // the installer's file name (hidden)
    QLabel* infolabel3;   // phase
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

    QNetworkAccessManager http_;
    QPointer<QNetworkReply> reply_;
    QFile file_;
    qint64 received_ = 0;
    bool begun_ = false;
};
