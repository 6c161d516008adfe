// Network play as the user meets it: the Internet Game dialog and the
// connecting box around a call, the accept question and Nickname Selection
// around a request from another copy, the address box, and a box for
// everything the session reports as having gone wrong; with a copy of this
// version, the offers each side makes and answers, and the wait while the
// line of a game is down. The session does the socket work with what the
// user chose.
#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "net/network_session.h"

class QAction;

namespace orbel {

class ModalRunner;
class WaitingDialog;
class PortMapper;
class Table;

// The peer's nickname, as the session holds it (peerTextForDisplay), as it is
// put into a sentence of a box, the status line, the chat or what is said
// aloud: cut to 40 characters and 300 pixels of the application's font with
// an ellipsis, and isolated between U+2068 FIRST STRONG ISOLATE and U+2069
// POP DIRECTIONAL ISOLATE so that a name written right to left cannot
// reorder the words and the address after it. The nickname comes escaped,
// so these two are the only bidirectional controls in the sentence.
QString nameInSentence(const QString& nickname);

class NetworkPlay : public QObject {
    Q_OBJECT
public:
    NetworkPlay(NetworkSession& session, Table& table, ModalRunner& modal, const std::unique_ptr<PortMapper>& mapper);

    // Direct Network Game: the dialog, then the call with the connecting box
    // up until the call is answered, fails or is cancelled.
    // `chooseClock` is the Internet Game box's Time Control... button, and
    // `clock` the control the call proposes, as it stands when it starts.
    void call(RuleSet rules, std::function<void(QWidget* owner)> chooseClock, std::function<TimeControl()> clock);
    // Network Play > Offer Draw, Ask to Take Back Move, Rematch.
    void offer(OfferKind kind);

signals:
    // A line for the chat pane: what either side offered or answered.
    void said(const QString& line, bool own);
    // The user chose End Game while the game waited.
    void endGameAsked();
    // A line for the status bar: a caller turned away.
    void noted(const QString& line);

public:
    // "Your Network Address...": the addresses others can call this copy at.
    // `internetCalls` is the command the box offers.
    void showAddress(QAction* internetCalls);

private:
    // A caller has named itself: "Accept request ...?", then the nickname for
    // the match. The answer goes to the request asked about, if it still stands.
    void decide(int request);
    void tell(NetFailure what);
    void answer(const OfferMessage& offer);
    void settled(const OfferMessage& reply, bool ours);
    void lineDown();
    void refused(ResumeRefusal why);
    void closeWaiting();

    NetworkSession& session_;
    Table& table_;
    ModalRunner& modal_;
    const std::unique_ptr<PortMapper>& mapper_;
    QPointer<WaitingDialog> waiting_;
    QPointer<QDialog> incoming_;
};

}  // namespace orbel
