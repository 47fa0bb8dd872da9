#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace orvelane {

/// The desktop's clipboard, for the row menu's Copy Path.
class Clipboard : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit Clipboard(QObject* parent = nullptr) : QObject(parent) {}

    Q_INVOKABLE void setText(const QString& text);
    Q_INVOKABLE QString text() const;
};

} // namespace orvelane
