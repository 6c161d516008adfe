// The texts of network play's message boxes, as the program has always shown
// them (spelling included: peers' users know them).
#pragma once

#include <QtGlobal>

// Marked for translation; text::tr (translation.h) gives them in the
// user's language.
namespace orbel::text {

inline constexpr const char* InternetGame = QT_TRANSLATE_NOOP("orbel::text", "Internet Game");
inline constexpr const char* FailedConnection = QT_TRANSLATE_NOOP("orbel::text", "Failed Connection!");
inline constexpr const char* WinSockProblem =
    QT_TRANSLATE_NOOP("orbel::text", "WinSock problem - Internet play unavailable");
inline constexpr const char* SocketBindingError =
    QT_TRANSLATE_NOOP("orbel::text", "Socket Binding Error - Internet play unavailable");
inline constexpr const char* ConnectionProblem =
    QT_TRANSLATE_NOOP("orbel::text", "Connection Problem - Check network settings");
inline constexpr const char* ConnectionTimeout = QT_TRANSLATE_NOOP("orbel::text", "Connection Timeout!");
inline constexpr const char* ConnectionRefused = QT_TRANSLATE_NOOP("orbel::text", "Connection Refused!");
inline constexpr const char* IncomingRequest = QT_TRANSLATE_NOOP("orbel::text", "Incoming Request for network game!");
inline constexpr const char* AcceptFailed = QT_TRANSLATE_NOOP("orbel::text", "Error has occured");
// The caller's address on a line of its own, below the nickname: no name can
// pass for it.
inline constexpr const char* AcceptRequest =
    QT_TRANSLATE_NOOP("orbel::text", "Accept request for a game from %1\n(%2)?");
// Between two copies of this version, while the line of a game is down.
inline constexpr const char* ConnectionLost =
    QT_TRANSLATE_NOOP("orbel::text", "Connection lost \u2014 waiting for %1 to come back");
inline constexpr const char* RequestDenied = QT_TRANSLATE_NOOP("orbel::text", "Game request denied");
inline constexpr const char* OpponentBusy = QT_TRANSLATE_NOOP("orbel::text", "Opponent is playing someone else");
inline constexpr const char* OpponentUnavailable = QT_TRANSLATE_NOOP("orbel::text", "Opponent unavailable");
inline constexpr const char* OpponentResigned =
    QT_TRANSLATE_NOOP("orbel::text", "Congratulations! Your opponent has resigned!");
inline constexpr const char* OpponentDisconnected = QT_TRANSLATE_NOOP("orbel::text", "Opponent has disconnected");
// One per sending site.
inline constexpr const char* SendFailedSetUp =
    QT_TRANSLATE_NOOP("orbel::text", "Transmission Error - Check you Internet connection");
inline constexpr const char* SendFailedDeny =
    QT_TRANSLATE_NOOP("orbel::text", "Transmission Error! - Check you Internet connection");
inline constexpr const char* SendFailedPlay =
    QT_TRANSLATE_NOOP("orbel::text", "Transmission Error - Check your Internet connection");
inline constexpr const char* SendFailedEnd =
    QT_TRANSLATE_NOOP("orbel::text", "Transmission Error - Check you network connection");
inline constexpr const char* CloseConnOperation = QT_TRANSLATE_NOOP("orbel::text", "CloseConn() WSAAsyncSelect()");
inline constexpr const char* ConnectionAlreadyClosed =
    QT_TRANSLATE_NOOP("orbel::text", "The connection was already closed.");
inline constexpr const char* IllegalPeerMove =
    QT_TRANSLATE_NOOP("orbel::text",
                      "Your opponent sent a move that is not possible in this position. The game has been ended.");

}  // namespace orbel::text
