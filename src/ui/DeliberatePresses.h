#pragma once

#include <cstdint>
#include <map>
#include <set>

namespace orvelane {

/**
 * @brief Tells a deliberate key press from a key that is merely held.
 *
 * A held key sends repeats. The window system flags most of them, but not reliably: on X11 a
 * repeat is a release and a press with the same time stamp, and when the press has not arrived
 * yet as the release is read, both look like a real release and a real new press. So a press
 * counts only when it is no repeat and, if its key was released since watching began, comes
 * clearly later than that release: fingers need more than `minimumGap` to press a key again.
 * A release counts only when its press counted. Times are the events' time stamps, in ms.
 */
class DeliberatePresses
{
public:
    static constexpr std::uint64_t minimumGap = 20;

    /// Whether a press of `key` at `time` is deliberate; if so its release will count too.
    bool press(int key, std::uint64_t time, bool autoRepeat);
    /// Whether a release of `key` at `time` ends a deliberate press.
    bool release(int key, std::uint64_t time, bool autoRepeat);

private:
    std::map<int, std::uint64_t> lastRelease_;
    std::set<int> down_;
};

} // namespace orvelane
