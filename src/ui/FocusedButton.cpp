#include "FocusedButton.h"

#include <QMetaObject>
#include <QQuickItem>
#include <QQuickWindow>

namespace orvelane {

bool FocusedButton::isPushButton(QQuickItem* item)
{
    if (!item || !item->inherits("QQuickAbstractButton") || !item->isVisible() || !item->isEnabled())
        return false;
    return !item->property("checkable").toBool();
}

bool FocusedButton::press(QQuickItem* anyItem)
{
    QQuickWindow* window = anyItem ? anyItem->window() : nullptr;
    QQuickItem* focused = window ? window->activeFocusItem() : nullptr;
    if (!isPushButton(focused))
        return false;
    // click() came to the buttons after Qt 6.4; their clicked signal is what handlers hear.
    if (focused->metaObject()->indexOfMethod("click()") >= 0)
        return QMetaObject::invokeMethod(focused, "click");
    return QMetaObject::invokeMethod(focused, "clicked");
}

} // namespace orvelane
