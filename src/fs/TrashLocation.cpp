#include "TrashLocation.h"

#include "XdgFolders.h"

namespace orvelane {

#ifdef __APPLE__

std::filesystem::path trashRootFolder(const std::filesystem::path& home)
{
    return home / ".Trash";
}
std::filesystem::path trashItemsFolder(const std::filesystem::path& home)
{
    return trashRootFolder(home);
}
std::filesystem::path trashRecordsFolder(const std::filesystem::path&)
{
    return {};
}

#else

std::filesystem::path trashRootFolder(const std::filesystem::path& home)
{
    return Xdg::dataHome(home) / "Trash";
}
std::filesystem::path trashItemsFolder(const std::filesystem::path& home)
{
    return trashRootFolder(home) / "files";
}
std::filesystem::path trashRecordsFolder(const std::filesystem::path& home)
{
    return trashRootFolder(home) / "info";
}

#endif

} // namespace orvelane
