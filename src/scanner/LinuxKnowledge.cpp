// What the freedesktop layout knows of the programs of a Linux home.

#include "LinuxKnowledge.h"

#include <array>

namespace orvelane::JunkScanner::LinuxKnowledge {
namespace {

constexpr Hint sentence(std::string_view text) { return {HintForm::sentence, text}; }
constexpr Hint command(std::string_view text) { return {HintForm::command, text}; }

// A cache its program rebuilds: offered with the category's judgement of its age.
constexpr KnownEntry cache(std::string_view pattern, std::string_view name, std::string_view program,
                           Hint hint = sentence(rebuiltWhenNeeded))
{
    return {pattern, {.name = name, .application = program, .hint = hint}};
}

// Offered, but always for review: rebuilding is costly, or the folder holds more than a cache.
constexpr KnownEntry reviewed(std::string_view pattern, std::string_view name, std::string_view program,
                              SafetyReason reason, Hint hint = sentence(rebuiltWhenNeeded))
{
    return {pattern, {.name = name, .application = program, .verdict = Verdict::review, .reason = reason, .hint = hint}};
}

// Never offered: a person's data, or a place of the running session.
constexpr KnownEntry never(std::string_view pattern) { return {pattern, {.verdict = Verdict::never}}; }

constexpr std::string_view kCache = DISPLAY_TEXT("%@ cache");
constexpr std::string_view kShaders = DISPLAY_TEXT("%@ shader cache");
constexpr std::string_view kThumbnails = DISPLAY_TEXT("%@ thumbnails");
constexpr std::string_view kModels = DISPLAY_TEXT("%@ models");
constexpr Hint kShadersHint = sentence(DISPLAY_TEXT("Compiled again by %@ when apps and games run"));

constexpr auto kCacheEntries = std::to_array<KnownEntry>({
    // Graphics and the desktop.
    cache("thumbnails", DISPLAY_TEXT("Thumbnails"), "", sentence(DISPLAY_TEXT("Rebuilt as you browse your files"))),
    cache("fontconfig", DISPLAY_TEXT("Font cache"), "fontconfig"),
    cache("mesa_shader_cache*", kShaders, "Mesa", kShadersHint),
    cache("mesa", kShaders, "Mesa", kShadersHint),
    cache("nvidia", kShaders, "NVIDIA", kShadersHint),
    cache("radv_builtin_shaders*", kShaders, "RADV", kShadersHint),
    cache("qtshadercache-*", kShaders, "Qt", kShadersHint),
    cache("gstreamer-1.0", DISPLAY_TEXT("%@ plugin registry"), "GStreamer"),
    cache("appstream", DISPLAY_TEXT("Software catalogue cache"), "AppStream", sentence(downloadedWhenNeeded)),
    cache("gnome-software", kCache, "GNOME Software", sentence(downloadedWhenNeeded)),
    cache("fwupd", kCache, "fwupd", sentence(downloadedWhenNeeded)),
    cache("libgweather", DISPLAY_TEXT("Weather forecasts"), "GNOME Weather", sentence(downloadedWhenNeeded)),
    cache("gnome-calculator", DISPLAY_TEXT("Exchange rates"), "GNOME Calculator", sentence(downloadedWhenNeeded)),
    // The search index also holds the tags a person gave files (tracker3-reset(1)).
    reviewed("tracker3", DISPLAY_TEXT("Desktop search index"), "Tracker", SafetyReason::mayHoldUserData,
             command("tracker3 reset -s")),
    reviewed("tracker", DISPLAY_TEXT("Desktop search index"), "Tracker", SafetyReason::mayHoldUserData,
             command("tracker reset -s")),
    reviewed("localsearch", DISPLAY_TEXT("Desktop search index"), "LocalSearch", SafetyReason::mayHoldUserData,
             command("localsearch reset -s")),
    reviewed("xfce4", kCache, "Xfce", SafetyReason::mayHoldUserData), // clipman keeps clipboard history here
    reviewed("kioexec", DISPLAY_TEXT("%@ temporary copies"), "KDE", SafetyReason::mayHoldUserData),
    reviewed("flatpak", kCache, "Flatpak", SafetyReason::mayHoldUserData),
    // Learned input-method phrases live here (ibus-libpinyin #218, #459); saved Xfce sessions too
    // (xfce4-session(1)); the rest stand in for the session's runtime folder (GLib's fallback)
    // or are a portal's mount.
    never("ibus"), never("sessions"), never("dconf"), never("keyring-*"), never("at-spi"), never("doc"),
    never("gvfs*"), never("obexd"), never("containers"), never("akonadi*"),
    // KDE.
    cache("ksycoca*", DISPLAY_TEXT("KDE service cache"), "KDE"),
    cache("plasma_theme_*", DISPLAY_TEXT("Plasma theme cache"), "Plasma"),
    cache("plasma-svgelements*", DISPLAY_TEXT("Plasma theme cache"), "Plasma"),
    cache("icon-cache.kcache", DISPLAY_TEXT("Icon cache"), "KDE"),
    cache("plasmashell", kCache, "Plasma"),
    cache("krunner", kCache, "KRunner"),
    cache("org.kde.dolphin", kCache, "Dolphin"),
    cache("kded6", kCache, "KDE"),
    cache("systemsettings", kCache, "System Settings"),
    // Browsers and mail.
    cache("mozilla", kCache, "Firefox", sentence(rebuiltAsYouBrowse)),
    cache("librewolf", kCache, "LibreWolf", sentence(rebuiltAsYouBrowse)),
    cache("floorp", kCache, "Floorp", sentence(rebuiltAsYouBrowse)),
    cache("waterfox", kCache, "Waterfox", sentence(rebuiltAsYouBrowse)),
    cache("zen", kCache, "Zen Browser", sentence(rebuiltAsYouBrowse)),
    cache("chromium", kCache, "Chromium", sentence(rebuiltAsYouBrowse)),
    cache("google-chrome-beta", kCache, "Google Chrome Beta", sentence(rebuiltAsYouBrowse)),
    cache("google-chrome-unstable", kCache, "Google Chrome Dev", sentence(rebuiltAsYouBrowse)),
    cache("google-chrome", kCache, "Google Chrome", sentence(rebuiltAsYouBrowse)),
    cache("BraveSoftware", kCache, "Brave", sentence(rebuiltAsYouBrowse)),
    cache("microsoft-edge*", kCache, "Microsoft Edge", sentence(rebuiltAsYouBrowse)),
    cache("vivaldi*", kCache, "Vivaldi", sentence(rebuiltAsYouBrowse)),
    cache("opera*", kCache, "Opera", sentence(rebuiltAsYouBrowse)),
    cache("thorium", kCache, "Thorium", sentence(rebuiltAsYouBrowse)),
    cache("epiphany", kCache, "GNOME Web", sentence(rebuiltAsYouBrowse)),
    cache("webkitgtk", kCache, "WebKitGTK"),
    cache("thunderbird", kCache, "Thunderbird"),
    // Offline copies of mail and calendars; changes not yet sent are lost with them.
    reviewed("evolution", kCache, "Evolution", SafetyReason::mayHoldUserData,
             sentence(DISPLAY_TEXT("Downloaded again from your mail and calendar servers"))),
    cache("gajim", kCache, "Gajim"),
    // Small caches of developer tools that are not download caches.
    cache("black", kCache, "Black"),
    cache("pylint", kCache, "Pylint"),
    cache("jedi", kCache, "Jedi"),
    cache("matplotlib", kCache, "Matplotlib"),
    cache("nix", kCache, "Nix"),
    cache("restic", kCache, "restic"),
    reviewed("borg", kCache, "Borg", SafetyReason::expensiveToRegenerate),
    reviewed("yay", kCache, "yay", SafetyReason::expensiveToRegenerate),
    reviewed("paru", kCache, "paru", SafetyReason::expensiveToRegenerate),
    // Media, creative tools and games.
    cache("babl", kCache, "babl"),
    cache("gegl-0.4", kCache, "GEGL"),
    cache("gimp", kCache, "GIMP"),
    cache("inkscape", kCache, "Inkscape"),
    cache("darktable", kThumbnails, "darktable"),
    cache("shotwell", kThumbnails, "Shotwell"),
    cache("vlc", kCache, "VLC"),
    cache("rhythmbox", kCache, "Rhythmbox"),
    reviewed("spotify", kCache, "Spotify", SafetyReason::mayHoldUserData, sentence(downloadedWhenNeeded)),
    cache("wine", kCache, "Wine", sentence(downloadedWhenNeeded)),
    reviewed("winetricks", kCache, "Winetricks", SafetyReason::expensiveToRegenerate, sentence(downloadedWhenNeeded)),
    reviewed("lutris", kCache, "Lutris", SafetyReason::expensiveToRegenerate, sentence(downloadedWhenNeeded)),
    reviewed("torch", kModels, "PyTorch", SafetyReason::expensiveToRegenerate, sentence(downloadedWhenNeeded)),
    reviewed("whisper", kModels, "Whisper", SafetyReason::expensiveToRegenerate, sentence(downloadedWhenNeeded)),
    reviewed("llama.cpp", kModels, "llama.cpp", SafetyReason::expensiveToRegenerate, sentence(downloadedWhenNeeded)),
    reviewed("lm-studio", kModels, "LM Studio", SafetyReason::expensiveToRegenerate, sentence(downloadedWhenNeeded)),
});

constexpr auto kFlatpakPrograms = std::to_array<ProgramName>({
    {"org.mozilla.firefox", "Firefox"},
    {"org.mozilla.Thunderbird", "Thunderbird"},
    {"org.chromium.Chromium", "Chromium"},
    {"com.google.Chrome", "Google Chrome"},
    {"com.brave.Browser", "Brave"},
    {"com.microsoft.Edge", "Microsoft Edge"},
    {"com.vivaldi.Vivaldi", "Vivaldi"},
    {"com.opera.Opera", "Opera"},
    {"io.gitlab.librewolf-community", "LibreWolf"},
    {"app.zen_browser.zen", "Zen Browser"},
    {"com.spotify.Client", "Spotify"},
    {"com.discordapp.Discord", "Discord"},
    {"com.slack.Slack", "Slack"},
    {"org.telegram.desktop", "Telegram"},
    {"org.signal.Signal", "Signal"},
    {"im.riot.Riot", "Element"},
    {"us.zoom.Zoom", "Zoom"},
    {"com.visualstudio.code", "Visual Studio Code"},
    {"com.vscodium.codium", "VSCodium"},
    {"md.obsidian.Obsidian", "Obsidian"},
    {"com.getpostman.Postman", "Postman"},
    {"com.bitwarden.desktop", "Bitwarden"},
    {"org.libreoffice.LibreOffice", "LibreOffice"},
    {"org.onlyoffice.desktopeditors", "ONLYOFFICE"},
    {"org.gimp.GIMP", "GIMP"},
    {"org.inkscape.Inkscape", "Inkscape"},
    {"org.kde.krita", "Krita"},
    {"org.blender.Blender", "Blender"},
    {"org.darktable.Darktable", "darktable"},
    {"org.kde.kdenlive", "Kdenlive"},
    {"com.obsproject.Studio", "OBS Studio"},
    {"org.videolan.VLC", "VLC"},
    {"org.audacityteam.Audacity", "Audacity"},
    {"com.valvesoftware.Steam", "Steam"},
    {"net.lutris.Lutris", "Lutris"},
    {"com.heroicgameslauncher.hgl", "Heroic Games Launcher"},
    {"com.usebottles.bottles", "Bottles"},
    {"org.prismlauncher.PrismLauncher", "Prism Launcher"},
    {"org.gnome.Boxes", "GNOME Boxes"},
    {"org.qbittorrent.qBittorrent", "qBittorrent"},
    {"com.transmissionbt.Transmission", "Transmission"},
    {"com.github.tchx84.Flatseal", "Flatseal"},
    {"com.jetbrains.*", "JetBrains IDE"},
});

constexpr auto kSnapPrograms = std::to_array<ProgramName>({
    {"firefox", "Firefox"},
    {"chromium", "Chromium"},
    {"thunderbird", "Thunderbird"},
    {"spotify", "Spotify"},
    {"discord", "Discord"},
    {"slack", "Slack"},
    {"telegram-desktop", "Telegram"},
    {"signal-desktop", "Signal"},
    {"element-desktop", "Element"},
    {"zoom-client", "Zoom"},
    {"teams-for-linux", "Teams for Linux"},
    {"postman", "Postman"},
    {"obsidian", "Obsidian"},
    {"bitwarden", "Bitwarden"},
    {"mattermost-desktop", "Mattermost"},
    {"vlc", "VLC"},
    {"gimp", "GIMP"},
    {"obs-studio", "OBS Studio"},
    {"steam", "Steam"},
    {"libreoffice", "LibreOffice"},
});

constexpr auto kConfigPrograms = std::to_array<ProgramName>({
    {"Code", "Visual Studio Code"},
    {"Code - OSS", "Code - OSS"},
    {"Code - Insiders", "VS Code Insiders"},
    {"VSCodium", "VSCodium"},
    {"Cursor", "Cursor"},
    {"Windsurf", "Windsurf"},
    {"discord", "Discord"},
    {"discordcanary", "Discord Canary"},
    {"discordptb", "Discord PTB"},
    {"Slack", "Slack"},
    {"Signal", "Signal"},
    {"Element", "Element"},
    {"obsidian", "Obsidian"},
    {"Microsoft Teams", "Microsoft Teams"},
    {"teams-for-linux", "Teams for Linux"},
    {"Postman", "Postman"},
    {"GitHub Desktop", "GitHub Desktop"},
    {"Mattermost", "Mattermost"},
    {"1Password", "1Password"},
    {"Bitwarden", "Bitwarden"},
    {"Typora", "Typora"},
    {"Joplin", "Joplin"},
    {"Logseq", "Logseq"},
    {"Ferdium", "Ferdium"},
    {"skypeforlinux", "Skype"},
    {"Insomnia", "Insomnia"},
    {"heroic", "Heroic Games Launcher"},
    {"Mailspring", "Mailspring"},
    {"chromium", "Chromium"},
    {"google-chrome", "Google Chrome"},
    {"google-chrome-beta", "Google Chrome Beta"},
    {"google-chrome-unstable", "Google Chrome Dev"},
    {"microsoft-edge", "Microsoft Edge"},
    {"microsoft-edge-beta", "Microsoft Edge Beta"},
    {"microsoft-edge-dev", "Microsoft Edge Dev"},
    {"vivaldi", "Vivaldi"},
    {"opera", "Opera"},
    {"thorium", "Thorium"},
    {"BraveSoftware", "Brave"},
    {"hexchat", "HexChat"},
    {"weechat", "WeeChat"},
    {"nvim", "Neovim"},
    {"Steam", "Steam"},
    {"lutris", "Lutris"},
});

// Logs of a program a person reads as history, by the program's folder in the configuration,
// data or state folder: IRC and instant messaging clients and mail clients. Never offered.
constexpr std::string_view kDiagnostic = DISPLAY_TEXT("%@ logs");

constexpr KnownEntry diagnostic(std::string_view pattern)
{
    return {pattern,
            {.name = kDiagnostic, .reason = SafetyReason::diagnosticLog, .hint = sentence(writtenAsItRuns)}};
}

constexpr auto kLogFolders = std::to_array<KnownEntry>({
    // Chat and mail history (WeeChat's logger writes into its data folder, WeeChat's XDG docs).
    never("weechat"), never("hexchat"), never("konversation"), never("quassel-irc.org"), never("smuxi"),
    never("KVIrc"), never("kvirc"), never("profanity"), never("halloy"), never("gajim"), never("dino"),
    never("psi"), never("psi+"), never("kopete"), never("TpLogger"), never("purple"), never("pidgin"),
    never("irssi"), never("polari"), never("empathy"), never("senpai"), never("thunderbird"), never("evolution"),
    never("geary"), never("kmail2"), never("claws-mail"),
    // Diagnostic logs of programs known to write nothing else there.
    diagnostic("Code"), diagnostic("Code - OSS"), diagnostic("Code - Insiders"), diagnostic("VSCodium"),
    diagnostic("Cursor"), diagnostic("Windsurf"), diagnostic("discord*"), diagnostic("Slack"),
    diagnostic("Element"), diagnostic("obsidian"), diagnostic("Microsoft Teams"), diagnostic("teams-for-linux"),
    diagnostic("Postman"), diagnostic("GitHub Desktop"), diagnostic("Mattermost"), diagnostic("heroic"),
    diagnostic("Insomnia"), diagnostic("nvim"), diagnostic("Steam"), diagnostic("lutris"), diagnostic("Signal"),
});

constexpr auto kChromiumBrowsers = std::to_array<Browser>({
    {"chromium", "Chromium"},
    {"google-chrome", "Google Chrome"},
    {"google-chrome-beta", "Google Chrome Beta"},
    {"google-chrome-unstable", "Google Chrome Dev"},
    {"BraveSoftware/Brave-Browser", "Brave"},
    {"microsoft-edge", "Microsoft Edge"},
    {"microsoft-edge-beta", "Microsoft Edge Beta"},
    {"microsoft-edge-dev", "Microsoft Edge Dev"},
    {"vivaldi", "Vivaldi"},
    {"opera", "Opera"},
    {"thorium", "Thorium"},
});

constexpr Knowledge engineCache(std::string_view name)
{
    return {.name = name, .hint = sentence(rebuiltWhenNeeded)};
}

// Rebuilt on the next start (the VS Code maintainers list them as caches, microsoft/vscode
// #164980, #235301). The service workers' cache storage holds what web apps keep for offline
// use: fetched again online, but not by itself while offline.
constexpr auto kEngineCaches = std::to_array<EngineCache>({
    {"Cache", engineCache(DISPLAY_TEXT("%@ web cache"))},
    {"Code Cache", engineCache(DISPLAY_TEXT("%@ code cache"))},
    {"GPUCache", engineCache(DISPLAY_TEXT("%@ GPU cache"))},
    {"CachedData", engineCache(DISPLAY_TEXT("%@ startup cache"))},
    {"DawnCache", engineCache(DISPLAY_TEXT("%@ WebGPU cache"))},
    {"DawnGraphiteCache", engineCache(DISPLAY_TEXT("%@ Graphite cache"))},
    {"DawnWebGPUCache", engineCache(DISPLAY_TEXT("%@ WebGPU shader cache"))},
    {"GrShaderCache", engineCache(DISPLAY_TEXT("%@ shader cache"))},
    {"ShaderCache", engineCache(DISPLAY_TEXT("%@ GPU shader cache"))},
    {"Service Worker/ScriptCache", engineCache(DISPLAY_TEXT("%@ service worker scripts"))},
    {"Service Worker/CacheStorage",
     {.name = DISPLAY_TEXT("%@ service worker cache"), .verdict = Verdict::review,
      .reason = SafetyReason::mayHoldUserData,
      .hint = sentence(DISPLAY_TEXT("Fetched again by %@ when you are online"))}},
    {"CachedExtensionVSIXs",
     {.name = DISPLAY_TEXT("%@ extension downloads"), .hint = sentence(downloadedWhenNeeded)}},
});

} // namespace

std::span<const KnownEntry> cacheEntries() { return kCacheEntries; }
std::span<const ProgramName> flatpakPrograms() { return kFlatpakPrograms; }
std::span<const ProgramName> snapPrograms() { return kSnapPrograms; }
std::span<const ProgramName> configPrograms() { return kConfigPrograms; }
std::span<const KnownEntry> logFolders() { return kLogFolders; }
std::span<const Browser> chromiumBrowsers() { return kChromiumBrowsers; }
std::span<const EngineCache> engineCaches() { return kEngineCaches; }

} // namespace orvelane::JunkScanner::LinuxKnowledge
