#include "TrashLocation.h"

namespace orvelane {

#ifdef __APPLE__

std::filesystem::path trashItemsRelativePath()
{
    return ".Trash";
}
std::filesystem::path trashRecordsFolder(const std::filesystem::path&)
{
    return {};
}
std::filesystem::path trashRootFolder(const std::filesystem::path& home)
{
    return home / ".Trash";
}

#else

std::filesystem::path trashItemsRelativePath()
{
    return ".local/share/Trash/files";
}
std::filesystem::path trashRecordsFolder(const std::filesystem::path& home)
{
    return home / ".local/share/Trash/info";
}
std::filesystem::path trashRootFolder(const std::filesystem::path& home)
{
    return home / ".local/share/Trash";
}

#endif

std::filesystem::path trashItemsFolder(const std::filesystem::path& home)
{
    return home / trashItemsRelativePath();
}

} // namespace orvelane
