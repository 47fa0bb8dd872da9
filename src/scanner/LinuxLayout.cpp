// The freedesktop layout: the XDG base folders, Flatpak and snap sandboxes, the tools' own folders.
//
// Each tool's row follows its documented default (most honour XDG_CACHE_HOME, so their rows are
// written below the cache folder); a comment names the source where the place is not obvious.
// What the layout knows of the programs themselves is in LinuxKnowledge.cpp, the project rules
// in LinuxArtifacts.cpp.

#include "Layout.h"
#include "LinuxKnowledge.h"

#include "DisplayText.h"

#include <array>

namespace orvelane::JunkScanner {

std::vector<DevArtifact> linuxArtifacts();
void addLinuxWalkRules(Layout& layout);

namespace {

using namespace LinuxKnowledge;

// Our own cache (Qt keeps its QML cache there) is not the user's to clean through us.
constexpr std::array<std::string_view, 1> kOwnCache{"Orvelane"};

constexpr Hint sentence(std::string_view text) { return {HintForm::sentence, text}; }
constexpr Hint command(std::string_view text) { return {HintForm::command, text}; }

Location itself(CategoryKind category, Base base, std::string_view path, Knowledge about)
{
    return {.category = category, .base = base, .path = path, .shape = Shape::itself, .about = about};
}

Location devCache(Base base, std::string_view path, std::string_view name, std::string_view program, Hint hint)
{
    return itself(CategoryKind::devCaches, base, path, {.name = name, .application = program, .hint = hint});
}

Location downloadCache(Base base, std::string_view path, std::string_view name, std::string_view program)
{
    return devCache(base, path, name, program, sentence(downloadedWhenNeeded));
}

Location insight(Base base, std::string_view path, std::string_view name, std::string_view hint = {})
{
    return itself(CategoryKind::insights, base, path,
                  {.name = name, .hint = hint.empty() ? Hint{} : command(hint)});
}

Location eachChild(CategoryKind category, Base base, std::string_view path, std::string_view place,
                   Knowledge about, std::span<const ProgramName> programs = {})
{
    return {.category = category, .base = base, .path = path, .shape = Shape::eachChild, .place = place,
            .naming = Naming::child, .about = about, .programs = programs};
}

void addCaches(std::vector<Location>& rows)
{
    using enum CategoryKind;
    // Entries that hold another row's location (pip, the JetBrains caches, …) are left to that row.
    rows.push_back({.category = caches, .base = Base::cache, .path = "", .shape = Shape::entries,
                    .leftOut = kOwnCache, .about = {.hint = sentence(rebuiltByItsMaker)}, .known = cacheEntries()});
    // Flatpak points each sandbox's XDG_CACHE_HOME here (docs.flatpak.org, "XDG base directories").
    rows.push_back(eachChild(caches, Base::home, ".var/app", "cache",
                             {.name = DISPLAY_TEXT("%@ cache (Flatpak)"), .hint = sentence(rebuiltWhenNeeded)},
                             flatpakPrograms()));
    // A snap's XDG_CACHE_HOME lies in its SNAP_USER_COMMON, ~/snap/<name>/common.
    rows.push_back(eachChild(caches, Base::home, "snap", "common/.cache",
                             {.name = DISPLAY_TEXT("%@ cache (snap)"), .hint = sentence(rebuiltWhenNeeded)},
                             snapPrograms()));
    // Electron applications keep Chromium's caches among their settings in ~/.config/<app>/;
    // Chromium-family browsers keep more of them in each profile folder.
    for (const auto& [place, about] : engineCaches())
        rows.push_back(eachChild(caches, Base::config, "", place, about, configPrograms()));
    for (const auto& [folder, browser] : chromiumBrowsers())
        for (const auto& [place, about] : engineCaches()) {
            Knowledge ofBrowser = about;
            ofBrowser.application = browser;
            rows.push_back(eachChild(caches, Base::config, folder, place, ofBrowser));
        }
}

void addLogs(std::vector<Location>& rows)
{
    using enum CategoryKind;
    // The session writes its error log while it lasts; the one before it is history.
    const Knowledge session{.reason = SafetyReason::diagnosticLog,
                            .hint = sentence(DISPLAY_TEXT("Written again at your next login"))};
    Knowledge current = session, previous = session;
    current.name = DISPLAY_TEXT("Session error log");
    current.verdict = Verdict::review;
    current.reason = SafetyReason::currentSessionLog;
    previous.name = DISPLAY_TEXT("Previous session error log");
    rows.push_back(itself(logs, Base::home, ".xsession-errors", current));
    rows.push_back(itself(logs, Base::home, ".xsession-errors.old", previous));
    // Xorg run without root writes its logs here (Xorg.0.log, and Xorg.0.log.old before it).
    Knowledge xorg{.name = DISPLAY_TEXT("X server log"), .reason = SafetyReason::diagnosticLog,
                   .hint = sentence(DISPLAY_TEXT("Written again when the X server next starts"))};
    rows.push_back({.category = logs, .base = Base::data, .path = "xorg", .shape = Shape::entries, .suffix = ".log",
                    .about = xorg});
    xorg.name = DISPLAY_TEXT("Previous X server log");
    rows.push_back({.category = logs, .base = Base::data, .path = "xorg", .shape = Shape::entries,
                    .suffix = ".log.old", .about = xorg});
    // Display managers and editors that keep a log file of their own.
    rows.push_back({.category = logs, .base = Base::data, .path = "sddm", .shape = Shape::entries, .suffix = ".log",
                    .about = {.application = "SDDM", .reason = SafetyReason::diagnosticLog,
                              .hint = sentence(writtenAsItRuns)}});
    const Knowledge ofTool{.name = DISPLAY_TEXT("%@ logs"), .reason = SafetyReason::diagnosticLog,
                           .hint = sentence(writtenAsItRuns)};
    Knowledge npm = ofTool, gradle = ofTool;
    npm.application = "npm";
    gradle.application = "Gradle";
    gradle.name = DISPLAY_TEXT("%@ daemon logs");
    rows.push_back(itself(logs, Base::home, ".npm/_logs", npm));
    // The daemons' registry lies beside their logs and is written again as they start.
    rows.push_back(itself(logs, Base::home, ".gradle/daemon", gradle));
    // Programs' own log folders: known diagnostic logs are offered, histories never, and any
    // other program's logs only for review — they may be a history the user keeps.
    const Knowledge unknownLogs{.name = DISPLAY_TEXT("%@ logs"), .verdict = Verdict::review,
                                .reason = SafetyReason::mayHoldHistory, .hint = sentence(writtenAsItRuns)};
    for (const Base base : {Base::config, Base::state, Base::data})
        for (const std::string_view folder : {"logs", "log"}) {
            Location row = eachChild(logs, base, "", folder, unknownLogs, configPrograms());
            row.known = logFolders();
            rows.push_back(row);
        }
    rows.push_back(eachChild(logs, Base::cache, "JetBrains", "log", ofTool));
    // Crash reports: Chromium and Electron's Crashpad, Mozilla's crash reporter, and the JVM's
    // error files the JetBrains IDEs write into the home folder.
    const Knowledge crashes{.name = DISPLAY_TEXT("%@ crash reports"), .reason = SafetyReason::diagnosticLog,
                            .hint = sentence(writtenOnCrash)};
    for (const std::string_view folder : {"Crashpad", "Crash Reports"})
        rows.push_back(eachChild(logs, Base::config, "", folder, crashes, configPrograms()));
    Knowledge firefox = crashes, thunderbird = crashes;
    firefox.application = "Firefox";
    thunderbird.application = "Thunderbird";
    rows.push_back(itself(logs, Base::home, ".mozilla/firefox/Crash Reports", firefox));
    rows.push_back(itself(logs, Base::home, ".thunderbird/Crash Reports", thunderbird));
    for (const std::string_view prefix : {"java_error_in_", "hs_err_pid", "jbr_err_pid"})
        rows.push_back({.category = logs, .base = Base::home, .path = "", .shape = Shape::entries,
                        .about = {.application = "Java", .reason = SafetyReason::diagnosticLog,
                                  .hint = sentence(writtenOnCrash)},
                        .prefix = prefix});
}

void addDevCaches(std::vector<Location>& rows)
{
    using B = Base;
    rows.push_back(devCache(B::home, ".npm/_cacache", DISPLAY_TEXT("%@ cache"), "npm", command("npm cache clean --force")));
    rows.push_back(downloadCache(B::home, ".npm/_npx", DISPLAY_TEXT("%@ packages"), "npx"));
    rows.push_back(devCache(B::data, "pnpm/store", DISPLAY_TEXT("%@ store"), "pnpm", command("pnpm store prune")));
    rows.push_back(downloadCache(B::cache, "pnpm", DISPLAY_TEXT("%@ metadata cache"), "pnpm"));
    rows.push_back(devCache(B::cache, "yarn", DISPLAY_TEXT("%@ cache"), "Yarn", command("yarn cache clean")));
    rows.push_back(devCache(B::home, ".yarn/berry/cache", DISPLAY_TEXT("%@ cache"), "Yarn Berry",
                            command("yarn cache clean --mirror")));
    rows.push_back(devCache(B::home, ".bun/install/cache", DISPLAY_TEXT("%@ cache"), "Bun", command("bun pm cache rm")));
    rows.push_back(devCache(B::home, ".nvm/.cache", DISPLAY_TEXT("%@ downloads"), "nvm", command("nvm cache clear")));
    rows.push_back(devCache(B::cache, "deno", DISPLAY_TEXT("%@ cache"), "Deno", command("deno clean")));
    rows.push_back(downloadCache(B::cache, "node-gyp", DISPLAY_TEXT("%@ headers"), "node-gyp"));
    rows.push_back(downloadCache(B::cache, "typescript", DISPLAY_TEXT("%@ type downloads"), "TypeScript"));
    rows.push_back(devCache(B::cache, "pip", DISPLAY_TEXT("%@ cache"), "pip", command("pip cache purge")));
    rows.push_back(devCache(B::cache, "pipenv", DISPLAY_TEXT("%@ cache"), "Pipenv", command("pipenv --clear")));
    for (const auto path : {"pypoetry/cache", "pypoetry/artifacts"})
        rows.push_back(devCache(B::cache, path, DISPLAY_TEXT("%@ cache"), "Poetry", command("poetry cache clear --all pypi")));
    rows.push_back(devCache(B::cache, "uv", DISPLAY_TEXT("%@ cache"), "uv", command("uv cache clean")));
    rows.push_back(devCache(B::cache, "pre-commit", DISPLAY_TEXT("%@ environments"), "pre-commit",
                            command("pre-commit clean")));
    rows.push_back(devCache(B::cache, "go-build", DISPLAY_TEXT("%@ build cache"), "Go", command("go clean -cache")));
    rows.push_back(downloadCache(B::home, "go/pkg/mod/cache", DISPLAY_TEXT("%@ module downloads"), "Go"));
    rows.push_back(downloadCache(B::home, ".cargo/registry/cache", DISPLAY_TEXT("%@ crate archives"), "Cargo"));
    rows.push_back(downloadCache(B::home, ".cargo/registry/src", DISPLAY_TEXT("%@ crate sources"), "Cargo"));
    rows.push_back(downloadCache(B::home, ".cargo/registry/index", DISPLAY_TEXT("%@ registry index"), "Cargo"));
    rows.push_back(downloadCache(B::home, ".cargo/git/checkouts", DISPLAY_TEXT("%@ git checkouts"), "Cargo"));
    rows.push_back(downloadCache(B::home, ".cargo/git/db", DISPLAY_TEXT("%@ git repositories"), "Cargo"));
    rows.push_back(downloadCache(B::home, ".gradle/caches", DISPLAY_TEXT("%@ caches"), "Gradle"));
    rows.push_back(downloadCache(B::home, ".gradle/wrapper/dists", DISPLAY_TEXT("%@ distributions"), "Gradle"));
    // Jars installed by hand (mvn install of a local library) live beside the downloaded ones.
    rows.push_back(itself(CategoryKind::devCaches, B::home, ".m2/repository",
                          {.name = DISPLAY_TEXT("%@ repository"), .application = "Maven", .verdict = Verdict::review,
                           .reason = SafetyReason::mayHoldUserData, .hint = sentence(downloadedWhenNeeded)}));
    rows.push_back(downloadCache(B::home, ".ivy2/cache", DISPLAY_TEXT("%@ cache"), "Ivy"));
    rows.push_back(downloadCache(B::home, ".sbt/boot", DISPLAY_TEXT("%@ launcher files"), "sbt"));
    rows.push_back(downloadCache(B::cache, "coursier", DISPLAY_TEXT("%@ cache"), "Coursier"));
    rows.push_back(downloadCache(B::home, ".android/cache", DISPLAY_TEXT("%@ download cache"), "Android SDK"));
    rows.push_back(devCache(B::home, ".nuget/packages", DISPLAY_TEXT("%@ packages"), "NuGet",
                            command("dotnet nuget locals global-packages --clear")));
    for (const auto path : {"NuGet/v3-cache", "NuGet/http-cache"})
        rows.push_back(devCache(B::data, path, DISPLAY_TEXT("%@ HTTP cache"), "NuGet",
                                command("dotnet nuget locals http-cache --clear")));
    rows.push_back(devCache(B::data, "NuGet/plugins-cache", DISPLAY_TEXT("%@ plugin cache"), "NuGet",
                            command("dotnet nuget locals plugins-cache --clear")));
    rows.push_back(downloadCache(B::home, ".pub-cache/hosted", DISPLAY_TEXT("%@ packages"), "Dart"));
    rows.push_back(downloadCache(B::home, ".pub-cache/git", DISPLAY_TEXT("%@ git packages"), "Dart"));
    rows.push_back(downloadCache(B::home, ".conan2/p", DISPLAY_TEXT("%@ packages"), "Conan"));
    rows.push_back(downloadCache(B::home, ".conan/data", DISPLAY_TEXT("%@ packages"), "Conan 1"));
    rows.push_back(downloadCache(B::cache, "vcpkg/archives", DISPLAY_TEXT("%@ binary cache"), "vcpkg"));
    rows.push_back(devCache(B::cache, "composer", DISPLAY_TEXT("%@ cache"), "Composer", command("composer clear-cache")));
    rows.push_back(devCache(B::home, ".composer/cache", DISPLAY_TEXT("%@ cache"), "Composer",
                            command("composer clear-cache")));
    rows.push_back(downloadCache(B::home, ".bundle/cache", DISPLAY_TEXT("%@ cache"), "Bundler"));
    rows.push_back(downloadCache(B::home, ".hex/packages", DISPLAY_TEXT("%@ packages"), "Hex"));
    rows.push_back(downloadCache(B::cache, "cabal/packages", DISPLAY_TEXT("%@ downloads"), "Cabal"));
    rows.push_back(downloadCache(B::home, ".cabal/packages", DISPLAY_TEXT("%@ downloads"), "Cabal"));
    rows.push_back(devCache(B::cache, "zig", DISPLAY_TEXT("%@ cache"), "Zig", sentence(rebuiltWhenNeeded)));
    rows.push_back(devCache(B::home, ".julia/compiled", DISPLAY_TEXT("%@ precompiled code"), "Julia",
                            sentence(rebuiltWhenNeeded)));
    // Bazel's output bases hold whole builds, written read-only; rebuilding them takes long.
    rows.push_back(itself(CategoryKind::devCaches, B::cache, "bazel",
                          {.name = DISPLAY_TEXT("%@ output"), .application = "Bazel", .verdict = Verdict::review,
                           .reason = SafetyReason::expensiveToRegenerate, .hint = command("bazel clean --expunge")}));
    for (const auto& [path, program] : std::to_array<std::pair<std::string_view, std::string_view>>(
             {{"ccache", "ccache"}, {"sccache", "sccache"}}))
        rows.push_back(devCache(B::cache, path, DISPLAY_TEXT("%@ compiler cache"), program, sentence(rebuiltWhenNeeded)));
    rows.push_back(devCache(B::home, ".ccache", DISPLAY_TEXT("%@ compiler cache"), "ccache", command("ccache -C")));
    rows.push_back(devCache(B::cache, "clangd", DISPLAY_TEXT("%@ index"), "clangd", sentence(rebuiltWhenNeeded)));
    rows.push_back(devCache(B::cache, "vscode-cpptools", DISPLAY_TEXT("%@ IntelliSense cache"), "VS Code C/C++",
                            sentence(rebuiltWhenNeeded)));
    rows.push_back(devCache(B::cache, "ms-playwright", DISPLAY_TEXT("%@ browsers"), "Playwright",
                            command("npx playwright install")));
    rows.push_back(devCache(B::cache, "Cypress", DISPLAY_TEXT("%@ app"), "Cypress", command("npx cypress install")));
    rows.push_back(devCache(B::cache, "puppeteer", DISPLAY_TEXT("%@ browsers"), "Puppeteer",
                            command("npx puppeteer browsers install chrome")));
    rows.push_back(downloadCache(B::cache, "selenium", DISPLAY_TEXT("%@ drivers"), "Selenium"));
    rows.push_back(downloadCache(B::cache, "electron", DISPLAY_TEXT("%@ downloads"), "Electron"));
    rows.push_back(downloadCache(B::cache, "electron-builder", DISPLAY_TEXT("%@ tools"), "electron-builder"));
    // An IDE's system folder holds its local history beside the caches and indexes
    // (JetBrains, "Directories used by the IDE"): only those two are offered.
    const Knowledge ideCaches{.name = DISPLAY_TEXT("%@ caches"), .hint = sentence(rebuiltWhenNeeded)};
    const Knowledge ideIndexes{.name = DISPLAY_TEXT("%@ indexes"), .hint = sentence(rebuiltWhenNeeded)};
    rows.push_back(eachChild(CategoryKind::devCaches, B::cache, "JetBrains", "caches", ideCaches));
    rows.push_back(eachChild(CategoryKind::devCaches, B::cache, "JetBrains", "index", ideIndexes));
    // Only the downloads: HF_HOME (~/.cache/huggingface) also holds the access token
    // (huggingface.co/docs/huggingface_hub, "Environment variables").
    for (const auto path : {"huggingface/hub", "huggingface/datasets", "huggingface/xet"})
        rows.push_back(itself(CategoryKind::devCaches, B::cache, path,
                              {.name = DISPLAY_TEXT("%@ downloads"), .application = "Hugging Face",
                               .verdict = Verdict::review, .reason = SafetyReason::expensiveToRegenerate,
                               .hint = command("huggingface-cli delete-cache")}));
}

void addInsights(std::vector<Location>& rows)
{
    using B = Base;
    rows.push_back(insight(B::data, "containers/storage", DISPLAY_TEXT("Podman containers and images"),
                           "podman system prune"));
    rows.push_back(insight(B::data, "containers/podman/machine", DISPLAY_TEXT("Podman machines"), "podman machine rm"));
    rows.push_back(insight(B::data, "docker", DISPLAY_TEXT("Docker data"), "docker system prune")); // rootless dockerd
    rows.push_back(insight(B::home, ".docker/desktop/vms", DISPLAY_TEXT("Docker data"), "docker system prune"));
    rows.push_back(insight(B::data, "flatpak", DISPLAY_TEXT("Flatpak apps and runtimes"), "flatpak uninstall --unused"));
    rows.push_back(insight(B::home, ".android/avd", DISPLAY_TEXT("Android emulators"),
                           "Android Studio \u2192 Device Manager"));
    // Where avdmanager puts them when XDG_CONFIG_HOME is set.
    rows.push_back(insight(B::config, ".android/avd", DISPLAY_TEXT("Android emulators"),
                           "Android Studio \u2192 Device Manager"));
    rows.push_back(insight(B::home, "Android/Sdk", DISPLAY_TEXT("Android SDK"), "Android Studio \u2192 SDK Manager"));
    // Steam's library, native, Debian's package, Flatpak (steam-for-linux #10487) and snap.
    constexpr std::string_view steamHint = "Steam \u2192 Library \u2192 Uninstall";
    rows.push_back(insight(B::data, "Steam/steamapps", DISPLAY_TEXT("Steam games"), steamHint));
    rows.push_back(insight(B::home, ".steam/debian-installation/steamapps", DISPLAY_TEXT("Steam games"), steamHint));
    rows.push_back(insight(B::home, ".var/app/com.valvesoftware.Steam/.local/share/Steam/steamapps",
                           DISPLAY_TEXT("Steam games (Flatpak)"), steamHint));
    rows.push_back(insight(B::home, "snap/steam/common/.local/share/Steam/steamapps", DISPLAY_TEXT("Steam games (snap)"),
                           steamHint));
    // Both keep their disks in the per-user libvirt session.
    rows.push_back(insight(B::data, "gnome-boxes/images", DISPLAY_TEXT("Virtual machine disks"), "GNOME Boxes"));
    rows.push_back(insight(B::home, ".var/app/org.gnome.Boxes/data/gnome-boxes/images",
                           DISPLAY_TEXT("Virtual machine disks (Flatpak)"), "GNOME Boxes"));
    rows.push_back(insight(B::data, "libvirt/images", DISPLAY_TEXT("Virtual machine disks"), "virsh vol-delete"));
    rows.push_back(insight(B::home, "VirtualBox VMs", DISPLAY_TEXT("VirtualBox machines"),
                           "VirtualBox \u2192 Remove \u2192 Delete all files"));
    rows.push_back(insight(B::home, ".vagrant.d/boxes", DISPLAY_TEXT("Vagrant boxes"), "vagrant box prune"));
    rows.push_back(insight(B::home, ".minikube", DISPLAY_TEXT("minikube clusters"), "minikube delete --all --purge"));
    // `ollama serve` run as the user; the system service keeps its models outside the home.
    rows.push_back(insight(B::home, ".ollama/models", DISPLAY_TEXT("Ollama models"), "ollama rm"));
    rows.push_back(insight(B::home, ".lmstudio/models", DISPLAY_TEXT("LM Studio models"),
                           "LM Studio \u2192 My Models"));
    for (const auto path : {"miniconda3/pkgs", "anaconda3/pkgs", "miniforge3/pkgs", ".conda/pkgs"})
        rows.push_back(insight(B::home, path, DISPLAY_TEXT("Conda packages"), "conda clean --all"));
    rows.push_back(insight(B::data, "baloo", DISPLAY_TEXT("File search index (Baloo)"), "balooctl6 purge"));
}

std::vector<Location> linuxLocations()
{
    std::vector<Location> rows;
    addCaches(rows);
    addLogs(rows);
    addDevCaches(rows);
    rows.push_back({.category = CategoryKind::downloads, .base = Base::downloads, .path = "", .shape = Shape::entries});
    rows.push_back({.category = CategoryKind::trash, .base = Base::trash, .path = "", .shape = Shape::entries,
                    .includeHidden = true});
    addInsights(rows);
    return rows;
}

// What a downloaded file is, longer endings before the shorter ones they end in.
std::vector<DownloadKind> linuxDownloadKinds()
{
    std::vector<DownloadKind> kinds;
    for (const auto extension : {"pkg.tar.zst", "pkg.tar.xz", "deb", "rpm", "appimage", "flatpak", "flatpakref",
                                 "flatpakrepo", "snap", "run"})
        kinds.push_back({extension, SafetyReason::installer});
    for (const auto extension : {"iso", "img", "qcow2", "vdi", "vmdk", "vhd", "vhdx", "dmg", "wim"})
        kinds.push_back({extension, SafetyReason::diskImage});
    for (const auto extension : {"tar.gz", "tar.xz", "tar.bz2", "tar.zst", "tar.lz", "tar", "tgz", "txz", "tbz2",
                                 "tzst", "zip", "7z", "rar", "gz", "xz", "bz2", "zst"})
        kinds.push_back({extension, SafetyReason::archive});
    // Firefox and Transmission write ".part", Chromium-family browsers ".crdownload".
    for (const auto extension : {"part", "crdownload"})
        kinds.push_back({extension, SafetyReason::unfinishedDownload});
    return kinds;
}

Layout makeLinuxLayout()
{
    using enum CategoryKind;
    Layout layout{
        .id = LayoutId::linux,
        .name = "linux",
        .categories = {caches, logs, devCaches, devArtifacts, downloads, trash, insights},
        .locations = linuxLocations(),
        .artifacts = linuxArtifacts(),
        .walkSkipsBaseFolders = true,
        .installerExtensions = {"dmg", "pkg", "iso", "deb", "rpm", "appimage", "flatpak", "flatpakref", "snap", "run"},
        .downloadKinds = linuxDownloadKinds(),
        .texts = {.welcomeTitle = DISPLAY_TEXT("Ready to tidy up your computer"),
                  .revealInFileManager = DISPLAY_TEXT("Show in File Manager"),
                  .accessTitle = DISPLAY_TEXT("The Trash can't be read"),
                  .accessNotice = DISPLAY_TEXT("Check the owner and permissions of the Trash folder, then scan again."),
                  .accessPlaceholder = DISPLAY_TEXT("Check the owner and permissions of %@, then scan again."),
                  .opensAccessSettings = false},
    };
    addLinuxWalkRules(layout);
    auto& subtitles = layout.texts.subtitles;
    subtitles[static_cast<std::size_t>(caches)] =
        DISPLAY_TEXT("App caches in ~/.cache, Flatpak and snap apps — rebuilt when needed.");
    subtitles[static_cast<std::size_t>(logs)] =
        DISPLAY_TEXT("Session logs and app logs in ~/.config and ~/.local — old diagnostic reports.");
    subtitles[static_cast<std::size_t>(devCaches)] =
        DISPLAY_TEXT("Download caches from npm, pnpm, pip, Gradle, Maven, Cargo, Go, and more.");
    subtitles[static_cast<std::size_t>(downloads)] =
        DISPLAY_TEXT("Installers and large files in your Downloads folder — these are your files, review carefully.");
    return layout;
}

} // namespace

const Layout& linuxLayout()
{
    static const Layout layout = makeLinuxLayout();
    return layout;
}

} // namespace orvelane::JunkScanner
