// The texts of the program's message boxes and status bar.
#pragma once

namespace orbel::text {

inline constexpr const char* WhiteToMove = "White to move";
inline constexpr const char* BlackToMove = "Black to move";
inline constexpr const char* Check = "Check!";
inline constexpr const char* CheckMate = "CheckMate!";
inline constexpr const char* GameOver = "Game Over";
inline constexpr const char* ComputerResign = "Computer Resign";
inline constexpr const char* ResignBox = "Resign!";
inline constexpr const char* InternalError = "Internal Error";
inline constexpr const char* Error = "Error";
inline constexpr const char* SaveFailedCaption = "Save Game";
inline constexpr const char* FatalError =
    "An error has occurred that will most likely terminate your game.\n\n"
    "Report all errors of this nature to Tessaly (bugs@orbelchess.example)";

}  // namespace orbel::text
