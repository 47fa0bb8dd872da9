#pragma once

#include "Color.h"

#include <QColor>

namespace orvelane {

/// The model's sRGB colour as Qt draws it.
inline QColor toQColor(const Color& color)
{
    return QColor::fromRgbF(static_cast<float>(color.red), static_cast<float>(color.green),
                            static_cast<float>(color.blue), static_cast<float>(color.opacity));
}

} // namespace orvelane
