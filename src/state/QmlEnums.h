#pragma once

#include "CategoryKind.h"
#include "CleanResult.h"
#include "SafetyVocabulary.h"

#include <QObject>

#include <optional>

/**
 * @brief The domain's enumerations as QML compares them, by name (`Category.Trash`,
 * `SafetyLevel.Protected`, `CleanResult.Completed`): a misspelt name fails where a misspelt
 * string would only show a grey badge. Each mirrors its domain enumeration value for value.
 */
namespace orvelane::qml {

class Category
{
    Q_GADGET

public:
    enum Kind { Caches, Logs, Xcode, DevCaches, DevArtifacts, Downloads, Trash, Insights };
    Q_ENUM(Kind)
};

class Safety
{
    Q_GADGET

public:
    enum Level { Safe, Review, Protected };
    Q_ENUM(Level)
};

class Outcome
{
    Q_GADGET

public:
    enum Result { Completed, NotStarted };
    Q_ENUM(Result)
};

static_assert(Category::Insights == static_cast<int>(CategoryKind::insights));
static_assert(Safety::Protected == static_cast<int>(SafetyLevel::protected_));
static_assert(Outcome::NotStarted == static_cast<int>(CleanResult::notStarted));

inline int toQml(CategoryKind kind) { return static_cast<int>(kind); }
inline int toQml(SafetyLevel level) { return static_cast<int>(level); }
inline Outcome::Result toQml(CleanResult result) { return static_cast<Outcome::Result>(result); }

/// The category a QML value names, or nothing for a value that names none.
inline std::optional<CategoryKind> categoryKind(int value)
{
    if (value < Category::Caches || value > Category::Insights)
        return std::nullopt;
    return static_cast<CategoryKind>(value);
}

/// The safety level a QML value names, or nothing.
inline std::optional<SafetyLevel> safetyLevel(int value)
{
    if (value < Safety::Safe || value > Safety::Protected)
        return std::nullopt;
    return static_cast<SafetyLevel>(value);
}

} // namespace orvelane::qml
