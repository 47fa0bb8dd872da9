// How fast the scanner measures a folder and searches a home for project folders, next to
// GNU du on the same tree (warm cache). The tree is built once in a temporary folder that
// stands in for the home folder, and removed at the end.

#include "Layout.h"
#include "DeveloperArtifacts.h"
#include "FileAnalysis.h"
#include "Logger.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

namespace {

namespace fs = std::filesystem;

constexpr int kPackages = 150; // × 10 folders × 20 files: about 31,500 entries
constexpr int kFoldersPerPackage = 10;
constexpr int kFilesPerFolder = 20;
constexpr std::int64_t kEntries = kPackages * kFoldersPerPackage * (kFilesPerFolder + 1) + kPackages;

// The walk's own cost is wanted, not the system log's.
struct SilentSink final : orvelane::LogSink
{
    void write(orvelane::LogLevel, const std::string&) override {}
};

std::string numbered(std::string_view prefix, int number)
{
    std::string name(prefix);
    name.append(std::to_string(number));
    return name;
}

struct BenchHome
{
    BenchHome()
    {
        std::string pattern = (fs::temp_directory_path() / "orvelane-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        root = pattern;
        modules = root / "code/web/node_modules";
        for (int p = 0; p < kPackages; ++p)
            for (int d = 0; d < kFoldersPerPackage; ++d) {
                const auto folder = modules / numbered("pkg", p) / numbered("lib", d);
                fs::create_directories(folder);
                for (int f = 0; f < kFilesPerFolder; ++f)
                    std::ofstream(folder / numbered("m", f).append(".js")) << std::string(700 + 37 * f, 'x');
            }
        // A home-like spread for the artifact search: many plain folders, a few projects.
        for (int i = 0; i < 400; ++i)
            fs::create_directories(root / "Documents" / numbered("d", i % 20) / numbered("e", i));
        fs::create_directories(root / "code/api/target");
        std::ofstream(root / "code/api/Cargo.toml") << "[package]";
        ::setenv("HOME", root.c_str(), 1);
        orvelane::Logger::setSink(std::make_shared<SilentSink>());
    }

    ~BenchHome()
    {
        if (std::system(("rm -rf '" + root.string() + "'").c_str()) != 0)
            std::fprintf(stderr, "could not remove %s\n", root.c_str());
    }

    fs::path root;
    fs::path modules;
};

BenchHome& benchHome()
{
    static BenchHome home;
    return home;
}

void BM_AnalyzeFolder(benchmark::State& state)
{
    const auto& tree = benchHome().modules;
    for (auto _ : state)
        benchmark::DoNotOptimize(orvelane::JunkScanner::analyze(tree));
    state.SetItemsProcessed(state.iterations() * kEntries);
}

// The same tree summed by GNU du (the cost of starting it is included; it is small next to the walk).
void BM_GnuDuSummary(benchmark::State& state)
{
    const std::string command = "du -s '" + benchHome().modules.string() + "' > /dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("du failed");
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_FindDevArtifacts(benchmark::State& state)
{
    benchHome();
    for (auto _ : state)
        benchmark::DoNotOptimize(orvelane::JunkScanner::findDevArtifacts(orvelane::JunkScanner::layoutFromEnvironment()));
}

BENCHMARK(BM_AnalyzeFolder)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GnuDuSummary)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FindDevArtifacts)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
