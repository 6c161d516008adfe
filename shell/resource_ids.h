// The numbers the program's resources and dialog controls have always gone
// by: the sounds, the icon and the picture of the help boxes, and the
// controls of New Game Setup and of the network dialogs.
#pragma once

namespace orbel::res {

inline constexpr int MoveSound = 173;
inline constexpr int NewGameSound = 174;
inline constexpr int CaptureSound = 180;
inline constexpr int CheckSound = 181;
inline constexpr int GameEndSound = 182;
// Two soft beeps: the player's clock is running low.
inline constexpr int LowTimeSound = 183;
inline constexpr int Icon = 107;
// The picture in the About and What's New boxes (the grey set's White rook).
inline constexpr int InfoPicture = 254;

}  // namespace orbel::res

// New Game Setup's controls, and the network dialogs' fields (whose colour
// buttons are New Game Setup's).
namespace orbel::ctl {

inline constexpr int White = 1000;
inline constexpr int Black = 1001;
inline constexpr int Easy = 1002;
inline constexpr int Medium = 1003;
inline constexpr int Hard = 1004;
inline constexpr int HostEdit = 1005;
inline constexpr int NicknameEdit = 1006;
// The engines New Game Setup offers, one after another from here.
inline constexpr int FirstEngine = 1100;

}  // namespace orbel::ctl

namespace orbel {

// The game levels New Game Setup offers.
inline constexpr int LevelEasy = 1;
inline constexpr int LevelMedium = 3;
inline constexpr int LevelHard = 5;

}  // namespace orbel
