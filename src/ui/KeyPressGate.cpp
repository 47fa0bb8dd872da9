#include "KeyPressGate.h"

#include <QKeyEvent>
#include <QQuickWindow>

namespace orvelane {

KeyPressGate::~KeyPressGate() { unwatch(); }

void KeyPressGate::setItem(QQuickItem* item)
{
    if (item == item_)
        return;
    unwatch();
    item_ = item;
    if (active_)
        watch();
    emit itemChanged();
}

void KeyPressGate::setActive(bool active)
{
    if (active == active_)
        return;
    active_ = active;
    if (active_)
        watch();
    else
        unwatch();
    emit activeChanged();
}

void KeyPressGate::watch()
{
    unwatch();
    window_ = item_ ? item_->window() : nullptr;
    if (!window_)
        return;
    presses_.emplace();
    heldBack_ = 0;
    emit heldBackChanged();
    window_->installEventFilter(this);
}

void KeyPressGate::unwatch()
{
    if (window_)
        window_->removeEventFilter(this);
    window_ = nullptr;
    presses_.reset();
}

bool KeyPressGate::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_ || !presses_)
        return false;
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool pass = event->type() == QEvent::KeyPress
                          ? presses_->press(key->key(), key->timestamp(), key->isAutoRepeat())
                          : presses_->release(key->key(), key->timestamp(), key->isAutoRepeat());
    if (!pass && event->type() == QEvent::KeyPress) {
        ++heldBack_;
        emit heldBackChanged();
    }
    return !pass;
}

} // namespace orvelane
