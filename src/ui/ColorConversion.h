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

/// The neutral grey of what has no colour of its own: no category, no known level.
inline QColor neutralGrey() { return QColor::fromRgb(142, 142, 147); }

} // namespace orvelane
