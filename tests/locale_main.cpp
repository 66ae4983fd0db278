// The tests' main for runs in the user's locale: the C library's conversions follow it only
// after setlocale, which a program's main calls and GoogleTest's does not.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    // A run meant for a locale that is missing would prove nothing.
    if (const char* expected = std::getenv("VELMORAND_EXPECTED_DECIMAL_POINT");
        expected != nullptr && std::strcmp(std::localeconv()->decimal_point, expected) != 0) {
        std::cerr << "The locale's decimal point is \"" << std::localeconv()->decimal_point
                  << "\", not \"" << expected << "\"\n";
        return 1;
    }
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
