#include "Layout.h"

#include "DisplayText.h"
#include "Logger.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace orvelane::JunkScanner {
namespace {

std::atomic<const Layout*> chosenLayout{nullptr};

} // namespace

const Layout& layoutFor(LayoutId id)
{
    return id == LayoutId::macos ? macLayout() : linuxLayout();
}

LayoutId platformLayoutId()
{
#ifdef __APPLE__
    return LayoutId::macos;
#else
    return LayoutId::linux;
#endif
}

std::optional<LayoutId> layoutNamed(std::string_view name)
{
    if (name == "macos")
        return LayoutId::macos;
    if (name == "linux")
        return LayoutId::linux;
    return std::nullopt;
}

LayoutId layoutFromSetting(const char* value)
{
    if (value == nullptr)
        return platformLayoutId();
    if (const auto named = layoutNamed(value))
        return *named;
    Logger::warning("JunkScanner: Unknown layout '" + std::string(value) + "' in ORVELANE_LAYOUT, using '" +
                    std::string(layoutFor(platformLayoutId()).name) + "'");
    return platformLayoutId();
}

const Layout& layoutFromEnvironment()
{
    static const Layout& configured = layoutFor(layoutFromSetting(std::getenv("ORVELANE_LAYOUT")));
    return configured;
}

const Layout& activeLayout()
{
    if (const Layout* layout = chosenLayout.load(std::memory_order_acquire))
        return *layout;
    return layoutFromEnvironment();
}

void useLayout(LayoutId id)
{
    chosenLayout.store(&layoutFor(id), std::memory_order_release);
}

bool isOffered(const Layout& layout, CategoryKind kind)
{
    return std::find(layout.categories.begin(), layout.categories.end(), kind) != layout.categories.end();
}

std::string layoutSubtitle(const Layout& layout, CategoryKind kind)
{
    if (const char* key = layout.texts.subtitles[static_cast<std::size_t>(kind)])
        return localizedText(key);
    return subtitle(kind);
}

} // namespace orvelane::JunkScanner
