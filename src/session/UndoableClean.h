#pragma once

#include "CategoryKind.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace orvelane {

/// One clean that may still be undone, as the journal lists it.
struct UndoableClean
{
    std::string id;
    CategoryKind category = CategoryKind::caches;
    std::size_t items = 0;
    std::int64_t bytes = 0;
    /// When it ended, in microseconds since the epoch; zero where the journal did not say.
    std::int64_t when = 0;
};

} // namespace orvelane
