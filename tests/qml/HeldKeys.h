#pragma once

#include <QObject>

namespace orvelane::testing {

/**
 * What a held key sends, for QML tests: the first press, then the auto-repeat the window system
 * adds while the key stays down (release and press pairs, as X11 delivers them: flagged as
 * repeats, or not when the toolkit missed the pair), then the last release. Events go through
 * the window's shortcut handling like real ones. Each takes an item of the window the keys go to.
 */
class HeldKeys : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    Q_INVOKABLE void press(QObject* item, int key) const;
    Q_INVOKABLE void repeat(QObject* item, int key, int times, bool flagged = true) const;
    Q_INVOKABLE void release(QObject* item, int key) const;
};

} // namespace orvelane::testing
