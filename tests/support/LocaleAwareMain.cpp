// A GoogleTest main that takes the locale from the environment, as the applications do (Qt
// calls setlocale at start-up). Run with LC_ALL=tr_TR.UTF-8 it proves that rules and log texts
// do not depend on the C library's locale; ORVELANE_REQUIRE_LOCALE makes sure the locale was
// really there, so that a missing one cannot pass for a Turkish run.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    const char* active = std::setlocale(LC_ALL, "");
    if (const char* required = std::getenv("ORVELANE_REQUIRE_LOCALE")) {
        if (active == nullptr || std::strstr(active, required) == nullptr) {
            std::fprintf(stderr, "locale %s is not available (LOCPATH=%s)\n", required,
                         std::getenv("LOCPATH") ? std::getenv("LOCPATH") : "");
            return 1;
        }
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
