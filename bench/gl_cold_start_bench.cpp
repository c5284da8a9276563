// Cold start: the time from starting `velnor DOCUMENT` until its first frame with the document is
// shown, beside a bare Qt window with an OpenGL widget made the same way and of the same size.
// Each run starts a new process; the median of the repetitions is the figure. Run it under
// xvfb-run or on a desktop:
//     xvfb-run -a -s "-screen 0 1600x1000x24" build/bench/gl_cold_start_bench
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kRepetitions = 15;

// Runs a program to its end: the seconds it took, or nothing when it could not start or did not
// end well.
std::optional<double> SecondsToEnd(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return std::nullopt;
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Both windows cover the benchmark's screen, as a maximized window does on a desktop: without a
// window manager a maximized window keeps the size it asks for, and a bare window asks for far
// less than the program, which would compare a small picture with a large one.
constexpr const char* kGeometry = "1600x1000+0+0";

const std::vector<std::string> kProgram = {VELNOR_PROGRAM, COLD_START_DOCUMENT,
                                           "--quit-after-first-frame", "-geometry", kGeometry};
const std::vector<std::string> kBareWindow = {BARE_GL_WINDOW, "-geometry", kGeometry};

// The program and the bare window are started in turn, so that each pair meets the machine in
// the same state (its speed drifts by a third between runs here). The time is the program's;
// `bare_ms` is the bare window's and `ratio` the program's time over it.
void BM_ColdStartAgainstBareWindow(benchmark::State& state) {
    for (auto _ : state) {
        const std::optional<double> program = SecondsToEnd(kProgram);
        const std::optional<double> bare = SecondsToEnd(kBareWindow);
        if (!program || !bare) {
            state.SkipWithError("a program did not start and end by itself");
            return;
        }
        state.SetIterationTime(*program);
        state.counters["bare_ms"] = *bare * 1000.0;
        state.counters["ratio"] = *program / *bare;
    }
}

BENCHMARK(BM_ColdStartAgainstBareWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
