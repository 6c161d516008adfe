// A saved game named on the command line, through the real start-up: the
// file written by the game's own writer into a temporary folder.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "game/new_game.h"
#include "game/one_player.h"
#include "game/window_messages.h"
#include "savegame/saved_game.h"
#include "shell/dialogs.h"
#include "shell/start_up.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

class StartUpTest : public WindowTest {
protected:
    // A game a few moves old: White's e-pawn and Black's d-pawn forward.
    static SavedGame someGame() {
        GameRecord start;
        start.newGame(false);
        SavedGame game;
        game.displayBoard = start.displayBoard;
        std::swap(game.displayBoard.at(6, 4), game.displayBoard.at(4, 4));
        std::swap(game.displayBoard.at(1, 3), game.displayBoard.at(3, 3));
        game.whiteHistory.setLine(0, "e4");
        game.whiteHistory.count = 1;
        game.blackHistory.setLine(0, "d5");
        game.blackHistory.count = 1;
        game.level = LevelEasy;
        return game;
    }
    QString write(const QString& name, const std::string& bytes) {
        QFile f(folder.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
        return f.fileName();
    }
    // A new window, as a new run of the program has.
    void restart() {
        TearDown();
        boxes.clear();
        dialogAnswers.clear();
        dialogsShown = 0;
        SetUp();
    }

    QTemporaryDir folder;
};

TEST_F(StartUpTest, ASavedGameNamedAtStartIsLoadedInPlaceOfNewGameSetup) {
    const SavedGame game = someGame();
    const QString path = write(QStringLiteral("game.KRV"), writeSavedGame(game));
    // As a file manager passes it: relative to the folder it started in.
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    startUp(*window, QStringLiteral("game.KRV"));
    QDir::setCurrent(before);

    EXPECT_EQ(dialogsShown, 0);
    EXPECT_TRUE(boxes.empty());
    const GameRecord& g = ui().game;
    ASSERT_TRUE(g.currentGame);
    EXPECT_EQ(g.displayBoard, game.displayBoard);
    EXPECT_EQ(g.currentGame->board, game.displayBoard);
    EXPECT_EQ(g.currentGame->level, LevelEasy);
    EXPECT_FALSE(ui().humanPlaysBlack);
    EXPECT_EQ(g.whiteHistory.count, 1);
    EXPECT_EQ(g.whiteHistory.lines[0], "e4");
    EXPECT_EQ(g.blackHistory.lines[0], "d5");
    EXPECT_EQ(window->installedMode(), &onePlayerProc);
    EXPECT_FALSE(window->action(cmd::UndoMove)->isEnabled());
    // The next Save or Load dialog offers the file that was opened.
    EXPECT_EQ(ui().fileDialogPath, path);
    // Drawn as loaded: the pawn on its new square, none on the old one.
    EXPECT_GT(inkOn(4, 4), 0);
    EXPECT_EQ(inkOn(6, 4), 0);
    // And the game goes on against the computer.
    drag(6, 3, 5, 3);
    waitForComputer();
    EXPECT_EQ(ui().game.blackHistory.count, 2);
}

TEST_F(StartUpTest, WhatIsNoSavedGameIsToldAndNewGameSetupFollows) {
    SavedGame boardOnly = someGame();
    std::string bytes = writeSavedGame(boardOnly);
    bytes.resize(bytes.find("  "));  // the 64 squares and nothing after them
    const struct {
        const char* name;
        QString path;
        const char* reason;  // nullptr: loaded, as Load Game loads it
    } rows[] = {
        {"a name that does not exist", folder.filePath(QStringLiteral("nowhere.KRV")), "No such file"},
        {"a folder", folder.path(), ""},
        {"an empty file", write(QStringLiteral("empty.KRV"), ""), "not an Orbel Chess saved game"},
        {"words where the squares should be", write(QStringLiteral("text.KRV"), "100 4 rook"),
         "not an Orbel Chess saved game"},
        {"a whole board and nothing after it", write(QStringLiteral("board.KRV"), bytes), nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        const bool loaded = !r.reason;
        restart();
        answerNewGame(false, ctl::Medium);
        startUp(*window, r.path);
        ASSERT_EQ(boxes.size(), loaded ? 0u : 1u);
        for (const ShownBox& box : boxes) {
            EXPECT_EQ(box.caption, "Load Game");
            EXPECT_EQ(box.icon, MessageIcon::Stop);
            EXPECT_TRUE(box.owned);
            EXPECT_TRUE(box.text.contains(r.path)) << box.text.toStdString();
            EXPECT_TRUE(box.text.contains(QString::fromUtf8(r.reason))) << box.text.toStdString();
        }
        // Otherwise the start every run without a saved game has.
        EXPECT_EQ(dialogsShown, loaded ? 0 : 1);
        ASSERT_TRUE(ui().game.currentGame);
        EXPECT_EQ(ui().game.displayBoard, loaded ? boardOnly.displayBoard : startingPosition(3));
        // A file without the flag keeps the window's first value, Black.
        EXPECT_EQ(ui().humanPlaysBlack, loaded);
        EXPECT_EQ(ui().game.currentGame->level, loaded ? LevelHard : LevelMedium);
        EXPECT_EQ(ui().game.whiteHistory.count, 0);
        EXPECT_EQ(ui().fileDialogPath, loaded ? r.path : QString());
    }
}

}  // namespace
}  // namespace orbel::testing
