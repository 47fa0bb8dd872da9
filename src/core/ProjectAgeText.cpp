#include "ProjectAgeText.h"

#include "DisplayText.h"

namespace orvelane {

ProjectAge projectAge(Date touched, Date now)
{
    const long long days =
        touched >= now ? 0 : std::chrono::duration_cast<std::chrono::hours>(now - touched).count() / 24;
    if (days < 30)
        return {ProjectAge::Unit::days, days};
    if (days < 365)
        return {ProjectAge::Unit::months, days / 30};
    return {ProjectAge::Unit::years, days / 365};
}

std::optional<std::string> projectUntouchedText(const std::optional<Date>& touched, Date now)
{
    if (!touched)
        return std::nullopt;
    const ProjectAge age = projectAge(*touched, now);
    const std::string number = std::to_string(age.count);
    switch (age.unit) {
    case ProjectAge::Unit::days:
        return localizedCountedFormat(DISPLAY_TEXT("Project untouched for %lld days"), age.count, {number});
    case ProjectAge::Unit::months:
        return localizedCountedFormat(DISPLAY_TEXT("Project untouched for %lld months"), age.count, {number});
    case ProjectAge::Unit::years:
        break;
    }
    return localizedCountedFormat(DISPLAY_TEXT("Project untouched for %lld years"), age.count, {number});
}

ProjectAge periodOfDays(int days)
{
    if (days > 0 && days % 365 == 0)
        return {ProjectAge::Unit::years, days / 365};
    if (days > 0 && days % 30 == 0)
        return {ProjectAge::Unit::months, days / 30};
    return {ProjectAge::Unit::days, days};
}

std::string selectUntouchedText(int days)
{
    const ProjectAge period = periodOfDays(days);
    const std::string number = std::to_string(period.count);
    switch (period.unit) {
    case ProjectAge::Unit::days:
        return localizedCountedFormat(DISPLAY_TEXT("Select Untouched for %lld Days"), period.count, {number});
    case ProjectAge::Unit::months:
        return localizedCountedFormat(DISPLAY_TEXT("Select Untouched for %lld Months"), period.count,
                                      {number});
    case ProjectAge::Unit::years:
        break;
    }
    return localizedCountedFormat(DISPLAY_TEXT("Select Untouched for %lld Years"), period.count, {number});
}

} // namespace orvelane
