#pragma once
// An event-driven TCP endpoint on the GUI thread: one listener, one accepted
// connection, or one outgoing connection. Its operations, events and the
// information texts it reports are what the game's host and client are
// written against; Qt's sockets do the work underneath.
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <stdexcept>

class QTcpServer;
class QTcpSocket;

class ESockException : public std::runtime_error {
public:
    explicit ESockException(const char* text) : std::runtime_error(text) {}
};

class TSock : public QObject {
    Q_OBJECT
public:
    // At most this many bytes are taken from the network per data event.
    static constexpr qint64 MaxRead = 32768;
    // How much unsent data is handed to the network at once; the rest waits in
    // the send buffer for the writable event.
    static constexpr qint64 NetworkWindow = 64 * 1024;

    enum InfoCode {
        Lookup = 0,
        Connected = 1,
        Closed = 2,
        Listening = 3,
        Incoming = 4,
        Outgoing = 5,
        Accepting = 6,
        Error = 7
    };

    using Handler = std::function<void(TSock*)>;
    using ReadHandler = std::function<void(TSock*, int)>;
    using InfoHandler = std::function<void(TSock*, int, const QString&)>;

    explicit TSock(QObject* parent = nullptr);
    ~TSock() override;

    QString HostName;
    QString PortName;
    // An accepted endpoint's peer port (HostName holds its address).
    quint16 PeerPort = 0;
    // A listener that takes connections from this computer only; an outgoing
    // connection to this computer, bound before it connects.
    bool LoopbackOnly = false;
    int Tag = 0;

    ReadHandler OnRead;
    Handler OnAccept;
    Handler OnConnect;
    Handler OnDisconnect;
    Handler OnWrite;
    InfoHandler OnInfo;

    bool listening() const { return listening_; }
    bool connected() const { return connected_; }
    // The port actually bound (useful when listening on port "0").
    quint16 localPort() const;
    // The local port of an outgoing connection, known from the moment it is
    // opened: the system gives it at the connect, before the peer answers.
    quint16 boundPort() const;

    void setListen(bool on);
    bool Accept(TSock*& into);
    void Open();
    void Send(const QByteArray& text);
    QByteArray Receive();
    void Close();

    QByteArray sendBuffer() const { return sendbuf_; }
    // Bytes sent and still waiting for the network to take them.
    qsizetype pendingBytes() const { return sendbuf_.size(); }

    // Process-wide host-name cache: names that were looked up, and how often
    // the platform's lookup ran (names beginning with a digit never are).
    static int lookupCount();
    static void clearCacheForTests();

private:
    void info(int code, const QString& text);
    void adopt(QTcpSocket* socket);
    void dataArrived();
    void writable();
    void flush();
    void socketError(int qtError);
    void releaseSocket();

    QPointer<QTcpServer> server_;
    QPointer<QTcpSocket> socket_;
    QByteArray recvbuf_;
    QByteArray sendbuf_;
    bool listening_ = false;
    bool connected_ = false;
    bool readScheduled_ = false;
    int accepted_ = 0;
};

// The Windows Sockets number and name for a socket error, as reported in
// code 7 texts ("Error #10061 (WSAECONNREFUSED)").
QString sockErrorText(int wsaCode);
