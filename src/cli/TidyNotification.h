#pragma once

#include <cstdint>

namespace orvelane::cli {

/// Tells the desktop what a tidy freed (org.freedesktop.Notifications on the session bus), in
/// the current language; nothing at all when there is no bus or no notification service, or
/// when the tidy freed nothing.
void notifyTidyDone(std::int64_t trashed, std::int64_t deleted);

} // namespace orvelane::cli
