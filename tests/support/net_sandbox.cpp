#include "tests/support/net_sandbox.h"

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/golden.h"

extern char** environ;

namespace orbel::testing {
namespace {

constexpr const char* Miniupnpd = "/usr/sbin/miniupnpd";
const std::string Path = "PATH=/usr/sbin:/sbin:/usr/bin:/bin ";

// What miniupnpd (2.3, nftables) adds its rules to.
constexpr const char* Firewall = R"(table inet filter {
  chain forward { type filter hook forward priority 0; policy drop; ct state established,related accept; jump miniupnpd; }
  chain miniupnpd { }
  chain prerouting { type nat hook prerouting priority -100; policy accept; jump prerouting_miniupnpd; }
  chain prerouting_miniupnpd { }
  chain postrouting { type nat hook postrouting priority 100; policy accept; jump postrouting_miniupnpd; }
  chain postrouting_miniupnpd { }
}
)";

std::string commandOutput(const std::string& command) {
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

}  // namespace

NetSandbox::NetSandbox() {
    static std::atomic<int> made{0};
    prefix_ = "orbel" + std::to_string(getpid()) + "x" + std::to_string(made++);
    if (geteuid() != 0) {
        whyNot_ = "making network namespaces needs root";
        return;
    }
    removeLeftovers();
    folder_ = (std::filesystem::temp_directory_path() / prefix_).string();
    std::filesystem::create_directories(folder_);
    const std::string home = "ip -n " + name(Place::Home), router = "ip -n " + name(Place::Router),
                      outside = "ip -n " + name(Place::Outside);
    const std::string steps[] = {
        "ip netns add " + name(Place::Home), "ip netns add " + name(Place::Router),
        "ip netns add " + name(Place::Outside),
        "ip link add lan netns " + name(Place::Router) + " type veth peer name lan netns " + name(Place::Home),
        "ip link add wan netns " + name(Place::Router) + " type veth peer name wan netns " + name(Place::Outside),
        home + " addr add 10.41.28.2/24 dev lan", home + " addr add 2001:db8:4128::2/64 dev lan nodad",
        home + " addr add fd41:28::2/64 dev lan nodad", router + " addr add 10.41.28.1/24 dev lan",
        router + " addr add 2001:db8:4128::1/64 dev lan nodad",
        router + " addr add 203.0.113.1/24 dev wan", outside + " addr add 203.0.113.2/24 dev wan",
        router + " addr add 2001:db8:ffff::1/64 dev wan nodad", outside + " addr add 2001:db8:ffff::2/64 dev wan nodad",
        home + " link set lo up", home + " link set lan up", router + " link set lo up", router + " link set lan up",
        router + " link set wan up", outside + " link set lo up", outside + " link set wan up",
        home + " route add default via 10.41.28.1", home + " -6 route add default via 2001:db8:4128::1",
        outside + " -6 route add default via 2001:db8:ffff::1",
        "ip netns exec " + name(Place::Router) + " sysctl -qw net.ipv4.ip_forward=1 net.ipv6.conf.all.forwarding=1"};
    for (const std::string& step : steps) {
        if (!shell(step)) {
            whyNot_ = "cannot make network namespaces here (" + step + " failed)";
            return;
        }
    }
}

bool NetSandbox::relinkHome(const std::string& routerAddress) const {
    const std::string home = "ip -n " + name(Place::Home), router = "ip -n " + name(Place::Router);
    const std::string steps[] = {
        "ip link add lan netns " + name(Place::Router) + " type veth peer name lan netns " + name(Place::Home),
        home + " addr add 10.41.28.2/24 dev lan", home + " addr add 2001:db8:4128::2/64 dev lan nodad",
        router + " addr add " + routerAddress + "/24 dev lan", router + " addr add 2001:db8:4128::1/64 dev lan nodad",
        home + " link set lan up", router + " link set lan up", home + " route add default via " + routerAddress,
        home + " -6 route add default via 2001:db8:4128::1"};
    for (const std::string& step : steps)
        if (!shell(step)) return false;
    return true;
}

bool NetSandbox::enter(Place place) {
    if (left_ < 0) left_ = open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
    const int there = open(("/run/netns/" + name(place)).c_str(), O_RDONLY | O_CLOEXEC);
    const bool entered = left_ >= 0 && there >= 0 && setns(there, CLONE_NEWNET) == 0;
    if (there >= 0) close(there);
    return entered;
}

NetSandbox::~NetSandbox() {
    if (left_ >= 0) {
        setns(left_, CLONE_NEWNET);
        close(left_);
    }
    if (router_ > 0) {
        kill(router_, SIGTERM);
        int status = 0;
        waitpid(router_, &status, 0);
    }
    for (const Place place : {Place::Home, Place::Router, Place::Outside}) shell("ip netns del " + name(place));
    if (!folder_.empty()) std::filesystem::remove_all(folder_);
}

// A test that was killed cannot take its namespaces away: the next one does,
// for every process of ours that has ended.
void NetSandbox::removeLeftovers() const {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/run/netns", error)) {
        const std::string name = entry.path().filename().string();
        unsigned long pid = 0;
        char x = 0;
        if (std::sscanf(name.c_str(), "orbel%lux%c", &pid, &x) == 2 && x >= '0' && x <= '9' && pid > 0 &&
            kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
            shell("ip netns del " + name);
    }
}

std::string NetSandbox::name(Place place) const {
    return prefix_ + (place == Place::Home ? "h" : place == Place::Router ? "r" : "o");
}

bool NetSandbox::shell(const std::string& command) const {
    return std::system((Path + command + " >/dev/null 2>&1").c_str()) == 0;
}

bool NetSandbox::startRouter(const std::string& extraConfig) {
    if (!whyNot_.empty()) return false;
    if (access(Miniupnpd, X_OK) != 0) {
        whyNot_ = "miniupnpd is not installed (tools/install-deps.sh installs it)";
        return false;
    }
    writeFile(folder_ + "/firewall.nft", Firewall);
    if (!shell("ip netns exec " + name(Place::Router) + " nft -f " + folder_ + "/firewall.nft")) {
        whyNot_ = "nftables does not work in a network namespace here";
        return false;
    }
    writeFile(folder_ + "/miniupnpd.conf",
              "ext_ifname=wan\next_ifname6=wan\nlistening_ip=lan\n"
              "http_port=0\nenable_natpmp=no\nenable_upnp=yes\n"
              "secure_mode=yes\nsystem_uptime=yes\nuuid=3f1a6b2c-4128-4c8e-9d2a-0a1b2c3d4e5f\n"
              "ext_ip=" + std::string(OutsideAddress) + "\n" + extraConfig +
              "\nallow 1024-65535 0.0.0.0/0 1024-65535\ndeny 0-65535 0.0.0.0/0 0-65535\n");
    const std::string log = folder_ + "/miniupnpd.log";
    const std::string conf = folder_ + "/miniupnpd.conf", pid = folder_ + "/miniupnpd.pid";
    const char* argv[] = {Miniupnpd, "-d", "-f", conf.c_str(), "-P", pid.c_str(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    int spawned = -1;
    // Started from a thread in the router's namespace, it runs there.
    run(Place::Router, [&] {
        spawned = posix_spawn(&router_, Miniupnpd, &actions, nullptr, const_cast<char**>(argv), environ);
    });
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        router_ = -1;
        whyNot_ = "miniupnpd could not be started";
        return false;
    }
    // Ready once it has joined the SSDP group (239.255.255.250, as the
    // kernel lists it): it logs its HTTP port before it even listens for SSDP.
    const std::string groups = "/proc/" + std::to_string(router_) + "/net/igmp";
    for (int tries = 0; tries < 500; ++tries) {
        if (readFile(groups).find("FAFFFFEF") != std::string::npos) return true;
        if (waitpid(router_, nullptr, WNOHANG) == router_) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    whyNot_ = "miniupnpd did not start:\n" + readFile(log);
    return false;
}

std::string NetSandbox::routerForwards() const {
    return commandOutput(Path + "ip netns exec " + name(Place::Router) +
                         " nft list chain inet filter prerouting_miniupnpd 2>&1");
}

int NetSandbox::mappingRequests() const {
    std::istringstream log(readFile(folder_ + "/miniupnpd.log"));
    int count = 0;
    for (std::string line; std::getline(log, line);) count += line.find("AddPortMapping: ext port") != std::string::npos;
    return count;
}

bool NetSandbox::inside(Place place, const std::function<void()>& work) const {
    const int home = open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
    const int there = open(("/run/netns/" + name(place)).c_str(), O_RDONLY | O_CLOEXEC);
    const bool entered = home >= 0 && there >= 0 && setns(there, CLONE_NEWNET) == 0;
    if (entered) work();
    const bool back = home >= 0 && setns(home, CLONE_NEWNET) == 0;
    for (const int fd : {home, there})
        if (fd >= 0) close(fd);
    return entered && back;
}

std::thread NetSandbox::thread(Place place, std::function<void()> work) const {
    const std::string path = "/run/netns/" + name(place);
    return std::thread([path, work = std::move(work)] {
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        const bool entered = fd >= 0 && setns(fd, CLONE_NEWNET) == 0;
        if (fd >= 0) close(fd);
        if (entered) work();
        else std::fprintf(stderr, "NetSandbox: could not enter %s; nothing run\n", path.c_str());
    });
}

}  // namespace orbel::testing
