// The scenarios (scenarios/*.txt) run: each file's scenarios a test each,
// their steps in order, the first failing step ending the scenario. The
// language is scenario.h's.
#include <QApplication>
#include <fstream>

#include "tests/shell/scenario.h"

namespace orbel::testing {

void PrintTo(const ScenarioText& s, std::ostream* os) { *os << s.file << ": " << s.name; }

namespace {

std::vector<ScenarioText> load(const char* file) {
    std::vector<ScenarioText> out;
    std::ifstream in(std::string(ORBEL_SCENARIO_DIR) + "/" + file);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        line.erase(0, line.find_first_not_of(" \t"));
        line.erase(line.find_last_not_of(" \t\r") + 1);
        if (++number, line.rfind("== ", 0) == 0) out.push_back({file, line.substr(3), {}});
        else if (!line.empty() && line[0] != '#' && !out.empty()) out.back().steps.push_back({number, line});
    }
    return out;
}

std::string testName(const ::testing::TestParamInfo<ScenarioText>& info) {
    std::string out;
    bool upper = true;
    for (const char c : info.param.name) {
        if (std::isalnum(static_cast<unsigned char>(c))) out += upper ? static_cast<char>(std::toupper(c)) : c;
        upper = !std::isalnum(static_cast<unsigned char>(c));
    }
    return out;
}

}  // namespace

void Scenario::run(const Step& step) {
    Words in(step.text);
    std::string verb = word(in);
    on = verb.size() == 2 && verb[1] == ':' ? std::exchange(verb, word(in))[0] : 'a';
    line = step.line;
    if (verb.rfind("expect", 0) == 0) return expect(verb, in, step);
    const auto found = Verbs.find(verb);
    if (found == Verbs.end()) return ADD_FAILURE() << "no such step: " << step.text;
    found->second(*this, in);
}

void Scenario::expect(const std::string& how, Words& in, const Step& step) {
    const std::string name = word(in), arg = probeTakesArgument(name) ? word(in) : "";
    const QString wanted = QString::fromStdString(rest(in));
    QString got;
    const auto holds = [&] {
        got = probe(name, arg).replace(folder.path(), "{dir}").replace('\\', "\\\\").replace('\n', "\\n");
        got = got.replace('\r', "\\r").replace(QChar(0x2068), "\\u2068").replace(QChar(0x2069), "\\u2069").trimmed();
        return how == "expect-start" ? got.startsWith(wanted) : how == "expect-end" ? got.endsWith(wanted)
             : how == "expect-has" ? got.contains(wanted) : how == "expect-not" ? got != wanted : got == wanted;
    };
    if (QTest::qWaitFor(holds, 20000)) {
        if (name == "raw") rawRead.clear();
        return;
    }
    ADD_FAILURE_AT((std::string(ORBEL_SCENARIO_DIR) + "/" + GetParam().file).c_str(), step.line)
        << step.text << "\n  but " << name << " " << arg << " is \"" << got.toStdString() << '"';
}

QString Scenario::probe(const std::string& name, const std::string& arg) {
    const auto found = Probes.find(name);
    if (found != Probes.end()) return found->second(Seen{*this, me(), window(), arg});
    ADD_FAILURE() << "no probe " << name;
    return {};
}

TEST_P(Scenario, Runs) {
    for (const Step& step : GetParam().steps) {
        SCOPED_TRACE(::testing::Message() << GetParam().file << ":" << step.line);
        run(step);
        if (stop || HasFailure()) break;
    }
    if (!skip.isEmpty()) GTEST_SKIP() << skip.toStdString();
}

INSTANTIATE_TEST_SUITE_P(OnePlayer, Scenario, ::testing::ValuesIn(load("one_player.txt")), testName);
INSTANTIATE_TEST_SUITE_P(TwoPlayer, Scenario, ::testing::ValuesIn(load("two_player.txt")), testName);
INSTANTIATE_TEST_SUITE_P(Keyboard, Scenario, ::testing::ValuesIn(load("keyboard.txt")), testName);
INSTANTIATE_TEST_SUITE_P(Network, Scenario, ::testing::ValuesIn(load("network.txt")), testName);
INSTANTIATE_TEST_SUITE_P(Window, Scenario, ::testing::ValuesIn(load("window.txt")), testName);
INSTANTIATE_TEST_SUITE_P(Files, Scenario, ::testing::ValuesIn(load("files.txt")), testName);
INSTANTIATE_TEST_SUITE_P(Settings, Scenario, ::testing::ValuesIn(load("settings.txt")), testName);
INSTANTIATE_TEST_SUITE_P(StandardRules, Scenario, ::testing::ValuesIn(load("standard_rules.txt")), testName);
INSTANTIATE_TEST_SUITE_P(Clocks, Scenario, ::testing::ValuesIn(load("clocks.txt")), testName);
INSTANTIATE_TEST_SUITE_P(Languages, Scenario, ::testing::ValuesIn(load("languages.txt")), testName);

}  // namespace orbel::testing
