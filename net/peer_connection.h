// One connection to the other copy of the program, over any QIODevice (a
// socket in the program, anything else in a test): the received bytes split
// into messages, read a bounded amount per turn of the event loop, and whole
// messages sent. It knows nothing of games: the session decides what a
// message means.
#pragma once

#include <QObject>
#include <QPointer>
#include <optional>
#include <string>

#include "net/wire/protocol.h"

class QIODevice;

namespace orbel {

class PeerConnection : public QObject {
    Q_OBJECT
public:
    // Reads what `device` delivers from now on; `device` must outlive the
    // connection or be its child.
    explicit PeerConnection(QIODevice* device, QObject* parent = nullptr);

    QIODevice* device() const { return device_; }

    // Writes one message; false when the device is closed or took less.
    bool send(const std::string& bytes);

    // Stops acting on what arrives (a closed connection): nothing is
    // received any more, and what the peer still had to say is dropped.
    void stop();
    bool stopped() const { return stopped_; }

    // The first whole message waiting unread (held back, or not read yet),
    // left where it is.
    std::optional<PeerMessage> waitingMessage() const;

    // While a hold is alive, what arrives waits: a message is handled whole,
    // boxes and dialogs included, before the next one is looked at.
    class Hold {
    public:
        explicit Hold(PeerConnection* connection);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        QPointer<PeerConnection> connection_;
    };

signals:
    void messageReceived(const orbel::PeerMessage& message);
    // The stream has ended (the peer closed it, or it failed): reported once,
    // after every message that came before, and not while a hold is alive.
    void disconnected();

private:
    void readSome();
    void readLater();

    QIODevice* device_;
    PeerStream stream_;
    int holds_ = 0;
    bool readPending_ = false;
    bool readScheduled_ = false;
    bool stopped_ = false;
    bool ended_ = false;
    bool endReported_ = false;
};

}  // namespace orbel
