#pragma once

#include "Logger.h"

#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orvelane::testing {

/// A log sink that keeps every whole record (prefix included), from any thread; tests count
/// the records of a level that end in a given text.
class RecordedLog : public LogSink
{
public:
    void write(LogLevel level, const std::string& record) override
    {
        std::lock_guard lock(mutex_);
        records_.emplace_back(level, record);
    }

    int count(LogLevel level, std::string_view ending)
    {
        std::lock_guard lock(mutex_);
        int found = 0;
        for (const auto& [recordLevel, record] : records_)
            found += recordLevel == level && record.ends_with(ending);
        return found;
    }

private:
    std::mutex mutex_;
    std::vector<std::pair<LogLevel, std::string>> records_;
};

} // namespace orvelane::testing
