#include "Symbols.h"

#include <array>
#include <utility>

namespace orvelane {
namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 21> kSymbolTable{{
    {"internaldrive", "storage"},
    {"doc.text", "description"},
    {"hammer", "build"},
    {"shippingbox", "inventory_2"},
    {"chevron.left.forwardslash.chevron.right", "code"},
    {"arrow.down.circle", "arrow_circle_down"},
    {"trash", "delete"},
    {"chart.bar.doc.horizontal", "analytics"},
    {"arrow.clockwise", "refresh"},
    {"checkmark.seal.fill", "verified"},
    {"exclamationmark.triangle.fill", "warning"},
    {"globe", "language"},
    {"lock.shield", "security"},
    {"shield.checkered", "verified_user"},
    {"sparkles", "auto_awesome"},
    {"terminal", "terminal"},
    {"trash.slash", "delete_forever"},
    {"folder", "folder_open"},
    {"chevron.up.chevron.down", "unfold_more"},
    {"checkmark", "check"},
    {"arrow.uturn.backward", "undo"},
}};

} // namespace

std::string_view materialLigature(std::string_view symbolName)
{
    for (const auto& [name, ligature] : kSymbolTable)
        if (name == symbolName)
            return ligature;
    return {};
}

std::vector<std::string_view> knownSymbolNames()
{
    std::vector<std::string_view> names;
    names.reserve(kSymbolTable.size());
    for (const auto& entry : kSymbolTable)
        names.push_back(entry.first);
    return names;
}

} // namespace orvelane
