#pragma once

#include <QObject>

namespace orvelane {

/// How a clean ended: ran to the end (with or without messages), or refused before doing anything.
class CleanResultType
{
    Q_GADGET

public:
    enum class Value { completed, notStarted };
    Q_ENUM(Value)
};

using CleanResult = CleanResultType::Value;

} // namespace orvelane
