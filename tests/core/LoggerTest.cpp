#include "Logger.h"

#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <vector>

using orvelane::LogLevel;
using orvelane::Logger::composeRecord;

namespace {

class CapturingSink : public orvelane::LogSink
{
public:
    void write(LogLevel level, const std::string& record) override
    {
        std::lock_guard lock(mutex_);
        records.emplace_back(level, record);
    }
    std::mutex mutex_;
    std::vector<std::pair<LogLevel, std::string>> records;
};

TEST(LogRecord, PrefixesAreExactByteForByte)
{
    EXPECT_EQ(composeRecord(LogLevel::debug, "/src/state/AppState.cpp", 12, "x"),
              "\xF0\x9F\x94\x8D DEBUG [AppState:12] x");
    EXPECT_EQ(composeRecord(LogLevel::info, "/src/state/AppState.cpp", 12, "x"),
              "\xE2\x84\xB9\xEF\xB8\x8F  INFO [AppState:12] x");
    EXPECT_EQ(composeRecord(LogLevel::warning, "/src/state/AppState.cpp", 53, "Scan already in progress"),
              "\xE2\x9A\xA0\xEF\xB8\x8F  WARNING [AppState:53] Scan already in progress");
    EXPECT_EQ(composeRecord(LogLevel::error, "/src/state/AppState.cpp", 12, "x"),
              "\xE2\x9D\x8C ERROR [AppState:12] x");
}

TEST(LogRecord, FileNameHandling)
{
    EXPECT_EQ(composeRecord(LogLevel::debug, "Makefile", 1, "m"), "\xF0\x9F\x94\x8D DEBUG [Makefile:1] m");
    EXPECT_EQ(composeRecord(LogLevel::debug, "/a/b/Scanner", 7, "m"), "\xF0\x9F\x94\x8D DEBUG [Scanner:7] m");
    EXPECT_EQ(composeRecord(LogLevel::debug, "Scanner.cpp", 7, "m"), "\xF0\x9F\x94\x8D DEBUG [Scanner:7] m");
    EXPECT_EQ(composeRecord(LogLevel::debug, "/a.dir/x.tar.gz", 7, "m"), "\xF0\x9F\x94\x8D DEBUG [x.tar:7] m");
}

TEST(LogRecord, EmptyMessageAndUngroupedLineNumbers)
{
    EXPECT_EQ(composeRecord(LogLevel::error, "A.cpp", 1234567, ""), "\xE2\x9D\x8C ERROR [A:1234567] ");
}

TEST(Logger, CallSiteSuppliesFileAndLine)
{
    auto sink = std::make_shared<CapturingSink>();
    orvelane::Logger::setSink(sink);
    const unsigned line = __LINE__ + 1;
    orvelane::Logger::warning("Scan already in progress");
    orvelane::Logger::setSink(nullptr);
    ASSERT_EQ(sink->records.size(), 1u);
    EXPECT_EQ(sink->records[0].first, LogLevel::warning);
    EXPECT_EQ(sink->records[0].second, "\xE2\x9A\xA0\xEF\xB8\x8F  WARNING [LoggerTest:" + std::to_string(line) +
                                           "] Scan already in progress");
}

TEST(Logger, ConcurrentCallersEachGetOneWholeRecord)
{
    auto sink = std::make_shared<CapturingSink>();
    orvelane::Logger::setSink(sink);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 250; ++i)
                orvelane::Logger::info("thread " + std::to_string(t));
        });
    for (auto& thread : threads)
        thread.join();
    orvelane::Logger::setSink(nullptr);
    ASSERT_EQ(sink->records.size(), 1000u);
    for (const auto& [level, record] : sink->records) {
        EXPECT_EQ(level, LogLevel::info);
        EXPECT_TRUE(record.starts_with("\xE2\x84\xB9\xEF\xB8\x8F  INFO [LoggerTest:")) << record;
    }
}

} // namespace
