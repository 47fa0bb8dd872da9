#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orvelane {

/// The eight kinds of reclaimable data, in the order every list and every full scan uses.
enum class CategoryKind {
    caches,
    logs,
    xcode,
    devCaches,
    devArtifacts,
    downloads,
    trash,
    insights,
};

inline constexpr std::array<CategoryKind, 8> allCategoryKinds{
    CategoryKind::caches,       CategoryKind::logs,      CategoryKind::xcode, CategoryKind::devCaches,
    CategoryKind::devArtifacts, CategoryKind::downloads, CategoryKind::trash, CategoryKind::insights,
};

/// The stored name: the case name, exactly.
std::string_view rawValue(CategoryKind kind);

/// The case whose raw value equals the text exactly (case-sensitive), or nothing.
std::optional<CategoryKind> categoryKindFromRawValue(std::string_view raw);

/// Identity used by lists: the raw value.
inline std::string_view id(CategoryKind kind) { return rawValue(kind); }

/// Display texts in the current language, looked up on every call.
std::string title(CategoryKind kind);
std::string subtitle(CategoryKind kind);

/// Items of this category are deleted permanently instead of moved to the Trash.
inline bool isDeletedPermanently(CategoryKind kind) { return kind == CategoryKind::trash; }

/// Items of this category are guidance only: never selected, never removed, never totalled.
inline bool isGuidanceOnly(CategoryKind kind) { return kind == CategoryKind::insights; }

} // namespace orvelane
