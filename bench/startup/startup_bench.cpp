// Start-up side by side: each program named on the command line is started
// in turn, round after round, and ended at its first idle moment by the
// preloaded quit_when_idle library. Reports the median wall time from start
// to that moment, the CPU time spent by then, and the peak resident memory.
//
//   startup_bench [--runs N] NAME=PROGRAM [ARGS...] [-- NAME=PROGRAM ...]
//
// The first program is the yardstick the others are compared with. Settings
// go to a fresh folder, never the user's. Use the platform of the display it
// runs on (xvfb-run for X11), or QT_QPA_PLATFORM=offscreen.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Program {
    std::string name;
    std::vector<std::string> argv;
    std::vector<double> wallMs, cpuMs, rssKb;
};

double median(std::vector<double> v) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// One start of the program; false when it did not reach an idle moment.
bool startOnce(Program& p) {
    int report[2];
    if (pipe(report) != 0) return false;
    const auto begun = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        close(report[0]);
        setenv("ORBEL_STARTUP_REPORT_FD", std::to_string(report[1]).c_str(), 1);
        setenv("LD_PRELOAD", ORBEL_QUIT_WHEN_IDLE, 1);
        std::vector<char*> args;
        for (std::string& a : p.argv) args.push_back(a.data());
        args.push_back(nullptr);
        execv(args[0], args.data());
        _exit(127);
    }
    close(report[1]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const double wall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begun).count();
    char line[64] = {};
    const ssize_t n = read(report[0], line, sizeof line - 1);
    close(report[0]);
    if (n <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    p.wallMs.push_back(wall);
    p.cpuMs.push_back(std::atof(line));
    p.rssKb.push_back(static_cast<double>(usage.ru_maxrss));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 15;
    std::vector<Program> programs;
    bool newProgram = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc && programs.empty()) {
            runs = std::max(1, std::atoi(argv[++i]));
        } else if (arg == "--") {
            newProgram = true;
        } else if (newProgram) {
            const auto eq = arg.find('=');
            if (eq == std::string::npos) break;
            programs.push_back({arg.substr(0, eq), {arg.substr(eq + 1)}, {}, {}, {}});
            newProgram = false;
        } else {
            programs.back().argv.push_back(arg);
        }
    }
    if (programs.empty()) {
        std::fprintf(stderr, "usage: startup_bench [--runs N] NAME=PROGRAM [ARGS...] [-- NAME=PROGRAM ...]\n");
        return 2;
    }
    char config[] = "/tmp/orbel-startup-XXXXXX";
    if (!mkdtemp(config)) return 1;
    setenv("XDG_CONFIG_HOME", config, 1);
    // One warm-up start each (file cache, font cache), then the rounds.
    for (Program& p : programs) startOnce(p), p.wallMs.clear(), p.cpuMs.clear(), p.rssKb.clear();
    for (int r = 0; r < runs; ++r)
        for (Program& p : programs)
            if (!startOnce(p)) std::fprintf(stderr, "%s: no idle moment reached\n", p.name.c_str());

    const Program& base = programs.front();
    std::printf("%d runs each, medians\n%-12s %10s %8s %10s %8s %10s %8s\n", runs, "program", "wall ms", "x", "cpu ms",
                "x", "RSS MiB", "x");
    for (const Program& p : programs) {
        std::printf("%-12s %10.1f %8.2f %10.1f %8.2f %10.1f %8.2f\n", p.name.c_str(), median(p.wallMs),
                    median(p.wallMs) / median(base.wallMs), median(p.cpuMs), median(p.cpuMs) / median(base.cpuMs),
                    median(p.rssKb) / 1024, median(p.rssKb) / median(base.rssKb));
    }
    return 0;
}
