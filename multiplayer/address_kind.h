#pragma once
// Which kind of address a computer or a router has, as far as reaching it
// from the internet goes. Deciding code only: no sockets.
#include <QHostAddress>
#include <QList>
#include <QString>

enum class AddressKind {
    Unusable,  // unspecified, multicast, broadcast, reserved: nobody's address
    Loopback,  // this computer only
    LinkLocal, // this network segment only, given without a router
    Private,   // a home or office network (10/8, 172.16/12, 192.168/16, fc00::/7)
    Shared,    // a provider's network shared by many customers (100.64/10)
    Global,    // reachable from the internet, as far as routing goes
};

AddressKind addressKind(const QHostAddress& a);

// An IPv4 address written the usual way (four decimal numbers 0 to 255 with
// dots), as a router's reply must give it; anything else is empty. Replies
// from outside are never shown before they pass this.
QHostAddress strictIPv4(const QByteArray& text);

// This computer's IPv6 addresses that the internet can reach (no NAT there,
// only a firewall): stable ones before temporary ones, deprecated ones left out.
QList<QHostAddress> globalIPv6Addresses();
