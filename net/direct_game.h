// Direct Network Game as the user meets it: the Internet Game dialog and the
// connecting box around a call, and the accept prompt and Nickname
// Selection around a request from another copy. The session does the socket
// work with what the user chose.
#pragma once

namespace orbel {

class NetworkWindow;

// Direct Network Game: the dialog, then the call with the connecting box up
// until the call is answered, fails or is cancelled.
void runDirectNetworkGame(NetworkWindow& window);

// "Your Network Address...": the addresses others can call this copy at.
void showNetworkAddress(NetworkWindow& window);

// A caller has named itself: "Accept request ...?", then the nickname for
// the match. The answer goes to the request asked about, if it still stands.
void decideRequest(NetworkWindow& window, int request);

}  // namespace orbel
