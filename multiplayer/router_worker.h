#pragma once
// The talking to the router behind PortMapper: blocking calls, made only on
// the mapper's own thread. UPnP is asked first; NAT-PMP where no UPnP router
// answers. The worker remembers what it made, and takes away only that.
#include <miniupnpc/miniupnpc.h>
#include <natpmp.h>

#include <atomic>
#include <memory>

#include "port_mapping.h"

// The IPv4 default gateway in a route table as Linux lists it
// (/proc/net/route); null when there is none.
QHostAddress defaultGateway(const QByteArray& routeTable);
// The devices of a search that answered from the gateway; the others are freed.
UPNPDev* onlyFrom(UPNPDev* devices, const QHostAddress& gateway);

class RouterWorker : public QObject {
    Q_OBJECT
public:
    // How long UPnP routers are given to make themselves known.
    static constexpr int DiscoverMs = 1000;
    // How long a NAT-PMP router is given to answer one request.
    static constexpr int PmpAnswerMs = 2000;
    static constexpr int PmpGoodbyeMs = 1000;

    explicit RouterWorker(std::shared_ptr<const std::atomic<int>> generation)
        : generation_(std::move(generation)) {}
    ~RouterWorker() override;

    // Each stops early (and says nothing worth showing) once 'gen' is no
    // longer the mapper's newest request.
    Reachability open(quint16 port, int gen);
    // Renews the lease; a copy that got no forwarding yet asks from scratch,
    // since the router may have come up or changed its mind meanwhile.
    Reachability renew(int gen);
    void close();

signals:
    // What came of the request numbered 'gen'.
    void answered(const Reachability& r, int gen);

private:
    bool current(int gen) const { return gen < 0 || gen == generation_->load(); }
    Reachability openUpnp(int gen);
    int addUpnp();
    Reachability openPmp(int gen);
    int askPmp(natpmpresp_t* answer, int gen, int limitMs);
    static Reachability reached(const QHostAddress& external, const char* way);

    std::shared_ptr<const std::atomic<int>> generation_;
    quint16 port_ = 0;
    enum Way { None, Upnp, Pmp } mapped_ = None;
    Reachability last_;
    bool upnpFound_ = false;
    UPNPUrls urls_{};
    IGDdatas data_{};
    char lan_[64]{};
    bool pmpOpen_ = false;
    natpmp_t pmp_{};
};
