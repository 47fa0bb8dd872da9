#include "DisplayText.h"

#include <atomic>
#include <memory>

namespace orvelane {
namespace {

std::atomic<std::shared_ptr<const TextLookup>>& currentLookup()
{
    static std::atomic<std::shared_ptr<const TextLookup>> lookup;
    return lookup;
}

std::atomic<std::shared_ptr<const CountedTextLookup>>& currentCountedLookup()
{
    static std::atomic<std::shared_ptr<const CountedTextLookup>> lookup;
    return lookup;
}

// Parses an optional "N$" position right after '%'. Returns the zero-based index, or -1.
int positionalIndex(std::string_view format, std::size_t& cursor)
{
    std::size_t digitsEnd = cursor;
    while (digitsEnd < format.size() && format[digitsEnd] >= '0' && format[digitsEnd] <= '9')
        ++digitsEnd;
    if (digitsEnd == cursor || digitsEnd >= format.size() || format[digitsEnd] != '$')
        return -1;
    int position = 0;
    for (std::size_t i = cursor; i < digitsEnd && position < 1000; ++i)
        position = position * 10 + (format[i] - '0');
    cursor = digitsEnd + 1;
    return position - 1;
}

// Length of the conversion at cursor: "lld", "ld", "d" or "@"; 0 when it is none of them.
std::size_t conversionLength(std::string_view rest)
{
    for (std::string_view conversion : {"lld", "ld", "d", "@"})
        if (rest.starts_with(conversion))
            return conversion.size();
    return 0;
}

} // namespace

void installTextLookup(TextLookup lookup)
{
    auto shared = lookup ? std::make_shared<const TextLookup>(std::move(lookup)) : nullptr;
    currentLookup().store(std::move(shared));
}

std::string localizedText(std::string_view key)
{
    const auto lookup = currentLookup().load();
    if (lookup) {
        std::string text = (*lookup)(key);
        if (!text.empty())
            return text;
    }
    return std::string(key);
}

std::string substitutePlaceholders(std::string_view format, std::initializer_list<std::string_view> values)
{
    return substitutePlaceholders(format, std::span<const std::string_view>(values.begin(), values.size()));
}

std::string substitutePlaceholders(std::string_view format, std::span<const std::string_view> args)
{
    std::string out;
    out.reserve(format.size() + 16);
    std::size_t nextSequential = 0;
    std::size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            out.push_back(format[i++]);
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            out.push_back('%');
            i += 2;
            continue;
        }
        std::size_t cursor = i + 1;
        const int position = positionalIndex(format, cursor);
        const std::size_t length = conversionLength(format.substr(cursor));
        if (length == 0) {
            out.push_back(format[i++]);
            continue;
        }
        const std::size_t index = position >= 0 ? static_cast<std::size_t>(position) : nextSequential++;
        if (index < args.size())
            out.append(args[index]);
        else
            out.append(format.substr(i, cursor + length - i));
        i = cursor + length;
    }
    return out;
}

std::string localizedFormat(std::string_view key, std::initializer_list<std::string_view> values)
{
    return substitutePlaceholders(localizedText(key), values);
}

void installCountedTextLookup(CountedTextLookup lookup)
{
    auto shared = lookup ? std::make_shared<const CountedTextLookup>(std::move(lookup)) : nullptr;
    currentCountedLookup().store(std::move(shared));
}

std::string localizedCountedFormat(std::string_view key, std::int64_t count,
                                   std::initializer_list<std::string_view> values)
{
    if (const auto lookup = currentCountedLookup().load()) {
        const std::string text = (*lookup)(key, count);
        if (!text.empty())
            return substitutePlaceholders(text, values);
    }
    return localizedFormat(key, values);
}

} // namespace orvelane
