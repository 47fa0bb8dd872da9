#include "ByteFormatter.h"

#include <array>
#include <atomic>
#include <memory>
#include <string_view>

namespace orvelane {
namespace {

// Wide enough to scale any 64-bit magnitude by 100 without overflow.
__extension__ using Wide = unsigned __int128;

struct UnitWords
{
    std::string_view zero;
    std::string_view byteSingular;
    std::string_view bytePlural;
    std::array<std::string_view, 6> larger; // kB … EB
};

constexpr UnitWords kEnglishUnits{"Zero bytes", "byte", "bytes", {"kB", "MB", "GB", "TB", "PB", "EB"}};
constexpr UnitWords kTurkishUnits{"Sıfır bayt", "bayt", "bayt", {"kB", "MB", "GB", "TB", "PB", "EB"}};

constexpr std::array<int, 7> kFractionDigits{0, 0, 1, 2, 2, 2, 2};

std::atomic<std::shared_ptr<const ByteFormatLocaleProvider>>& currentProvider()
{
    static std::atomic<std::shared_ptr<const ByteFormatLocaleProvider>> provider;
    return provider;
}

const UnitWords& unitWordsFor(const ByteFormatLocale& locale)
{
    return locale.language == "tr" ? kTurkishUnits : kEnglishUnits;
}

Wide power(unsigned base, int exponent)
{
    Wide result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= base;
    return result;
}

// Value in units of 1000^unit, scaled by 10^digits and rounded half away from zero.
std::uint64_t scaledRounded(std::uint64_t magnitude, int unit, int digits)
{
    const Wide numerator = static_cast<Wide>(magnitude) * power(10, digits);
    const Wide denominator = power(1000, unit);
    return static_cast<std::uint64_t>((numerator + denominator / 2) / denominator);
}

std::string groupedDigits(std::uint64_t value, const std::string& separator)
{
    const std::string digits = std::to_string(value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.append(separator);
        out.push_back(digits[i]);
    }
    return out;
}

std::string numberText(std::uint64_t scaled, int digits, const ByteFormatLocale& locale)
{
    const std::uint64_t divisor = static_cast<std::uint64_t>(power(10, digits));
    std::string text = groupedDigits(scaled / divisor, locale.groupSeparator);
    std::string fraction = digits > 0 ? std::to_string(scaled % divisor) : std::string();
    if (!fraction.empty()) {
        fraction.insert(0, static_cast<std::size_t>(digits) - fraction.size(), '0');
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
    }
    if (!fraction.empty())
        text.append(locale.decimalPoint).append(fraction);
    return text;
}

} // namespace

void installByteFormatLocaleProvider(ByteFormatLocaleProvider provider)
{
    auto shared = provider ? std::make_shared<const ByteFormatLocaleProvider>(std::move(provider)) : nullptr;
    currentProvider().store(std::move(shared));
}

std::string formatCount(std::int64_t count)
{
    const auto provider = currentProvider().load();
    return formatCount(count, provider ? (*provider)() : ByteFormatLocale{});
}

std::string formatCount(std::int64_t count, const ByteFormatLocale& locale)
{
    const std::uint64_t magnitude =
        count < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(count) : static_cast<std::uint64_t>(count);
    return (count < 0 ? "-" : "") + groupedDigits(magnitude, locale.groupSeparator);
}

std::string formatBytes(std::int64_t bytes)
{
    const auto provider = currentProvider().load();
    return formatBytes(bytes, provider ? (*provider)() : ByteFormatLocale{});
}

std::string formatBytes(std::int64_t bytes, const ByteFormatLocale& locale)
{
    const UnitWords& words = unitWordsFor(locale);
    if (bytes == 0)
        return std::string(words.zero);

    // The magnitude of INT64_MIN does not fit in int64_t; take it in unsigned arithmetic.
    const std::uint64_t magnitude =
        bytes < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(bytes) : static_cast<std::uint64_t>(bytes);

    int unit = 0;
    while (unit < 6 && magnitude >= power(1000, unit + 1))
        ++unit;
    std::uint64_t scaled = scaledRounded(magnitude, unit, kFractionDigits[unit]);
    if (unit < 6 && scaled >= 1000 * power(10, kFractionDigits[unit])) {
        ++unit;
        scaled = scaledRounded(magnitude, unit, kFractionDigits[unit]);
    }

    std::string text = bytes < 0 ? "-" : "";
    text.append(numberText(scaled, kFractionDigits[unit], locale));
    text.push_back(' ');
    if (unit == 0)
        text.append(magnitude == 1 ? words.byteSingular : words.bytePlural);
    else
        text.append(words.larger[static_cast<std::size_t>(unit - 1)]);
    return text;
}

} // namespace orvelane
