#pragma once

// What orvelane-cli's exit status tells a script; the manual lists the same four.
namespace orvelane::cli::ExitStatus {

inline constexpr int done = 0;
/// The command ran, but some items were kept or stayed, each with a message.
inline constexpr int completedWithMessages = 1;
/// The command line or its input was refused; nothing was done.
inline constexpr int badInput = 2;
/// There was nothing to act on (no scan items, no clean to undo).
inline constexpr int notStarted = 3;

} // namespace orvelane::cli::ExitStatus
