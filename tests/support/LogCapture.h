#pragma once

#include "Logger.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace orvelane::testing {

/// Collects log messages (without the "file:line] " prefix), from any thread, while it lives.
class LogCapture
{
public:
    LogCapture();
    ~LogCapture();
    std::size_t count(LogLevel level, const std::string& message) const;
    std::size_t countStartingWith(const std::string& prefix) const;
    std::vector<std::string> messages(LogLevel level) const;

private:
    struct Sink;
    std::shared_ptr<Sink> sink_;
};

} // namespace orvelane::testing
