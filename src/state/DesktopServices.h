#pragma once

#include <filesystem>

namespace orvelane::DesktopServices {

/// Asks the desktop's file manager to show and select the item; opens its folder where that is
/// not offered. False when neither could be done.
bool revealInFileManager(const std::filesystem::path& item);

/// Opens the system's privacy settings at the pane that grants access to the Trash, where the
/// platform has one (macOS: Full Disk Access).
void openAccessSettings();

} // namespace orvelane::DesktopServices
