// The texts of network play's message boxes, as the program has always shown
// them (spelling included: peers' users know them).
#pragma once

namespace orbel::text {

inline constexpr const char* InternetGame = "Internet Game";
inline constexpr const char* FailedConnection = "Failed Connection!";
inline constexpr const char* WinSockProblem = "WinSock problem - Internet play unavailable";
inline constexpr const char* SocketBindingError = "Socket Binding Error - Internet play unavailable";
inline constexpr const char* ConnectionProblem = "Connection Problem - Check network settings";
inline constexpr const char* ConnectionTimeout = "Connection Timeout!";
inline constexpr const char* ConnectionRefused = "Connection Refused!";
inline constexpr const char* IncomingRequest = "Incoming Request for network game!";
inline constexpr const char* AcceptFailed = "Error has occured";
// The caller's address on a line of its own, below the nickname: no name can
// pass for it.
inline constexpr const char* AcceptRequest = "Accept request for a game from %1\n(%2)?";
// Between two copies of this version, while the line of a game is down.
inline constexpr const char* ConnectionLost = "Connection lost \u2014 waiting for %1 to come back";
inline constexpr const char* RequestDenied = "Game request denied";
inline constexpr const char* OpponentBusy = "Opponent is playing someone else";
inline constexpr const char* OpponentUnavailable = "Opponent unavailable";
inline constexpr const char* OpponentResigned = "Congratulations! Your opponent has resigned!";
inline constexpr const char* OpponentDisconnected = "Opponent has disconnected";
// One per sending site.
inline constexpr const char* SendFailedSetUp = "Transmission Error - Check you Internet connection";
inline constexpr const char* SendFailedDeny = "Transmission Error! - Check you Internet connection";
inline constexpr const char* SendFailedPlay = "Transmission Error - Check your Internet connection";
inline constexpr const char* SendFailedEnd = "Transmission Error - Check you network connection";
inline constexpr const char* CloseConnOperation = "CloseConn() WSAAsyncSelect()";
inline constexpr const char* ConnectionAlreadyClosed = "The connection was already closed.";
inline constexpr const char* IllegalPeerMove =
    "Your opponent sent a move that is not possible in this position. The game has been ended.";

}  // namespace orbel::text
