#include "tsock.h"

#include <QHash>
#include <QHostAddress>
#include <QHostInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

namespace {

QHash<QString, QHostAddress>& hostCache() {
    static QHash<QString, QHostAddress> cache;
    return cache;
}
int g_lookups = 0;

bool startsWithDigit(const QString& s) {
    return !s.isEmpty() && s[0].isDigit();
}

int wsaCodeFor(QAbstractSocket::SocketError e) {
    switch (e) {
    case QAbstractSocket::ConnectionRefusedError:
        return 10061;
    case QAbstractSocket::RemoteHostClosedError:
        return 10054;
    case QAbstractSocket::HostNotFoundError:
        return 11001;
    case QAbstractSocket::SocketAccessError:
        return 10013;
    case QAbstractSocket::SocketResourceError:
        return 10055;
    case QAbstractSocket::SocketTimeoutError:
        return 10060;
    case QAbstractSocket::NetworkError:
        return 10050;
    case QAbstractSocket::AddressInUseError:
        return 10048;
    case QAbstractSocket::SocketAddressNotAvailableError:
        return 10049;
    case QAbstractSocket::UnsupportedSocketOperationError:
        return 10045;
    default:
        return 10000 + 999;
    }
}

// A line that died without a word (a pulled cable, a router that lost its
// state, a machine that went to sleep) sends no close: without probes the
// connection would wait for hours. Idle for KeepIdleS, the stack probes every
// KeepIntervalS and gives up after KeepCount unanswered probes; data sent and
// not acknowledged fails after the same time. The wire is not touched, so
// every copy and the lobby talk as before.
constexpr int KeepIdleS = 15;
constexpr int KeepIntervalS = 5;
constexpr int KeepCount = 6;
constexpr unsigned UserTimeoutMs = (KeepIdleS + KeepIntervalS * KeepCount) * 1000;

void keepAlive(qintptr fd) {
    if (fd < 0) return;
    const int s = static_cast<int>(fd);
    const int on = 1, idle = KeepIdleS, interval = KeepIntervalS, count = KeepCount;
    const unsigned timeout = UserTimeoutMs;
    // Failures leave the system's defaults: the game works, only slower to notice.
    (void)setsockopt(s, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
    (void)setsockopt(s, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
    (void)setsockopt(s, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
    (void)setsockopt(s, IPPROTO_TCP, TCP_KEEPCNT, &count, sizeof count);
    (void)setsockopt(s, IPPROTO_TCP, TCP_USER_TIMEOUT, &timeout, sizeof timeout);
}

} // namespace

QString sockErrorText(int code) {
    static const QHash<int, const char*> names = {
        {10004, "WSAEINTR"},       {10013, "WSAEACCES"},       {10014, "WSAEFAULT"},
        {10022, "WSAEINVAL"},      {10024, "WSAEMFILE"},       {10035, "WSAEWOULDBLOCK"},
        {10036, "WSAEINPROGRESS"}, {10037, "WSAEALREADY"},     {10038, "WSAENOTSOCK"},
        {10045, "WSAEOPNOTSUPP"},  {10048, "WSAEADDRINUSE"},   {10049, "WSAEADDRNOTAVAIL"},
        {10050, "WSAENETDOWN"},    {10051, "WSAENETUNREACH"},  {10053, "WSAECONNABORTED"},
        {10054, "WSAECONNRESET"},  {10055, "WSAENOBUFS"},      {10056, "WSAEISCONN"},
        {10057, "WSAENOTCONN"},    {10060, "WSAETIMEDOUT"},    {10061, "WSAECONNREFUSED"},
        {10064, "WSAEHOSTDOWN"},   {10065, "WSAEHOSTUNREACH"}, {11001, "WSAHOST_NOT_FOUND"},
    };
    const auto it = names.constFind(code);
    return QStringLiteral("Error #%1 (%2)")
        .arg(code)
        .arg(QString::fromLatin1(it == names.cend() ? "UNKNOWN ERROR" : *it));
}

TSock::TSock(QObject* parent) : QObject(parent) {}

TSock::~TSock() {
    // Free: a live endpoint is closed first, but its owner is being torn down,
    // so nobody is told.
    OnInfo = nullptr;
    OnDisconnect = nullptr;
    if (listening_ || connected_) Close();
}

int TSock::lookupCount() {
    return g_lookups;
}
void TSock::clearCacheForTests() {
    hostCache().clear();
    g_lookups = 0;
}

quint16 TSock::localPort() const {
    if (server_) return server_->serverPort();
    if (socket_) return socket_->localPort();
    return 0;
}

quint16 TSock::boundPort() const {
    if (!socket_) return 0;
    if (socket_->localPort() != 0) return socket_->localPort();
    if (socket_->socketDescriptor() < 0) return 0;
    sockaddr_storage local{};
    socklen_t size = sizeof local;
    if (getsockname(static_cast<int>(socket_->socketDescriptor()),
                    reinterpret_cast<sockaddr*>(&local), &size) != 0)
        return 0;
    if (local.ss_family == AF_INET)
        return ntohs(reinterpret_cast<const sockaddr_in&>(local).sin_port);
    if (local.ss_family == AF_INET6)
        return ntohs(reinterpret_cast<const sockaddr_in6&>(local).sin6_port);
    return 0;
}

void TSock::info(int code, const QString& text) {
    if (OnInfo) OnInfo(this, code, text);
}

void TSock::setListen(bool on) {
    if (!on) {
        if (server_) {
            server_->close();
            server_->deleteLater();
        }
        listening_ = false;
        info(Listening, QStringLiteral("Listening Stopped"));
        return;
    }
    if (connected_) throw ESockException(QT_TR_NOOP("Listen - Socket Already In Use"));
    if (listening_) {
        info(Listening, QStringLiteral("Listening Already Running"));
        return;
    }
    bool ok = false;
    const uint port = PortName.toUInt(&ok);
    if (!ok || port > 65535) throw ESockException(QT_TR_NOOP("Listen - Error Binding Socket"));
    auto* server = new QTcpServer(this);
    server->setListenBacklogSize(5);
    const QHostAddress where = LoopbackOnly ? QHostAddress::LocalHost : QHostAddress::Any;
    if (!server->listen(where, static_cast<quint16>(port))) {
        const auto err = server->serverError();
        delete server;
        if (err == QAbstractSocket::AddressInUseError ||
            err == QAbstractSocket::SocketAccessError ||
            err == QAbstractSocket::SocketAddressNotAvailableError)
            throw ESockException(QT_TR_NOOP("Listen - Error Binding Socket"));
        throw ESockException(QT_TR_NOOP("Listen - Error Starting Listen"));
    }
    server_ = server;
    listening_ = true;
    connect(server, &QTcpServer::newConnection, this, [this] {
        // Qt reports a batch once; tell the owner once per waiting connection.
        while (server_ && server_->hasPendingConnections() && OnAccept) {
            const int before = accepted_;
            OnAccept(this);
            if (accepted_ == before) break; // the owner chose not to accept now
        }
    });
    info(Listening, QStringLiteral("Listening Started"));
}

bool TSock::Accept(TSock*& into) {
    if (!listening_ || !server_)
        throw ESockException(QT_TR_NOOP("Accept - Socket Not In Listening Mode"));
    QTcpSocket* s = server_->nextPendingConnection();
    if (!s) {
        ++accepted_;
        info(Accepting, QStringLiteral("Could Not Accept Connection"));
        return false;
    }
    ++accepted_;
    auto* child = new TSock(this);
    child->OnRead = OnRead;
    child->OnWrite = OnWrite;
    child->OnDisconnect = OnDisconnect;
    child->OnInfo = OnInfo;
    child->PortName = PortName;
    child->HostName = s->peerAddress().toString();
    child->PeerPort = s->peerPort();
    if (child->HostName.startsWith(QLatin1String("::ffff:")))
        child->HostName = child->HostName.mid(7);
    child->adopt(s);
    child->connected_ = true;
    into = child;
    info(Accepting, QStringLiteral("Created New TSock Structure"));
    return true;
}

void TSock::adopt(QTcpSocket* s) {
    socket_ = s;
    s->setParent(this);
    keepAlive(s->socketDescriptor()); // accepted sockets have one already
    connect(s, &QTcpSocket::readyRead, this, &TSock::dataArrived);
    connect(s, &QTcpSocket::bytesWritten, this, &TSock::writable);
    connect(s, &QTcpSocket::connected, this, [this] {
        connected_ = true;
        if (socket_) keepAlive(socket_->socketDescriptor());
        info(Connected, QStringLiteral("Non-Blocking Socket Connected"));
        if (OnConnect) OnConnect(this);
    });
    connect(s, &QTcpSocket::disconnected, this, [this] {
        // Data still buffered on our side is handed over before the close.
        if (socket_ && socket_->bytesAvailable() > 0) dataArrived();
        if (OnDisconnect) OnDisconnect(this);
        Close();
    });
    connect(s, &QTcpSocket::errorOccurred, this,
            [this](QAbstractSocket::SocketError e) { socketError(static_cast<int>(e)); });
}

void TSock::socketError(int qtError) {
    const auto e = static_cast<QAbstractSocket::SocketError>(qtError);
    // An orderly close by the peer is the closing event, not an error.
    if (e == QAbstractSocket::RemoteHostClosedError) return;
    info(Error, sockErrorText(wsaCodeFor(e)));
    if (!connected_ && socket_ && socket_->state() == QAbstractSocket::UnconnectedState) {
        // A failed connect leaves the endpoint closed without a "Socket Closed".
        releaseSocket();
    }
}

void TSock::Open() {
    quint16 port = 0;
    info(Lookup, QStringLiteral("Lookup Of Port ") + PortName);
    if (startsWithDigit(PortName)) {
        port = static_cast<quint16>(PortName.toUInt());
    } else {
        const QByteArray name = PortName.toLatin1();
        const servent* se = getservbyname(name.constData(), "tcp");
        if (!se) throw ESockException(QT_TR_NOOP("Port Lookup - Could Not Find Service Entry"));
        port = ntohs(static_cast<uint16_t>(se->s_port));
    }
    QHostAddress address;
    info(Lookup, QStringLiteral("Lookup Of Host ") + HostName);
    if (startsWithDigit(HostName)) {
        address = QHostAddress(HostName);
    } else {
        auto& cache = hostCache();
        const auto it = cache.constFind(HostName.toLower());
        if (it != cache.cend()) {
            address = *it;
        } else {
            ++g_lookups;
            const QHostInfo hi = QHostInfo::fromName(HostName);
            for (const auto& a : hi.addresses()) {
                if (a.protocol() == QAbstractSocket::IPv4Protocol) {
                    address = a;
                    break;
                }
            }
            if (address.isNull() && !hi.addresses().isEmpty()) address = hi.addresses().first();
            if (address.isNull())
                throw ESockException(QT_TR_NOOP("Host Lookup - Could Not Find Host Entry"));
            cache.insert(HostName.toLower(), address);
        }
    }
    releaseSocket();
    auto* s = new QTcpSocket(this);
    adopt(s);
    // Bound before it connects, the connection's own end is known at once:
    // the host in this process tells its own client by it.
    if (LoopbackOnly && !s->bind(QHostAddress::LocalHost, 0))
        qWarning("Kelvoa: could not bind the loopback connection first");
    if (address.isNull()) {
        // A dotted address that does not parse cannot be reached; report it
        // the way a failed connect is reported.
        QTimer::singleShot(0, this, [this] { info(Error, sockErrorText(10049)); });
        return;
    }
    s->connectToHost(address, port);
}

void TSock::Send(const QByteArray& text) {
    if (listening_) throw ESockException(QT_TR_NOOP("Send - Cannot Send On A Listener Socket"));
    if (!socket_ || !connected_) throw ESockException(QT_TR_NOOP("Send - Socket Not Connected"));
    sendbuf_.append(text);
    info(Outgoing, QStringLiteral("Non-Blocking Outgoing Data"));
    flush();
}

void TSock::flush() {
    if (!socket_ || sendbuf_.isEmpty()) return;
    const qint64 room = NetworkWindow - socket_->bytesToWrite();
    if (room <= 0) return;
    const qint64 n = socket_->write(sendbuf_.constData(), qMin<qint64>(room, sendbuf_.size()));
    if (n > 0) sendbuf_.remove(0, n);
}

void TSock::writable() {
    if (!sendbuf_.isEmpty()) flush();
    info(Outgoing, QStringLiteral("Non-Blocking Outgoing Data"));
    if (OnWrite) OnWrite(this);
}

QByteArray TSock::Receive() {
    if (listening_)
        throw ESockException(QT_TR_NOOP("Receive - Cannot Receive On A Listener Socket"));
    if (!socket_ && recvbuf_.isEmpty())
        throw ESockException(QT_TR_NOOP("Receive - Socket Not Connected"));
    QByteArray out;
    out.swap(recvbuf_);
    return out;
}

void TSock::dataArrived() {
    readScheduled_ = false;
    if (!socket_) return;
    recvbuf_.append(socket_->read(MaxRead));
    info(Incoming, QStringLiteral("Non-Blocking Incoming Data"));
    const bool more = socket_ && socket_->bytesAvailable() > 0;
    if (OnRead) OnRead(this, static_cast<int>(recvbuf_.size()));
    // Qt does not signal again for bytes it already holds: ask for another
    // data event, as the platform would, until everything is taken.
    if (more && socket_ && !readScheduled_) {
        readScheduled_ = true;
        QTimer::singleShot(0, this, &TSock::dataArrived);
    }
}

void TSock::releaseSocket() {
    if (!socket_) return;
    QTcpSocket* s = socket_;
    socket_ = nullptr;
    disconnect(s, nullptr, this, nullptr);
    if (s->state() == QAbstractSocket::ConnectedState &&
        (s->bytesToWrite() > 0 || !sendbuf_.isEmpty())) {
        // Close gracefully: what was sent before the close still goes out.
        if (!sendbuf_.isEmpty()) s->write(sendbuf_);
        s->setParent(nullptr);
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QTcpSocket::errorOccurred, s, &QObject::deleteLater);
        s->disconnectFromHost();
        if (s->state() == QAbstractSocket::UnconnectedState) s->deleteLater();
    } else {
        s->abort();
        s->deleteLater();
    }
    sendbuf_.clear();
}

void TSock::Close() {
    const bool wasListening = listening_;
    if (server_) {
        server_->close();
        server_->deleteLater();
        server_ = nullptr;
    }
    releaseSocket();
    connected_ = false;
    listening_ = false;
    if (!wasListening) info(Closed, QStringLiteral("Socket Closed"));
}
