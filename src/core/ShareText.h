#pragma once

#include <string>

/// A part of a whole in percent, as the window's disk figures write it.
namespace orvelane::ShareText {

/**
 * @brief "1.3 %" in English, "%1,3" in Turkish: one fraction digit, trailing zero dropped, in the
 * current language.
 *
 * A part too small to show a digit reads "under 0.1 %" rather than a false "0 %", and a part
 * short of the whole never rounds up to "100 %". Nothing at all reads "0 %". `fraction` is
 * clamped to 0…1.
 */
std::string percent(double fraction);

} // namespace orvelane::ShareText
