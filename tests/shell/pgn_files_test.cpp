// Games in and out for other chess programs through the real window: games
// played with the mouse, exported to a file and the clipboard, judged by
// Debian's pgn-extract, and opened again. (Texts the window must refuse, and
// an export that stops early, are scenarios in scenarios/files.txt.)
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <random>

#include "rules/held_frame.h"
#include "rules/standard_moves.h"
#include "game/notation/fen.h"
#include "shell/resource_ids.h"
#include "shell/pgn_files.h"
#include "tests/shell/window_fixture.h"
#include "tests/support/golden.h"
#include "tests/support/pgn_extract.h"

namespace orbel::testing {
namespace {

std::vector<std::string> linesOf(const MoveHistory& list) {
    return {list.lines.begin(), list.lines.begin() + list.count};
}

class PgnFilesTest : public WindowTest {
protected:
    // The next file dialog takes `name` in the temporary folder.
    void answerFile(const QString& name) {
        const QString path = folder.filePath(name);
        answerNextDialog([path](QDialog& d) {
            auto& files = dynamic_cast<QFileDialog&>(d);
            files.selectFile(path);
            d.accept();
            return files.result();
        });
    }
    // The user's move given in standard terms, dragged on the drawn board.
    void play(const StandardMove& m) {
        const Side bottom = window->table().userSide();
        drag(placeOf(m.from, bottom), placeOf(m.to, bottom));
    }
    // Moves picked at random among the legal ones, each answered by the
    // computer in a game against it, until the game ends or `count` were
    // played. The kept position follows the drawn board all along.
    void playRandomly(unsigned seed, int count) {
        std::mt19937 rng(seed);
        std::vector<StandardMove> legal;
        const Game& game = window->game();
        for (int i = 0; i < count && game.result() == "*"; ++i) {
            legalMoves(game.position(), legal);
            if (legal.empty()) break;
            play(legal[std::uniform_int_distribution<std::size_t>(0, legal.size() - 1)(rng)]);
            if (window->table().mode() == Table::Mode::OnePlayer) waitForComputer();
            ASSERT_EQ(game.keptPosition().squares, game.position().squares) << "after ply " << i;
        }
    }

    QTemporaryDir folder;
};

// Every way of playing, exported, judged by pgn-extract, opened again: the
// same moves, the same position and, written in the program's notation, the
// same lists.
TEST_F(PgnFilesTest, APlayedGameGoesOutAndComesBackAsItWas) {
    struct Row {
        const char* name;
        Table::Mode mode;
        bool black;
        int level;
        unsigned seed;
        const char* fen = nullptr;  // pasted: the game begins there
        std::vector<StandardMove> script = {};  // the user's first moves
        bool playedOn = false;  // past a resignation: the export begins there
    };
    const Row rows[] = {
        {"White at Easy", Table::Mode::OnePlayer, false, ctl::Easy, 1},
        {"Black at Medium", Table::Mode::OnePlayer, true, ctl::Medium, 2},
        {"White at Hard", Table::Mode::OnePlayer, false, ctl::Hard, 3},
        {"two players", Table::Mode::TwoPlayer, false, ctl::Easy, 4},
        {"a castle and a promotion", Table::Mode::OnePlayer, false, ctl::Hard, 5, "4k2r/PP4pp/8/8/8/8/8/R3K2R w KQk - 0 40",
         {{4, 6, Castle::Short, false}, {48, 56, Castle::None, true}}},
        {"Black to move first", Table::Mode::OnePlayer, true, ctl::Medium, 7,
         "rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq - 0 1"},
        // The computer resigns at once; its final position is played on.
        {"played on after a resignation", Table::Mode::OnePlayer, false, ctl::Easy, 6, "4k3/PP6/8/8/8/8/8/R3K2R w KQ - 0 40",
         {{4, 6, Castle::Short, false}, {48, 56, Castle::None, true}}, true},
    };
    int checked = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        newOnePlayerGame(r.black, r.level);
        if (r.mode == Table::Mode::TwoPlayer) command(Command::NewTwoPlayerGame);
        if (r.fen) {
            QGuiApplication::clipboard()->setText(QString::fromLatin1(r.fen));
            command(Command::PasteGameText);
        }
        for (const StandardMove& m : r.script) {
            play(m);
            waitForComputer();
        }
        playRandomly(r.seed, 30);
        boxes.clear();  // a mate's
        const Game& game = window->game();
        const struct {
            StandardPosition start, current;
            std::vector<StandardMove> moves;
            std::string result;
            MoveHistory white, black;
        } played{game.start(), game.keptPosition(), game.moves(), game.result(),
                 window->lists().list(Side::White), window->lists().list(Side::Black)};
        const QString file = QStringLiteral("%1.pgn").arg(r.seed);
        answerFile(file);
        command(Command::ExportGame);
        command(Command::CopyGame);
        ASSERT_TRUE(boxes.empty()) << boxes[0].text.toStdString();
        QFile out(folder.filePath(file));
        ASSERT_TRUE(out.open(QIODevice::ReadOnly));
        const QByteArray exported = out.readAll();
        EXPECT_EQ(QString::fromUtf8(exported), QGuiApplication::clipboard()->text());
        for (const QByteArray& line : exported.split('\n')) EXPECT_LE(line.size(), 80) << line.toStdString();
        const bool vsComputer = r.mode == Table::Mode::OnePlayer;
        const QByteArray computer = r.level == ctl::Easy ? "Computer (Easy)" : r.level == ctl::Medium ? "Computer (Medium)"
                                                                                                      : "Computer (Hard)";
        EXPECT_TRUE(exported.contains("[White \"" + (vsComputer && r.black ? computer : "Player") + "\"]\n"));
        EXPECT_TRUE(exported.contains("[Black \"" + (vsComputer && !r.black ? computer : "Player") + "\"]\n"));

        const PgnExtractVerdict verdict = replayWithPgnExtract(folder.filePath(file).toStdString());
        EXPECT_EQ(verdict.complaints, "") << exported.toStdString();
        EXPECT_EQ(comparableFen(verdict.finalFen), comparableFen(writeFen(played.current))) << verdict.output;
        ++checked;
        std::cout << r.name << ": " << played.moves.size() << " plies, " << played.result << '\n';
        command(Command::CopyPosition);
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromStdString(writeFen(played.current)));

        newOnePlayerGame(false, ctl::Medium);  // the level the opened game is played at
        answerFile(file);
        command(Command::OpenGameText);
        ASSERT_TRUE(boxes.empty()) << boxes[0].text.toStdString();
        EXPECT_EQ(game.moves(), played.moves);
        EXPECT_EQ(game.keptPosition(), played.current);
        // The computer's mate is written as its result; the opened game shows the move.
        for (const bool white : {true, false}) {
            std::vector<std::string> shown = linesOf(window->lists().list(white ? Side::White : Side::Black));
            std::vector<std::string> written = linesOf(white ? played.white : played.black);
            if (!written.empty() && (written.back() == "1-0" || written.back() == "0-1")) shown.back() = written.back();
            if (r.playedOn && written.size() >= shown.size()) written.erase(written.begin(), written.end() - shown.size());
            EXPECT_EQ(shown, written);
        }
        // The user plays the side to move; the computer waits for them.
        const Side user = window->table().userSide();
        EXPECT_EQ(user, played.current.toMove);
        const GameState& seat = *game.seat().game();
        EXPECT_EQ(seat.board, heldBoard(played.current, other(user)));
        EXPECT_EQ(seat.level, LevelMedium);
        EXPECT_EQ(seat.moveCount, 2 * (played.start.fullMove - 1) + (played.start.toMove == Side::Black) +
                                      static_cast<int>(played.moves.size()));
        EXPECT_EQ(window->table().mode(), Table::Mode::OnePlayer);
        EXPECT_FALSE(window->action(Command::UndoMove)->isEnabled());
    }
    std::cout << checked << " games played in the window checked by pgn-extract\n";
}

}  // namespace
}  // namespace orbel::testing
