// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up and peak memory, started in turns with a bare window that has the same
// kinds and number of controls and no logic.
#include "bench.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace
{

struct StartUp {
    double seconds;
    double peakKilobytes;
};

// Starts a program that prints "shown <peak kB>" once its window is painted; measures the
// time from the start of the process to that line. Seconds are negative when it failed.
StartUp startOnce(const std::string &program)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return {-1, 0};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char *argv[] = {const_cast<char *>(program.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t child;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return {-1, 0};
    }
    char line[64] = {};
    std::size_t used = 0;
    while (used < sizeof line - 1) {
        const ssize_t got = read(pipeEnds[0], line + used, sizeof line - 1 - used);
        if (got <= 0 || std::memchr(line + used, '\n', static_cast<std::size_t>(got)))
            break;
        used += static_cast<std::size_t>(got);
    }
    const auto shown = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    long kilobytes = 0;
    if (std::sscanf(line, "shown %ld", &kilobytes) != 1)
        return {-1, 0};
    return {std::chrono::duration<double>(shown - start).count(), static_cast<double>(kilobytes)};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// The program's start-up against the bare window's, started in turns so that both see the
// same machine; the time is the program's, the counters give both medians.
void startUp(benchmark::State &state, const std::string &folder)
{
    std::vector<double> own, bare, ownPeak, barePeak;
    for (auto _ : state) {
        const bool bareFirst = own.size() % 2 == 1;
        StartUp b{}, o{};
        if (bareFirst)
            b = startOnce(folder + "/bare_window");
        o = startOnce(folder + "/startup_dorvane");
        if (!bareFirst)
            b = startOnce(folder + "/bare_window");
        if (o.seconds < 0 || b.seconds < 0) {
            state.SkipWithError("a program did not report its window");
            return;
        }
        own.push_back(o.seconds);
        bare.push_back(b.seconds);
        ownPeak.push_back(o.peakKilobytes);
        barePeak.push_back(b.peakKilobytes);
        state.SetIterationTime(o.seconds);
    }
    state.counters["own_ms"] = median(own) * 1e3;
    state.counters["bare_ms"] = median(bare) * 1e3;
    state.counters["own_peak_kB"] = median(ownPeak);
    state.counters["bare_peak_kB"] = median(barePeak);
}

} // namespace

namespace bench
{

void registerStartUp(const std::string &folder)
{
    benchmark::RegisterBenchmark("start-up", startUp, folder)
        ->UseManualTime()
        ->Iterations(20)
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
