#include "ItemTexts.h"

#include "DisplayText.h"

namespace orvelane {

std::string reasonText(const ScannedItem& item)
{
    return explanation(item.safetyReason, item.application);
}

std::optional<std::string> hintText(const ScannedItem& item, CategoryKind kind)
{
    if (!item.actionHint || item.actionHint->empty())
        return std::nullopt;
    const std::string& hint = *item.actionHint;
    if (item.hintForm == HintForm::sentence)
        return localizedFormat(hint, {item.application.value_or(std::string())});
    return kind == CategoryKind::devArtifacts ? localizedFormat(DISPLAY_TEXT("Rebuild: %@"), {hint})
                                              : localizedFormat(DISPLAY_TEXT("Manage with: %@"), {hint});
}

} // namespace orvelane
