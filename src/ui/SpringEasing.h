#pragma once

#include <QEasingCurve>
#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace orvelane {

/**
 * @brief The one spring of the interface, for QML animations.
 *
 * A spring is given by its response (period, seconds) and damping fraction; QML plays it as
 *
 *     NumberAnimation { duration: Spring.duration(0.25, 0.6); easing: Spring.easing(0.25, 0.6) }
 *
 * so that the press of a button and the entrance of a card move by the same physics.
 */
class SpringEasing : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(Spring)
    QML_SINGLETON

public:
    using QObject::QObject;

    /// The spring's motion as an easing curve over its settling time.
    Q_INVOKABLE QEasingCurve easing(double response, double dampingFraction) const;
    /// The spring's settling time in milliseconds, the duration that goes with `easing`.
    Q_INVOKABLE int duration(double response, double dampingFraction) const;
};

} // namespace orvelane
