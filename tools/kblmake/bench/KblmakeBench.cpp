// How long kblmake takes for one drawing: reading and checking it, placing
// and writing the library's bytes, and the whole command with the file
// written, each averaged over many runs.
//   kblmake_bench <drawing.json> [runs]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "CommandLine.h"
#include "LayoutSource.h"

using namespace kblmake;
using Clock = std::chrono::steady_clock;

namespace {

template <class Work>
double millisecondsPerRun(int runs, Work work) {
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < runs; ++i) work();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count() / runs;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: kblmake_bench <drawing.json> [runs]\n");
        return 2;
    }
    const std::string drawing = argv[1];
    const int runs = argc > 2 ? std::atoi(argv[2]) : 200;
    const std::string library = (std::filesystem::temp_directory_path() / "kblmake-bench.kbl").string();

    LayoutSource source;
    const double read = millisecondsPerRun(runs, [&] {
        Diagnostics diagnostics;
        source = readLayoutSource(drawing, diagnostics);
    });
    std::size_t bytes = 0;
    const double write = millisecondsPerRun(runs, [&] {
        bytes = layoutLibrary(source.english.name, languagePictures(source)).size();
    });
    const double command = millisecondsPerRun(runs, [&] {
        std::ostringstream out, err;
        runCommandLine({drawing, "-o", library}, out, err);
    });
    std::filesystem::remove(library);
    std::printf("%s: %zu keys, %zu bytes\n", drawing.c_str(), source.english.keys.size(), bytes);
    std::printf("read and check %8.3f ms, place and write bytes %8.3f ms, whole command %8.3f ms (%d runs)\n", read,
                write, command, runs);
    return 0;
}
