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

// One line per address, "192.0.2.7:4128" or "[2001:db8::7]:4128", saying
// who can reach it: a private IPv4 address this network only, an IPv6 one
// through the pinhole `router` opened for it, else only where the router
// lets calls in (most home routers stop them). Then
// the router's outside address when `router` is Mapped; otherwise a sentence
// on what it is doing or how to let calls in by hand (`router` null: the
// router is not being asked; `mayAskRouter`: the user can turn that on).
// Last, how to let the port through this computer's own firewall.
QStringList networkAddressLines(const QList<QHostAddress>& local, quint16 port, const PortMapState* router,
                                bool mayAskRouter = false);

}  // namespace orbel
