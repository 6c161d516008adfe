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
#include "shell/translation.h"

namespace orbel {
namespace {

// The nickname last used, offered again by both dialogs.
constexpr const char* NicknameKey = "nickname";

QString lastNickname() { return QSettings().value(QLatin1String(NicknameKey)).toString(); }

void rememberNickname(const QString& nickname) { QSettings().setValue(QLatin1String(NicknameKey), nickname); }

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
    if (box.text) return text::tr(box.text);
    // Its name is part of the message, as it has always been.
    //: %1 is the name of an operation, %2 a run of spaces, %3 what went wrong.
    return QCoreApplication::translate("orbel::NetworkPlay", "%1 failed,%2\n\n%3")
        .arg(text::tr(text::CloseConnOperation), QString(40, QLatin1Char(' ')),
             text::tr(text::ConnectionAlreadyClosed));
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
        modal_.box(text::tr(text::IncomingRequest), text::tr(text::InternetGame), MessageIcon::Information, incoming_);
    });
    connect(&session_, &NetworkSession::incomingWithdrawn, this, [this] {
        if (incoming_) incoming_->done(QDialog::Rejected);
    });
    // One request is shown at a time; the others are a line each.
    connect(&session_, &NetworkSession::callTurnedAway, this, [this](const QString& address) {
        //: In the status bar: %1 is the caller's network address.
        emit noted(tr("Refused a call from %1: another call is being answered.").arg(address));
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

// An answer to an offer as the chat says it, by OfferKind: the opponent's
// (%1 is their nickname) and the user's.
struct AnswerLines {
    const char* peerAccepts;
    const char* peerDeclines;
    const char* userAccepts;
    const char* userDeclines;
};
constexpr AnswerLines AnswerTexts[] = {
    {QT_TRANSLATE_NOOP("orbel::NetworkPlay", "* %1 accepts the draw."),
     QT_TRANSLATE_NOOP("orbel::NetworkPlay", "* %1 declines the draw."),
     QT_TRANSLATE_NOOP("orbel::NetworkPlay", "* You accept the draw."),
     QT_TRANSLATE_NOOP("orbel::NetworkPlay", "* You decline the draw.")},
    {QT_TRANSLATE_NOOP("orbel::NetworkPlay", "* %1 accepts the takeback."),
     QT_TRANSLATE_NOOP("orbel::NetworkPlay", "* %1 declines the takeback."),
     QT_TRANSLATE_NOOP("orbel::NetworkPlay", "* You accept the takeback."),
     QT_TRANSLATE_NOOP("orbel::NetworkPlay", "* You decline the takeback.")},
    {QT_TRANSLATE_NOOP("orbel::NetworkPlay", "* %1 accepts the rematch."),
     QT_TRANSLATE_NOOP("orbel::NetworkPlay", "* %1 declines the rematch."),
     QT_TRANSLATE_NOOP("orbel::NetworkPlay", "* You accept the rematch."),
     QT_TRANSLATE_NOOP("orbel::NetworkPlay", "* You decline the rematch.")},
};

}  // namespace

void NetworkPlay::offer(OfferKind kind) {
    if (!session_.offer(kind)) return;
    // A chat line the program writes, by OfferKind.
    static constexpr const char* lines[] = {QT_TR_NOOP("* You offer a draw."),
                                            QT_TR_NOOP("* You ask to take back your last move."),
                                            QT_TR_NOOP("* You offer a rematch.")};
    emit said(tr(lines[static_cast<int>(kind)]), true);
}

void NetworkPlay::answer(const OfferMessage& offer) {
    const QString who = nameInSentence(session_.peerNickname);
    // The chat's line, then the box's question; %1 is the opponent's nickname.
    QString line = tr("* %1 offers a draw.");
    QString question = tr("%1 offers a draw. Do you accept?");
    QString title = tr("Offer Draw");
    switch (offer.kind) {
    case OfferKind::Draw: break;
    case OfferKind::Takeback:
        line = tr("* %1 asks to take back their last move.");
        question = tr("%1 asks to take back their last move. Do you allow it?");
        title = tr("Take Back Move");
        break;
    case OfferKind::Rematch:
        // Colours change sides.
        if (table_.userSide() == Side::Black) {
            line = tr("* %1 offers a rematch, you playing White.");
            question = tr("%1 offers a rematch, you playing White. Do you accept?");
        } else {
            line = tr("* %1 offers a rematch, you playing Black.");
            question = tr("%1 offers a rematch, you playing Black. Do you accept?");
        }
        title = tr("Rematch");
        break;
    }
    emit said(line.arg(who), false);
    const bool yes = modal_.ask(question.arg(who), title, MessageIcon::Information);
    session_.answerOffer(offer, yes);
}

void NetworkPlay::settled(const OfferMessage& reply, bool ours) {
    const AnswerLines& lines = AnswerTexts[static_cast<int>(reply.kind)];
    const QString line = ours ? tr(reply.yes ? lines.peerAccepts : lines.peerDeclines)
                                    .arg(nameInSentence(session_.peerNickname))
                              : tr(reply.yes ? lines.userAccepts : lines.userDeclines);
    emit said(line, !ours);
}

void NetworkPlay::lineDown() {
    closeWaiting();
    auto* dialog = new WaitingDialog(text::tr(text::ConnectionLost).arg(nameInSentence(session_.peerNickname)),
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
                   ? tr("%1's copy no longer holds this game, so it cannot go on.").arg(who)
                   : tr("%1's copy holds this game at another position, so it cannot go on.").arg(who),
               text::tr(text::InternetGame), MessageIcon::Stop);
    table_.game().end(EndReason::Killed, std::nullopt);
}

void NetworkPlay::tell(NetFailure what) {
    for (const FailureBox& box : FailureBoxes)
        if (box.what == what) modal_.box(failureText(box), text::tr(box.caption), box.icon);
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
    QString question =
        text::tr(text::AcceptRequest).arg(nameInSentence(session_.peerNickname), session_.peerAddressText);
    //: %1 is the question whether to accept a call.
    if (session_.peerIsNew() && session_.proposedRules() == RuleSet::Standard)
        question = tr("%1\n\nThe game is to be played by standard chess rules.").arg(question);
    //: %1 is the question whether to accept a call; %2 the clock in words.
    if (session_.peerIsNew() && !session_.proposedClock().none())
        question = tr("%1\n\nThe game is timed: %2").arg(question, timeControlDescription(session_.proposedClock()));
    const bool yes = modal_.ask(question, text::tr(text::InternetGame), MessageIcon::Information);
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
