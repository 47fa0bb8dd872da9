#include "CleanSelection.h"

namespace orvelane {

bool isCleanable(CategoryKind kind, const ScannedItem& item)
{
    return !isGuidanceOnly(kind) && item.safetyLevel != SafetyLevel::protected_;
}

std::vector<ScannedItem> cleanableSelection(CategoryKind kind, const std::vector<ScannedItem>& listed,
                                            const std::set<std::filesystem::path>& selection)
{
    std::vector<ScannedItem> chosen;
    for (const ScannedItem& item : listed)
        if (isCleanable(kind, item) && selection.contains(item.path))
            chosen.push_back(item);
    return chosen;
}

} // namespace orvelane
