#include "ScanRecords.h"

#include <functional>

namespace orvelane {
namespace {

class Hasher
{
public:
    template <typename T>
    Hasher& add(const T& value)
    {
        combine(std::hash<T>{}(value));
        return *this;
    }

    Hasher& add(const std::filesystem::path& path)
    {
        combine(std::filesystem::hash_value(path));
        return *this;
    }

    Hasher& add(const Date& date)
    {
        combine(std::hash<Date::rep>{}(date.time_since_epoch().count()));
        return *this;
    }

    // An absent value feeds a different marker than any present one, so "none" never
    // collides with a present zero or empty text.
    template <typename T>
    Hasher& add(const std::optional<T>& value)
    {
        combine(value ? 0x9e3779b97f4a7c15ULL : 0x7f4a7c159e3779b9ULL);
        if (value)
            add(*value);
        return *this;
    }

    std::size_t result() const { return state_; }

private:
    void combine(std::size_t h) { state_ ^= h + 0x9e3779b97f4a7c15ULL + (state_ << 6) + (state_ >> 2); }

    std::size_t state_ = 0;
};

} // namespace

std::size_t hashValue(const ScannedItem& item) noexcept
{
    return Hasher{}
        .add(item.path)
        .add(item.name)
        .add(item.size)
        .add(item.modified)
        .add(item.safetyLevel)
        .add(item.safetyReason)
        .add(item.actionHint)
        .add(item.inode)
        .add(item.application)
        .add(static_cast<int>(item.hintForm))
        .add(item.deleted)
        .add(item.projectTouched)
        .add(item.contents.files)
        .add(item.contents.folders)
        .result();
}

std::size_t hashValue(const SkippedItem& item) noexcept
{
    return Hasher{}.add(item.path).add(item.name).add(item.size).add(item.reason).result();
}

} // namespace orvelane
