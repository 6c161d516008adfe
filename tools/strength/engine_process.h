// A chess engine as a child process: its standard input and output through
// pipes, every wait bounded. The engine is another maker's program and may
// hang, die or babble; nothing here waits for it without a deadline, and a
// process started here is always reaped. POSIX only.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace orbel::strength {

class EngineProcess {
public:
    EngineProcess() = default;
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    // Starts `path` with no arguments; "" when it runs, else why not.
    std::string start(const std::string& path);
    bool running() const { return pid_ > 0; }

    // One line to the engine. False when it cannot take it before the
    // deadline or its input is closed.
    bool send(std::string_view line, std::chrono::milliseconds within = std::chrono::milliseconds(2000));

    enum class Read { Line, Timeout, Closed };
    // The engine's next line (without its line end) into `line`, waiting at
    // most until `deadline`. A line longer than the protocol's longest is
    // skipped whole.
    Read readLine(std::string& line, std::chrono::steady_clock::time_point deadline);

    // "quit", a short wait for the engine to go, then SIGKILL; reaps it.
    void stop();

private:
    bool fillBuffer(std::chrono::steady_clock::time_point deadline, Read& outcome);
    std::optional<std::string> takeLine();

    pid_t pid_ = -1;
    int toEngine_ = -1;
    int fromEngine_ = -1;
    std::string buffer_;
    bool skipping_ = false;  // inside a line too long to keep
};

}  // namespace orbel::strength
