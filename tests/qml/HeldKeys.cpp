#include "HeldKeys.h"

#include <QQuickItem>
#include <QQuickWindow>
#include <QtTest/qtestkeyboard.h>

namespace orvelane::testing {
namespace {

QWindow* windowOf(QObject* item)
{
    if (auto* window = qobject_cast<QWindow*>(item))
        return window;
    auto* quickItem = qobject_cast<QQuickItem*>(item);
    return quickItem ? quickItem->window() : nullptr;
}

QString textOf(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return QStringLiteral("\r");
    if (key == Qt::Key_Space)
        return QStringLiteral(" ");
    return {};
}

void send(QObject* item, QEvent::Type type, int key, bool autoRepeat)
{
    if (QWindow* window = windowOf(item))
        qt_handleKeyEvent(window, type, key, Qt::NoModifier, textOf(key), autoRepeat);
}

} // namespace

void HeldKeys::press(QObject* item, int key) const { send(item, QEvent::KeyPress, key, false); }

void HeldKeys::repeat(QObject* item, int key, int times, bool flagged) const
{
    for (int i = 0; i < times; ++i) {
        send(item, QEvent::KeyRelease, key, flagged);
        send(item, QEvent::KeyPress, key, flagged);
    }
}

void HeldKeys::release(QObject* item, int key) const { send(item, QEvent::KeyRelease, key, false); }

} // namespace orvelane::testing
