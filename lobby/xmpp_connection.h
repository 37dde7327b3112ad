#pragma once
// One XMPP client connection on libstrophe, driven by Qt's event loop: a
// QSocketNotifier on its socket (the socket-option callback hands over the
// descriptor) and a short timer run libstrophe's run-once with a zero
// timeout, so nothing here ever waits. What libstrophe reports during a run
// is collected and told (as signals) once the run has returned, so a slot
// may sign out or send without re-entering libstrophe.
//
// Stanzas cross this class as XML text: what arrives is handed on bounded
// (MaxStanzaBytes) for the room to read; what is sent was built by
// Element::toXml().
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

#include <memory>

struct _xmpp_ctx_t;
struct _xmpp_conn_t;
struct _xmpp_log_t;

namespace lobby {

struct Account {
    QString jid;      // "name@domain", or a bare domain: anonymous sign-in
    QString password; // empty for anonymous
    QString server;   // empty: the domain's own lookup
    quint16 port = 0; // 0: the standard port
    bool anonymous() const { return !jid.contains(QLatin1Char('@')); }
    QString domain() const {
        return jid.section(QLatin1Char('@'), -1).section(QLatin1Char('/'), 0, 0);
    }
    QString node() const { return anonymous() ? QString() : jid.section(QLatin1Char('@'), 0, 0); }
};

// "host[:port]" as the "Lobbyserver" setting holds it; false when it is no such thing.
bool readServer(const QString& text, QString* host, quint16* port);

class XmppConnection : public QObject {
    Q_OBJECT
public:
    enum class Failure {
        NoAnswer,     // nothing answered in time, or the address is unknown
        Refused,      // the account or password was refused
        Registration, // the server refused to make the account
        NameTaken,    // registration: that name has an account already
        Certificate,  // TLS certificate not verified and not accepted
        Gone,         // the server closed the connection
    };
    Q_ENUM(Failure)

    static constexpr int PumpMs = 50;
    static constexpr int SignInTimeoutMs = 10000;

    explicit XmppConnection(QObject* parent = nullptr);
    ~XmppConnection() override;

    // Signs in; registers the account first when 'registerFirst'. Any
    // earlier connection is dropped.
    void signIn(const Account& account, bool registerFirst = false);
    void signOut();
    bool isOnline() const { return online_; }
    bool isBusy() const { return conn_ != nullptr; }
    QString boundJid() const { return boundJid_; }
    // Sends one stanza; ignored while not online.
    void send(const QByteArray& xml);

    // The one unverified certificate the player accepted (SHA-256, hex with colons).
    QString acceptedCertificate;
    // The fingerprint and reason of the last certificate refused.
    QString refusedCertificate() const { return refusedFingerprint_; }
    QString refusedReason() const { return refusedReason_; }

signals:
    void online(const QString& boundJid);
    void stanzaArrived(const QByteArray& xml);
    void failed(XmppConnection::Failure why, const QString& detail);
    void registered();

private:
    friend struct StropheCallbacks;
    void pump();
    void later(std::function<void()> f) { events_.push_back(std::move(f)); }
    void flush();
    void watchSocket(int fd);
    void dropSocket();
    void release();
    void fail(Failure why, const QString& detail);
    // Verified: the TLS library's own check. Probe: a raw connection that
    // only looks at a certificate which did not verify. Trusted: signing in
    // with that certificate, which is the one the player accepted.
    enum class Stage { Verified, Probe, Trusted };
    void connectNow();
    bool sameCertificate(); // the peer's certificate is the accepted one
    Stage stage_ = Stage::Verified;
    bool verifyFailed_ = false;
    bool raw_ = false; // registering, or only looking at the certificate

    std::unique_ptr<_xmpp_log_t> log_;
    _xmpp_ctx_t* ctx_ = nullptr;
    quint64 generation_ = 0; // one per sign-in: what an older one reports is dropped
    _xmpp_conn_t* conn_ = nullptr;
    Account account_;
    bool registering_ = false;
    bool online_ = false;
    bool failedOnce_ = false; // one failure per attempt
    bool inRun_ = false;
    QString boundJid_;
    QString lastError_; // what libstrophe last logged as an error
    QString refusedFingerprint_, refusedReason_;
    bool certRefused_ = false;
    QPointer<QSocketNotifier> readNotifier_, writeNotifier_;
    QTimer pumpTimer_;
    QTimer timeout_;
    std::vector<std::function<void()>> events_;
};

} // namespace lobby
