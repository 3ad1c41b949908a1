// Start-up of the drill against a bare toolkit window, on whatever display
// the environment names (DISPLAY for an X server, QT_QPA_PLATFORM=offscreen).
// Both programs are started in turn, alternating which goes first, with the
// start-up probe switched on: each prints the monotonic time of its first
// paint that shows what it is for and ends at once. Start-up is that time
// less the time just before the process was spawned; the CPU time and the
// peak memory (maximum resident set size) are what the kernel reports for the
// process when it has ended.
//
// usage: startup_compare LABEL RUNS OURS BARE BARE_NAME TARGET
//   BARE_NAME names the reference program in the table ("bare window");
//   TARGET is the limit on the ratio ours / bare, or "-" for none.
#include "table_row.h"

#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Launch {
    double startupMs;
    double cpuMs; // user and system time of the process
    double peakKib;
};

double Milliseconds(const timeval& time) {
    return time.tv_sec * 1e3 + time.tv_usec / 1e3;
}

long long MonotonicNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Starts the program, reads the time it prints and waits for it to end.
Launch Run(const std::string& program) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        throw std::runtime_error("pipe failed");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};

    pid_t pid = 0;
    const long long spawnedAt = MonotonicNs();
    const int spawnError = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawnError != 0) {
        close(pipeEnds[0]);
        throw std::runtime_error("cannot start " + program);
    }

    std::string printed;
    pollfd watch{pipeEnds[0], POLLIN, 0};
    constexpr int kTimeoutMs = 60'000;
    while (poll(&watch, 1, kTimeoutMs) > 0) {
        char buffer[256];
        const ssize_t n = read(pipeEnds[0], buffer, sizeof buffer);
        if (n <= 0) {
            break;
        }
        printed.append(buffer, static_cast<std::size_t>(n));
    }
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    if (printed.empty()) {
        kill(pid, SIGKILL);
    }
    wait4(pid, &status, 0, &usage);
    if (printed.empty() || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(program + " did not report its first paint");
    }
    const long long paintedAt = std::stoll(printed);
    return {(paintedAt - spawnedAt) / 1e6,
            Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss)};
}

std::vector<double> Ratios(const std::vector<double>& ours, const std::vector<double>& bare) {
    std::vector<double> ratios;
    for (std::size_t i = 0; i < ours.size(); ++i) {
        ratios.push_back(ours[i] / bare[i]);
    }
    return ratios;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 7) {
        std::fprintf(stderr, "usage: %s LABEL RUNS OURS BARE BARE_NAME TARGET\n", argv[0]);
        return 2;
    }
    const std::string label = argv[1];
    const int runs = std::atoi(argv[2]);
    const std::string ours = argv[3];
    const std::string bare = argv[4];
    const std::string bareName = argv[5];
    const bool hasTarget = std::string(argv[6]) != "-";
    const double target = hasTarget ? std::atof(argv[6]) : 0;
    setenv("OHM_DRILL_STARTUP_PROBE", "1", 1);

    try {
        // One start of each first, so that both find their files in the cache.
        Run(ours);
        Run(bare);

        std::vector<double> oursMs, bareMs, oursCpu, bareCpu, oursKib, bareKib;
        for (int run = 0; run < runs; ++run) {
            const bool oursFirst = run % 2 == 0;
            const Launch first = Run(oursFirst ? ours : bare);
            const Launch second = Run(oursFirst ? bare : ours);
            const Launch& o = oursFirst ? first : second;
            const Launch& b = oursFirst ? second : first;
            oursMs.push_back(o.startupMs);
            bareMs.push_back(b.startupMs);
            oursCpu.push_back(o.cpuMs);
            bareCpu.push_back(b.cpuMs);
            oursKib.push_back(o.peakKib);
            bareKib.push_back(b.peakKib);
            std::fprintf(stderr,
                         "%s run %2d: ours %7.1f ms (CPU %5.1f ms) %6.0f KiB, "
                         "bare %7.1f ms (CPU %5.1f ms) %6.0f KiB\n",
                         label.c_str(), run + 1, o.startupMs, o.cpuMs, o.peakKib, b.startupMs,
                         b.cpuMs, b.peakKib);
        }

        const double timeRatio = Median(Ratios(oursMs, bareMs));
        const double memoryRatio = Median(Ratios(oursKib, bareKib));
        const std::string limit = hasTarget ? Format("<= %.2fx", target) : "-";
        PrintRow(
            {Format("Start to first paint: %s, median of %d alternating runs", label.c_str(), runs),
             Format("%.1f ms", Median(oursMs)),
             Format("%s %.1f ms", bareName.c_str(), Median(bareMs)),
             Format("%.2fx (median of per-run ratios; p25-p75 %.2f-%.2f)", timeRatio,
                    Quantile(Ratios(oursMs, bareMs), 0.25), Quantile(Ratios(oursMs, bareMs), 0.75)),
             limit, hasTarget ? MetBelow(timeRatio, target) : "-"});
        // The processor time the two spend, which other work on the machine
        // changes far less than their wall time.
        const double cpuRatio = Median(Ratios(oursCpu, bareCpu));
        PrintRow({Format("CPU time (user + system) to first paint: %s", label.c_str()),
                  Format("%.1f ms", Median(oursCpu)),
                  Format("%s %.1f ms", bareName.c_str(), Median(bareCpu)),
                  Format("%.2fx (median of per-run ratios)", cpuRatio), "-", "-"});
        PrintRow({Format("Peak memory (max RSS) to first paint: %s", label.c_str()),
                  Mebibytes(Median(oursKib)), bareName + " " + Mebibytes(Median(bareKib)),
                  Format("%.2fx (median of per-run ratios)", memoryRatio), limit,
                  hasTarget ? MetBelow(memoryRatio, target) : "-"});
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup_compare: %s\n", error.what());
        return 1;
    }
    return 0;
}
