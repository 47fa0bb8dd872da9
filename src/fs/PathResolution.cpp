#include "PathResolution.h"

#include <cerrno>
#include <deque>
#include <string>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace orvelane {
namespace {

// The kernel gives up after 40 links on one lookup; so do we.
constexpr int kMaxLinks = 40;

std::vector<std::string> componentsOf(const std::string& path)
{
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= path.size()) {
        const auto slash = path.find('/', start);
        const auto end = slash == std::string::npos ? path.size() : slash;
        if (end > start)
            components.push_back(path.substr(start, end - start));
        if (slash == std::string::npos)
            break;
        start = slash + 1;
    }
    return components;
}

void dropLastComponent(std::string& path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        path.clear();
    else
        path.erase(slash == 0 ? 1 : slash);
}

void appendComponent(std::string& path, const std::string& component)
{
    if (!path.empty() && path.back() != '/')
        path.push_back('/');
    path.append(component);
}

std::optional<std::string> linkTarget(const std::string& path)
{
    std::string target(256, '\0');
    for (;;) {
        const auto length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0)
            return std::nullopt;
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

} // namespace

std::filesystem::path standardized(const std::filesystem::path& path)
{
    const std::string& raw = path.native();
    const bool absolute = !raw.empty() && raw.front() == '/';
    std::vector<std::string> kept;
    for (auto& component : componentsOf(raw)) {
        if (component == ".")
            continue;
        if (component == ".." && !kept.empty() && kept.back() != "..") {
            kept.pop_back();
            continue;
        }
        if (component == ".." && absolute)
            continue; // "/.." is "/"
        kept.push_back(std::move(component));
    }
    std::string result = absolute ? "/" : "";
    for (const auto& component : kept)
        appendComponent(result, component);
    if (result.empty() && !raw.empty())
        result.assign(1, '.');
    return result;
}

std::optional<std::filesystem::path> resolvingLinks(const std::filesystem::path& path)
{
    std::error_code noWorkingFolder;
    const std::filesystem::path absolute =
        path.is_absolute() ? path : std::filesystem::current_path(noWorkingFolder) / path;
    if (noWorkingFolder)
        return std::nullopt;
    auto pendingList = componentsOf(absolute.native());
    std::deque<std::string> pending(pendingList.begin(), pendingList.end());
    std::string resolved = "/";
    int linksFollowed = 0;
    while (!pending.empty()) {
        std::string component = std::move(pending.front());
        pending.pop_front();
        if (component == ".")
            continue;
        if (component == "..") {
            dropLastComponent(resolved);
            continue;
        }
        std::string candidate = resolved;
        appendComponent(candidate, component);
        struct stat status
        {};
        if (::lstat(candidate.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            resolved = std::move(candidate);
            continue;
        }
        auto target = linkTarget(candidate);
        if (!target || ++linksFollowed > kMaxLinks)
            return std::nullopt;
        auto targetComponents = componentsOf(*target);
        pending.insert(pending.begin(), targetComponents.begin(), targetComponents.end());
        if (!target->empty() && target->front() == '/')
            resolved.assign(1, '/'); // assign(count, char) sidesteps a false -Wrestrict in GCC 12
    }
    return resolved;
}

std::filesystem::path realLocation(const std::filesystem::path& path)
{
    std::filesystem::path plain;
    for (const auto& part : path)
        if (!part.empty() && part != ".")
            plain /= part;
    const auto folder = resolvingLinks(plain.parent_path());
    return folder ? standardized(*folder / plain.filename()) : plain;
}

} // namespace orvelane
