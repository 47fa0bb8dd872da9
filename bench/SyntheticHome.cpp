// Builds a synthetic home folder with the shape of a developer's real one, deterministically:
// the same size argument always yields the same tree (names, sizes, links, dates).
//
//   orvelane-synthetic-home DIR ENTRIES
//
// Most entries are small files in node_modules trees and Cargo target folders, as in real homes;
// caches nest deeply; Downloads holds installers and large files; the Trash has .trashinfo
// records; links and an unreadable folder are sprinkled in. Hard links as the tools make them:
// pnpm projects link every package file from the pnpm store, Cargo links its final artefacts.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// xorshift64*: portable and deterministic across standard libraries.
class Random
{
public:
    explicit Random(std::uint64_t seed) : state_(seed ? seed : 1) {}
    std::uint64_t next()
    {
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return state_ * 2685821657736338717ULL;
    }
    std::uint64_t below(std::uint64_t bound) { return next() % bound; }

private:
    std::uint64_t state_;
};

class Builder
{
public:
    Builder(fs::path root, std::uint64_t budget) : root_(std::move(root)), budget_(budget) {}

    std::uint64_t made() const { return made_; }
    bool exhausted() const { return made_ >= budget_; }
    Random& random() { return random_; }

    fs::path folder(const fs::path& relative)
    {
        const fs::path full = root_ / relative;
        std::error_code error;
        if (fs::create_directories(full, error))
            ++made_;
        return full;
    }

    void file(const fs::path& relative, std::size_t bytes)
    {
        static const std::string filler(1 << 20, 'o');
        const fs::path full = root_ / relative;
        const int fd = ::open(full.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        if (fd < 0) {
            std::fprintf(stderr, "cannot create %s: %s\n", full.c_str(), std::strerror(errno));
            std::exit(1);
        }
        for (std::size_t left = bytes; left > 0;) {
            const std::size_t chunk = std::min(left, filler.size());
            if (::write(fd, filler.data(), chunk) < 0)
                break;
            left -= chunk;
        }
        ::close(fd);
        ++made_;
    }

    // Reserves disk without writing: large files that cost nothing to create.
    void reserved(const fs::path& relative, std::int64_t bytes)
    {
        const fs::path full = root_ / relative;
        const int fd = ::open(full.c_str(), O_CREAT | O_WRONLY | O_TRUNC, 0644);
        if (fd >= 0) {
            if (posix_fallocate(fd, 0, bytes) != 0)
                std::fprintf(stderr, "could not reserve %s\n", full.c_str());
            ::close(fd);
            ++made_;
        }
    }

    void link(const fs::path& target, const fs::path& relative)
    {
        if (::symlink(target.c_str(), (root_ / relative).c_str()) == 0)
            ++made_;
    }

    // A second name for an existing file.
    void hardLink(const fs::path& existing, const fs::path& relative)
    {
        if (::link((root_ / existing).c_str(), (root_ / relative).c_str()) == 0)
            ++made_;
    }

    std::size_t smallSize() { return 64 + random_.below(6000); }

private:
    fs::path root_;
    std::uint64_t budget_;
    std::uint64_t made_ = 0;
    Random random_{0x5eed0fb00c5ULL};
};

std::string number(std::uint64_t n)
{
    return std::to_string(n);
}

// A node package: a few files, a lib folder with nested modules, sometimes its own node_modules.
void nodePackage(Builder& b, const fs::path& at, int depth)
{
    b.folder(at / "lib/internal");
    b.file(at / "package.json", 300 + b.random().below(900));
    b.file(at / "index.js", b.smallSize());
    b.file(at / "README.md", b.smallSize());
    const std::uint64_t modules = 2 + b.random().below(12);
    for (std::uint64_t i = 0; i < modules && !b.exhausted(); ++i)
        b.file(at / "lib" / ("m" + number(i) + ".js"), b.smallSize());
    for (std::uint64_t i = 0; i < modules / 2 && !b.exhausted(); ++i)
        b.file(at / "lib/internal" / ("h" + number(i) + ".js"), b.smallSize());
    if (depth < 2 && b.random().below(4) == 0)
        for (std::uint64_t i = 0; i < 3 && !b.exhausted(); ++i)
            nodePackage(b, at / "node_modules" / ("dep" + number(i)), depth + 1);
}

void nodeProject(Builder& b, const fs::path& project, std::uint64_t packages)
{
    b.folder(project / "node_modules/.bin");
    b.file(project / "package.json", 800);
    for (std::uint64_t i = 0; i < packages && !b.exhausted(); ++i) {
        const fs::path package = project / "node_modules" / ("pkg-" + number(i));
        nodePackage(b, package, 0);
        if (i % 5 == 0)
            b.link("../pkg-" + number(i) + "/index.js", project / "node_modules/.bin" / ("tool" + number(i)));
    }
}

// pnpm: one copy of every file in the content-addressed store, hard-linked into the project.
void pnpmProject(Builder& b, const fs::path& project, std::uint64_t packages, std::uint64_t& stored)
{
    b.folder(project / "node_modules/.pnpm");
    b.file(project / "package.json", 800);
    for (std::uint64_t i = 0; i < packages && !b.exhausted(); ++i) {
        const fs::path package = project / "node_modules/.pnpm" /
                                 ("pkg-" + number(i) + "@1.0.0/node_modules") / ("pkg-" + number(i));
        b.folder(package / "lib");
        const std::uint64_t files = 3 + b.random().below(10);
        for (std::uint64_t f = 0; f < files && !b.exhausted(); ++f, ++stored) {
            const fs::path bucket = fs::path("Library/pnpm/store/v3/files") / number(stored % 256);
            if (stored < 256)
                b.folder(bucket);
            const fs::path content = bucket / ("c" + number(stored));
            b.file(content, b.smallSize());
            b.hardLink(content, package / (f == 0 ? fs::path("package.json")
                                                  : fs::path("lib") / ("m" + number(f) + ".js")));
        }
    }
}

void cargoProject(Builder& b, const fs::path& project, std::uint64_t files)
{
    b.folder(project / "src");
    b.file(project / "Cargo.toml", 400);
    b.file(project / "src/main.rs", 3000);
    for (const char* part : {"target/debug/deps", "target/debug/build", "target/debug/incremental/s-1"})
        b.folder(project / part);
    for (std::uint64_t i = 0; i < files && !b.exhausted(); ++i) {
        const char* part = i % 3 == 0   ? "target/debug/deps"
                           : i % 3 == 1 ? "target/debug/build"
                                        : "target/debug/incremental/s-1";
        b.file(project / part / ("unit-" + number(i) + ".o"), 512 + b.random().below(40000));
    }
    // The final artefacts: built into deps, linked to their plain names.
    const fs::path binary = project / "target/debug/deps/app-5f1e2d3c4b";
    b.file(binary, 200'000 + b.random().below(800'000));
    b.hardLink(binary, project / "target/debug/app");
}

void nestedCache(Builder& b, const fs::path& at, std::uint64_t files)
{
    for (std::uint64_t i = 0; i < files && !b.exhausted(); ++i) {
        const fs::path deep =
            at / ("a" + number(i % 7)) / ("b" + number(i % 5)) / ("c" + number(i % 3)) / "d" / "e";
        b.folder(deep);
        b.file(deep / ("blob-" + number(i)), b.smallSize());
    }
}

void buildHome(Builder& b, std::uint64_t entries)
{
    // Fixed furniture first: downloads, trash, logs, insights, the unreadable folder, stray links.
    b.folder("Downloads");
    const char* installers[] = {"Tool-1.2.dmg", "Driver.pkg", "debian-12.iso", "Editor.DMG", "tiny.pkg"};
    const std::size_t installerSizes[] = {4'000'000, 2'500'000, 30'000'000, 1'200'000, 900};
    for (int i = 0; i < 5; ++i)
        b.file(fs::path("Downloads") / installers[i], installerSizes[i]);
    b.file("Downloads/holiday-video.mkv", 24'000'000);
    for (int i = 0; i < 40; ++i)
        b.file("Downloads/note-" + number(std::uint64_t(i)) + ".txt", b.smallSize());
    b.folder(".local/share/Trash/files");
    b.folder(".local/share/Trash/info");
    b.folder("Library/Logs/DiagnosticReports");
    b.folder("Library/Containers/com.docker.docker/Data/vms/0");
    b.reserved("Library/Containers/com.docker.docker/Data/vms/0/Docker.raw", 700LL * 1024 * 1024);
    b.folder("Library/Caches");
    b.link("/usr", "Library/Caches/usr-link");
    b.folder("dev/secret");
    b.file("dev/secret/key", 100);
    ::chmod((fs::path(".") / "dev/secret").c_str(), 0); // relative to the root; see main

    const std::uint64_t npmShare = entries * 50 / 100, nodeShare = entries * 60 / 100;
    const std::uint64_t cargoShare = entries * 15 / 100;
    const std::uint64_t cacheShare = entries * 10 / 100, devCacheShare = entries * 8 / 100;
    const std::uint64_t logShare = entries * 2 / 100, trashShare = entries * 3 / 100;

    for (std::uint64_t p = 0; b.made() < npmShare && !b.exhausted(); ++p)
        nodeProject(b, fs::path("dev/web") / ("site-" + number(p)), 60 + b.random().below(120));
    std::uint64_t stored = 0;
    for (std::uint64_t p = 0; b.made() < nodeShare && !b.exhausted(); ++p)
        pnpmProject(b, fs::path("dev/pnpm") / ("app-" + number(p)), 40 + b.random().below(80), stored);
    for (std::uint64_t p = 0; b.made() < nodeShare + cargoShare && !b.exhausted(); ++p)
        cargoProject(b, fs::path("dev/rust") / ("crate-" + number(p)), 300 + b.random().below(900));
    for (std::uint64_t app = 0; b.made() < nodeShare + cargoShare + cacheShare && !b.exhausted(); ++app)
        nestedCache(b, fs::path("Library/Caches") / ("com.vendor.app" + number(app)),
                    500 + b.random().below(1500));
    const std::uint64_t devCachesEnd = nodeShare + cargoShare + cacheShare + devCacheShare;
    for (std::uint64_t i = 0; b.made() < devCachesEnd && !b.exhausted(); ++i) {
        const fs::path bucket =
            fs::path(".npm/_cacache/content-v2/sha512") / number(i % 256) / number(i % 17);
        b.folder(bucket);
        b.file(bucket / ("entry-" + number(i)), b.smallSize());
    }
    for (std::uint64_t i = 0; b.made() < devCachesEnd + logShare && !b.exhausted(); ++i)
        b.file(fs::path("Library/Logs/DiagnosticReports") / ("crash-" + number(i) + ".ips"), b.smallSize());
    for (std::uint64_t i = 0; b.made() < devCachesEnd + logShare + trashShare && !b.exhausted(); ++i) {
        const std::string name = "deleted-" + number(i) + ".txt";
        b.file(fs::path(".local/share/Trash/files") / name, b.smallSize());
        b.file(fs::path(".local/share/Trash/info") / (name + ".trashinfo"), 80);
    }
    for (std::uint64_t i = 0; !b.exhausted(); ++i) {
        const fs::path document = fs::path("Documents") / ("doc-" + number(i / 1000));
        if (i % 1000 == 0)
            b.folder(document);
        b.file(document / ("page-" + number(i) + ".md"), b.smallSize());
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DIR ENTRIES\n", argv[0]);
        return 2;
    }
    const fs::path root = fs::absolute(argv[1]);
    const std::uint64_t entries = std::strtoull(argv[2], nullptr, 10);
    if (fs::exists(root) && !fs::is_empty(root)) {
        std::fprintf(stderr, "%s exists and is not empty\n", root.c_str());
        return 2;
    }
    fs::create_directories(root);
    if (::chdir(root.c_str()) != 0)
        return 1;
    Builder builder(root, entries);
    buildHome(builder, entries);
    std::printf("%s: %llu entries\n", root.c_str(), static_cast<unsigned long long>(builder.made()));
    return 0;
}
