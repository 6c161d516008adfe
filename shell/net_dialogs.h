// The dialogs of network play: Internet Game (177), which names the opponent
// to call; the connecting box (180), up while the call is under way; and
// Nickname Selection (179), which the called side fills in before its game
// starts. They only gather and check what the user types; the callers do the
// socket work with the results.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "net/wire/host_field.h"
#include "net/wire/protocol.h"

class QAction;
class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace orbel {

struct WindowSeams;

// Up while the line of a running game is down: the game waits, and the
// user may call again or end it. Not modal, so that the board, the chat and
// the menus stay in reach; closing it leaves the game waiting.
class WaitingDialog : public QDialog {
    Q_OBJECT
public:
    WaitingDialog(const QString& text, QWidget* owner);

signals:
    void callAgain();
    void endGame();
};

// What the user may type into the host field.
inline constexpr int MaxHostTextLength = 255;

class InternetGameDialog : public QDialog {
    Q_OBJECT
public:
    // `chooseClock`, when given, is what its Time Control... button does.
    InternetGameDialog(const WindowSeams& seams, QWidget* owner, std::function<void(QWidget* owner)> chooseClock = {});

    QLineEdit* hostEdit() const { return host_; }
    QLineEdit* nicknameEdit() const { return nickname_; }
    // White (1000) or Black (1001); nullptr for any other id.
    QRadioButton* radio(int id) const;
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    QString host() const;
    // The host and port the host text names (the game's port unless it
    // names one); not ok, with the reason, for a text that names none.
    HostField hostField() const;
    // The port a host text without one names.
    void setDefaultPort(quint16 port) { defaultPort_ = port; }
    QString nickname() const;
    // The colour code the local user asked to play: 3 White, 4 Black.
    int requestedColor() const;

private:
    void confirm();

    const WindowSeams& seams_;
    QLineEdit* host_;
    QLineEdit* nickname_;
    QButtonGroup* colours_;
    QPushButton* ok_;
    QPushButton* cancel_;
    quint16 defaultPort_ = GamePort;
};

// "Your Network Address": the addresses others can use to reach this copy,
// as text to select, with a Copy button. The lines are asked for again while
// the box is open: the router's answer comes a moment after start.
class NetworkAddressDialog : public QDialog {
    Q_OBJECT
public:
    // `internetCalls` is Network Play > Accept Calls from the Internet,
    // offered in the box as a check box with what it does while the menu
    // offers it.
    NetworkAddressDialog(std::function<QStringList()> lines, QWidget* owner, QAction* internetCalls = nullptr);

    QString text() const;
    QPushButton* copyButton() const { return copy_; }

private:
    void refresh();

    std::function<QStringList()> lines_;
    QPlainTextEdit* text_;
    QPushButton* copy_;
};

// The box shown while a call is being connected. The socket code ends it
// with done(1) or done(2); the user ends it with "Cancel Connect", Escape or
// the close box, which all run onCancelConnect first and end it with 1008.
class ConnectingDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int CancelConnect = 1008;

    explicit ConnectingDialog(QWidget* owner);

    QPushButton* cancelButton() const { return cancel_; }

    // A done() that comes before the box is shown (the call failed while
    // something else was on screen) is kept, and the box closes with that
    // result as soon as it opens instead of waiting for the user.
    void done(int result) override;
    void reject() override;

    std::function<void()> onCancelConnect;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void cancelConnect();

    QPushButton* cancel_;
    bool shown_ = false;
    std::optional<int> pendingResult_;
};

// The called side's nickname. It has no Cancel: Escape and the close box do
// nothing, so it is left only with a nickname (or by done() from the caller).
class NicknameDialog : public QDialog {
    Q_OBJECT
public:
    NicknameDialog(const WindowSeams& seams, QWidget* owner);

    QLineEdit* nicknameEdit() const { return nickname_; }
    QPushButton* okButton() const { return ok_; }
    QString nickname() const;

    void reject() override {}

private:
    void confirm();

    const WindowSeams& seams_;
    QLineEdit* nickname_;
    QPushButton* ok_;
};

}  // namespace orbel
