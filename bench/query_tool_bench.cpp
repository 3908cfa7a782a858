// lingzhou-query as a whole process against the sqlite3 shell running the same statement on
// the deployed catalogue file: `lingzhou-query bearing --by new 6205` (goal: within 2x of
// sqlite3, and under 50 ms). Every run starts a fresh process with its output going to
// /dev/null; the table reports the median and the fastest of the runs.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "catalogue/image/catalogue_image.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 40;
constexpr const char* kSqliteShell = "/usr/bin/sqlite3";

// Seconds one run of `argv` takes, from spawning to its exit; negative when it failed.
double timedRun(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const std::string& a : argv) {
        args.push_back(const_cast<char*>(a.c_str()));
    }
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, args[0], &actions, nullptr, args.data(), environ);
    int status = 0;
    const bool ok = spawned == 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) &&
                    WEXITSTATUS(status) == 0;
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return ok ? seconds : -1.0;
}

struct Timing {
    double median = 0, fastest = 0;
    bool ok = true;
};

// The commands take turns, run by run, so that a load elsewhere on the machine falls on all
// of them alike.
std::vector<Timing> measure(const std::vector<std::vector<std::string>>& commands) {
    std::vector<std::vector<double>> times(commands.size());
    std::vector<Timing> timings(commands.size());
    for (int run = -1; run < kRuns; ++run) {
        for (std::size_t c = 0; c < commands.size(); ++c) {
            const double t = timedRun(commands[c]);
            timings[c].ok = timings[c].ok && t >= 0;
            if (run >= 0) {  // the first round only warms the page cache
                times[c].push_back(t);
            }
        }
    }
    for (std::size_t c = 0; c < commands.size(); ++c) {
        std::sort(times[c].begin(), times[c].end());
        timings[c].median = times[c][times[c].size() / 2];
        timings[c].fastest = times[c].front();
    }
    return timings;
}

void report(const char* name, const Timing& timing) {
    if (!timing.ok) {
        std::printf("%-44s failed\n", name);
        return;
    }
    std::printf("%-44s %8.1f ms %8.1f ms\n", name, timing.median * 1e3, timing.fastest * 1e3);
}

}  // namespace

int main() {
    namespace fs = std::filesystem;
    if (!fs::exists(kSqliteShell)) {
        std::fprintf(stderr, "%s is missing: scripts/install-deps.sh installs it\n", kSqliteShell);
        return 1;
    }
    // The catalogue deployed as the window deploys it, for the shell to open.
    const fs::path deployed = fs::temp_directory_path() / "lz-query-bench-bearing.mdb";
    {
        const auto image = lz::catalogue::catalogueImage();
        std::ofstream out(deployed, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(image.data()),
                  static_cast<std::streamsize>(image.size()));
    }
    const std::string statement = "select * from bearing where newno like '%6205%'";

    const std::vector<std::pair<const char*, std::vector<std::string>>> commands = {
        {"lingzhou-query bearing --by new 6205", {LZ_QUERY_TOOL, "bearing", "--by", "new", "6205"}},
        {"sqlite3 -readonly bearing.mdb (same statement)",
         {kSqliteShell, "-readonly", deployed.string(), statement}},
        {"lingzhou-query ... --format csv",
         {LZ_QUERY_TOOL, "bearing", "--by", "new", "6205", "--format", "csv"}},
        {"lingzhou-query ... --format json",
         {LZ_QUERY_TOOL, "bearing", "--by", "new", "6205", "--format", "json"}},
        {"lingzhou-query --version (start-up alone)", {LZ_QUERY_TOOL, "--version"}},
    };
    std::vector<std::vector<std::string>> argvs;
    for (const auto& command : commands) {
        argvs.push_back(command.second);
    }
    const std::vector<Timing> timings = measure(argvs);
    std::printf("%-44s %11s %11s\n", "process", "median", "fastest");
    for (std::size_t c = 0; c < commands.size(); ++c) {
        report(commands[c].first, timings[c]);
    }
    const Timing& ours = timings[0];
    const Timing& shell = timings[1];
    fs::remove(deployed);

    if (ours.ok && shell.ok) {
        const double ratio = ours.median / shell.median;
        std::printf(
            "\nratio to sqlite3: %.2fx (goal: within 2x) %s; median %.1f ms (goal: under "
            "50 ms) %s\n",
            ratio, ratio <= 2.0 ? "met" : "MISSED", ours.median * 1e3,
            ours.median < 0.050 ? "met" : "MISSED");
    }
    return 0;
}
