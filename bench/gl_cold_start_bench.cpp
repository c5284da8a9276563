// Cold start: the time from starting `velnor DOCUMENT` until its first frame with the document is
// shown, beside a bare Qt window with an OpenGL widget made the same way and of the same size.
// Each run starts a new process; the median of the repetitions is the figure. Run it under
// xvfb-run or on a desktop:
//     xvfb-run -a -s "-screen 0 1600x1000x24" build/bench/gl_cold_start_bench
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kRepetitions = 15;

// Runs a program to its end; false when it could not start or did not end well.
bool RunToEnd(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawn(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void TimeStarts(benchmark::State& state, const std::vector<std::string>& command) {
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!RunToEnd(command)) {
            state.SkipWithError("the program did not start and end by itself");
            return;
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
    }
}

// Both windows cover the benchmark's screen, as a maximized window does on a desktop: without a
// window manager a maximized window keeps the size it asks for, and a bare window asks for far
// less than the program, which would compare a small picture with a large one.
constexpr const char* kGeometry = "1600x1000+0+0";

void BM_ColdStartWithDocument(benchmark::State& state) {
    TimeStarts(state, {VELNOR_PROGRAM, COLD_START_DOCUMENT, "--quit-after-first-frame", "-geometry",
                       kGeometry});
}

void BM_ColdStartBareGlWindow(benchmark::State& state) {
    TimeStarts(state, {BARE_GL_WINDOW, "-geometry", kGeometry});
}

BENCHMARK(BM_ColdStartWithDocument)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ColdStartBareGlWindow)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
