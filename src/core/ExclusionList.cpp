#include "ExclusionList.h"

#include "PlainPath.h"

#include <algorithm>

namespace orvelane {

ExclusionList::ExclusionList(const std::vector<std::filesystem::path>& paths)
{
    for (const auto& path : paths)
        add(path);
}

std::optional<std::filesystem::path> ExclusionList::normalized(const std::filesystem::path& path)
{
    return plainPath(path);
}

bool ExclusionList::excludes(const std::filesystem::path& path) const
{
    const auto plain = plainPath(path);
    if (!plain)
        return false;
    return std::any_of(paths_.begin(), paths_.end(),
                       [&](const std::filesystem::path& excluded) { return isSameOrBelow(*plain, excluded); });
}

bool ExclusionList::add(const std::filesystem::path& path)
{
    const auto plain = normalized(path);
    if (!plain || std::find(paths_.begin(), paths_.end(), *plain) != paths_.end())
        return false;
    paths_.push_back(*plain);
    return true;
}

bool ExclusionList::remove(const std::filesystem::path& path)
{
    const auto plain = normalized(path);
    if (!plain)
        return false;
    const auto found = std::find(paths_.begin(), paths_.end(), *plain);
    if (found == paths_.end())
        return false;
    paths_.erase(found);
    return true;
}

} // namespace orvelane
