#include "HomeFolder.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace orvelane {
namespace {

std::filesystem::path fromPasswordDatabase()
{
    long bufferSize = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(bufferSize > 0 ? static_cast<std::size_t>(bufferSize) : 16384);
    struct passwd entry
    {};
    struct passwd* found = nullptr;
    while (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == ERANGE)
        buffer.resize(buffer.size() * 2);
    if (found == nullptr || found->pw_dir == nullptr)
        return "/";
    return found->pw_dir;
}

// Only separators are tidied: "." and ".." are left to the kernel, which may see a link there.
std::filesystem::path withoutExtraSeparators(const std::string& raw)
{
    std::string tidy;
    tidy.reserve(raw.size());
    for (const char c : raw) {
        if (c == '/' && !tidy.empty() && tidy.back() == '/')
            continue;
        tidy.push_back(c);
    }
    while (tidy.size() > 1 && tidy.back() == '/')
        tidy.pop_back();
    return tidy;
}

} // namespace

std::filesystem::path homeFolder()
{
    const char* fromEnvironment = std::getenv("HOME");
    if (fromEnvironment != nullptr && fromEnvironment[0] == '/')
        return withoutExtraSeparators(fromEnvironment);
    return withoutExtraSeparators(fromPasswordDatabase().native());
}

} // namespace orvelane
