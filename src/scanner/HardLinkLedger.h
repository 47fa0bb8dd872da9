#pragma once

#include <cstdint>
#include <vector>

namespace orvelane::JunkScanner {

/**
 * @brief Counts files with several hard links the way removing an item frees them: once, and
 * only when every one of their links lies inside the item.
 *
 * A file whose other links lie elsewhere (a package store, a second checkout) keeps its data on
 * disk after the item goes, so it frees nothing. A file with a single link is counted at once and
 * not held; only files whose links have not all been met yet are (24 bytes each in an
 * open-addressing table), so memory grows with the partly met linked files of one item, not
 * with its size.
 * One walk stays on one mount, so the inode alone identifies a file.
 */
class HardLinkLedger
{
public:
    /// One link of a file, met once per link.
    void record(std::uint64_t inode, std::uint64_t linkCount, std::int64_t bytes);

    /// Bytes of the files all of whose links were recorded, each file once.
    std::int64_t completeBytes() const { return completeBytes_; }

    /// Files met so far whose other links are still outstanding.
    std::size_t pendingFiles() const { return used_; }

private:
    struct Slot
    {
        std::uint64_t inode = 0; // 0: free (no file system hands out inode 0)
        std::int64_t bytes = 0;
        std::uint32_t linksToMeet = 0;
    };

    std::size_t home(std::uint64_t inode) const;
    void grow();
    void erase(std::size_t at);

    std::vector<Slot> slots_;
    std::size_t used_ = 0;
    std::int64_t completeBytes_ = 0;
};

} // namespace orvelane::JunkScanner
