// The messages the main window's procedures exchange, under the numbers the
// program has always used, and the command identifiers of its menu items.
#pragma once

#include <cstdint>

namespace orbel::msg {

inline constexpr int WM_CREATE = 1;
inline constexpr int WM_DESTROY = 2;
inline constexpr int WM_SIZE = 5;
inline constexpr int WM_PAINT = 15;
inline constexpr int WM_COMMAND = 273;
inline constexpr int WM_TIMER = 275;
inline constexpr int WM_CTLCOLORSTATIC = 312;
inline constexpr int WM_MOUSEMOVE = 512;
inline constexpr int WM_LBUTTONDOWN = 513;
inline constexpr int WM_LBUTTONUP = 514;
inline constexpr int WM_USER = 1024;
inline constexpr int WM_SOCKET_NOTIFY = WM_USER + 3;  // 1027
inline constexpr int WM_NET_ACCEPTED = WM_USER + 4;   // 1028
inline constexpr int WM_NET_ACKED = WM_USER + 5;      // 1029
inline constexpr int WM_NET_MOVE = WM_USER + 6;       // 1030

// The left button is held (in the word parameter of WM_MOUSEMOVE).
inline constexpr std::uintptr_t MK_LBUTTON = 1;

// Scroll codes for the history panes (WM_VSCROLL).
inline constexpr int SB_LINEUP = 0;
inline constexpr int SB_LINEDOWN = 1;
inline constexpr int SB_PAGEUP = 2;
inline constexpr int SB_PAGEDOWN = 3;
inline constexpr int SB_THUMBTRACK = 5;
inline constexpr int SB_TOP = 6;
inline constexpr int SB_BOTTOM = 7;

// Mouse positions travel in the long parameter: x in the low word, y in the high word.
inline constexpr std::intptr_t makeLParam(int x, int y) {
    return static_cast<std::intptr_t>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) | static_cast<std::uint32_t>(x & 0xFFFF));
}
inline constexpr int xOf(std::intptr_t lParam) { return static_cast<std::int16_t>(lParam & 0xFFFF); }
inline constexpr int yOf(std::intptr_t lParam) { return static_cast<std::int16_t>((lParam >> 16) & 0xFFFF); }

}  // namespace orbel::msg

namespace orbel::cmd {

inline constexpr int About = 104;
inline constexpr int Exit = 105;
inline constexpr int NewOnePlayerGame = 32771;
inline constexpr int Resign = 32773;
inline constexpr int UndoMove = 32774;
inline constexpr int DarkSquare = 32779;
inline constexpr int LightSquare = 32780;
inline constexpr int OriginalColors = 32781;
inline constexpr int PieceSetDudidi = 32784;
inline constexpr int PieceSetFerrow1 = 32785;
inline constexpr int PieceSetFerrow2 = 32786;
inline constexpr int WhatsNew = 32788;
inline constexpr int NewTwoPlayerGame = 32790;
inline constexpr int ShowHideCoordinates = 32791;
inline constexpr int DirectNetworkGame = 32792;
inline constexpr int NetworkResign = 32794;
inline constexpr int KillGame = 32795;
inline constexpr int SaveGame = 32796;
inline constexpr int LoadGame = 32797;
// Added for play without a mouse: the position in words, and whether moves
// are announced.
inline constexpr int ReadPosition = 32798;
inline constexpr int AnnounceMoves = 32799;
inline constexpr int NetworkAddress = 32800;
// Games in and out for other chess programs: PGN and FEN.
inline constexpr int ExportGame = 32801;
inline constexpr int CopyGame = 32802;
inline constexpr int CopyPosition = 32803;
inline constexpr int OpenGameText = 32804;
inline constexpr int PasteGameText = 32805;
// Sent when the computer's move is ready.
inline constexpr int ComputerMoveReady = 5000;

}  // namespace orbel::cmd

// Control identifiers of the dialogs: New Game Setup's, and the network
// dialogs' fields (whose colour buttons are New Game Setup's).
namespace orbel::ctl {

inline constexpr int White = 1000;
inline constexpr int Black = 1001;
inline constexpr int Easy = 1002;
inline constexpr int Medium = 1003;
inline constexpr int Hard = 1004;
inline constexpr int HostEdit = 1005;
inline constexpr int NicknameEdit = 1006;

}  // namespace orbel::ctl

namespace orbel::res {

// Sounds.
inline constexpr int MoveSound = 173;
inline constexpr int NewGameSound = 174;
// The icon.
inline constexpr int Icon = 107;
// The picture in the About and What's New boxes (the grey set's White rook).
inline constexpr int InfoPicture = 254;

}  // namespace orbel::res
