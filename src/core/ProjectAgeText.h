#pragma once

#include "ScanRecords.h"

#include <optional>
#include <string>

namespace orvelane {

/// How long a project has lain untouched, in the unit a person would say it in.
struct ProjectAge
{
    enum class Unit { days, months, years };
    Unit unit = Unit::days;
    long long count = 0;
    friend bool operator==(const ProjectAge&, const ProjectAge&) = default;
};

/// The age of a project last touched at `touched`: whole days under a month, whole months
/// (of 30 days) under a year, then whole years. A date in the future is zero days.
ProjectAge projectAge(Date touched, Date now);

/// "Project untouched for 5 months", in the current language, counted properly; nothing
/// when the project's date is not known.
std::optional<std::string> projectUntouchedText(const std::optional<Date>& touched, Date now);

/// A period of `days` as a person sets it: whole years, else whole months (of 30 days), else
/// days, so that 90 reads as 3 months and 45 stays 45 days.
ProjectAge periodOfDays(int days);

/// "Select Untouched for 3 Months": the button that ticks the build folders of projects idle
/// for `days`, its period as periodOfDays words it, in the current language.
std::string selectUntouchedText(int days);

} // namespace orvelane
