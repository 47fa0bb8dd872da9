#include "PlainPath.h"

#include <algorithm>

namespace orvelane {
namespace {

// 1 when inner lies below outer, 0 when they are the same, -1 otherwise (or not plain).
int depthBelow(const std::filesystem::path& inner, const std::filesystem::path& outer)
{
    const auto innerParts = plainComponents(inner);
    const auto outerParts = plainComponents(outer);
    if (!innerParts || !outerParts || innerParts->size() < outerParts->size() ||
        !std::equal(outerParts->begin(), outerParts->end(), innerParts->begin()))
        return -1;
    return innerParts->size() == outerParts->size() ? 0 : 1;
}

} // namespace

std::optional<PathComponents> plainComponents(const std::filesystem::path& path)
{
    if (!path.is_absolute())
        return std::nullopt;
    PathComponents parts;
    for (const auto& part : path.relative_path()) {
        const std::string& text = part.native();
        if (text.empty() || text == ".")
            continue;
        if (text == "..")
            return std::nullopt;
        parts.push_back(text);
    }
    return parts;
}

std::optional<std::filesystem::path> plainPath(const std::filesystem::path& path)
{
    const auto parts = plainComponents(path);
    if (!parts)
        return std::nullopt;
    std::filesystem::path plain = "/";
    for (const auto& part : *parts)
        plain /= part;
    return plain;
}

bool isSameOrBelow(const std::filesystem::path& inner, const std::filesystem::path& outer)
{
    return depthBelow(inner, outer) >= 0;
}

bool isStrictlyBelow(const std::filesystem::path& inner, const std::filesystem::path& outer)
{
    return depthBelow(inner, outer) > 0;
}

} // namespace orvelane
