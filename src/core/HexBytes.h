#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvelane {

/// Bytes as lower-case hexadecimal text, two digits a byte: how paths that need not be valid
/// UTF-8 travel through text files and settings unchanged.
std::string hexEncoded(std::string_view bytes);

/// The bytes of a hexadecimal text (either case); nothing when the text is of odd length or
/// holds anything but hex digits.
std::optional<std::string> hexDecoded(std::string_view text);

/// The value of one hex digit (either case), or -1 for any other character.
int hexDigitValue(char c);

} // namespace orvelane
