#pragma once

#include "CategoryKind.h"
#include "DeveloperArtifacts.h"
#include "ScanRecords.h"

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

/// How far the layout trusts what a place holds.
enum class Verdict {
    judged, ///< the category's own judgement (age, …); a `reason` given explains a safe item
    review, ///< always review, for the knowledge's `reason`
    never,  ///< never offered, and refused when an item names it
};

/// How an item comes back, or what manages it: a command, or a sentence (an English lookup key
/// in which "%@" stands for the item's program).
struct Hint
{
    HintForm form = HintForm::sentence;
    std::string_view text{};
};

/// What the layout knows of one place: what people call it, whether to offer it, how it comes back.
struct Knowledge
{
    /// Display text key, with "%@" for the program where it names one; empty: named by the row.
    std::string_view name{};
    /// The program, as people call it; empty: the row's program, or unknown.
    std::string_view application{};
    Verdict verdict = Verdict::judged;
    std::optional<SafetyReason> reason{};
    Hint hint{};
};

/// Knowledge of the entries or sub-folders of a row's folder, by name: the whole name, or its
/// beginning when the pattern ends in "*".
struct KnownEntry
{
    std::string_view pattern;
    Knowledge knowledge;
};

/// What people call a program whose folder carries another name (a Flatpak id, a snap's or an
/// Electron application's folder); the pattern reads as a KnownEntry's.
struct ProgramName
{
    std::string_view pattern;
    std::string_view name;
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
    /// The place itself (itself), or any entry or sub-folder `known` does not name.
    Knowledge about{};
    /// Entries (entries) or sub-folders (eachChild) the layout knows by name.
    std::span<const KnownEntry> known{};
    /// eachChild: the program each sub-folder belongs to, where its name is not what people call it.
    std::span<const ProgramName> programs{};
    std::string_view prefix{}; // entries: only names beginning so (case-sensitive)
};

/// A name or hint given to any path ending with `suffix` (a plain, case-sensitive text test).
struct SuffixRule
{
    std::string_view suffix;
    std::string_view text;
};

/// What a downloaded file is, told by the end of its name: the lower-cased extension, without
/// its dot, as it follows the last dot or a dot before it ("deb", "tar.gz").
struct DownloadKind
{
    std::string_view extension;
    SafetyReason reason;
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
    std::vector<SuffixRule> insightHints{}; // commands for stores known by how their path ends
    std::vector<DevArtifact> artifacts{};
    std::set<std::string, std::less<>> walkSkip{}; // folder names the artifact walk never enters
    std::set<std::string, std::less<>> homeWalkSkip{};   // …nor, directly in the home folder, these
    std::vector<std::string_view> walkSkipPrefixes{};     // …nor names beginning so (".Trash-1000")
    /// …nor a folder so named inside a folder so named: an application bundle's "resources/app".
    std::vector<std::pair<std::string_view, std::string_view>> walkSkipInside{};
    /// The walk also stays out of the freedesktop base folders wherever they lie in the home.
    bool walkSkipsBaseFolders = false;
    std::set<std::string, std::less<>> installerExtensions{}; // lower-case; offered at any size
    std::vector<DownloadKind> downloadKinds{}; // longer extensions first
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
