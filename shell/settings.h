// The settings that outlive a run: light and dark square colours, the piece
// set, whether moves are announced to a screen reader and whether the game
// plays its sounds, kept per user as decimal text under "Tessaly" / "Orbel
// Chess" with the keys whsqu, dksqu, pieceset, announce and sounds; and
// whether new games follow standard chess rules, as "true" or "false" under
// standardRules; and the time control new games get, as PGN's TimeControl
// text under timeControl; and the chess engines the user added, a path a
// line, under engines.
#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

#include "game/clock/time_control.h"
#include "shell/board_look.h"

namespace orbel {

inline constexpr const char* LightSquareKey = "whsqu";
inline constexpr const char* DarkSquareKey = "dksqu";
inline constexpr const char* PieceSetKey = "pieceset";
inline constexpr const char* AnnounceKey = "announce";
inline constexpr const char* SoundsKey = "sounds";
inline constexpr const char* StandardRulesKey = "standardRules";
inline constexpr const char* AcceptInternetCallsKey = "acceptInternetCalls";
inline constexpr const char* TimeControlKey = "timeControl";
inline constexpr const char* EnginesKey = "engines";

// A stored number read as C's atoi does: optional leading white space, an
// optional sign, then digits; no digits gives 0; values beyond the 32-bit
// range saturate.
std::int32_t parseSettingNumber(std::string_view text) noexcept;

// A colour keeps the low 24 bits of what was stored (0x00BBGGRR).
inline constexpr std::uint32_t colourFromSetting(std::int32_t stored) noexcept {
    return static_cast<std::uint32_t>(stored) & 0xFFFFFFu;
}

// A stored piece set outside the three sets falls back to the default set.
inline constexpr int pieceSetFromSetting(std::int32_t stored) noexcept {
    return stored >= 0 && stored <= 2 ? stored : DefaultPieceSet;
}

// Reading and writing the per-user store (QSettings underneath).
struct StoredSettings {
    std::uint32_t lightSquareColor = DefaultLightSquareColor;
    std::uint32_t darkSquareColor = DefaultDarkSquareColor;
    int pieceSetIndex = DefaultPieceSet;
    bool announceMoves = true;
    bool sounds = true;
    bool standardRules = false;
    bool acceptInternetCalls = false;
    TimeControl timeControl;
};

// Reads "dksqu" then "whsqu"; a missing key gives its default.
void readColourSettings(StoredSettings& settings);
// Reads "pieceset"; a missing key gives 1.
void readPieceSetSetting(StoredSettings& settings);
// Reads "announce" and "sounds": any number but 0 (or no key) is on.
void readSwitchSettings(StoredSettings& settings);
// Reads the switches that are off until the user turns them on,
// "standardRules" and "acceptInternetCalls": only "true" (in any case) turns
// either on.
void readOptInSettings(StoredSettings& settings);
// Reads "timeControl": a missing key, or text that is no time control, gives
// none (no clock).
void readTimeControlSetting(StoredSettings& settings);
void writeSwitchSetting(const char* key, bool on);
void writeTimeControlSetting(const TimeControl& control);
// Reads and writes "engines" as it is stored (engine_list.h reads it).
QString readEnginesSetting();
void writeEnginesSetting(const QString& text);
// Writes one key as decimal text. Failures are silent.
void writeSetting(const char* key, std::int64_t number);

}  // namespace orbel
