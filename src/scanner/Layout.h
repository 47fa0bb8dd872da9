#pragma once

#include "CategoryKind.h"
#include "DeveloperArtifacts.h"

#include <array>
#include <functional>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orvelane::JunkScanner {

/// The desktops whose folder conventions the scanner knows.
enum class LayoutId { macos, linux };

/// The folder a location is written relative to. The freedesktop folders follow the XDG
/// variables (absolute values only, defaults below the home folder otherwise).
enum class Base {
    home,
    cache,     // $XDG_CACHE_HOME, ~/.cache
    config,    // $XDG_CONFIG_HOME, ~/.config
    data,      // $XDG_DATA_HOME, ~/.local/share
    state,     // $XDG_STATE_HOME, ~/.local/state
    downloads, // the user's download folder (user-dirs.dirs), ~/Downloads
    trash,     // the folder of trashed items of the platform's home trash
};

/// What a location contributes to its category.
enum class Shape {
    /// Its direct entries are the candidates; the folder itself is never an item.
    entries,
    /// The location itself is one candidate when something exists there; it and what lies
    /// inside it are allowed.
    itself,
    /// For each (non-hidden, real) sub-folder C of the folder, C/place is one candidate when it
    /// exists; exactly such a place, for one sub-folder, and what lies inside it is allowed.
    eachChild,
};

/// How a candidate of the location is named.
enum class Naming {
    lastComponent,
    child,         // eachChild: the sub-folder's name (a Flatpak application id, a snap's name)
    childAndPlace, // eachChild: "<child>/<place>", e.g. "Code/GPUCache"
    fixed,         // the location's `name`
    fromHome,      // "~/" and the path below the home folder, for names that mean little alone
};

/// One row of a layout's location table.
struct Location
{
    CategoryKind category;
    Base base;
    std::string_view path; // below the base; empty: the base folder itself
    Shape shape;
    std::string_view place{};      // eachChild: what each sub-folder holds
    bool includeHidden = false;    // entries: names beginning with a dot are candidates too
    std::string_view suffix{};     // entries: only names ending so (case-sensitive)
    std::span<const std::string_view> leftOut{}; // entries: names never offered
    Naming naming = Naming::lastComponent;
    std::string_view name{}; // Naming::fixed
    std::string_view hint{}; // the tool or place that manages the data (insights)
};

/// A name or hint given to any path ending with `suffix` (a plain, case-sensitive text test).
struct SuffixRule
{
    std::string_view suffix;
    std::string_view text;
};

/// Display texts that name the desktop (lookup keys, English). The sidebar notice and the
/// Trash placeholder speak of the permission the desktop asks for, or of the folder itself.
struct PlatformTexts
{
    const char* welcomeTitle;
    const char* revealInFileManager;
    const char* accessTitle;
    const char* accessNotice;
    /// May hold one "%@": the trash folder, as the user would type it.
    const char* accessPlaceholder;
    /// A settings pane grants the access: the notice and placeholder offer to open it.
    bool opensAccessSettings;
    /// Subtitles that differ from the catalogue's, by category; null keeps the catalogue's.
    std::array<const char*, 8> subtitles{};
};

/**
 * @brief Where one desktop keeps what each category offers, as tables and rules only.
 *
 * The candidate search, the validation before removal, the artifact walk, the naming, the
 * hints and the installer test interpret the active layout; nothing else in the scanner knows
 * a platform's folders. The age thresholds and size thresholds are shared by all layouts.
 */
struct Layout
{
    LayoutId id;
    std::string_view name; // as ORVELANE_LAYOUT and --layout spell it
    std::vector<CategoryKind> categories{}; // offered, in catalogue order
    std::vector<Location> locations{};      // candidates come out in table order
    std::vector<SuffixRule> nameSuffixes{}; // tried before anything else names a path
    std::vector<std::string_view> containerMarkers{}; // a path is named after the component that follows
    std::vector<SuffixRule> insightHints{};
    std::vector<DevArtifact> artifacts{};
    std::set<std::string, std::less<>> walkSkip{}; // folder names the artifact walk never enters
    /// The walk also stays out of the freedesktop base folders wherever they lie in the home.
    bool walkSkipsBaseFolders = false;
    std::set<std::string, std::less<>> installerExtensions{}; // lower-case
    PlatformTexts texts{};
};

const Layout& macLayout();
const Layout& linuxLayout();
const Layout& layoutFor(LayoutId id);

/// The layout of the platform this was built for: macos on Apple systems, linux elsewhere.
LayoutId platformLayoutId();

/// The layout spelled exactly so ("macos", "linux"), or nothing.
std::optional<LayoutId> layoutNamed(std::string_view name);

/// The layout an ORVELANE_LAYOUT value selects: the platform's when it is absent; also the
/// platform's, after one warning in the log, when it names no layout.
LayoutId layoutFromSetting(const char* value);

/// The layout ORVELANE_LAYOUT selects (read once, safely under concurrent first use); the
/// platform's when it is absent or names no layout. Only the programs' entry points ask.
const Layout& layoutFromEnvironment();

/**
 * @brief The layout the front ends hand to the scanner: the environment's unless useLayout
 * chose one (the command line's --layout, tests). The scanner itself never reads it: every
 * scanner function is given its layout.
 */
const Layout& activeLayout();

/// Chooses the front ends' layout from now on.
void useLayout(LayoutId id);

/// Whether the layout offers the category.
bool isOffered(const Layout& layout, CategoryKind kind);

/// The category's subtitle on the layout, in the current language.
std::string layoutSubtitle(const Layout& layout, CategoryKind kind);

} // namespace orvelane::JunkScanner
