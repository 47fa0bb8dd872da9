// What refusing items with a mount inside costs before a move to the Trash: the walk of the
// whole item that looks for the top of another mount, next to the scanner's measurement of
// the same tree (warm cache). The tree lives in a temporary folder, removed at the end.

#include "FileAnalysis.h"
#include "OtherMounts.h"
#include "RemovalTarget.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

constexpr int kPackages = 150; // × 10 folders × 20 files: about 31,500 entries
constexpr int kFoldersPerPackage = 10;
constexpr int kFilesPerFolder = 20;
constexpr std::int64_t kEntries = kPackages * kFoldersPerPackage * (kFilesPerFolder + 1) + kPackages;

struct BenchTree
{
    BenchTree()
    {
        std::string pattern = (fs::temp_directory_path() / "orvelane-removal-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            std::abort();
        root = fs::canonical(pattern);
        item = root / "node_modules";
        for (int p = 0; p < kPackages; ++p)
            for (int d = 0; d < kFoldersPerPackage; ++d) {
                const auto folder = item / ("pkg" + std::to_string(p)) / ("lib" + std::to_string(d));
                fs::create_directories(folder);
                for (int f = 0; f < kFilesPerFolder; ++f)
                    std::ofstream(folder / ("m" + std::to_string(f) + ".js")) << "module.exports = 1;";
            }
    }

    ~BenchTree()
    {
        if (std::system(("rm -rf '" + root.string() + "'").c_str()) != 0)
            std::fprintf(stderr, "could not remove %s\n", root.c_str());
    }

    fs::path root;
    fs::path item;
};

BenchTree& benchTree()
{
    static BenchTree tree;
    return tree;
}

void BM_MountRefusal(benchmark::State& state)
{
    const auto target = orvelane::RemovalTarget::open(benchTree().item, std::nullopt);
    for (auto _ : state)
        benchmark::DoNotOptimize(orvelane::mountRefusal(target));
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_AnalyzeSameTree(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(orvelane::JunkScanner::analyze(benchTree().item));
    state.SetItemsProcessed(state.iterations() * kEntries);
}

BENCHMARK(BM_MountRefusal)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AnalyzeSameTree)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
