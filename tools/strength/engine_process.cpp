#include "tools/strength/engine_process.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <utility>

#include "game/engine/uci_text.h"

extern char** environ;

namespace orbel::strength {

namespace {

using Clock = std::chrono::steady_clock;

int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::clamp<long long>(left, 0, 60'000));
}

void closeFd(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

// The child gets the engine's ends of the pipes as its standard input and
// output, nothing else of ours, and SIGPIPE back at its default: this
// program ignores it, and an ignored signal would stay ignored across exec.
// It leads a process group of its own, so that a kill takes whatever it
// started too.
int spawnEngine(pid_t& pid, const std::string& path, int childIn, int childOut) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, childIn, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, childOut, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
    std::string program = path;
    char* argv[] = {program.data(), nullptr};
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return spawned;
}

}  // namespace

EngineProcess::~EngineProcess() { stop(); }

std::string EngineProcess::start(const std::string& path) {
    stop();
    int in[2], out[2];
    if (pipe2(in, O_CLOEXEC) != 0) return std::string("no pipe: ") + std::strerror(errno);
    if (pipe2(out, O_CLOEXEC) != 0) {
        const int error = errno;
        close(in[0]), close(in[1]);
        return std::string("no pipe: ") + std::strerror(error);
    }
    const int spawned = spawnEngine(pid_, path, in[0], out[1]);
    close(in[0]);
    close(out[1]);
    if (spawned != 0) {
        close(in[1]), close(out[0]);
        pid_ = -1;
        return "cannot start " + path + ": " + std::strerror(spawned);
    }
    toEngine_ = in[1];
    fromEngine_ = out[0];
    // Writes wait in poll, with a deadline, never in write itself.
    fcntl(toEngine_, F_SETFL, fcntl(toEngine_, F_GETFL) | O_NONBLOCK);
    buffer_.clear();
    skipping_ = false;
    return {};
}

bool EngineProcess::send(std::string_view line, std::chrono::milliseconds within) {
    if (toEngine_ < 0) return false;
    const std::string text = std::string(line) + "\n";
    const Clock::time_point deadline = Clock::now() + within;
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = write(toEngine_, text.data() + written, text.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN) return false;  // EPIPE: the engine is gone
        pollfd ready{toEngine_, POLLOUT, 0};
        if (Clock::now() >= deadline || poll(&ready, 1, millisecondsUntil(deadline)) == 0) return false;
    }
    return true;
}

std::optional<std::string> EngineProcess::takeLine() {
    for (;;) {
        const std::size_t end = buffer_.find('\n');
        if (end == std::string::npos) return std::nullopt;
        std::string line = buffer_.substr(0, end);
        buffer_.erase(0, end + 1);
        if (std::exchange(skipping_, false)) continue;  // the tail of a line too long to keep
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return line;
    }
}

bool EngineProcess::fillBuffer(Clock::time_point deadline, Read& outcome) {
    pollfd ready{fromEngine_, POLLIN, 0};
    const int polled = poll(&ready, 1, millisecondsUntil(deadline));
    if (polled < 0 && errno == EINTR) return true;
    if (polled <= 0) {
        outcome = polled == 0 ? Read::Timeout : Read::Closed;
        return false;
    }
    char chunk[4096];
    const ssize_t n = read(fromEngine_, chunk, sizeof chunk);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return true;
    if (n <= 0) {
        outcome = Read::Closed;
        return false;
    }
    buffer_.append(chunk, static_cast<std::size_t>(n));
    if (buffer_.find('\n') == std::string::npos && buffer_.size() > uci::MaxLineLength) {
        buffer_.clear();
        skipping_ = true;
    }
    return true;
}

EngineProcess::Read EngineProcess::readLine(std::string& line, Clock::time_point deadline) {
    if (fromEngine_ < 0) return Read::Closed;
    for (;;) {
        if (std::optional<std::string> next = takeLine()) {
            line = std::move(*next);
            return Read::Line;
        }
        Read outcome = Read::Timeout;
        if (!fillBuffer(deadline, outcome)) return outcome;
        if (Clock::now() >= deadline && buffer_.find('\n') == std::string::npos) return Read::Timeout;
    }
}

void EngineProcess::stop() {
    if (pid_ <= 0) return;
    send("quit", std::chrono::milliseconds(200));
    closeFd(toEngine_);
    int status = 0;
    bool reaped = false;
    // An engine that minds "quit" is gone within a second; one that does not
    // is killed with its group. The pid is ours until reaped, so the group
    // it leads is too.
    for (int i = 0; i < 100 && !reaped; ++i) {
        reaped = waitpid(pid_, &status, WNOHANG) == pid_;
        if (!reaped) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (!reaped) {
        kill(-pid_, SIGKILL);
        while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {}
    }
    closeFd(fromEngine_);
    pid_ = -1;
    buffer_.clear();
}

}  // namespace orbel::strength
