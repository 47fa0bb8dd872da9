#include "LogCapture.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace orvelane::testing {

struct LogCapture::Sink : LogSink
{
    void write(LogLevel level, const std::string& record) override
    {
        std::lock_guard lock(mutex);
        records.emplace_back(level, record.substr(record.find("] ") + 2));
    }
    std::mutex mutex;
    std::vector<std::pair<LogLevel, std::string>> records;
};

LogCapture::LogCapture() : sink_(std::make_shared<Sink>())
{
    Logger::setSink(sink_);
}
LogCapture::~LogCapture()
{
    Logger::setSink(nullptr);
}

std::vector<std::string> LogCapture::messages(LogLevel level) const
{
    std::lock_guard lock(sink_->mutex);
    std::vector<std::string> found;
    for (const auto& [recordLevel, message] : sink_->records)
        if (recordLevel == level)
            found.push_back(message);
    return found;
}

std::size_t LogCapture::count(LogLevel level, const std::string& message) const
{
    const auto all = messages(level);
    return static_cast<std::size_t>(std::count(all.begin(), all.end(), message));
}

std::size_t LogCapture::countStartingWith(const std::string& prefix) const
{
    std::size_t found = 0;
    for (const auto level : {LogLevel::debug, LogLevel::info, LogLevel::warning, LogLevel::error})
        for (const auto& message : messages(level))
            found += message.starts_with(prefix) ? 1 : 0;
    return found;
}

} // namespace orvelane::testing
