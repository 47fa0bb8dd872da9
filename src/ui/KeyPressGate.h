#pragma once

#include "DeliberatePresses.h"

#include <QObject>
#include <QPointer>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

#include <optional>

class QQuickWindow;

namespace orvelane {

/**
 * @brief While active, lets only deliberate key presses reach the window of `item`.
 *
 * For confirmations: a key that was already held when the question appeared (the Return that
 * opened it), and every repeat of a held key, press nothing. Escape and shortcuts still work.
 * Watching starts afresh each time it becomes active. See DeliberatePresses for the rule.
 */
class KeyPressGate : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QQuickItem* item READ item WRITE setItem NOTIFY itemChanged)
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)
    /// Key presses held back since it became active, for tests.
    Q_PROPERTY(int heldBack READ heldBack NOTIFY heldBackChanged)

public:
    using QObject::QObject;
    ~KeyPressGate() override;

    QQuickItem* item() const { return item_; }
    void setItem(QQuickItem* item);
    bool active() const { return active_; }
    void setActive(bool active);
    int heldBack() const { return heldBack_; }

signals:
    void itemChanged();
    void activeChanged();
    void heldBackChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch();
    void unwatch();

    QPointer<QQuickItem> item_;
    QPointer<QQuickWindow> window_;
    bool active_ = false;
    int heldBack_ = 0;
    std::optional<DeliberatePresses> presses_;
};

} // namespace orvelane
