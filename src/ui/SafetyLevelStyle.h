#pragma once

#include "SafetyVocabulary.h"

#include <QColor>
#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

namespace orvelane {

/**
 * @brief What the safety badge shows for a level: its title and its colour.
 *
 * Input `level` is the raw value ("safe", "review", "protected"). The title follows the chosen
 * language; an unknown raw value is shown as written, in a neutral grey, so a bad value is
 * visible rather than silently relabelled.
 */
class SafetyLevelStyle : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString level READ level WRITE setLevel NOTIFY levelChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(QColor color READ color NOTIFY levelChanged)

public:
    explicit SafetyLevelStyle(QObject* parent = nullptr);

    QString level() const { return level_; }
    void setLevel(const QString& level);

    QString title() const;
    QColor color() const;

    /// The badge colour of each level: green, orange and blue.
    static QColor colorOf(SafetyLevel level);

signals:
    void levelChanged();
    void titleChanged();

private:
    QString level_;
    std::optional<SafetyLevel> parsed_;
};

} // namespace orvelane
