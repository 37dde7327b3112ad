#include "router_worker.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QUrl>

#include <arpa/inet.h>
#include <miniupnpc/upnpcommands.h>
#include <sys/select.h>

#include "address_kind.h"

namespace {
constexpr char Description[] = "Kelvoa";
constexpr char Tcp[] = "TCP";
// UPnP error codes that mean something to the player.
constexpr int ConflictInMappingEntry = 718;
constexpr int OnlyPermanentLeasesSupported = 725;
// Returned by askPmp when the router never answered in time.
constexpr int PmpNoAnswer = NATPMP_TRYAGAIN;
// The router's own refusals; lower errors are this side's (or an ICMP
// "nobody here"), which means no NAT-PMP router answered.
bool routerSaidNo(int rc) {
    return rc <= NATPMP_ERR_UNDEFINEDERROR && rc > NATPMP_TRYAGAIN;
}
} // namespace

QHostAddress defaultGateway(const QByteArray& routeTable) {
    // Lines of "Iface Destination Gateway Flags ...", the addresses as hex in
    // the machine's byte order; the default route has destination 0.
    const QList<QByteArray> lines = routeTable.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> f = lines[i].simplified().split(' ');
        if (f.size() < 4 || f[1] != "00000000") continue;
        bool ok = false, flagsOk = false;
        const quint32 raw = f[2].toUInt(&ok, 16);
        const uint flags = f[3].toUInt(&flagsOk, 16);
        constexpr uint Up = 0x1, Gateway = 0x2;
        if (!ok || !flagsOk || raw == 0 || (flags & (Up | Gateway)) != (Up | Gateway)) continue;
        return QHostAddress(ntohl(raw)); // stored as it lies in memory
    }
    return {};
}

UPNPDev* onlyFrom(UPNPDev* devices, const QHostAddress& gateway) {
    // Any device on the network may answer the search, and the first answer
    // would decide the internet address put into invites: only the router
    // that this computer's traffic really leaves through counts.
    UPNPDev* kept = nullptr;
    UPNPDev** tail = &kept;
    while (devices) {
        UPNPDev* d = devices;
        devices = d->pNext;
        d->pNext = nullptr;
        const QHostAddress at(QUrl(QString::fromLatin1(d->descURL)).host());
        if (!gateway.isNull() && at == gateway) {
            *tail = d;
            tail = &d->pNext;
        } else {
            freeUPNPDevlist(d);
        }
    }
    return kept;
}

RouterWorker::~RouterWorker() {
    close();
}

Reachability RouterWorker::reached(const QHostAddress& external, const char* way) {
    Reachability r;
    r.way = QString::fromLatin1(way);
    r.state = Reachability::Open;
    const AddressKind kind = addressKind(external);
    if (kind == AddressKind::Global) {
        r.external = external;
    } else if (kind == AddressKind::Private || kind == AddressKind::Shared) {
        // The router sits behind another NAT, usually the provider's: the
        // forwarding is in place but leads nowhere from the internet.
        r.external = external;
        r.state = Reachability::Shared;
    }
    return r;
}

Reachability RouterWorker::open(quint16 port, int gen) {
    close(); // whatever an earlier request made
    port_ = port;
    Reachability r = openUpnp(gen);
    if (r.state == Reachability::NoRouter && current(gen)) r = openPmp(gen);
    last_ = r;
    return r;
}

Reachability RouterWorker::renew(int gen) {
    if (mapped_ == None) return open(port_, gen);
    if (mapped_ == Upnp) {
        const int added = addUpnp();
        char client[64]{}, toPort[16]{}, desc[96]{}, enabled[8]{}, lease[24]{};
        // Some routers answer a renewal with a conflict with the forwarding itself.
        const bool stillOurs =
            added == UPNPCOMMAND_SUCCESS ||
            (UPNP_GetSpecificPortMappingEntry(
                 urls_.controlURL, data_.first.servicetype, QByteArray::number(port_).constData(),
                 Tcp, nullptr, client, toPort, desc, enabled, lease) == UPNPCOMMAND_SUCCESS &&
             qstrcmp(client, lan_) == 0 && QByteArray::number(port_) == toPort);
        if (!stillOurs) {
            mapped_ = None;
            last_ = {Reachability::Refused, {}, {}, QStringLiteral("UPnP")};
        }
        return last_;
    }
    natpmpresp_t answer{};
    const int rc = sendnewportmappingrequest(&pmp_, NATPMP_PROTOCOL_TCP, port_, port_,
                                             PortMapper::LeaseSeconds) < 0
                       ? NATPMP_ERR_SENDERR
                       : askPmp(&answer, gen, PmpAnswerMs);
    // Overtaken by a close: the forwarding is still there to be taken away.
    if (!current(gen)) return last_;
    if (rc < 0) {
        mapped_ = None;
        last_ = {Reachability::Refused, {}, {}, QStringLiteral("NAT-PMP")};
    } else {
        last_.lease = int(answer.pnu.newportmapping.lifetime);
    }
    return last_;
}

void RouterWorker::close() {
    if (mapped_ == Upnp)
        UPNP_DeletePortMapping(urls_.controlURL, data_.first.servicetype,
                               QByteArray::number(port_).constData(), Tcp, nullptr);
    if (mapped_ == Pmp && sendnewportmappingrequest(&pmp_, NATPMP_PROTOCOL_TCP, port_, 0, 0) >= 0) {
        natpmpresp_t answer{};
        askPmp(&answer, -1, PmpGoodbyeMs);
    }
    mapped_ = None;
    if (upnpFound_) FreeUPNPUrls(&urls_);
    upnpFound_ = false;
    if (pmpOpen_) closenatpmp(&pmp_);
    pmpOpen_ = false;
}

// ---- UPnP ----

Reachability RouterWorker::openUpnp(int gen) {
    Reachability none{Reachability::NoRouter, {}, {}, {}};
    int error = 0;
    // One search, for the gateway device itself (an IGD of a later version
    // answers it too): every further kind searched for would add its own
    // wait where no UPnP router answers.
    UPNPDev* devices =
        upnpDiscoverDevice("urn:schemas-upnp-org:device:InternetGatewayDevice:1", DiscoverMs,
                           nullptr, nullptr, UPNP_LOCAL_PORT_ANY, 0, 2, &error);
    QFile routes(QStringLiteral("/proc/net/route"));
    const QHostAddress gateway =
        routes.open(QIODevice::ReadOnly) ? defaultGateway(routes.readAll()) : QHostAddress();
    devices = onlyFrom(devices, gateway);
    if (!devices) return none;
    const int igd = UPNP_GetValidIGD(devices, &urls_, &data_, lan_, sizeof lan_);
    freeUPNPDevlist(devices);
    if (igd <= 0) return none;
    upnpFound_ = true; // the urls are ours to free from here on
    if (igd > 2 || !current(gen)) return none;

    // A router behind its provider's NAT forwards in vain: nothing is asked of it.
    char said[64]{};
    if (UPNP_GetExternalIPAddress(urls_.controlURL, data_.first.servicetype, said) !=
        UPNPCOMMAND_SUCCESS)
        said[0] = 0;
    said[sizeof said - 1] = 0;
    const Reachability through = reached(strictIPv4(said), "UPnP");
    if (through.state == Reachability::Shared) return through;

    Reachability r{Reachability::Refused, {}, {}, QStringLiteral("UPnP")};
    const QByteArray port = QByteArray::number(port_);
    char client[64]{}, toPort[16]{}, desc[96]{}, enabled[8]{}, lease[24]{};
    if (UPNP_GetSpecificPortMappingEntry(urls_.controlURL, data_.first.servicetype,
                                         port.constData(), Tcp, nullptr, client, toPort, desc,
                                         enabled, lease) == UPNPCOMMAND_SUCCESS &&
        (qstrcmp(client, lan_) != 0 || port != toPort)) {
        // Another computer (or another program here) has the port: it keeps it.
        r.state = Reachability::Taken;
        const QHostAddress other = strictIPv4(client);
        if (!other.isNull()) r.otherComputer = other.toString();
        return r;
    }
    if (!current(gen)) return r;
    const int added = addUpnp();
    if (added == ConflictInMappingEntry) r.state = Reachability::Taken;
    if (added != UPNPCOMMAND_SUCCESS) return r;
    mapped_ = Upnp;
    return through;
}

int RouterWorker::addUpnp() {
    const QByteArray port = QByteArray::number(port_);
    int added = UPNP_AddPortMapping(urls_.controlURL, data_.first.servicetype, port.constData(),
                                    port.constData(), lan_, Description, Tcp, nullptr,
                                    QByteArray::number(PortMapper::LeaseSeconds).constData());
    // Some routers keep forwardings only until they are taken away; ours
    // goes when the copy stops hosting, so that serves as well.
    if (added == OnlyPermanentLeasesSupported)
        added = UPNP_AddPortMapping(urls_.controlURL, data_.first.servicetype, port.constData(),
                                    port.constData(), lan_, Description, Tcp, nullptr, "0");
    return added;
}

// ---- NAT-PMP ----

Reachability RouterWorker::openPmp(int gen) {
    Reachability none{Reachability::NoRouter, {}, {}, {}};
    if (initnatpmp(&pmp_, 0, 0) < 0) return none; // no default gateway: no router
    pmpOpen_ = true;
    natpmpresp_t answer{};
    if (sendpublicaddressrequest(&pmp_) < 0) return none;
    const int asked = askPmp(&answer, gen, PmpAnswerMs);
    if ((asked < 0 && !routerSaidNo(asked)) || !current(gen)) return none;
    QHostAddress external;
    if (asked >= 0 && answer.type == NATPMP_RESPTYPE_PUBLICADDRESS)
        external = QHostAddress(ntohl(answer.pnu.publicaddress.addr.s_addr));
    if (reached(external, "NAT-PMP").state == Reachability::Shared)
        return reached(external, "NAT-PMP");

    Reachability r{Reachability::Refused, {}, {}, QStringLiteral("NAT-PMP")};
    answer = {};
    if (sendnewportmappingrequest(&pmp_, NATPMP_PROTOCOL_TCP, port_, port_,
                                  PortMapper::LeaseSeconds) < 0)
        return r;
    // From here the router may hold a forwarding of ours, answered or not;
    // taking away one it never made does no harm.
    mapped_ = Pmp;
    const int mappedRc = askPmp(&answer, gen, PmpAnswerMs);
    if (mappedRc < 0 || answer.type != NATPMP_RESPTYPE_TCPPORTMAPPING) return r;
    if (answer.pnu.newportmapping.mappedpublicport != port_) {
        // The router gave another outside port: ours is forwarded elsewhere.
        // What this copy got is given back at once.
        close();
        r.state = Reachability::Taken;
        return r;
    }
    r = reached(external, "NAT-PMP");
    r.lease = int(answer.pnu.newportmapping.lifetime);
    return r;
}

int RouterWorker::askPmp(natpmpresp_t* answer, int gen, int limitMs) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (!current(gen)) return PmpNoAnswer;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(pmp_.s, &readable);
        timeval timeout{};
        getnatpmprequesttimeout(&pmp_, &timeout);
        // Short steps, so a newer request or the end of the program is seen soon.
        if (timeout.tv_sec > 0 || timeout.tv_usec > 100000) timeout = {0, 100000};
        ::select(pmp_.s + 1, &readable, nullptr, nullptr, &timeout);
        const int rc = readnatpmpresponseorretry(&pmp_, answer);
        if (rc != NATPMP_TRYAGAIN) return rc;
        if (waited.elapsed() > limitMs) return PmpNoAnswer;
    }
}
