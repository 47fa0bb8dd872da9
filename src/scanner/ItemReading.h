#pragma once

#include "CategoryKind.h"
#include "Layout.h"
#include "LayoutFolders.h"
#include "LocationRules.h"
#include "ScanRecords.h"

#include <filesystem>
#include <optional>
#include <string>

namespace orvelane::JunkScanner {

/// What the scan says of one candidate beyond its measurement: the layout's knowledge of the
/// place, the project rule of a build folder, a download's kind, a trash entry's record.
struct ItemReading
{
    std::string name;
    std::optional<std::string> application;
    Verdict verdict = Verdict::judged;
    std::optional<SafetyReason> reason;
    HintForm hintForm = HintForm::command;
    std::string hint; ///< empty: none
    std::optional<Date> deleted;
};

/// Reads one candidate of the category. Reads the disk only for a trash entry's record and a
/// build folder's lock files.
ItemReading readItem(const Layout& layout, CategoryKind kind, const Candidate& candidate,
                     const LayoutFolders& folders);

/// The name a path is listed under (valid UTF-8 whatever the bytes of the path).
std::string displayName(const Layout& layout, const std::filesystem::path& path);

} // namespace orvelane::JunkScanner
