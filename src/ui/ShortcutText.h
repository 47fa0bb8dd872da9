#pragma once

#include <QObject>
#include <QString>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

namespace orvelane {

/**
 * @brief The text a menu shows for an action's shortcut, as the desktop writes it ("Ctrl+Q").
 *
 * QML keeps shortcuts as a standard key, a key sequence or a string; none of them says how it
 * reads, so menus ask here.
 */
class ShortcutText : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    using QObject::QObject;

    /// The shortcut's text; empty for none. A standard key reads as its first binding here.
    Q_INVOKABLE static QString of(const QVariant& shortcut);
};

} // namespace orvelane
