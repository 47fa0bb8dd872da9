#pragma once

namespace orvelane {

/// An sRGB colour with components and opacity as fractions from 0 to 1.
struct Color
{
    double red = 0;
    double green = 0;
    double blue = 0;
    double opacity = 1;

    friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
/// The application's brand blue, shared with the theme.
inline constexpr Color brandBlue{0.03, 0.48, 0.85, 1.0};
// The platform's standard named accent colours (light appearance).
inline constexpr Color indigo{88 / 255.0, 86 / 255.0, 214 / 255.0, 1.0};
inline constexpr Color orange{1.0, 149 / 255.0, 0.0, 1.0};
inline constexpr Color purple{175 / 255.0, 82 / 255.0, 222 / 255.0, 1.0};
inline constexpr Color pink{1.0, 45 / 255.0, 85 / 255.0, 1.0};
inline constexpr Color teal{48 / 255.0, 176 / 255.0, 199 / 255.0, 1.0};
inline constexpr Color red{1.0, 59 / 255.0, 48 / 255.0, 1.0};
inline constexpr Color cyan{50 / 255.0, 173 / 255.0, 230 / 255.0, 1.0};
} // namespace colors

} // namespace orvelane
