#pragma once

#include "DisplayText.h"
#include "Layout.h"

#include <span>

/**
 * @brief What the freedesktop layout knows of the programs of a Linux home: the entries of the
 * cache folder by name, the names people call programs by, and whose log folders hold a history.
 *
 * Sources are the programs' own documentation where it says (named beside the rows); the rest
 * is how the programs are known to behave. What is not known here keeps the generic judgement.
 */
namespace orvelane::JunkScanner::LinuxKnowledge {

/// Hint sentences shared by many rows ("%@": the program).
inline constexpr std::string_view rebuiltWhenNeeded = DISPLAY_TEXT("Rebuilt by %@ when it needs it");
inline constexpr std::string_view rebuiltAsYouBrowse = DISPLAY_TEXT("Rebuilt by %@ as you browse");
inline constexpr std::string_view downloadedWhenNeeded = DISPLAY_TEXT("Downloaded again by %@ when needed");
inline constexpr std::string_view writtenAsItRuns = DISPLAY_TEXT("Written again by %@ as it runs");
inline constexpr std::string_view writtenOnCrash = DISPLAY_TEXT("Written by %@ only if it crashes again");
inline constexpr std::string_view rebuiltByItsMaker = DISPLAY_TEXT("Rebuilt by the application that made it");

/// The entries of $XDG_CACHE_HOME, by name.
std::span<const KnownEntry> cacheEntries();

/// Flatpak application ids, snap names and folders of $XDG_CONFIG_HOME (Electron applications,
/// browsers) by what people call the program.
std::span<const ProgramName> flatpakPrograms();
std::span<const ProgramName> snapPrograms();
std::span<const ProgramName> configPrograms();

/// The "logs" or "log" folders of programs, by the program's folder: histories a person keeps
/// (chats, mail) are never offered; diagnostic logs are.
std::span<const KnownEntry> logFolders();

/// Chromium-family browsers: their folder in $XDG_CONFIG_HOME and their name.
struct Browser
{
    std::string_view folder;
    std::string_view name;
};
std::span<const Browser> chromiumBrowsers();

/// The caches Chromium and Electron keep in a profile or application folder, and what they are.
struct EngineCache
{
    std::string_view place;
    Knowledge knowledge; // its program is the row's
};
std::span<const EngineCache> engineCaches();

} // namespace orvelane::JunkScanner::LinuxKnowledge
