#include "Measurements.h"

#include "TestFiles.h"

#include <map>
#include <sstream>

namespace orvelane::testing {

std::int64_t allocatedBytesByFind(const std::filesystem::path& path, const std::string& prune)
{
    const auto output = outputOfSuccessful("find " + shellQuoted(path) + " " + prune + " -type f -printf '%b\\n'");
    std::int64_t blocks = 0;
    for (std::size_t at = 0, end; at < output.size(); at = end + 1) {
        end = output.find('\n', at);
        blocks += std::stoll(output.substr(at, end - at));
    }
    return blocks * 512;
}

std::int64_t freedBytesByFind(const std::filesystem::path& path, const std::string& prune)
{
    const auto output = outputOfSuccessful("find " + shellQuoted(path) + " " + prune + " -type f -printf '%i %n %b\\n'");
    struct Seen
    {
        std::int64_t links = 0, blocks = 0, met = 0;
    };
    std::map<std::uint64_t, Seen> files;
    std::istringstream lines(output);
    std::uint64_t inode = 0;
    std::int64_t links = 0, blocks = 0;
    while (lines >> inode >> links >> blocks) {
        auto& seen = files[inode];
        seen = {links, blocks, seen.met + 1};
    }
    std::int64_t freed = 0;
    for (const auto& [number, seen] : files)
        freed += seen.met == seen.links ? seen.blocks : 0;
    return freed * 512;
}

std::int64_t fileBytesByDuOneFileSystem(const std::filesystem::path& path)
{
    const auto du = outputOfSuccessful("du -x -s --block-size=512 " + shellQuoted(path));
    const auto others = outputOfSuccessful("find " + shellQuoted(path) + " -xdev ! -type f -printf '%b\\n'");
    std::int64_t blocks = std::stoll(du.substr(0, du.find_first_of(" \t")));
    std::istringstream lines(others);
    for (std::int64_t b = 0; lines >> b;)
        blocks -= b;
    return blocks * 512;
}

std::uint64_t inodeByStat(const std::filesystem::path& path)
{
    return std::stoull(outputOfSuccessful("stat -c %i " + shellQuoted(path)));
}

} // namespace orvelane::testing
