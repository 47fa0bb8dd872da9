// The main of suites that must give the same answers under any locale: the process takes the
// locale of its environment, as the application does, so a CTest entry can run the whole suite
// again under a Turkish one.

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    const char* expected = std::getenv("ORVELANE_TEST_LOCALE");
    const char* taken = std::setlocale(LC_ALL, "");
    if (expected != nullptr && (taken == nullptr || std::strcmp(taken, expected) != 0)) {
        // A run meant for another locale that silently ran under "C" would prove nothing.
        std::fprintf(stderr, "the locale %s is not available (LOCPATH=%s)\n", expected,
                     std::getenv("LOCPATH") ? std::getenv("LOCPATH") : "");
        return 1;
    }
    return RUN_ALL_TESTS();
}
