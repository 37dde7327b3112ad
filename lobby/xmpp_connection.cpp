#include "xmpp_connection.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>
#include <QSslCertificate>

#include <strophe.h>

#include <csignal>

#include "element.h"

namespace lobby {

bool readServer(const QString& text, QString* host, quint16* port) {
    const QString t = text.trimmed();
    QString h = t;
    quint16 p = 0;
    const int colon = t.lastIndexOf(QLatin1Char(':'));
    if (colon > 0 && !t.endsWith(QLatin1Char(']')) && t.count(QLatin1Char(':')) == 1) {
        bool ok = false;
        const int n = t.mid(colon + 1).toInt(&ok);
        if (!ok || n < 1 || n > 65535) return false;
        h = t.left(colon);
        p = quint16(n);
    } else if (t.startsWith(QLatin1Char('[')) && t.contains(QLatin1String("]:"))) {
        const int close = t.indexOf(QLatin1String("]:"));
        bool ok = false;
        const int n = t.mid(close + 2).toInt(&ok);
        if (!ok || n < 1 || n > 65535) return false;
        h = t.mid(1, close - 1);
        p = quint16(n);
    }
    if (h.startsWith(QLatin1Char('[')) && h.endsWith(QLatin1Char(']'))) h = h.mid(1, h.size() - 2);
    if (h.isEmpty() || h.size() > 253 || h.contains(QLatin1Char(' '))) return false;
    if (host) *host = h;
    if (port) *port = p;
    return true;
}

namespace {
// libstrophe's socket-option and certificate callbacks carry no pointer of
// ours, only the connection: this map finds the object behind it.
QHash<xmpp_conn_t*, XmppConnection*>& owners() {
    static QHash<xmpp_conn_t*, XmppConnection*> map;
    return map;
}

QString fingerprintOf(const char* pem) {
    if (!pem) return {};
    const QSslCertificate cert(QByteArray(pem), QSsl::Pem);
    if (cert.isNull()) return {};
    return QString::fromLatin1(cert.digest(QCryptographicHash::Sha256).toHex(':').toUpper());
}
} // namespace

struct StropheCallbacks {
    static void log(void* userdata, xmpp_log_level_t level, const char* area, const char* msg) {
        auto* self = static_cast<XmppConnection*>(userdata);
        const QString text = QString::fromUtf8(msg);
        if (level >= XMPP_LEVEL_WARN)
            self->lastError_ = QString::fromUtf8(area) + QLatin1String(": ") + text;
        // The TLS layer says why a certificate failed only in its log.
        if (text.contains(QLatin1String("verification FAILED")) ||
            text.contains(QLatin1String("certificate verify failed"))) {
            self->verifyFailed_ = true;
            const int at = text.indexOf(QLatin1String("X509_V_ERR_"));
            if (at >= 0)
                self->refusedReason_ = text.mid(at + 11)
                                           .section(QLatin1Char('('), 0, 0)
                                           .toLower()
                                           .replace(QLatin1Char('_'), QLatin1Char(' '));
        }
        if (qEnvironmentVariableIsSet("KELVOA_XMPP_LOG")) qInfo("xmpp %s: %s", area, msg);
    }

    static int sockopt(xmpp_conn_t* conn, void* sock) {
        XmppConnection* self = owners().value(conn);
        if (self) self->watchSocket(*static_cast<int*>(sock));
        return xmpp_sockopt_cb_keepalive(conn, sock);
    }

    static void connHandler(xmpp_conn_t* conn, xmpp_conn_event_t event, int error,
                            xmpp_stream_error_t* streamError, void* userdata) {
        auto* self = static_cast<XmppConnection*>(userdata);
        if (self->conn_ != conn) return;
        switch (event) {
        case XMPP_CONN_RAW_CONNECT:
            // Raw: making an account, or only looking at the certificate.
            xmpp_handler_add(conn, features, XMPP_NS_STREAMS, "features", nullptr, self);
            xmpp_conn_open_stream_default(conn);
            return;
        case XMPP_CONN_CONNECT: {
            // A raw connection reports each stream it opens; it is never a session.
            if (self->raw_) return;
            if (self->stage_ == XmppConnection::Stage::Trusted && !self->sameCertificate()) {
                self->certRefused_ = true;
                xmpp_disconnect(conn);
                return;
            }
            self->online_ = true;
            self->boundJid_ = QString::fromUtf8(xmpp_conn_get_bound_jid(conn));
            self->timeout_.stop();
            // One handler for every stanza: libstrophe keeps a function only
            // once per connection, whatever name it was added for.
            xmpp_handler_add(conn, stanza, nullptr, nullptr, nullptr, self);
            // Presence to the server itself: the account is available.
            xmpp_stanza_t* p = xmpp_presence_new(xmpp_conn_get_context(conn));
            xmpp_send(conn, p);
            xmpp_stanza_release(p);
            const QString jid = self->boundJid_;
            const quint64 gen = self->generation_;
            self->later([self, jid, gen] {
                if (gen == self->generation_) emit self->online(jid);
            });
            return;
        }
        case XMPP_CONN_DISCONNECT:
        case XMPP_CONN_FAIL:
            break;
        }
        // The connection has ended: say why, once.
        using F = XmppConnection::Failure;
        const bool wasOnline = self->online_;
        self->online_ = false;
        QString detail = self->lastError_;
        F why = wasOnline ? F::Gone : F::NoAnswer;
        if (self->stage_ == XmppConnection::Stage::Verified && self->verifyFailed_) {
            // Not verified: look at the certificate itself before saying no.
            const quint64 gen = self->generation_;
            self->later([self, gen] {
                if (gen != self->generation_) return;
                self->stage_ = XmppConnection::Stage::Probe;
                self->connectNow();
            });
            return;
        }
        if (self->certRefused_) {
            why = F::Certificate;
            detail = self->refusedReason_;
        } else if (streamError) {
            if (streamError->type == XMPP_SE_NOT_AUTHORIZED) why = F::Refused;
            if (streamError->text) detail = QString::fromUtf8(streamError->text);
        } else if (!wasOnline &&
                   self->lastError_.contains(QLatin1String("auth"), Qt::CaseInsensitive)) {
            why = F::Refused;
        } else if (error != 0) {
            detail = QString::fromLocal8Bit(strerror(error));
        }
        const quint64 gen = self->generation_;
        self->later([self, why, detail, gen] {
            if (gen == self->generation_) self->fail(why, detail);
        });
    }

    static int stanza(xmpp_conn_t*, xmpp_stanza_t* s, void* userdata) {
        auto* self = static_cast<XmppConnection*>(userdata);
        const QByteArray name = xmpp_stanza_get_name(s);
        if (name != "presence" && name != "message" && name != "iq") return 1;
        char* buf = nullptr;
        size_t len = 0;
        if (xmpp_stanza_to_text(s, &buf, &len) == XMPP_EOK && buf) {
            // A stanza over the bound is dropped here, before anybody reads it.
            if (len <= size_t(MaxStanzaBytes)) {
                QByteArray xml(buf, qsizetype(len));
                self->later([self, xml] { emit self->stanzaArrived(xml); });
            }
            xmpp_free(self->ctx_, buf);
        }
        return 1; // keep the handler
    }

    // In-band registration: the stream's features, TLS first when offered.
    static int features(xmpp_conn_t* conn, xmpp_stanza_t* s, void* userdata) {
        auto* self = static_cast<XmppConnection*>(userdata);
        if (xmpp_stanza_get_child_by_name_and_ns(s, "starttls", XMPP_NS_TLS) &&
            !xmpp_conn_is_secured(conn)) {
            xmpp_handler_add(conn, proceed, XMPP_NS_TLS, nullptr, nullptr, self);
            xmpp_send_raw_string(conn, "<starttls xmlns='%s'/>", XMPP_NS_TLS);
            return 0;
        }
        if (self->stage_ == XmppConnection::Stage::Probe) {
            // No TLS to look at: nothing to accept either.
            xmpp_disconnect(conn);
            return 0;
        }
        const Element q = [&] {
            Element query;
            query.name = QStringLiteral("query");
            query.ns = QStringLiteral(XMPP_NS_REGISTER);
            Element user, pass;
            user.name = QStringLiteral("username");
            user.ns = query.ns;
            user.text = self->account_.node();
            pass.name = QStringLiteral("password");
            pass.ns = query.ns;
            pass.text = self->account_.password;
            query.children = {user, pass};
            Element iq;
            iq.name = QStringLiteral("iq");
            iq.ns = QStringLiteral(XMPP_NS_CLIENT);
            iq.attributes = {{QStringLiteral("type"), QStringLiteral("set")},
                             {QStringLiteral("id"), QStringLiteral("kelvoa-register")}};
            iq.children = {query};
            return iq;
        }();
        xmpp_id_handler_add(conn, registerResult, "kelvoa-register", self);
        const QByteArray xml = q.toXml();
        xmpp_send_raw(conn, xml.constData(), size_t(xml.size()));
        return 0;
    }

    static int proceed(xmpp_conn_t* conn, xmpp_stanza_t* s, void* userdata) {
        auto* self = static_cast<XmppConnection*>(userdata);
        if (QByteArray(xmpp_stanza_get_name(s)) == "proceed" &&
            xmpp_conn_tls_start(conn) == XMPP_EOK) {
            using S = XmppConnection::Stage;
            if (self->stage_ != S::Verified && !self->sameCertificate()) {
                // Only the certificate was wanted, or it is not the one accepted.
                self->certRefused_ = true;
                xmpp_disconnect(conn);
                return 0;
            }
            if (self->stage_ == S::Probe) {
                // The accepted certificate: sign in trusting it, and check it again then.
                const quint64 gen = self->generation_;
                self->later([self, gen] {
                    if (gen != self->generation_) return;
                    self->stage_ = S::Trusted;
                    self->connectNow();
                });
                xmpp_disconnect(conn);
                return 0;
            }
            xmpp_handler_add(conn, features, XMPP_NS_STREAMS, "features", nullptr, self);
            xmpp_conn_open_stream_default(conn);
        } else {
            xmpp_disconnect(conn);
        }
        return 0;
    }

    static int registerResult(xmpp_conn_t* conn, xmpp_stanza_t* s, void* userdata) {
        auto* self = static_cast<XmppConnection*>(userdata);
        const QByteArray type = xmpp_stanza_get_type(s);
        if (type == "result") {
            self->later([self] {
                emit self->registered();
                // The account exists: sign in with it as usual.
                const Account a = self->account_;
                self->signIn(a, false);
            });
        } else {
            using F = XmppConnection::Failure;
            xmpp_stanza_t* err = xmpp_stanza_get_child_by_name(s, "error");
            const bool taken = err && xmpp_stanza_get_child_by_name(err, "conflict");
            char* text = nullptr;
            xmpp_stanza_t* t = err ? xmpp_stanza_get_child_by_name(err, "text") : nullptr;
            if (t) text = xmpp_stanza_get_text(t);
            const QString detail = text ? QString::fromUtf8(text) : QString();
            if (text) xmpp_free(self->ctx_, text);
            self->later([self, taken, detail] {
                self->fail(taken ? F::NameTaken : F::Registration, detail);
            });
        }
        xmpp_disconnect(conn);
        return 0;
    }
};

XmppConnection::XmppConnection(QObject* parent) : QObject(parent) {
    static const bool initialised = [] {
        xmpp_initialize();
        // libstrophe writes to its socket without asking the system to spare
        // the process when the server has gone: the error is enough.
        std::signal(SIGPIPE, SIG_IGN);
        return true;
    }();
    Q_UNUSED(initialised);
    pumpTimer_.setInterval(PumpMs);
    connect(&pumpTimer_, &QTimer::timeout, this, &XmppConnection::pump);
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] {
        if (online_ || !conn_) return;
        fail(Failure::NoAnswer, tr("no answer within %1 s").arg(SignInTimeoutMs / 1000));
    });
}

XmppConnection::~XmppConnection() {
    release();
}

void XmppConnection::signIn(const Account& account, bool registerFirst) {
    if (inRun_) {
        later([this, account, registerFirst] { signIn(account, registerFirst); });
        return;
    }
    account_ = account;
    registering_ = registerFirst;
    stage_ = Stage::Verified;
    failedOnce_ = false;
    refusedFingerprint_.clear();
    refusedReason_.clear();
    timeout_.start(SignInTimeoutMs);
    connectNow();
}

bool XmppConnection::sameCertificate() {
    xmpp_tlscert_t* cert = xmpp_conn_get_peer_cert(conn_);
    const QString fp = cert ? fingerprintOf(xmpp_tlscert_get_pem(cert)) : QString();
    if (cert) xmpp_tlscert_free(cert);
    if (refusedFingerprint_.isEmpty()) refusedFingerprint_ = fp;
    return !fp.isEmpty() && fp == acceptedCertificate;
}

void XmppConnection::connectNow() {
    release();
    ++generation_;
    certRefused_ = false;
    verifyFailed_ = false;
    lastError_.clear();
    log_ = std::make_unique<xmpp_log_t>(xmpp_log_t{&StropheCallbacks::log, this});
    ctx_ = xmpp_ctx_new(nullptr, log_.get());
    conn_ = xmpp_conn_new(ctx_);
    owners().insert(conn_, this);
    // Stanzas are sent as this class builds them; stream management would
    // count them otherwise. A certificate that did not verify is trusted only
    // once its fingerprint was seen to be the accepted one.
    long flags = XMPP_CONN_FLAG_DISABLE_SM;
    if (stage_ != Stage::Verified) flags |= XMPP_CONN_FLAG_TRUST_TLS;
    xmpp_conn_set_flags(conn_, flags);
    xmpp_conn_set_sockopt_callback(conn_, &StropheCallbacks::sockopt);
    const Account& account = account_;
    const QByteArray jid = (account.anonymous() ? account.domain() : account.jid).toUtf8();
    xmpp_conn_set_jid(conn_, jid.constData());
    if (!account.anonymous()) xmpp_conn_set_pass(conn_, account.password.toUtf8().constData());
    const QByteArray server = account.server.toUtf8();
    const char* alt = server.isEmpty() ? nullptr : server.constData();
    raw_ = registering_ || stage_ == Stage::Probe;
    const int rc =
        raw_ ? xmpp_connect_raw(conn_, alt, account.port, &StropheCallbacks::connHandler, this)
             : xmpp_connect_client(conn_, alt, account.port, &StropheCallbacks::connHandler, this);
    if (rc != XMPP_EOK) {
        fail(Failure::NoAnswer, tr("the server's address is unknown"));
        return;
    }
    pumpTimer_.start();
    pump();
}

void XmppConnection::signOut() {
    if (inRun_) {
        later([this] { signOut(); });
        return;
    }
    timeout_.stop();
    failedOnce_ = true; // what the closing connection reports is no failure
    if (conn_ && online_) {
        xmpp_disconnect(conn_);
        // Let the closing stream and the unavailable presence go out.
        for (int i = 0; i < 5 && conn_ && !xmpp_conn_is_disconnected(conn_); ++i)
            xmpp_run_once(ctx_, 10);
    }
    release();
}

void XmppConnection::send(const QByteArray& xml) {
    if (!conn_ || !online_) return;
    xmpp_send_raw(conn_, xml.constData(), size_t(xml.size()));
    if (!inRun_) QTimer::singleShot(0, this, &XmppConnection::pump);
}

void XmppConnection::pump() {
    if (!ctx_ || inRun_) return;
    inRun_ = true;
    xmpp_run_once(ctx_, 0);
    inRun_ = false;
    if (writeNotifier_) writeNotifier_->setEnabled(conn_ && xmpp_conn_send_queue_len(conn_) > 0);
    flush();
}

void XmppConnection::flush() {
    // Told in order; a handler may queue more (a sign-in after registering).
    while (!events_.empty()) {
        auto batch = std::move(events_);
        events_.clear();
        for (auto& f : batch)
            f();
    }
}

void XmppConnection::watchSocket(int fd) {
    dropSocket();
    readNotifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(readNotifier_, &QSocketNotifier::activated, this, &XmppConnection::pump);
    // Writable while connecting, and while something waits to go out.
    writeNotifier_ = new QSocketNotifier(fd, QSocketNotifier::Write, this);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &XmppConnection::pump);
}

void XmppConnection::dropSocket() {
    delete readNotifier_;
    delete writeNotifier_;
}

void XmppConnection::fail(Failure why, const QString& detail) {
    const bool first = !failedOnce_;
    failedOnce_ = true;
    timeout_.stop();
    release();
    if (first) emit failed(why, detail);
}

void XmppConnection::release() {
    dropSocket();
    pumpTimer_.stop();
    online_ = false;
    if (conn_) {
        // Cleared first: what libstrophe reports while letting go is not ours any more.
        xmpp_conn_t* conn = conn_;
        conn_ = nullptr;
        owners().remove(conn);
        xmpp_conn_release(conn);
    }
    if (ctx_) {
        xmpp_ctx_free(ctx_);
        ctx_ = nullptr;
    }
}

} // namespace lobby
