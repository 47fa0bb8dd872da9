#include "DeliberatePresses.h"

namespace orvelane {

bool DeliberatePresses::press(int key, std::uint64_t time, bool autoRepeat)
{
    if (autoRepeat)
        return false;
    const auto released = lastRelease_.find(key);
    if (released != lastRelease_.end() && time < released->second + minimumGap)
        return false;
    down_.insert(key);
    return true;
}

bool DeliberatePresses::release(int key, std::uint64_t time, bool autoRepeat)
{
    lastRelease_[key] = time;
    return !autoRepeat && down_.erase(key) > 0;
}

} // namespace orvelane
