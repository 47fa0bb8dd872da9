#include "CleanResult.h"

namespace orvelane {

std::string_view rawValue(CleanResult result)
{
    return result == CleanResult::completed ? "completed" : "notStarted";
}

} // namespace orvelane
