#include <gtest/gtest.h>

#include <cctype>
#include <sstream>

#include "rules/board.h"
#include "tools/engine/engine_session.h"

namespace orbel::engine {
namespace {

std::string squaresOf(const Board& b) {
    std::string out;
    for (const Square& s : b.squares) out += std::to_string(s.kind) + " " + std::to_string(s.owner) + " ";
    return out;
}

std::string startState(int kingColumn) {
    return "state " + squaresOf(startingPosition(kingColumn)) + "0 0 5 1 1 0 " + std::to_string(kingColumn) + " 0";
}

TEST(EngineSession, StartsWithTheGameTheConstructorMakesForColumnFour) {
    EngineSession s;
    EXPECT_EQ(s.handleLine("get"), startState(4));
    EXPECT_EQ(s.handleLine("new 3"), "ok");
    EXPECT_EQ(s.handleLine("get"), startState(3));
}

TEST(EngineSession, SetAndGetRoundTrip) {
    EngineSession s;
    std::string board;
    Board b;
    b.at(0, 4) = {King, Own};
    b.at(7, 4) = {King, Enemy};
    b.at(3, 3) = {Queen, Enemy};
    board = squaresOf(b);
    const std::string tail = "-7 2147483647 3 0 1 1 3 2 1 4 3 4 100 100 99 99";
    EXPECT_EQ(s.handleLine("set " + board + tail), "ok");
    EXPECT_EQ(s.handleLine("get"), "state " + board + tail);
    EXPECT_EQ(s.game().board, b);
    ASSERT_EQ(s.game().expectedLine.size(), 2u);
    EXPECT_EQ(s.game().expectedLine[1].fromRow, 100);
}

TEST(EngineSession, CandidatesOfTheStartingPosition) {
    EngineSession s;
    EXPECT_EQ(s.handleLine("candidates"),
              "moves 14 1 2 3 2 1 3 3 3 1 4 3 4 1 5 3 5 0 1 2 2 1 3 2 3 1 2 2 2 1 1 2 1 1 1 3 1 "
              "1 6 2 6 1 6 3 6 1 5 2 5 1 4 2 4 0 6 2 5");
    // The generation works on a copy: the held board is unchanged.
    EXPECT_EQ(s.handleLine("get"), startState(4));
}

TEST(EngineSession, StatusesListEveryArrayWithItsLength) {
    EngineSession s;
    Board b;
    b.at(0, 0) = {Rook, Own};
    b.at(0, 7) = {Queen, Enemy};
    ASSERT_EQ(s.handleLine("set " + squaresOf(b) + "0 0 5 0 0 0 4 0"), "ok");
    // The rook: attacked and able to capture along the row, and (being on the
    // back rank) noted as undeveloped.
    EXPECT_EQ(s.handleLine("statuses"), "statuses 1 4 100 0 0 97 1 258 1 258 0 0");
}

TEST(EngineSession, ApplyFlipAttackedMatedLegal) {
    EngineSession s;
    EXPECT_EQ(s.handleLine("apply 1 4 3 4"), "ok");
    EXPECT_EQ(s.game().board.at(3, 4), (Square{Pawn, Own}));
    EXPECT_EQ(s.handleLine("attacked"), "attacked 0");
    EXPECT_EQ(s.handleLine("mated"), "mated 0");
    // The user's pawn (Enemy, moving down) from (6,3) two squares.
    EXPECT_EQ(s.handleLine("legal 6 3 4 3"), "legal 1");
    EXPECT_EQ(s.handleLine("legal 6 3 3 3"), "legal 0");
    EXPECT_EQ(s.handleLine("legal 6 3 4 9"), "legal 0");
    EXPECT_EQ(s.handleLine("legal 6 3 -2147483648 0"), "legal 0");
    EXPECT_EQ(s.game().board.at(6, 3), (Square{Pawn, Enemy})) << "the lifted piece is put back";
    EXPECT_EQ(s.handleLine("flip"), "ok");
    EXPECT_EQ(s.game().board.at(4, 3), (Square{Pawn, Enemy}));
    EXPECT_EQ(s.handleLine("apply 99 99 0 0"), "ok");  // no castling geometry: nothing moves
    EXPECT_EQ(s.handleLine("level 1"), "ok");
    EXPECT_EQ(s.game().level, 1);
}

TEST(EngineSession, CarriageReturnBeforeTheLineEndIsDropped) {
    EngineSession s;
    EXPECT_EQ(s.handleLine("attacked\r"), "attacked 0");
    EXPECT_EQ(s.handleLine("  level\t 2 \r"), "ok");
}

TEST(EngineSession, NumbersMayHaveLeadingZerosButNoPlusSign) {
    EngineSession s;
    EXPECT_EQ(s.handleLine("level 007"), "ok");
    EXPECT_EQ(s.game().level, 7);
    EXPECT_EQ(s.handleLine("level -0009"), "error level out of range");
    EXPECT_EQ(s.handleLine("level +3"), "error not a number: +3");
    EXPECT_EQ(s.handleLine("level 3x"), "error not a number: 3x");
}

struct BadLine {
    const char* line;
    const char* why;
};

void PrintTo(const BadLine& c, std::ostream* os) { *os << c.why; }


class EngineSessionRejects : public ::testing::TestWithParam<BadLine> {};

TEST_P(EngineSessionRejects, WithAnErrorLineAndNoChange) {
    EngineSession s;
    ASSERT_EQ(s.handleLine("apply 1 4 3 4"), "ok");
    const std::string before = s.handleLine("get");
    const std::string answer = s.handleLine(GetParam().line);
    EXPECT_EQ(answer.rfind("error ", 0), 0u) << GetParam().why << ": " << answer;
    EXPECT_EQ(answer.find('\n'), std::string::npos);
    EXPECT_EQ(s.handleLine("get"), before) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(
    MalformedCommands, EngineSessionRejects,
    ::testing::Values(BadLine{"", "empty line"}, BadLine{"   \t ", "only white space"}, BadLine{"\r", "only a carriage return"},
                      BadLine{"jump", "unknown command"}, BadLine{"GET", "commands are lower case"},
                      BadLine{"get 1", "extra argument"}, BadLine{"new", "missing argument"},
                      BadLine{"new 5", "king column out of range"}, BadLine{"new x", "not a number"},
                      BadLine{"new +3", "a plus sign is no number"}, BadLine{"new 3.0", "no fractions"},
                      BadLine{"new -", "a lone minus"}, BadLine{"level 0", "level too low"},
                      BadLine{"level 10", "level too high"}, BadLine{"level 2147483648", "beyond 32 bits"},
                      BadLine{"level -2147483649", "below 32 bits"},
                      BadLine{"level 99999999999999999999999", "far beyond 32 bits"},
                      BadLine{"apply 1 4 3", "three coordinates"}, BadLine{"apply 1 4 3 8", "destination off the board"},
                      BadLine{"apply -1 -1 -1 -1", "no move is not a move record"},
                      BadLine{"apply 99 98 99 99", "castling with a bad side code"},
                      BadLine{"apply 101 101 0 0", "unknown castling code"},
                      BadLine{"legal 3 3 4 4", "no piece on the from-square"},
                      BadLine{"legal 8 0 4 4", "from-square off the board"},
                      BadLine{"set 1 2 3", "set too short"}, BadLine{"flip now", "flip takes nothing"},
                      BadLine{"candidates 1", "candidates take nothing"},
                      BadLine{"evaluate 1", "evaluate takes nothing"}, BadLine{"choose 6 4 4", "three coordinates"},
                      BadLine{"choose -2 -2 -2 -1", "the opening marker is all -2"},
                      BadLine{"choose -1 -1 -1 -1", "no move is no user move"},
                      BadLine{"choose 6 4 8 4", "destination off the board"}),
    [](const ::testing::TestParamInfo<BadLine>& p) {
        std::string name;
        for (const char* c = p.param.why; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name + "_" + std::to_string(p.index);
    });

TEST(EngineSession, ANulByteIsNotWhiteSpace) {
    EngineSession s;
    EXPECT_EQ(s.handleLine(std::string("get\0", 4)).rfind("error ", 0), 0u);
    EXPECT_EQ(s.handleLine(std::string("level\0 3", 9)).rfind("error ", 0), 0u);
}

std::string validSetTail() { return "0 0 5 1 1 0 4 0"; }

TEST(EngineSession, SetRejectsBadSquaresAndRecords) {
    EngineSession s;
    const std::string before = s.handleLine("get");
    Board b = startingPosition(4);
    std::string squares = squaresOf(b);
    EXPECT_EQ(s.handleLine("set " + squares + validSetTail()), "ok");

    auto withSquare = [&](int index, const std::string& pair) {
        std::istringstream in(squares);
        std::string out, kind, owner;
        for (int i = 0; in >> kind >> owner; ++i) out += (i == index ? pair : kind + " " + owner) + " ";
        return out;
    };
    const std::string bad[] = {
        "set " + withSquare(5, "7 100") + validSetTail(),
        "set " + withSquare(5, "0 100") + validSetTail(),
        "set " + withSquare(5, "102 100") + validSetTail(),
        "set " + withSquare(5, "3 102") + validSetTail(),
        "set " + withSquare(5, "3 99") + validSetTail(),
        "set " + squares + "0 0 0 1 1 0 4 0",
        "set " + squares + "0 0 5 2 1 0 4 0",
        "set " + squares + "0 0 5 1 1 0 5 0",
        "set " + squares + "0 0 5 1 1 0 4 65",
        "set " + squares + "0 0 5 1 1 0 4 -1",
        "set " + squares + "0 0 5 1 1 0 4 1",
        "set " + squares + "0 0 5 1 1 0 4 1 1 4 3 4 5",
        "set " + squares + "0 0 5 1 1 0 4 1 1 4 3 8",
        "set " + squares + "0 0 5 1 1 0 4 1 -2 -2 -2 -2",
        "set " + squares + "0 0 5 1 1 0 4 0 7",
    };
    ASSERT_EQ(s.handleLine("new 4"), "ok");
    for (const std::string& line : bad) {
        const std::string answer = s.handleLine(line);
        EXPECT_EQ(answer.rfind("error ", 0), 0u) << line;
        EXPECT_EQ(s.handleLine("get"), before);
    }
    EXPECT_EQ(s.handleLine("set " + squares + "0 0 5 1 1 0 4 1 99 101 -5 123456"), "ok");
}

}  // namespace
}  // namespace orbel::engine
