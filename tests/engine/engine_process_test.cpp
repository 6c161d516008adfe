// Drives the real orbel-engine executable through a script, as a user of the
// tool would: through a pipe, with Windows line ends, bad lines and a last
// line without its line end.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

struct EngineRun {
    int exitCode;
    std::string output;
};

EngineRun runEngine(const std::string& input) {
    const auto dir = std::filesystem::temp_directory_path() / ("orbel-engine-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const auto in = dir / "in.txt";
    const auto out = dir / "out.txt";
    std::ofstream(in, std::ios::binary) << input;
    const std::string cmd = std::string("'") + ORBEL_ENGINE_PATH + "' < '" + in.string() + "' > '" + out.string() + "'";
    const int status = std::system(cmd.c_str());
    std::ifstream result(out, std::ios::binary);
    std::stringstream text;
    text << result.rdbuf();
    std::filesystem::remove_all(dir);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
}

TEST(EngineProcess, AnswersEveryLineOnceAndExitsCleanly) {
    const std::string script =
        "new 3\r\n"
        "level 1\n"
        "\n"
        "frobnicate\n"
        "apply 6 4 4 4\n"
        "legal 6 3 4 3\n"
        "legal 1 4 3 4 5\n"
        "attacked\n"
        "flip\r\n"
        "mated\n"
        "level 2147483648\n"
        "candidates\n"
        "statuses\n"
        "get";  // no line end at the very end
    // An expected answer ending in a space is the start of the answer.
    const std::vector<std::string> expected = {"ok",      "ok",     "error ",  "error ",    "ok",
                                               "legal 1", "error ", "attacked 0", "ok",     "mated 0",
                                               "error ",  "moves ", "statuses ",  "state "};
    const EngineRun run = runEngine(script);
    EXPECT_EQ(run.exitCode, 0);
    const std::vector<std::string> answers = lines(run.output);
    ASSERT_EQ(answers.size(), expected.size()) << run.output;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const std::string& e = expected[i];
        EXPECT_EQ(e.back() == ' ' ? answers[i].substr(0, e.size()) : answers[i], e) << "answer " << i;
    }
    EXPECT_EQ(run.output.back(), '\n');
}

TEST(EngineProcess, EmptyInputGivesNoOutput) {
    const EngineRun run = runEngine("");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.output.empty());
}

TEST(EngineProcess, BinaryGarbageIsAnsweredLineByLine) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 7919) % 256);
    std::size_t newlines = 0;
    for (char c : junk) newlines += c == '\n';
    const EngineRun run = runEngine(junk + "\nget\n");
    EXPECT_EQ(run.exitCode, 0);
    const std::vector<std::string> answers = lines(run.output);
    ASSERT_EQ(answers.size(), newlines + 2);
    for (std::size_t i = 0; i + 1 < answers.size(); ++i) EXPECT_EQ(answers[i].rfind("error ", 0), 0u) << i;
    EXPECT_EQ(answers.back().rfind("state ", 0), 0u);
}

}  // namespace
