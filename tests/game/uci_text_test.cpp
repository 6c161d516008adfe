// What is said to an engine and what is believed of its lines: rows of lines
// as engines write them (and as a broken one might), moves against the
// rules, and the strength commands for the engines Debian ships.
#include <gtest/gtest.h>

#include "game/engine/uci_text.h"
#include "game/notation/fen.h"

namespace orbel::uci {
namespace {

StandardPosition at(const char* fen) {
    StandardPosition p = initialPosition();
    p.rules = RuleSet::Standard;
    EXPECT_EQ(readFen(fen, p), "") << fen;
    return p;
}

TEST(UciText, LinesAreReadStrictly) {
    using K = Line::Kind;
    struct Row {
        std::string line;
        K kind;
        std::string text;
    } rows[] = {
        {"id name Stockfish 15.1", K::IdName, "Stockfish 15.1"},
        {"id name Crafty", K::IdName, "Crafty"},
        {"id author the Stockfish developers (see AUTHORS file)", K::IdAuthor,
         "the Stockfish developers (see AUTHORS file)"},
        {"uciok", K::UciOk, ""},
        {"  readyok\t", K::ReadyOk, ""},
        {"bestmove e2e4 ponder e7e5", K::BestMove, "e2e4"},
        {"bestmove", K::Other, ""},
        {"uciok now", K::Other, ""},
        {"option name Skill Level", K::Other, ""},
        {"\x01\xFF garbage", K::Other, ""},
        {"info string " + std::string(MaxLineLength, 'x'), K::Other, ""},  // too long to read at all
    };
    for (const Row& row : rows) {
        const Line line = readLine(row.line);
        EXPECT_EQ(line.kind, row.kind) << row.line.substr(0, 40);
        EXPECT_EQ(line.text, row.text) << row.line.substr(0, 40);
    }
    const Line option = readLine("option name Skill Level type spin default 20 min 0 max 20");
    EXPECT_EQ(option.option.name, "Skill Level");
    EXPECT_EQ(option.option.type, "spin");
    EXPECT_EQ(std::tie(option.option.standard, option.option.min, option.option.max), std::tuple(20, 0, 20));
    const Info info = readLine("info depth 12 seldepth 18 score cp -34 upperbound nodes 99 pv e2e4 e7e5 g1f3").info;
    EXPECT_EQ(info.depth, 12);
    EXPECT_EQ(info.centipawns, -34);
    EXPECT_EQ(info.pv, (std::vector<std::string>{"e2e4", "e7e5", "g1f3"}));
    EXPECT_EQ(readLine("info score mate -3 string pv a1a2").info.mateIn, -3);
    EXPECT_TRUE(readLine("info depth x string pv a1a2").info.pv.empty());
}

TEST(UciText, AMoveIsBelievedOnlyWhenLegal) {
    const StandardPosition start = at("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    const StandardPosition promote = at("4k3/1P6/8/8/8/8/8/R3K2R w KQ - 0 1");
    struct Row {
        const StandardPosition& position;
        const char* text;
        const char* readsAs;  // null: refused
    } rows[] = {
        {start, "e2e4", "e2e4"}, {start, "e2e5", nullptr},  {start, "e7e5", nullptr},
        {start, "0000", nullptr}, {start, "e2e4q", nullptr}, {start, "E2E4", nullptr},
        {start, "e2e4 ", nullptr}, {promote, "b7b8n", "b7b8n"}, {promote, "b7b8", nullptr},
        {promote, "b7b8k", nullptr}, {promote, "e1g1", "e1g1"}, {promote, "e1c1", "e1c1"},
    };
    for (const Row& row : rows) {
        const std::optional<StandardMove> move = readMove(row.position, row.text);
        EXPECT_EQ(move ? moveText(*move) : "refused", row.readsAs ? row.readsAs : "refused") << row.text;
    }
    EXPECT_EQ(readMove(promote, "e1g1")->castle, Castle::Short);
}

TEST(UciText, CommandsSaidToTheEngine) {
    const StandardPosition start = at("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    EXPECT_EQ(positionCommand(start, {*readMove(start, "e2e4")}),
              "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 moves e2e4");
    GoLimits fixed;
    fixed.moveTimeMs = 250;
    EXPECT_EQ(goCommand(fixed), "go movetime 250");
    EXPECT_EQ(goDeadlineMs(fixed, Side::White), 5250);
    GoLimits clocks{0, true, 180000, 2000, 2000, 2000, 40};
    EXPECT_EQ(goCommand(clocks), "go wtime 180000 btime 2000 winc 2000 binc 2000 movestogo 40");
    EXPECT_EQ(goDeadlineMs(clocks, Side::Black), 9000);
}

TEST(UciText, TheBrainPaneReadsTheLineAsFarAsItIsLegal) {
    const StandardPosition start = at("rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1");
    const StandardPosition black = at("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1");
    struct Row {
        const StandardPosition& position;
        const char* line;
        const char* shown;
    } rows[] = {
        {start, "info depth 12 score cp 34 pv e2e4 e7e5 g1f3 e5e4 b8c6",
         "Brain:\n1. e4 e5 2. Nf3\n\nValue: +0.34, depth 12"},
        {black, "info depth 3 score cp -5 pv e7e5 g1f3", "Brain:\n1... e5 2. Nf3\n\nValue: -0.05, depth 3"},
        {start, "info depth 20 score cp 30 pv e2e4 e7e5 g1f3 b8c6 f1b5 a7a6 b5a4 g8f6 e1g1 f8e7",
         "Brain:\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 4. Ba4 Nf6\n\nValue: +0.30, depth 20"},
        {start, "info depth 30 score mate 3 pv", "Brain:\n\n\nValue: mate in 3, depth 30"},
        {black, "info depth 1 score mate -2", "Brain:\n\n\nValue: mated in 2, depth 1"},
        {start, "info depth 1", "Brain:\n\n\nValue: ?, depth 1"},
    };
    for (const Row& row : rows) EXPECT_EQ(brainText(row.position, readLine(row.line).info), row.shown) << row.line;
}

TEST(UciText, StrengthByEloSkillLevelOrTime) {
    const std::vector<Option> stockfish = {{"Skill Level", "spin", 0, 20, 20},
                                           {"UCI_LimitStrength", "check", 0, 0, 0},
                                           {"UCI_Elo", "spin", 1350, 2850, 1350}};
    const std::vector<Option> skillOnly = {{"Skill Level", "spin", 0, 20, 20}};
    const std::vector<Option> neither = {{"Hash", "spin", 4, 1024, 16}};
    using Commands = std::vector<std::string>;
    EXPECT_EQ(strengthCommands(stockfish, 1500),
              (Commands{"setoption name UCI_LimitStrength value true", "setoption name UCI_Elo value 1500"}));
    EXPECT_EQ(strengthCommands(stockfish, 3500)[1], "setoption name UCI_Elo value 2850");
    EXPECT_EQ(strengthCommands(stockfish, 1000),
              (Commands{"setoption name UCI_LimitStrength value false", "setoption name Skill Level value 0"}));
    EXPECT_EQ(strengthCommands(stockfish, std::nullopt),
              (Commands{"setoption name UCI_LimitStrength value false", "setoption name Skill Level value 20"}));
    EXPECT_EQ(strengthCommands(skillOnly, 1925), (Commands{"setoption name Skill Level value 10"}));
    EXPECT_EQ(strengthCommands(neither, 1500), Commands{});
    EXPECT_EQ(strengthMoveTimeMs(stockfish, 1500), 1000);
    EXPECT_EQ(strengthMoveTimeMs(neither, 900), 50);
    EXPECT_EQ(strengthMoveTimeMs(neither, 2500), 2000);
}

}  // namespace
}  // namespace orbel::uci
