#include "shell/network_play.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSettings>

#include "game/table.h"
#include "net/address_lines.h"
#include "shell/modal.h"
#include "shell/net_dialogs.h"
#include "shell/net_texts.h"
#include "shell/texts.h"
#include "shell/time_control_dialog.h"

namespace orbel {
namespace {

// The nickname last used, offered again by both dialogs.
constexpr const char* NicknameKey = "nickname";

QString lastNickname() { return QSettings().value(QLatin1String(NicknameKey)).toString(); }

void rememberNickname(const QString& nickname) { QSettings().setValue(QLatin1String(NicknameKey), nickname); }

QString qs(const char* text) { return QString::fromUtf8(text); }

struct FailureBox {
    NetFailure what;
    const char* text;
    const char* caption;
    MessageIcon icon;
};

// Every failure's box, as the program has always shown it.
constexpr FailureBox FailureBoxes[] = {
    {NetFailure::ListenBindFailed, text::SocketBindingError, text::Error, MessageIcon::Stop},
    {NetFailure::ListenUnavailable, text::WinSockProblem, text::Error, MessageIcon::Stop},
    {NetFailure::AcceptFailed, text::AcceptFailed, text::Error, MessageIcon::None},
    {NetFailure::AlreadyClosed, nullptr, text::Error, MessageIcon::Stop},
    {NetFailure::SendFailedSetUp, text::SendFailedSetUp, text::Error, MessageIcon::Stop},
    {NetFailure::SendFailedDeny, text::SendFailedDeny, text::Error, MessageIcon::Stop},
    {NetFailure::SendFailedPlay, text::SendFailedPlay, text::InternetGame, MessageIcon::Stop},
    {NetFailure::SendFailedEnd, text::SendFailedEnd, text::InternetGame, MessageIcon::Stop},
    {NetFailure::ConnectionProblem, text::ConnectionProblem, text::InternetGame, MessageIcon::Stop},
    {NetFailure::ConnectionTimedOut, text::ConnectionTimeout, text::FailedConnection, MessageIcon::Stop},
    {NetFailure::ConnectionRefused, text::ConnectionRefused, text::FailedConnection, MessageIcon::Stop},
    {NetFailure::RequestDenied, text::RequestDenied, text::InternetGame, MessageIcon::Information},
    {NetFailure::OpponentBusy, text::OpponentBusy, text::OpponentUnavailable, MessageIcon::Stop},
    {NetFailure::CallerGone, text::OpponentDisconnected, text::InternetGame, MessageIcon::Stop},
};

QString failureText(const FailureBox& box) {
    if (box.text) return qs(box.text);
    // Its name is part of the message, as it has always been.
    return QStringLiteral("%1 failed,%2\n\n%3")
        .arg(qs(text::CloseConnOperation), QString(40, QLatin1Char(' ')), qs(text::ConnectionAlreadyClosed));
}

}  // namespace

QString nameInSentence(const QString& nickname) {
    constexpr int MostCharacters = 40;
    constexpr int MostPixels = 300;
    // Characters, not UTF-16 units: a character beyond U+FFFF is one.
    qsizetype cut = 0;
    for (int count = 0; count < MostCharacters && cut < nickname.size(); ++count)
        cut += nickname.at(cut).isHighSurrogate() && cut + 1 < nickname.size() ? 2 : 1;
    QString name = nickname.left(cut);
    if (cut < nickname.size()) name += QChar(0x2026);
    name = QFontMetrics(QGuiApplication::font()).elidedText(name, Qt::ElideRight, MostPixels);
    return QChar(0x2068) + name + QChar(0x2069);
}

NetworkPlay::NetworkPlay(NetworkSession& session, Table& table, ModalRunner& modal,
                         const std::unique_ptr<PortMapper>& mapper)
    : session_(session), table_(table), modal_(modal), mapper_(mapper) {
    connect(&session_, &NetworkSession::failed, this, &NetworkPlay::tell);
    connect(&session_, &NetworkSession::callerNamed, this, &NetworkPlay::decide);
    connect(&session_, &NetworkSession::incomingCall, this, [this] {
        modal_.box(qs(text::IncomingRequest), qs(text::InternetGame), MessageIcon::Information, incoming_);
    });
    connect(&session_, &NetworkSession::incomingWithdrawn, this, [this] {
        if (incoming_) incoming_->done(QDialog::Rejected);
    });
    // One request is shown at a time; the others are a line each.
    connect(&session_, &NetworkSession::callTurnedAway, this, [this](const QString& address) {
        emit noted(QStringLiteral("Refused a call from %1: another call is being answered.").arg(address));
    });
    connect(&session_, &NetworkSession::offerReceived, this, &NetworkPlay::answer);
    connect(&session_, &NetworkSession::offerSettled, this, &NetworkPlay::settled);
    connect(&session_, &NetworkSession::connectionLost, this, &NetworkPlay::lineDown);
    connect(&session_, &NetworkSession::rejoined, this, &NetworkPlay::closeWaiting);
    connect(&session_, &NetworkSession::resumeRefused, this, &NetworkPlay::refused);
    connect(&session_, &NetworkSession::offersChanged, this, [this] {
        if (!session_.waiting()) closeWaiting();
    });
}

namespace {

// "the draw", as an answer names what was offered.
QString offered(OfferKind kind) {
    switch (kind) {
    case OfferKind::Draw: return QStringLiteral("the draw");
    case OfferKind::Takeback: return QStringLiteral("the takeback");
    case OfferKind::Rematch: break;
    }
    return QStringLiteral("the rematch");
}

}  // namespace

void NetworkPlay::offer(OfferKind kind) {
    if (!session_.offer(kind)) return;
    static constexpr const char* lines[] = {"You offer a draw.", "You ask to take back your last move.",
                                            "You offer a rematch."};
    emit said(QStringLiteral("* ") + qs(lines[static_cast<int>(kind)]), true);
}

void NetworkPlay::answer(const OfferMessage& offer) {
    const QString who = nameInSentence(session_.peerNickname);
    QString offered;
    QString question = QStringLiteral("Do you accept?");
    const char* title = "Offer Draw";
    switch (offer.kind) {
    case OfferKind::Draw: offered = QStringLiteral("%1 offers a draw.").arg(who); break;
    case OfferKind::Takeback:
        offered = QStringLiteral("%1 asks to take back their last move.").arg(who);
        question = QStringLiteral("Do you allow it?");
        title = "Take Back Move";
        break;
    case OfferKind::Rematch: {
        const bool white = table_.userSide() == Side::Black;  // colours change sides
        offered = QStringLiteral("%1 offers a rematch, you playing %2.")
                      .arg(who, white ? QStringLiteral("White") : QStringLiteral("Black"));
        title = "Rematch";
        break;
    }
    }
    emit said(QStringLiteral("* ") + offered, false);
    const bool yes = modal_.ask(offered + QLatin1Char(' ') + question, qs(title), MessageIcon::Information);
    session_.answerOffer(offer, yes);
}

void NetworkPlay::settled(const OfferMessage& reply, bool ours) {
    const QString what = offered(reply.kind);
    const QString line =
        ours ? QStringLiteral("%1 %2 %3.").arg(nameInSentence(session_.peerNickname),
                                               reply.yes ? QStringLiteral("accepts") : QStringLiteral("declines"), what)
             : QStringLiteral("You %1 %2.").arg(reply.yes ? QStringLiteral("accept") : QStringLiteral("decline"), what);
    emit said(QStringLiteral("* ") + line, !ours);
}

void NetworkPlay::lineDown() {
    closeWaiting();
    auto* dialog = new WaitingDialog(qs(text::ConnectionLost).arg(nameInSentence(session_.peerNickname)),
                                     &modal_.window());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Whatever the user was typing keeps the keys; the wait is also said
    // aloud, and Call Again is under Network Play.
    dialog->setAttribute(Qt::WA_ShowWithoutActivating);
    connect(dialog, &WaitingDialog::callAgain, &session_, &NetworkSession::callAgain);
    connect(dialog, &WaitingDialog::endGame, this, &NetworkPlay::endGameAsked);
    waiting_ = dialog;
    dialog->show();
}

void NetworkPlay::closeWaiting() {
    if (waiting_) waiting_->close();
}

void NetworkPlay::refused(ResumeRefusal why) {
    closeWaiting();
    const QString who = nameInSentence(session_.peerNickname);
    modal_.box(why == ResumeRefusal::Unknown
                   ? QStringLiteral("%1's copy no longer holds this game, so it cannot go on.").arg(who)
                   : QStringLiteral("%1's copy holds this game at another position, so it cannot go on.").arg(who),
               qs(text::InternetGame), MessageIcon::Stop);
    table_.game().end(EndReason::Killed, std::nullopt);
}

void NetworkPlay::tell(NetFailure what) {
    for (const FailureBox& box : FailureBoxes)
        if (box.what == what) modal_.box(failureText(box), qs(box.caption), box.icon);
}

void NetworkPlay::call(RuleSet rules, std::function<void(QWidget* owner)> chooseClock,
                       std::function<TimeControl()> clock) {
    if (session_.state() != NetworkSession::State::Idle) return;
    InternetGameDialog dialog(modal_.seams(), &modal_.window(), std::move(chooseClock));
    dialog.nicknameEdit()->setText(lastNickname());
    if (modal_.run(dialog) != QDialog::Accepted) return;
    rememberNickname(dialog.nickname());
    ConnectingDialog connecting(&modal_.window());
    const auto settled = QObject::connect(&session_, &NetworkSession::callSettled, &connecting,
                                          [&connecting](bool peerGone) {
                                              connecting.done(peerGone ? QDialog::Rejected : QDialog::Accepted);
                                          });
    connecting.onCancelConnect = [this] { session_.cancelCall(); };
    session_.setProposedClock(clock());
    session_.startCall(dialog.hostField(), dialog.nickname(), dialog.requestedColor(), rules);
    modal_.run(connecting);
    QObject::disconnect(settled);
    session_.callBoxClosed();
}

void NetworkPlay::showAddress(QAction* internetCalls) {
    const auto lines = [this, internetCalls] {
        const PortMapper* mapper = mapper_.get();
        const PortMapState router = mapper ? mapper->state() : PortMapState{};
        return networkAddressLines(reachableLocalAddresses(), session_.listeningPort(), mapper ? &router : nullptr,
                                   internetCalls->isVisible());
    };
    NetworkAddressDialog dialog(lines, &modal_.window(), internetCalls);
    modal_.run(dialog);
}

void NetworkPlay::decide(int request) {
    QString question = qs(text::AcceptRequest).arg(nameInSentence(session_.peerNickname), session_.peerAddressText);
    if (session_.peerIsNew() && session_.proposedRules() == RuleSet::Standard)
        question += QStringLiteral("\n\nThe game is to be played by standard chess rules.");
    if (session_.peerIsNew() && !session_.proposedClock().none())
        question += QStringLiteral("\n\nThe game is timed: ") + timeControlDescription(session_.proposedClock());
    const bool yes = modal_.ask(question, qs(text::InternetGame), MessageIcon::Information);
    if (!session_.stillDeciding(request)) return;
    if (!yes) {
        session_.refuseRequest(request);
        return;
    }
    NicknameDialog nickname(modal_.seams(), nullptr);
    nickname.nicknameEdit()->setText(lastNickname());
    modal_.run(nickname);
    if (!session_.stillDeciding(request)) return;
    rememberNickname(nickname.nickname());
    // A computer's move still on its way back would land on the new game.
    table_.computer().settle();
    session_.acceptRequest(request, nickname.nickname());
}

}  // namespace orbel
