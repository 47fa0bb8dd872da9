#include "DampedSpring.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <utility>

namespace orvelane {
namespace {

// Below this the spring would ring for ever; a spring is never tuned that loosely.
constexpr double kMinimumDamping = 0.05;
constexpr double kMinimumResponse = 0.01;
// Played over its settling time, a spring's motion no longer depends on its response, only on
// its damping; so one easing function per damping, in hundredths, serves every spring. (A
// spline easing could carry any motion, but Qt 6.4 overruns its buffers past ten segments.)
constexpr int kFirstCurve = 5;
constexpr int kLastCurve = 200;

template <int Hundredths>
qreal springProgress(qreal progress)
{
    static const DampedSpring spring(1.0, Hundredths / 100.0);
    static const double duration = spring.settlingTime();
    if (progress <= 0)
        return 0;
    if (progress >= 1)
        return 1;
    return spring.position(progress * duration);
}

template <int... Offsets>
constexpr auto curveTable(std::integer_sequence<int, Offsets...>)
{
    return std::array<QEasingCurve::EasingFunction, sizeof...(Offsets)>{&springProgress<kFirstCurve + Offsets>...};
}

constexpr auto kCurves = curveTable(std::make_integer_sequence<int, kLastCurve - kFirstCurve + 1>());

} // namespace

DampedSpring::DampedSpring(double response, double dampingFraction)
    : response_(std::max(response, kMinimumResponse)),
      damping_(std::max(dampingFraction, kMinimumDamping)),
      omega_(2 * std::numbers::pi / response_)
{
}

double DampedSpring::position(double t) const
{
    if (t <= 0)
        return 0;
    const double w = omega_;
    const double z = damping_;
    if (z < 1) {
        const double decay = z * w;
        const double wd = w * std::sqrt(1 - z * z);
        return 1 - std::exp(-decay * t) * (std::cos(wd * t) + decay / wd * std::sin(wd * t));
    }
    if (z == 1)
        return 1 - std::exp(-w * t) * (1 + w * t);
    const double root = std::sqrt(z * z - 1);
    const double r1 = -w * (z - root);
    const double r2 = -w * (z + root);
    const double c1 = r2 / (r2 - r1);
    const double c2 = -r1 / (r2 - r1);
    return 1 - (c1 * std::exp(r1 * t) + c2 * std::exp(r2 * t));
}

double DampedSpring::settlingTime(double tolerance) const
{
    tolerance = std::clamp(tolerance, 1e-9, 0.5);
    if (damping_ < 1) {
        // The oscillation stays inside the decaying envelope e^(-ζωt) / √(1-ζ²).
        const double envelopeScale = 1 / std::sqrt(1 - damping_ * damping_);
        return std::log(envelopeScale / tolerance) / (damping_ * omega_);
    }
    // Without overshoot the distance to the target only shrinks: find where it crosses.
    double high = response_;
    while (1 - position(high) > tolerance)
        high *= 2;
    double low = 0;
    for (int i = 0; i < 60; ++i) {
        const double middle = (low + high) / 2;
        (1 - position(middle) > tolerance ? low : high) = middle;
    }
    return high;
}

QEasingCurve DampedSpring::easingCurve() const
{
    const int hundredths = std::clamp(static_cast<int>(std::lround(damping_ * 100)), kFirstCurve, kLastCurve);
    QEasingCurve curve;
    curve.setCustomType(kCurves[static_cast<std::size_t>(hundredths - kFirstCurve)]);
    return curve;
}

} // namespace orvelane
