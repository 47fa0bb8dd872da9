#pragma once

#include "EntryStatus.h"

#include <cstddef>
#include <filesystem>

namespace orvelane {

/// Receives every entry below the root of a walk, each exactly once.
class TreeVisitor
{
public:
    virtual ~TreeVisitor() = default;
    /// An entry and its own status (links are reported, never followed).
    virtual void visit(const char* name, const EntryStatus& status) = 0;
    /// The status of a listed entry could not be read; the entry is left out.
    virtual void statusFailed(const char* name, int error) = 0;
    /// A folder could not be opened or its listing broke off; the rest of the walk goes on.
    virtual void folderFailed(const char* name, int error) = 0;
    /// The top of another mount (`below` is its path relative to the root of the walk). It is
    /// neither visited nor entered: what a mount shows is not part of the tree being walked.
    virtual void mountFound(const std::filesystem::path& /*below*/, const EntryStatus& /*status*/) {}
};

struct TreeWalkLimits
{
    /// Packages are reported as entries, but what they contain is not.
    bool skipPackageContents = true;
    /// Open folders a walk may hold at once; deeper walks close and later reopen ancestors.
    std::size_t maxOpenFolders = 32;
};

/**
 * @brief Walks everything below `root`, depth first, in one pass.
 *
 * Each folder is opened relative to its parent's descriptor and each entry is queried once
 * relative to it, so the depth of a tree is not limited by PATH_MAX. Memory grows with the
 * depth of the tree, not the number of its entries; at most `maxOpenFolders` descriptors are
 * held, ancestors beyond that are reopened through ".." (and checked to be the same folder)
 * when the walk climbs back. The walk stays on the root's own mount, as `du -x` does: the top of
 * any other mount, a bind mount of the same file system included, is reported to
 * `mountFound` and not entered. A folder already open higher up is reported as failed rather
 * than entered again.
 *
 * The root itself is not visited. Returns the errno of opening the root, or 0.
 */
int enumerateTree(const std::filesystem::path& root, TreeVisitor& visitor, const TreeWalkLimits& limits = {});

/// The same walk below a folder that is already open (the descriptor stays the caller's), for
/// callers that pinned the very folder they mean and must not look it up by path again.
int enumerateTree(int folderFd, TreeVisitor& visitor, const TreeWalkLimits& limits = {});

} // namespace orvelane
