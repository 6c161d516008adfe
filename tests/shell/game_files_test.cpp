// Save Game and Load Game through the real window: the file dialog answered
// as a user would, real files in a temporary folder.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

#include "game/new_game.h"
#include "game/one_player.h"
#include "game/window_messages.h"
#include "shell/dialogs.h"
#include "tests/shell/window_fixture.h"

namespace orbel::testing {
namespace {

// A new game's file: the 64 squares, two empty lists and the game's fields.
constexpr int NewGameFileSize = 462;

class GameFilesTest : public WindowTest {
protected:
    // The next file dialog: checks what it shows, then takes `name` (in the
    // temporary folder unless absolute).
    void answerFile(const QString& name, QString* shownPath = nullptr) {
        const QString path = QDir::isAbsolutePath(name) ? name : folder.filePath(name);
        answerNextDialog([path, shownPath](QDialog& d) {
            auto& files = dynamic_cast<QFileDialog&>(d);
            EXPECT_EQ(files.nameFilters(), QStringList{QStringLiteral("Orbel Chess Saved Game Files (*.KRV)")});
            EXPECT_EQ(files.defaultSuffix(), QStringLiteral("KRV"));
            EXPECT_TRUE(files.testOption(QFileDialog::DontConfirmOverwrite));
            if (shownPath) *shownPath = files.selectedFiles().value(0);
            files.selectFile(path);
            d.accept();  // QFileDialog::accept, as its Save or Open button does
            return files.result();
        });
    }
    void save(const QString& name) {
        answerFile(name);
        window->sendCommand(cmd::SaveGame);
    }
    void load(const QString& name) {
        answerFile(name);
        window->sendCommand(cmd::LoadGame);
    }
    QByteArray contents(const QString& name) {
        QFile f(folder.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const QString& name, const QByteArray& bytes) {
        QFile f(folder.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Leaves the window on another game, so a load has something to replace.
    void playSomethingElse() {
        newOnePlayerGame(false, ctl::Easy);
        drag(6, 4, 4, 4);
        waitForComputer();
    }

    QTemporaryDir folder;
};

TEST_F(GameFilesTest, ANewGameSavesAsItsExactBytesUnderTheDefaultSuffixOverAnyOldFile) {
    startWith(false, ctl::Hard);
    write(QStringLiteral("opening.KRV"), "something else entirely");  // replaced without asking
    save(QStringLiteral("opening"));  // typed without an extension
    const QByteArray bytes = contents(QStringLiteral("opening.KRV"));
    EXPECT_EQ(bytes.size(), NewGameFileSize);
    EXPECT_TRUE(bytes.startsWith("100 4 100 2 100 3 100 6 100 5 100 3 100 2 100 4 100 1 "));
    EXPECT_TRUE(bytes.endsWith("101 2 101 4  0 1 1 0 0 0 5"));
    EXPECT_TRUE(boxes.empty());

    // The next dialog, Save or Load, shows the path chosen last.
    QString shown;
    answerFile(QStringLiteral("opening.KRV"), &shown);
    window->sendCommand(cmd::LoadGame);
    EXPECT_EQ(shown, folder.filePath(QStringLiteral("opening.KRV")));
}

TEST_F(GameFilesTest, AGameComesBackWithItsPositionListsLevelAndSide) {
    struct Row {
        const char* name;
        bool black;
        int level;
    };
    for (const Row r : {Row{"White at Medium", false, ctl::Medium}, Row{"Black at Easy", true, ctl::Easy}}) {
        SCOPED_TRACE(r.name);
        newOnePlayerGame(r.black, r.level);
        drag(6, 4, 4, 4);
        waitForComputer();
        drag(6, 3, 5, 3);
        waitForComputer();
        const UiState saved = ui();
        const int savedLevel = ui().game.currentGame->level;
        save(QStringLiteral("game"));

        newOnePlayerGame(!r.black, ctl::Hard);
        sounds.clear();
        load(QStringLiteral("game.KRV"));
        const GameRecord& g = ui().game;
        EXPECT_EQ(g.displayBoard, saved.game.displayBoard);
        EXPECT_EQ(g.currentGame->board, saved.game.displayBoard);
        EXPECT_EQ(ui().humanPlaysBlack, r.black);
        EXPECT_EQ(g.currentGame->ownKingColumn, r.black ? 4 : 3);
        EXPECT_EQ(g.currentGame->level, savedLevel);
        EXPECT_EQ(g.currentGame->moveCount, 0);
        EXPECT_FALSE(g.computerMove.isMove());  // no frame left from the other game
        EXPECT_EQ(linesOf(g.whiteHistory), linesOf(saved.game.whiteHistory));
        EXPECT_EQ(linesOf(g.blackHistory), linesOf(saved.game.blackHistory));
        EXPECT_EQ(window->installedMode(), &onePlayerProc);
        EXPECT_FALSE(window->action(cmd::UndoMove)->isEnabled());
        EXPECT_TRUE(sounds.empty());
        EXPECT_TRUE(boxes.empty());
    }
}

TEST_F(GameFilesTest, ATwoPlayerGameContinuesAgainstTheComputerAtHard) {
    startWith(false, ctl::Easy);
    window->sendCommand(cmd::NewTwoPlayerGame);
    drag(6, 3, 4, 3);
    drag(1, 3, 3, 3);
    save(QStringLiteral("two.KRV"));
    load(QStringLiteral("two.KRV"));
    EXPECT_EQ(window->installedMode(), &onePlayerProc);
    EXPECT_EQ(ui().game.currentGame->level, LevelHard);
    EXPECT_EQ(linesOf(ui().game.whiteHistory), std::vector<std::string>{"e4"});
    EXPECT_EQ(linesOf(ui().game.blackHistory), std::vector<std::string>{"e5"});
    drag(6, 4, 4, 4);  // d2-d4, then the computer answers as Black
    waitForComputer();
    EXPECT_EQ(ui().game.whiteHistory.count, 2);
    EXPECT_EQ(ui().game.blackHistory.count, 2);
}

TEST_F(GameFilesTest, AFailedSaveSaysSoAndLeavesTheOldFileAsItWas) {
    startWith(false, ctl::Hard);
    const QByteArray old = "100 4 the game saved before";
    write(QStringLiteral("kept.KRV"), old);
    // The disk fills up half-way through the write.
    window->seams().saveWriter = [](QIODevice& file, const QByteArray& bytes) {
        file.write(bytes.left(bytes.size() / 2));
        return false;
    };
    save(QStringLiteral("kept.KRV"));
    EXPECT_EQ(contents(QStringLiteral("kept.KRV")), old);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Save Game");
    EXPECT_EQ(boxes[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(boxes[0].text.contains(folder.filePath(QStringLiteral("kept.KRV"))));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.KRV")});

    // A folder that does not exist: nothing is written, and the user is told.
    window->seams().saveWriter = nullptr;
    boxes.clear();
    save(folder.filePath(QStringLiteral("missing/game.KRV")));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(QFile::exists(folder.filePath(QStringLiteral("missing/game.KRV"))));
}

TEST_F(GameFilesTest, UnreadableFilesKeepWhatTheyCannotSayAndStillStartAGame) {
    struct Row {
        const char* name;
        QByteArray bytes;  // null: the file does not exist
        bool boardKept;
    };
    const QByteArray start = [] {
        QByteArray b;
        for (int i = 0; i < 64; ++i) b += i < 16 ? "100 1 " : i < 48 ? "102 102 " : "101 1 ";
        return b;
    }();  // pawns only: a board a file can be seen to have set
    const Row rows[] = {
        {"a name that does not exist", QByteArray(), true},
        {"an empty file", QByteArray(""), true},
        {"a word where a square should be", QByteArray("100 4 rook"), true},
        {"a level out of range", start + " 0 1 1 0 0 0 99", false},
        {"a count no file could hold", start + " 0 1 1 0 2147483647 0 5", false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        playSomethingElse();
        const Board before = ui().game.displayBoard;
        if (!r.bytes.isNull()) write(QStringLiteral("bad.KRV"), r.bytes);
        load(r.bytes.isNull() ? QStringLiteral("nowhere.KRV") : QStringLiteral("bad.KRV"));
        const GameRecord& g = ui().game;
        EXPECT_EQ(g.displayBoard == before, r.boardKept);
        EXPECT_EQ(g.currentGame->board, g.displayBoard);
        EXPECT_EQ(g.whiteHistory.count, 0);
        EXPECT_EQ(g.blackHistory.count, 0);
        EXPECT_EQ(g.currentGame->level, LevelHard);
        EXPECT_EQ(window->installedMode(), &onePlayerProc);
        EXPECT_TRUE(boxes.empty());
        QFile::remove(folder.filePath(QStringLiteral("bad.KRV")));
    }
}

}  // namespace
}  // namespace orbel::testing
