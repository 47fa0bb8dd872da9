#pragma once

#include <memory>
#include <source_location>
#include <string>
#include <string_view>

namespace orvelane {

enum class LogLevel { debug, info, warning, error };

/// Where finished records go. The default sink is the system log; tests install a capturing one.
class LogSink
{
public:
    virtual ~LogSink() = default;
    virtual void write(LogLevel level, const std::string& record) = 0;
};

namespace Logger {

void debug(std::string_view message, std::source_location location = std::source_location::current());
void info(std::string_view message, std::source_location location = std::source_location::current());
void warning(std::string_view message, std::source_location location = std::source_location::current());
void error(std::string_view message, std::source_location location = std::source_location::current());

/// The record text: severity prefix, base name of `file` without extension, ":", line, "] ", message.
std::string composeRecord(LogLevel level, std::string_view file, unsigned line, std::string_view message);

/// Replaces the sink for every later record; nullptr restores the system log.
void setSink(std::shared_ptr<LogSink> sink);

} // namespace Logger
} // namespace orvelane
