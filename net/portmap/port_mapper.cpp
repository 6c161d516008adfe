#include "net/portmap/port_mapper.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <vector>

#include "rules/words.h"

extern char** environ;

namespace orbel {
namespace {

constexpr const char* HelperName = "orbel-chess-portmap";
// No line of the helper's is longer; anything longer is not from it.
constexpr std::size_t MaxLineLength = 512;

using Clock = std::chrono::steady_clock;

PortMapState notMapped(std::string reason) {
    PortMapState state;
    state.phase = PortMapState::Phase::NotMapped;
    state.reason = std::move(reason);
    return state;
}

bool isExecutable(const std::string& path) { return !path.empty() && access(path.c_str(), X_OK) == 0; }

void closeIfOpen(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

// What a helper's end says about the attempt it was in. The reasons here
// are shown in the user's language (networkAddressLines looks them up); the
// helper's own come in English.
std::string endReason(int status) {
    if (WIFSIGNALED(status) && WTERMSIG(status) == SIGALRM)
        return ORBEL_WORD("orbel::PortMapper", "the router did not answer in time");
    if (WIFSIGNALED(status)) return ORBEL_WORD("orbel::PortMapper", "the router's answers could not be read");
    return ORBEL_WORD("orbel::PortMapper", "the port-mapping helper ended");
}

}  // namespace

std::string findPortMapHelper(const std::string& programDir) {
    for (const std::string& path : {programDir + "/" + HelperName,
                                    programDir + "/../" ORBEL_LIBEXEC_SUBDIR "/" + HelperName})
        if (isExecutable(path)) return path;
    return {};
}

PortMapper::PortMapper(PortMapOptions options) : options_(std::move(options)) {
    int wake[2];
    if (pipe2(wake, O_CLOEXEC) != 0) {
        state_ = notMapped(ORBEL_WORD("orbel::PortMapper", "no pipe for the port-mapping helper"));
        return;
    }
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    worker_ = std::thread([this] { run(); });
}

PortMapper::~PortMapper() {
    requestStop();
    if (worker_.joinable()) worker_.join();
    closeIfOpen(wakeRead_);
    closeIfOpen(wakeWrite_);
}

void PortMapper::requestStop() {
    if (wakeWrite_ < 0) return;
    const char stop = 's';
    // The pipe holds far more than one byte per call; a full pipe already says stop.
    [[maybe_unused]] const ssize_t n = write(wakeWrite_, &stop, 1);
}

PortMapState PortMapper::state() const {
    std::lock_guard lock(mutex_);
    return state_;
}

PortMapState PortMapper::waitUntilSettled(std::chrono::milliseconds limit) const {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, limit, [this] { return state_.phase != PortMapState::Phase::Trying; });
    return state_;
}

void PortMapper::settle(PortMapState next) {
    {
        std::lock_guard lock(mutex_);
        next.pinholeAddress = std::move(state_.pinholeAddress);
        next.pinholeProtocol = std::move(state_.pinholeProtocol);
        state_ = std::move(next);
    }
    changed_.notify_all();
}

namespace {

// "ADDRESS PORT HOW", as "mapped" and "pinholed" lines end.
bool readGrant(std::string_view rest, std::string& address, std::uint16_t& port, std::string& how) {
    const std::size_t gap = rest.find(' ');
    std::string_view portText = gap == std::string_view::npos ? std::string_view() : rest.substr(gap + 1);
    const std::size_t howGap = portText.find(' ');
    how = howGap == std::string_view::npos ? std::string() : std::string(portText.substr(howGap + 1));
    portText = portText.substr(0, howGap);
    unsigned number = 0;
    const auto [end, error] = std::from_chars(portText.data(), portText.data() + portText.size(), number);
    if (gap == 0 || gap == std::string_view::npos || error != std::errc() ||
        end != portText.data() + portText.size() || number == 0 || number > 65535)
        return false;
    address = rest.substr(0, gap);
    port = static_cast<std::uint16_t>(number);
    return true;
}

}  // namespace

void PortMapper::handleLine(std::string_view line) {
    const std::size_t space = line.find(' ');
    const std::string_view word = line.substr(0, space);
    const std::string_view rest = space == std::string_view::npos ? std::string_view() : line.substr(space + 1);
    PortMapState next;
    if (word == "mapped") {
        if (!readGrant(rest, next.outsideAddress, next.outsidePort, next.protocol)) return;
        next.phase = PortMapState::Phase::Mapped;
        everMapped_ = true;
        settle(std::move(next));
    } else if (word == "failed") {
        settle(notMapped(std::string(rest)));
    } else if (word == "removed") {
        forgetPinhole();
        settle(notMapped("removed at exit"));
    } else if (word == "pinholed" || word == "unpinholed") {
        std::uint16_t port = 0;
        if (word == "pinholed" && !readGrant(rest, next.pinholeAddress, port, next.pinholeProtocol)) return;
        everMapped_ = everMapped_ || word == "pinholed";
        std::lock_guard lock(mutex_);
        state_.pinholeAddress = next.pinholeAddress;
        state_.pinholeProtocol = next.pinholeProtocol;
    }
}

void PortMapper::forgetPinhole() {
    std::lock_guard lock(mutex_);
    state_.pinholeAddress.clear();
    state_.pinholeProtocol.clear();
}

bool PortMapper::readLines(int fd) {
    char chunk[256];
    const ssize_t n = read(fd, chunk, sizeof chunk);
    if (n < 0) return errno == EINTR || errno == EAGAIN;
    if (n == 0) return false;
    pending_.append(chunk, static_cast<std::size_t>(n));
    for (std::size_t end; (end = pending_.find('\n')) != std::string::npos; pending_.erase(0, end + 1))
        handleLine(std::string_view(pending_).substr(0, end));
    if (pending_.size() > MaxLineLength) pending_.clear();
    return true;
}

pid_t PortMapper::spawnHelper(int toHelper, int fromHelper) const {
    const std::vector<std::string> args = {options_.helperPath,
                                           "--port", std::to_string(options_.port),
                                           "--lease", std::to_string(options_.lease.count()),
                                           "--discover-ms", std::to_string(options_.discoveryLimit.count()),
                                           "--attempt-s", std::to_string(options_.attemptLimit.count()),
                                           "--remove-ms", std::to_string(options_.removeLimit.count()),
                                           "--description", options_.description,
                                           "--protocols", options_.protocols};
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    // Only the two pipes reach the helper: not the game's listening socket,
    // which would otherwise stay bound while a helper lingers.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toHelper, STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, fromHelper, STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    pid_t helper = -1;
    const int spawned = posix_spawn(&helper, options_.helperPath.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? helper : -1;
}

void PortMapper::run() {
    int toHelper[2] = {-1, -1};
    int fromHelper[2] = {-1, -1};
    if (options_.helperPath.empty() || pipe2(toHelper, O_CLOEXEC) != 0 || pipe2(fromHelper, O_CLOEXEC) != 0) {
        for (int& fd : toHelper) closeIfOpen(fd);
        settle(notMapped(ORBEL_WORD("orbel::PortMapper", "the port-mapping helper is missing")));
        return;
    }
    const pid_t helper = spawnHelper(toHelper[0], fromHelper[1]);
    closeIfOpen(toHelper[0]);
    closeIfOpen(fromHelper[1]);
    if (helper == -1) {
        closeIfOpen(toHelper[1]);
        closeIfOpen(fromHelper[0]);
        settle(notMapped(ORBEL_WORD("orbel::PortMapper", "the port-mapping helper could not be started")));
        return;
    }

    followHelper(helper, toHelper[1], fromHelper[0]);
    closeIfOpen(toHelper[1]);
    closeIfOpen(fromHelper[0]);
}

void PortMapper::followHelper(pid_t helper, int& toHelper, int fromHelper) {
    bool stopRequested = false;
    bool helperEnded = false;
    while (!stopRequested && !helperEnded) {
        pollfd fds[2] = {{fromHelper, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 && errno != EINTR) break;
        // What the helper said comes first: a "mapped" read only after the
        // stop would leave the mapping behind.
        if (fds[0].revents != 0) helperEnded = !readLines(fromHelper);
        stopRequested = fds[1].revents != 0;
    }

    if (!helperEnded) {
        shutDown(helper, toHelper, fromHelper, everMapped_);
    } else {
        int status = 0;
        while (waitpid(helper, &status, 0) < 0 && errno == EINTR) {}
        forgetPinhole();
        if (state().phase != PortMapState::Phase::NotMapped)
            settle(notMapped(endReason(status)));
    }
}

// Mapped: the helper removes the mapping when its input closes, given
// removeLimit. Not mapped yet: there is nothing to remove, and a helper in
// the middle of discovery is not waited for.
void PortMapper::shutDown(pid_t helper, int& toHelper, int fromHelper, bool mapped) {
    if (mapped) {
        closeIfOpen(toHelper);
        const Clock::time_point deadline = Clock::now() + options_.removeLimit;
        while (true) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
            pollfd from{fromHelper, POLLIN, 0};
            if (left <= 0 || poll(&from, 1, static_cast<int>(left)) == 0) break;
            if (from.revents != 0 && !readLines(fromHelper)) break;  // it has ended
        }
    }
    kill(helper, SIGKILL);  // the pid is ours until reaped below, so this can hit no other process
    int status = 0;
    while (waitpid(helper, &status, 0) < 0 && errno == EINTR) {}
    forgetPinhole();
    if (state().phase != PortMapState::Phase::NotMapped)
        settle(notMapped("stopped"));
}

}  // namespace orbel
