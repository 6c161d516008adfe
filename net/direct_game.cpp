#include "net/direct_game.h"

#include "net/net_dialogs.h"
#include "net/net_texts.h"
#include "net/network_session.h"
#include "net/network_window.h"

namespace orbel {

void runDirectNetworkGame(NetworkWindow& window) {
    NetworkSession& session = window.network();
    if (session.state() != NetworkSession::State::Idle) return;
    InternetGameDialog dialog(window, window.widget());
    if (window.runDialog(dialog) != QDialog::Accepted) return;
    ConnectingDialog connecting(window.widget());
    const auto settled = QObject::connect(&session, &NetworkSession::callSettled, &connecting,
                                          [&connecting](int result) { connecting.done(result); });
    connecting.onCancelConnect = [&session] { session.cancelCall(); };
    session.startCall(resolveHostAddress(dialog.host()), dialog.nickname(), dialog.requestedColor());
    window.runDialog(connecting);
    QObject::disconnect(settled);
    session.callBoxClosed();
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
    window.runDialog(nickname);
    session.acceptRequest(request, nickname.nickname());
}

}  // namespace orbel
