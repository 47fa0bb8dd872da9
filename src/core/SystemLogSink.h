#pragma once

#include "Logger.h"

namespace orvelane {

/**
 * @brief Writes records to the system log (syslog, which journald collects on Linux).
 *
 * The connection is opened once per process, on first use, whichever thread gets there first.
 * Records carry the identifier "org.orvelane.Orvelane.main": the application's identifier and
 * the "main" category.
 */
class SystemLogSink final : public LogSink
{
public:
    void write(LogLevel level, const std::string& record) override;

    static SystemLogSink& shared();
};

} // namespace orvelane
