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
#include "shell/board_window.h"
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
    // How many pixels of a square's piece area differ from its margin's colour.
    int inkOn(int row, int col) {
        window->boardWindow()->grab();
        const QImage& img = window->boardWindow()->surface();
        const QRect area = pieceRect(row, col);
        const QColor square = img.pixelColor(area.topLeft() - QPoint(4, 4));
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) ink += img.pixelColor(x, y) != square;
        return ink;
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
    struct Row {
        const char* name;
        QString path;
        const char* reason;  // nullptr: loaded, as Load Game loads it
    };
    const Row rows[] = {
        {"a name that does not exist", folder.filePath(QStringLiteral("nowhere.KRV")), "No such file"},
        {"a folder", folder.path(), ""},
        {"an empty file", write(QStringLiteral("empty.KRV"), ""), "not an Orbel Chess saved game"},
        {"words where the squares should be", write(QStringLiteral("text.KRV"), "100 4 rook"),
         "not an Orbel Chess saved game"},
        {"a whole board and nothing after it", write(QStringLiteral("board.KRV"), bytes), nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        restart();
        answerNewGame(false, ctl::Medium);
        startUp(*window, r.path);
        if (!r.reason) {
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(dialogsShown, 0);
            EXPECT_EQ(ui().game.displayBoard, boardOnly.displayBoard);
            EXPECT_EQ(ui().game.whiteHistory.count, 0);
            EXPECT_EQ(ui().game.currentGame->level, LevelHard);
            continue;
        }
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, "Load Game");
        EXPECT_EQ(boxes[0].icon, MessageIcon::Stop);
        EXPECT_TRUE(boxes[0].owned);
        EXPECT_TRUE(boxes[0].text.contains(r.path)) << boxes[0].text.toStdString();
        EXPECT_TRUE(boxes[0].text.contains(QString::fromUtf8(r.reason))) << boxes[0].text.toStdString();
        // Then the start every run without a saved game has.
        EXPECT_EQ(dialogsShown, 1);
        ASSERT_TRUE(ui().game.currentGame);
        EXPECT_FALSE(ui().humanPlaysBlack);
        EXPECT_EQ(ui().game.currentGame->level, LevelMedium);
        EXPECT_EQ(ui().game.whiteHistory.count, 0);
        EXPECT_TRUE(ui().fileDialogPath.isEmpty());
    }
}

}  // namespace
}  // namespace orbel::testing
