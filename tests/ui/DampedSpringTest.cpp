// The spring behind every springy animation: its motion, and the easing curve that carries it.
#include "DampedSpring.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

using orvelane::DampedSpring;

namespace {

struct Peak
{
    double time = 0;
    double position = 0;
};

Peak peakOf(const DampedSpring& spring)
{
    Peak peak;
    const double end = spring.settlingTime() * 1.5;
    for (double t = 0; t <= end; t += 0.0005) {
        const double x = spring.position(t);
        if (x > peak.position)
            peak = {t, x};
    }
    return peak;
}

TEST(DampedSpring, UnderdampedSpringOvershootsOnceByItsDampingRatio)
{
    const DampedSpring spring(0.45, 0.6);
    const Peak peak = peakOf(spring);
    // A damped oscillator overshoots by e^(-ζπ/√(1-ζ²)), half a damped period after release.
    const double expectedOvershoot = std::exp(-0.6 * std::numbers::pi / 0.8);
    EXPECT_NEAR(peak.position - 1, expectedOvershoot, 0.002);
    EXPECT_NEAR(peak.time, 0.45 / (2 * 0.8), 0.002);
    // The swing back stays above the start: one clear overshoot, then small ripples.
    double lowestAfterPeak = 2;
    for (double t = peak.time; t < spring.settlingTime(); t += 0.001)
        lowestAfterPeak = std::min(lowestAfterPeak, spring.position(t));
    EXPECT_GT(lowestAfterPeak, 0.97);
}

TEST(DampedSpring, CriticalAndOverdampedSpringsNeverPassTheTarget)
{
    for (const double damping : {1.0, 1.6}) {
        const DampedSpring spring(0.45, damping);
        double previous = 0;
        for (double t = 0; t <= 3; t += 0.001) {
            const double x = spring.position(t);
            ASSERT_LE(x, 1.0) << "damping " << damping << " at " << t;
            ASSERT_GE(x, previous - 1e-12) << "damping " << damping << " moves backwards at " << t;
            previous = x;
        }
        EXPECT_GT(previous, 0.999) << damping;
    }
    // More damping, slower arrival.
    EXPECT_LT(DampedSpring(0.45, 1.6).position(0.2), DampedSpring(0.45, 1.0).position(0.2));
}

TEST(DampedSpring, SettlesNearItsResponseTime)
{
    for (const double response : {0.25, 0.45, 0.9}) {
        for (const double damping : {0.6, 1.0}) {
            const DampedSpring spring(response, damping);
            EXPECT_NEAR(spring.position(response), 1.0, 0.04) << response << "/" << damping;
            EXPECT_GT(std::abs(1 - spring.position(0.25 * response)), 0.1) << response << "/" << damping;
            // Close enough to stop animating within a couple of responses.
            const double settled = spring.settlingTime();
            EXPECT_GT(settled, response);
            EXPECT_LT(settled, 2.5 * response);
            for (double t = settled; t < settled + 2 * response; t += 0.001)
                ASSERT_LT(std::abs(1 - spring.position(t)), DampedSpring::settledTolerance * 1.0001)
                    << response << "/" << damping << " at " << t;
        }
    }
}

TEST(DampedSpring, EasingCurvePlaysTheMotionOverTheSettlingTime)
{
    for (const double damping : {0.5, 0.6, 1.0}) {
        for (const double response : {0.25, 0.45}) {
            const DampedSpring spring(response, damping);
            const QEasingCurve curve = spring.easingCurve();
            const double duration = spring.settlingTime();
            EXPECT_EQ(spring.position(0), 0);
            EXPECT_NEAR(curve.valueForProgress(0), 0, 1e-9);
            EXPECT_NEAR(curve.valueForProgress(1), 1, 1e-9);
            double highest = 0;
            for (int i = 0; i <= 400; ++i) {
                const double progress = i / 400.0;
                const double value = curve.valueForProgress(progress);
                ASSERT_NEAR(value, spring.position(progress * duration), 0.004)
                    << response << "/" << damping << " at progress " << progress;
                highest = std::max(highest, value);
            }
            if (damping < 1)
                EXPECT_GT(highest, 1.05) << "the curve must keep the overshoot";
            else
                EXPECT_LE(highest, 1.0 + 1e-6);
        }
    }
}

TEST(DampedSpring, NonsenseParametersStillGiveAFiniteMotion)
{
    for (const auto& [response, damping] : {std::pair{0.0, 0.6}, {-1.0, 0.6}, {0.45, 0.0}, {0.45, -3.0}}) {
        const DampedSpring spring(response, damping);
        EXPECT_TRUE(std::isfinite(spring.settlingTime())) << response << "/" << damping;
        EXPECT_GT(spring.settlingTime(), 0) << response << "/" << damping;
        EXPECT_NEAR(spring.position(spring.settlingTime() * 2), 1, 0.01) << response << "/" << damping;
    }
}

} // namespace
