#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace orvelane {
namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

QColor Contrast::composite(const QColor& over, const QColor& under)
{
    const double a = over.alphaF();
    const auto mix = [a](double top, double bottom) { return top * a + bottom * (1 - a); };
    return QColor::fromRgbF(static_cast<float>(mix(over.redF(), under.redF())),
                            static_cast<float>(mix(over.greenF(), under.greenF())),
                            static_cast<float>(mix(over.blueF(), under.blueF())));
}

double Contrast::luminance(const QColor& color)
{
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

double Contrast::ratio(const QColor& foreground, const QColor& background)
{
    const double a = luminance(composite(foreground, background));
    const double b = luminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor Contrast::readable(const QColor& color, const QColor& other, double minimum)
{
    QColor shade = composite(color, other);
    if (ratio(shade, other) >= minimum)
        return shade;
    // Darker in the same hue and saturation, one step of lightness at a time: the first shade
    // that reads is the one closest to the original.
    float hue = 0, saturation = 0, lightness = 0, alpha = 0;
    shade.getHslF(&hue, &saturation, &lightness, &alpha);
    for (float l = lightness; l > 0; l -= 0.005f) {
        const QColor darker = QColor::fromHslF(hue, saturation, std::max(l, 0.0f));
        if (ratio(darker, other) >= minimum)
            return darker;
    }
    return Qt::black;
}

} // namespace orvelane
