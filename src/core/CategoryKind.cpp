#include "CategoryKind.h"

#include "DisplayText.h"

namespace orvelane {
namespace {

struct CategoryAttributes
{
    std::string_view raw;
    const char* title;
    const char* subtitle;
};

constexpr std::array<CategoryAttributes, 8> kCategories{{
    {"caches", DISPLAY_TEXT("Application Caches"),
     DISPLAY_TEXT("App caches, including sandboxed app containers — rebuilt when needed.")},
    {"logs", DISPLAY_TEXT("Log Files"),
     DISPLAY_TEXT("~/Library/Logs and app container logs — old diagnostic reports.")},
    {"xcode", DISPLAY_TEXT("Xcode Junk"), DISPLAY_TEXT("DerivedData, simulator caches, and device support files.")},
    {"devCaches", DISPLAY_TEXT("Developer Caches"),
     DISPLAY_TEXT("Download caches from npm, pnpm, Gradle, Cargo, and Go.")},
    {"devArtifacts", DISPLAY_TEXT("Build Artifacts"),
     DISPLAY_TEXT("Regenerable project folders (.terraform, node_modules…). Safe to remove, but you'll need to "
                  "rebuild — check the date first.")},
    {"downloads", DISPLAY_TEXT("Large Downloads"),
     DISPLAY_TEXT("Installers and large files in ~/Downloads — these are your files, review carefully.")},
    {"trash", DISPLAY_TEXT("Trash"), DISPLAY_TEXT("Items here are deleted PERMANENTLY and cannot be recovered!")},
    {"insights", DISPLAY_TEXT("Storage Insights"),
     DISPLAY_TEXT("Large stores managed by other apps — guidance only, never selected or deleted by Orvelane.")},
}};

const CategoryAttributes& attributes(CategoryKind kind)
{
    return kCategories[static_cast<std::size_t>(kind)];
}

} // namespace

std::string_view rawValue(CategoryKind kind) { return attributes(kind).raw; }

std::optional<CategoryKind> categoryKindFromRawValue(std::string_view raw)
{
    for (CategoryKind kind : allCategoryKinds)
        if (rawValue(kind) == raw)
            return kind;
    return std::nullopt;
}

std::string title(CategoryKind kind) { return localizedText(attributes(kind).title); }

std::string subtitle(CategoryKind kind) { return localizedText(attributes(kind).subtitle); }

} // namespace orvelane
