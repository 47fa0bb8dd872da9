#include "ExclusionStore.h"

#include "DisplayText.h"
#include "HexBytes.h"
#include "Logger.h"
#include "PlainPath.h"

#include <QStringList>

#include <functional>

namespace orvelane::ExclusionStore {
namespace {

ExclusionList listIn(QSettings& store)
{
    std::vector<std::filesystem::path> paths;
    for (const QString& entry : store.value(QLatin1String(kKey)).toStringList())
        if (const auto bytes = hexDecoded(entry.toStdString()))
            paths.emplace_back(*bytes);
    return ExclusionList(paths); // drops what is not a plain absolute path
}

// Reads the store, lets `change` edit the list, and writes it back when it changed.
SaveFailure changeList(const QString& file, const std::function<bool(ExclusionList&)>& change)
{
    const auto store = openSettingsStore(file);
    if (!store) {
        Logger::warning("Exclusions cannot be saved: the settings file is not a regular file");
        return localizedText(DISPLAY_TEXT("The settings file is not a regular file."));
    }
    ExclusionList list = listIn(*store);
    if (!change(list))
        return std::nullopt;
    QStringList entries;
    for (const auto& path : list.paths())
        entries << QString::fromLatin1(hexEncoded(path.native()));
    if (entries.isEmpty())
        store->remove(QLatin1String(kKey));
    else
        store->setValue(QLatin1String(kKey), entries);
    store->sync();
    if (store->status() != QSettings::NoError) {
        Logger::warning("Exclusions could not be saved to " + file.toStdString());
        return localizedText(DISPLAY_TEXT("The settings file could not be written."));
    }
    return std::nullopt;
}

} // namespace

ExclusionList load(const QString& file)
{
    const auto store = openSettingsStore(file);
    return store ? listIn(*store) : ExclusionList();
}

SaveFailure add(const std::filesystem::path& path, const QString& file)
{
    if (!ExclusionList::normalized(path))
        return localizedText(DISPLAY_TEXT("Only absolute paths without \"..\" can be excluded."));
    return changeList(file, [&](ExclusionList& list) { return list.add(path); });
}

SaveFailure remove(const std::filesystem::path& path, const QString& file)
{
    return changeList(file, [&](ExclusionList& list) { return list.remove(path); });
}

SaveFailure removeCovering(const std::filesystem::path& path, const QString& file)
{
    return changeList(file, [&](ExclusionList& list) {
        bool changed = false;
        for (const auto& listed : std::vector(list.paths()))
            if (isSameOrBelow(path, listed))
                changed = list.remove(listed) || changed;
        return changed;
    });
}

} // namespace orvelane::ExclusionStore
