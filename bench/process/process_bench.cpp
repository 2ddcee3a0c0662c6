// Whole-process figures: the command-line tool and the desktop start-up probe
// run as child processes, each measured by the kernel's accounting of the
// finished child (user + system CPU time, peak resident memory). The CLI works
// on the data of "qor-gen-data --seed 4242 --items 400 --effects 60", skill 50.
// The reported time is the child's CPU time, not the wall clock, so other load
// on the machine disturbs it less; run pinned to one core for figures:
//   taskset -c 0 build/bin/qor-bench-process --benchmark_repetitions=5

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

namespace fs = std::filesystem;

struct ChildRun {
    bool ok = false;
    double cpuSeconds = 0;
    double peakMb = 0;
    std::string out; // standard output when asked for
};

// Runs argv[0] (a path) with its standard output thrown away or collected;
// its error output is thrown away.
ChildRun runChild(const std::vector<std::string> &args, bool collectOutput) {
    ChildRun run;
    std::vector<char *> argv;
    for (const std::string &a : args)
        argv.push_back(const_cast<char *>(a.c_str()));
    argv.push_back(nullptr);

    int pipeFds[2] = {-1, -1};
    if (collectOutput && pipe(pipeFds) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // Its own messages (the platform's notes) would garble the table.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    if (collectOutput) {
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
        posix_spawn_file_actions_addclose(&actions, pipeFds[1]);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (collectOutput) {
        close(pipeFds[1]);
        if (spawned == 0) {
            char buffer[4096];
            ssize_t n = 0;
            while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
                run.out.append(buffer, std::size_t(n));
        }
        close(pipeFds[0]);
    }
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    const auto seconds = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    run.peakMb = double(usage.ru_maxrss) / 1024.0; // kB on Linux
    return run;
}

// A child started by posix_spawn shares this process's memory until it
// executes, so its peak cannot read below this process's own.
double ownPeakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

fs::path binDir() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

// The generated data folder, made once by qor-gen-data and removed at exit.
const std::string &generatedData() {
    static const std::string dir = [] {
        std::string pattern = (fs::temp_directory_path() / "qor-bench-process-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return std::string();
        std::atexit([] { fs::remove_all(generatedData()); });
        const ChildRun gen = runChild({(binDir() / "qor-gen-data").string(), "--seed", "4242", "--items",
                                       "400", "--effects", "60", pattern},
                                      false);
        return gen.ok ? pattern : std::string();
    }();
    return dir;
}

void runCli(benchmark::State &state, const std::vector<std::string> &command) {
    if (generatedData().empty()) {
        state.SkipWithError("qor-gen-data failed");
        return;
    }
    std::vector<std::string> args{(binDir() / "qor-alchemy-cli").string(), "--data", generatedData(),
                                  "--skill", "50"};
    args.insert(args.end(), command.begin(), command.end());
    double peak = 0;
    for (auto _ : state) {
        const ChildRun run = runChild(args, false);
        if (!run.ok) {
            state.SkipWithError("the command-line tool failed");
            return;
        }
        state.SetIterationTime(run.cpuSeconds);
        peak = std::max(peak, run.peakMb);
    }
    state.counters["peak_MB"] = peak;
    state.counters["peak_floor_MB"] = ownPeakMb();
}

// Loading and printing the strengths: what every command pays before it works.
void BM_CliStrengths(benchmark::State &state) {
    runCli(state, {"strengths"});
}
BENCHMARK(BM_CliStrengths)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// One wanted effect: a few hundred recipes.
void BM_CliOneEffect(benchmark::State &state) {
    runCli(state, {"search-effects", "--effect", "1:5", "--count", "2"});
}
BENCHMARK(BM_CliOneEffect)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// Three generic filters: the list fills up and 100,000 recipes are printed.
void BM_CliPrint100000(benchmark::State &state) {
    runCli(state,
           {"search-effects", "--filter", "1:2", "--filter", "2:2", "--filter", "3:2", "--count", "2"});
}
BENCHMARK(BM_CliPrint100000)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

// The desktop program's start-up to the window painted, with the bundled data
// beside the executables; resident memory read by the probe at that moment.
void BM_DesktopStartup(benchmark::State &state) {
    const std::vector<std::string> args{(binDir() / "qor-startup-probe").string()};
    double peak = 0;
    std::map<std::string, double> last;
    for (auto _ : state) {
        const ChildRun run = runChild(args, true);
        if (!run.ok) {
            state.SkipWithError("the start-up probe failed");
            return;
        }
        state.SetIterationTime(run.cpuSeconds);
        peak = std::max(peak, run.peakMb);
        std::istringstream lines(run.out);
        std::string key;
        double value = 0;
        while (lines >> key >> value)
            last[key] = value;
    }
    state.counters["peak_MB"] = peak;
    state.counters["peak_floor_MB"] = ownPeakMb();
    state.counters["rss_after_start_MB"] = last["rss_kb"] / 1024.0;
    state.counters["shown_wall_ms"] = last["shown_ms"];
}
BENCHMARK(BM_DesktopStartup)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
