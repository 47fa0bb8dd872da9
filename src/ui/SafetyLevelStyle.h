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
 * Input `level` is a SafetyLevel value. The title follows the chosen language; a value that
 * names no level has no title and a neutral grey, so a bad value is visible rather than
 * silently relabelled.
 */
class SafetyLevelStyle : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int level READ level WRITE setLevel NOTIFY levelChanged)
    Q_PROPERTY(QString title READ title NOTIFY titleChanged)
    Q_PROPERTY(QColor color READ color NOTIFY levelChanged)
    /// The level's colour darkened where needed so that its title reads on the badge's fill.
    Q_PROPERTY(QColor textColor READ textColor NOTIFY levelChanged)

public:
    explicit SafetyLevelStyle(QObject* parent = nullptr);

    int level() const { return level_; }
    void setLevel(int level);

    QString title() const;
    QColor color() const;
    QColor textColor() const;

    /// The badge colour of each level: green, orange and blue.
    static QColor colorOf(SafetyLevel level);

signals:
    void levelChanged();
    void titleChanged();

private:
    int level_ = -1;
    std::optional<SafetyLevel> parsed_;
};

} // namespace orvelane
