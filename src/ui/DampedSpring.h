#pragma once

#include <QEasingCurve>

namespace orvelane {

/**
 * @brief A damped spring that moves from rest at 0 towards 1.
 *
 * Described the way designers tune springs: `response` is the period of the undamped
 * oscillation in seconds, `dampingFraction` is 1 for critical damping, below 1 for a spring
 * that overshoots and above 1 for one that creeps in. Every spring of the interface is one of
 * these, played as an easing curve over its settling time.
 */
class DampedSpring
{
public:
    /// Distance from the target below which a spring counts as settled (a thousandth of the move).
    static constexpr double settledTolerance = 0.001;

    DampedSpring(double response, double dampingFraction);

    double response() const { return response_; }
    double dampingFraction() const { return damping_; }

    /// Position at a time after release; 0 at the start, tending to 1.
    double position(double seconds) const;

    /// The time from which the position stays within the tolerance of 1.
    double settlingTime(double tolerance = settledTolerance) const;

    /**
     * @brief The motion as an easing curve whose progress 0…1 spans the settling time.
     *
     * The curve follows the damping to the nearest hundredth, between 0.05 and 2.
     */
    QEasingCurve easingCurve() const;

private:
    double response_;
    double damping_;
    double omega_; ///< undamped angular frequency
};

} // namespace orvelane
