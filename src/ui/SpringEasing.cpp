#include "SpringEasing.h"

#include "DampedSpring.h"

#include <cmath>

namespace orvelane {

QEasingCurve SpringEasing::easing(double response, double dampingFraction) const
{
    return DampedSpring(response, dampingFraction).easingCurve();
}

int SpringEasing::duration(double response, double dampingFraction) const
{
    return static_cast<int>(std::lround(DampedSpring(response, dampingFraction).settlingTime() * 1000));
}

} // namespace orvelane
