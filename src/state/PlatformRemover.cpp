#include "CleaningWorker.h"

// TEMPORARY until the removal layer lands: refuses every removal.
namespace orvelane {
namespace {
class PendingRemover final : public ItemRemover
{
public:
    std::optional<std::string> moveToTrash(const ScannedItem&, const std::filesystem::path&) override
    {
        return "not yet available";
    }
    std::optional<std::string> removePermanently(const ScannedItem&, const std::filesystem::path&) override
    {
        return "not yet available";
    }
};
} // namespace

ItemRemover& platformRemover()
{
    static PendingRemover remover;
    return remover;
}

} // namespace orvelane
