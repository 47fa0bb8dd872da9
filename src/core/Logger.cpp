#include "Logger.h"

#include "SystemLogSink.h"

#include <atomic>

namespace orvelane::Logger {
namespace {

std::atomic<std::shared_ptr<LogSink>>& replacementSink()
{
    static std::atomic<std::shared_ptr<LogSink>> sink;
    return sink;
}

std::string_view prefixOf(LogLevel level)
{
    switch (level) {
    case LogLevel::debug:
        return "\U0001F50D DEBUG [";
    case LogLevel::info:
        return "\u2139\uFE0F  INFO [";
    case LogLevel::warning:
        return "\u26A0\uFE0F  WARNING [";
    case LogLevel::error:
        return "\u274C ERROR [";
    }
    return "";
}

std::string_view baseNameWithoutExtension(std::string_view file)
{
    if (const auto slash = file.find_last_of('/'); slash != std::string_view::npos)
        file.remove_prefix(slash + 1);
    if (const auto dot = file.find_last_of('.'); dot != std::string_view::npos && dot > 0)
        file.remove_suffix(file.size() - dot);
    return file;
}

void log(LogLevel level, std::string_view message, const std::source_location& location)
{
    const std::string record = composeRecord(level, location.file_name(), location.line(), message);
    if (auto sink = replacementSink().load())
        sink->write(level, record);
    else
        SystemLogSink::shared().write(level, record);
}

} // namespace

std::string composeRecord(LogLevel level, std::string_view file, unsigned line, std::string_view message)
{
    std::string record;
    record.reserve(32 + file.size() + message.size());
    record.append(prefixOf(level));
    record.append(baseNameWithoutExtension(file));
    record.push_back(':');
    record.append(std::to_string(line));
    record.append("] ");
    record.append(message);
    return record;
}

void setSink(std::shared_ptr<LogSink> sink) { replacementSink().store(std::move(sink)); }

void debug(std::string_view message, std::source_location location) { log(LogLevel::debug, message, location); }
void info(std::string_view message, std::source_location location) { log(LogLevel::info, message, location); }
void warning(std::string_view message, std::source_location location)
{
    log(LogLevel::warning, message, location);
}
void error(std::string_view message, std::source_location location) { log(LogLevel::error, message, location); }

} // namespace orvelane::Logger
