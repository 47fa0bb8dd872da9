#pragma once

#include <string_view>

namespace orvelane {

/// How a clean (or an undo, or a put-back) ended: ran to the end, with or without messages, or
/// refused before doing anything.
enum class CleanResult { completed, notStarted };

/// The word scripts and logs read: "completed" or "notStarted".
std::string_view rawValue(CleanResult result);

} // namespace orvelane
