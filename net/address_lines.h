// What the "Your Network Address..." box lists: the addresses others can use
// to reach this copy, each with the listening port, as lines of text.
#pragma once

#include <QHostAddress>
#include <QList>
#include <QStringList>

#include "net/portmap/port_mapper.h"

namespace orbel {

// This machine's addresses a peer could call: every IPv4 address but
// loopback, and the global IPv6 addresses (neither link-local nor unique
// local, nor deprecated), of the interfaces that are up. IPv4 first, each once.
QList<QHostAddress> reachableLocalAddresses();

// One line per address, "192.0.2.7:4128" or "[2001:db8::7]:4128"; an IPv4
// address of a private network says it serves that network only. Then the
// router's outside address when `router` is Mapped; otherwise (no router,
// it refused, or mapping is off: `router` null) one sentence on forwarding
// the port by hand.
QStringList networkAddressLines(const QList<QHostAddress>& local, quint16 port, const PortMapState* router);

}  // namespace orbel
