#pragma once

#include <QObject>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

namespace orvelane {

/**
 * @brief Return's rule in the window, as with a dialog's default button: a push button that has
 * the keyboard focus is what Return presses; only otherwise does Return run the window's
 * default action. Checkboxes and switches do not count: Return never toggles them.
 */
class FocusedButton : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit FocusedButton(QObject* parent = nullptr) : QObject(parent) {}

    /// Whether `item` is an enabled, shown push button, one that Return would press.
    Q_INVOKABLE static bool isPushButton(QQuickItem* item);
    /// Presses the push button that has the focus in the window of `anyItem`; false when the
    /// focus is elsewhere and Return should do the default action.
    Q_INVOKABLE static bool press(QQuickItem* anyItem);
};

} // namespace orvelane
