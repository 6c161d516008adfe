#include "net/address_lines.h"

#include <QCoreApplication>
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
    //: %1 is a port number. "Accept Calls from the Internet" is a menu item.
    if (!router && mayAskRouter) {
        return QCoreApplication::translate("orbel::AddressLines",
                                           "For friends on the Internet to reach you over IPv4, turn on Accept Calls "
                                           "from the Internet, or forward TCP port %1 on your router to this computer.")
            .arg(port);
    }
    //: %1 is a port number.
    if (!router) {
        return QCoreApplication::translate("orbel::AddressLines",
                                           "For friends on the Internet to reach you over IPv4, forward TCP port %1 "
                                           "on your router to this computer.")
            .arg(port);
    }
    if (router->phase == PortMapState::Phase::Trying)
        return QCoreApplication::translate("orbel::AddressLines",
                                           "Asking your router to let calls from the Internet in...");
    //: %1 says why the router refused; %2 is a port number.
    return QCoreApplication::translate("orbel::AddressLines",
                                       "Your router did not let calls in (%1): forward TCP port %2 on your router to "
                                       "this computer.")
        .arg(QCoreApplication::translate("orbel::PortMapper", router->reason.c_str()), QString::number(port));
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
            //: %1 is an address with its port.
            line = QCoreApplication::translate("orbel::AddressLines",
                                               "%1 (from the Internet, through a pinhole your router opened)")
                       .arg(line);
        } else if (address.protocol() != QAbstractSocket::IPv4Protocol) {
            ipv6 = true;
            //: %1 is an address with its port.
            line = QCoreApplication::translate("orbel::AddressLines",
                                               "%1 (from the Internet only if your router lets calls in)")
                       .arg(line);
        } else if (isLocalOnlyIpv4(address)) {
            //: %1 is an address with its port.
            line = QCoreApplication::translate("orbel::AddressLines", "%1 (your local network only)").arg(line);
        }
        lines.append(line);
    }
    if (router && router->phase == PortMapState::Phase::Mapped) {
        const QHostAddress outside(QString::fromStdString(router->outsideAddress));
        if (!outside.isNull() && !local.contains(outside))
            //: %1 is an address with its port.
            lines.append(
                QCoreApplication::translate("orbel::AddressLines", "%1 (from the Internet, through your router)")
                    .arg(withPort(outside, router->outsidePort)));
    } else {
        lines.append(routerLine(router, port, mayAskRouter));
    }
    if (ipv6)
        lines.append(QCoreApplication::translate("orbel::AddressLines",
                                                 "Most home routers stop calls from the Internet to IPv6 addresses; "
                                                 "look for \"allow incoming\" or \"pinhole\" in yours."));
    //: %1 is a port number; the commands stay as they are.
    lines.append(QCoreApplication::translate("orbel::AddressLines",
                                             "If this computer has a firewall, let TCP port %1 in: sudo ufw allow "
                                             "%1/tcp, or sudo firewall-cmd --permanent --add-port=%1/tcp; sudo "
                                             "firewall-cmd --reload.")
                     .arg(port));
    return lines;
}

}  // namespace orbel
