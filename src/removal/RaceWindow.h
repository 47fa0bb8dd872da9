#pragma once

#include <functional>

namespace orvelane {

/**
 * @brief The instants between the last check of an object and the operation on it.
 *
 * A swap in one of these windows is what every identity check after the operation exists to
 * catch, and no test can hit them by timing. Tests install an observer that is called at each
 * moment and swaps the object right there; without one, reaching a moment does nothing.
 */
namespace RaceWindow {

enum class Moment
{
    beforeRenameIntoTrash,    // the item was confirmed and its record written
    beforeOpeningFolderToErase, // the item was confirmed and found free of other mounts
    beforeClimbingToParent,   // a folder deeper than the open descriptors is emptied
    beforeRenameOutOfTrash,   // a trash entry and its old place were confirmed for putting back
};

using Observer = std::function<void(Moment)>;

/// Installs the observer (an empty one removes it). Not for concurrent use: tests only.
void observe(Observer observer);

void reach(Moment moment);

} // namespace RaceWindow
} // namespace orvelane
