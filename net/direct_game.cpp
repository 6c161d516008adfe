#include "net/direct_game.h"

#include <QLineEdit>
#include <QSettings>

#include "net/address_lines.h"
#include "net/net_dialogs.h"
#include "net/net_texts.h"
#include "net/network_session.h"
#include "net/network_window.h"

namespace orbel {
namespace {

// The nickname last used, offered again by both dialogs.
constexpr const char* NicknameKey = "nickname";

QString lastNickname() { return QSettings().value(QLatin1String(NicknameKey)).toString(); }

void rememberNickname(const QString& nickname) { QSettings().setValue(QLatin1String(NicknameKey), nickname); }

}  // namespace

void runDirectNetworkGame(NetworkWindow& window) {
    NetworkSession& session = window.network();
    if (session.state() != NetworkSession::State::Idle) return;
    InternetGameDialog dialog(window, window.widget());
    dialog.nicknameEdit()->setText(lastNickname());
    if (window.runDialog(dialog) != QDialog::Accepted) return;
    rememberNickname(dialog.nickname());
    ConnectingDialog connecting(window.widget());
    const auto settled = QObject::connect(&session, &NetworkSession::callSettled, &connecting,
                                          [&connecting](int result) { connecting.done(result); });
    connecting.onCancelConnect = [&session] { session.cancelCall(); };
    session.startCall(dialog.hostField(), dialog.nickname(), dialog.requestedColor());
    window.runDialog(connecting);
    QObject::disconnect(settled);
    session.callBoxClosed();
}

void showNetworkAddress(NetworkWindow& window) {
    const auto lines = [&window] {
        const PortMapper* mapper = window.portMapper();
        const PortMapState router = mapper ? mapper->state() : PortMapState{};
        return networkAddressLines(reachableLocalAddresses(), window.network().listeningPort(),
                                   mapper ? &router : nullptr);
    };
    NetworkAddressDialog dialog(lines, window.widget());
    window.runDialog(dialog);
}

void decideRequest(NetworkWindow& window, int request) {
    NetworkSession& session = window.network();
    const bool yes = window.askYesNo(window.widget(),
                                     QString::fromUtf8(text::AcceptRequest).arg(session.peerNickname, session.peerAddressText),
                                     QString::fromUtf8(text::InternetGame), MessageIcon::Information);
    if (!session.stillDeciding(request)) return;
    if (!yes) {
        session.refuseRequest(request);
        return;
    }
    NicknameDialog nickname(window, nullptr);
    nickname.nicknameEdit()->setText(lastNickname());
    window.runDialog(nickname);
    if (!session.stillDeciding(request)) return;
    rememberNickname(nickname.nickname());
    session.acceptRequest(request, nickname.nickname());
}

}  // namespace orbel
