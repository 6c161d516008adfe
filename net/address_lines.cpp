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

namespace {

QString routerLine(const PortMapState* router, quint16 port, bool mayAskRouter) {
    const QString byHand = QStringLiteral("forward TCP port %1 on your router to this computer.").arg(port);
    if (!router) {
        return mayAskRouter ? QStringLiteral("For friends on the Internet to reach you over IPv4, turn on Accept "
                                             "Calls from the Internet, or ") + byHand
                            : QStringLiteral("For friends on the Internet to reach you over IPv4, ") + byHand;
    }
    if (router->phase == PortMapState::Phase::Trying)
        return QStringLiteral("Asking your router to let calls from the Internet in...");
    return QStringLiteral("Your router did not let calls in (%1): ").arg(QString::fromStdString(router->reason)) +
           byHand;
}

}  // namespace

QStringList networkAddressLines(const QList<QHostAddress>& local, quint16 port, const PortMapState* router,
                                bool mayAskRouter) {
    QStringList lines;
    bool ipv6 = false;
    const QHostAddress pinholed(router ? QString::fromStdString(router->pinholeAddress) : QString());
    for (const QHostAddress& address : local) {
        QString line = withPort(address, port);
        if (address.protocol() != QAbstractSocket::IPv4Protocol && !pinholed.isNull() && address.isEqual(pinholed)) {
            line += QStringLiteral(" (from the Internet, through a pinhole your router opened)");
        } else if (address.protocol() != QAbstractSocket::IPv4Protocol) {
            ipv6 = true;
            line += QStringLiteral(" (from the Internet only if your router lets calls in)");
        } else if (isLocalOnlyIpv4(address)) {
            line += QStringLiteral(" (your local network only)");
        }
        lines.append(line);
    }
    if (router && router->phase == PortMapState::Phase::Mapped) {
        const QHostAddress outside(QString::fromStdString(router->outsideAddress));
        if (!outside.isNull() && !local.contains(outside))
            lines.append(withPort(outside, router->outsidePort) + QStringLiteral(" (from the Internet, through your router)"));
    } else {
        lines.append(routerLine(router, port, mayAskRouter));
    }
    if (ipv6)
        lines.append(QStringLiteral("Most home routers stop calls from the Internet to IPv6 addresses; look for "
                                    "\"allow incoming\" or \"pinhole\" in yours."));
    lines.append(QStringLiteral("If this computer has a firewall, let TCP port %1 in: sudo ufw allow %1/tcp, or "
                                "sudo firewall-cmd --permanent --add-port=%1/tcp; sudo firewall-cmd --reload.")
                     .arg(port));
    return lines;
}

}  // namespace orbel
