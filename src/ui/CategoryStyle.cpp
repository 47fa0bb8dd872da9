#include "CategoryStyle.h"

#include "ColorConversion.h"

#include <array>
#include <utility>

namespace orvelane::CategoryStyle {
namespace {

constexpr std::array<std::pair<std::string_view, Color>, 8> kStyles{{
    {"internaldrive", colors::brandBlue},
    {"doc.text", colors::indigo},
    {"hammer", colors::orange},
    {"shippingbox", colors::purple},
    {"chevron.left.forwardslash.chevron.right", colors::pink},
    {"arrow.down.circle", colors::teal},
    {"trash", colors::red},
    {"chart.bar.doc.horizontal", colors::cyan},
}};

const std::pair<std::string_view, Color>& styleOf(CategoryKind kind) { return kStyles[static_cast<std::size_t>(kind)]; }

} // namespace

std::string_view symbolName(CategoryKind kind) { return styleOf(kind).first; }

Color accent(CategoryKind kind) { return styleOf(kind).second; }

QString icon(CategoryKind kind)
{
    const std::string_view name = symbolName(kind);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QColor color(std::optional<CategoryKind> kind)
{
    return kind ? toQColor(accent(*kind)) : neutralGrey();
}

} // namespace orvelane::CategoryStyle
