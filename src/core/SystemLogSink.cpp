#include "SystemLogSink.h"

#include <mutex>
#include <syslog.h>

namespace orvelane {
namespace {

constexpr const char* kIdentifier = "org.orvelane.Orvelane.main";

int priorityOf(LogLevel level)
{
    switch (level) {
    case LogLevel::debug:
        return LOG_DEBUG;
    case LogLevel::info:
        return LOG_INFO;
    case LogLevel::warning:
        return LOG_NOTICE; // the log's default type, not a level of its own
    case LogLevel::error:
        return LOG_ERR;
    }
    return LOG_NOTICE;
}

} // namespace

void SystemLogSink::write(LogLevel level, const std::string& record)
{
    static std::once_flag opened;
    std::call_once(opened, [] { openlog(kIdentifier, LOG_PID | LOG_NDELAY, LOG_USER); });
    syslog(priorityOf(level), "%s", record.c_str());
}

SystemLogSink& SystemLogSink::shared()
{
    static SystemLogSink sink;
    return sink;
}

} // namespace orvelane
