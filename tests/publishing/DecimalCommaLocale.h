#pragma once

#include <clocale>
#include <cstdio>
#include <string>

namespace parvela::test {

// Runs a page build under a locale whose decimal point is a comma, as the
// user's may be.
class DecimalCommaLocale {
public:
    DecimalCommaLocale()
        : m_previous(std::setlocale(LC_NUMERIC, nullptr)) {
        std::setlocale(LC_NUMERIC, "tr_TR.UTF-8");
    }
    ~DecimalCommaLocale() { std::setlocale(LC_NUMERIC, m_previous.c_str()); }
    DecimalCommaLocale(const DecimalCommaLocale&) = delete;
    DecimalCommaLocale& operator=(const DecimalCommaLocale&) = delete;

    // False when the machine lacks the locale and the test would prove nothing.
    static bool active() {
        char text[8];
        std::snprintf(text, sizeof text, "%.1f", 1.5);
        return std::string(text) == "1,5";
    }

private:
    std::string m_previous;
};

} // namespace parvela::test
