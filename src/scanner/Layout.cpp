#include "Layout.h"

#include "DisplayText.h"
#include "Logger.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <mutex>

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

const Layout& activeLayout()
{
    if (const Layout* layout = chosenLayout.load(std::memory_order_acquire))
        return *layout;
    static std::once_flag fromEnvironment;
    std::call_once(fromEnvironment, [] {
        const Layout* expected = nullptr;
        const Layout* configured = &layoutFor(layoutFromSetting(std::getenv("ORVELANE_LAYOUT")));
        // A choice made meanwhile (useLayout) wins over the environment.
        chosenLayout.compare_exchange_strong(expected, configured, std::memory_order_acq_rel);
    });
    return *chosenLayout.load(std::memory_order_acquire);
}

void useLayout(LayoutId id)
{
    chosenLayout.store(&layoutFor(id), std::memory_order_release);
}

bool isOffered(CategoryKind kind)
{
    const auto& offered = activeLayout().categories;
    return std::find(offered.begin(), offered.end(), kind) != offered.end();
}

std::string layoutSubtitle(CategoryKind kind)
{
    if (const char* key = activeLayout().texts.subtitles[static_cast<std::size_t>(kind)])
        return localizedText(key);
    return subtitle(kind);
}

} // namespace orvelane::JunkScanner
