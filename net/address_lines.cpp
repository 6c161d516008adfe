#include "net/address_lines.h"

#include <QDeadlineTimer>
#include <QNetworkInterface>

namespace orbel {
namespace {

// Reachable only from the same network: private, shared (carrier NAT) and
// link-local IPv4.
bool isLocalOnlyIpv4(const QHostAddress& address) {
    static const QPair<QHostAddress, int> blocks[] = {
        QHostAddress::parseSubnet(QStringLiteral("10.0.0.0/8")),
        QHostAddress::parseSubnet(QStringLiteral("172.16.0.0/12")),
        QHostAddress::parseSubnet(QStringLiteral("192.168.0.0/16")),
        QHostAddress::parseSubnet(QStringLiteral("100.64.0.0/10")),
        QHostAddress::parseSubnet(QStringLiteral("169.254.0.0/16"))};
    for (const auto& block : blocks)
        if (address.isInSubnet(block)) return true;
    return false;
}

QString withPort(const QHostAddress& address, quint16 port) {
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                             : address.toString();
    return host + QLatin1Char(':') + QString::number(port);
}

}  // namespace

QList<QHostAddress> reachableLocalAddresses() {
    QList<QHostAddress> ipv4;
    QList<QHostAddress> ipv6;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) || flags.testFlag(QNetworkInterface::IsLoopBack)) continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            QHostAddress address = entry.ip();
            address.setScopeId(QString());
            if (address.isLoopback()) continue;
            if (address.protocol() == QAbstractSocket::IPv4Protocol) {
                if (!ipv4.contains(address)) ipv4.append(address);
            } else if (address.protocol() == QAbstractSocket::IPv6Protocol && address.isGlobal() &&
                       !address.isUniqueLocalUnicast() && !address.isSiteLocal() &&
                       !(entry.isLifetimeKnown() && entry.preferredLifetime().hasExpired())) {
                if (!ipv6.contains(address)) ipv6.append(address);
            }
        }
    }
    return ipv4 + ipv6;
}

QStringList networkAddressLines(const QList<QHostAddress>& local, quint16 port, const PortMapState* router) {
    QStringList lines;
    for (const QHostAddress& address : local) {
        QString line = withPort(address, port);
        if (address.protocol() == QAbstractSocket::IPv4Protocol && isLocalOnlyIpv4(address))
            line += QStringLiteral(" (your local network only)");
        lines.append(line);
    }
    if (router && router->phase == PortMapState::Phase::Mapped) {
        const QHostAddress outside(QString::fromStdString(router->outsideAddress));
        if (!outside.isNull() && !local.contains(outside))
            lines.append(withPort(outside, router->outsidePort) + QStringLiteral(" (from the Internet, through your router)"));
    } else {
        lines.append(QStringLiteral("For friends on the Internet to reach you over IPv4, forward TCP port %1 "
                                    "on your router to this computer.")
                         .arg(port));
    }
    return lines;
}

}  // namespace orbel
