#pragma once

#include "CategoryKind.h"
#include "Color.h"

#include <QColor>
#include <QString>

#include <optional>
#include <string_view>

/// How each category is drawn: its symbol (see Symbols.h) and its accent colour.
namespace orvelane::CategoryStyle {

std::string_view symbolName(CategoryKind kind);
Color accent(CategoryKind kind);

QString icon(CategoryKind kind);
/// The accent colour, or a neutral grey for no category.
QColor color(std::optional<CategoryKind> kind);

} // namespace orvelane::CategoryStyle
