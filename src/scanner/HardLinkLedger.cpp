#include "HardLinkLedger.h"

#include "ByteCount.h"

#include <algorithm>
#include <limits>

namespace orvelane::JunkScanner {
namespace {

constexpr std::size_t kFirstCapacity = 64;

// splitmix64's finaliser: inode numbers are often consecutive, the table's index must not be.
std::uint64_t mixed(std::uint64_t value)
{
    value ^= value >> 30;
    value *= 0xbf58476d1ce4e5b9ULL;
    value ^= value >> 27;
    value *= 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

} // namespace

std::size_t HardLinkLedger::home(std::uint64_t inode) const
{
    return static_cast<std::size_t>(mixed(inode)) & (slots_.size() - 1);
}

void HardLinkLedger::record(std::uint64_t inode, std::uint64_t linkCount, std::int64_t bytes)
{
    if (linkCount <= 1 || inode == 0) {
        if (linkCount <= 1)
            completeBytes_ = addBytes(completeBytes_, bytes);
        return; // inode 0 cannot be told apart: left uncounted rather than counted twice
    }
    if ((used_ + 1) * 4 > slots_.size() * 3)
        grow();
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = home(inode);
    while (slots_[at].inode != 0 && slots_[at].inode != inode)
        at = (at + 1) & mask;
    Slot& slot = slots_[at];
    if (slot.inode == 0) {
        // Link counts beyond 2^32 exist on no file system; held at the limit they never complete.
        const auto outstanding =
            std::min<std::uint64_t>(linkCount - 1, std::numeric_limits<std::uint32_t>::max());
        slot = Slot{inode, bytes, static_cast<std::uint32_t>(outstanding)};
        ++used_;
        return;
    }
    if (--slot.linksToMeet == 0) {
        completeBytes_ = addBytes(completeBytes_, slot.bytes);
        erase(at);
    }
}

void HardLinkLedger::grow()
{
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(std::max(kFirstCapacity, old.size() * 2), Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.inode == 0)
            continue;
        std::size_t at = home(slot.inode);
        while (slots_[at].inode != 0)
            at = (at + 1) & mask;
        slots_[at] = slot;
    }
}

// Backward-shift deletion: later members of the probe run move up, so lookups never need
// tombstones and a completed file's slot is really free again.
void HardLinkLedger::erase(std::size_t at)
{
    const std::size_t mask = slots_.size() - 1;
    std::size_t hole = at;
    for (std::size_t next = (hole + 1) & mask; slots_[next].inode != 0; next = (next + 1) & mask) {
        const std::size_t wanted = home(slots_[next].inode);
        // The entry may fill the hole only if its home does not lie cyclically in (hole, next].
        const bool homeAfterHole = ((next - wanted) & mask) < ((next - hole) & mask);
        if (homeAfterHole)
            continue;
        slots_[hole] = slots_[next];
        hole = next;
    }
    slots_[hole] = Slot{};
    --used_;
}

} // namespace orvelane::JunkScanner
