#pragma once

#include <locale.h>

namespace parvela::test {

// Runs the enclosing scope under a locale whose decimal point is a comma.
class TurkishLocale {
public:
    TurkishLocale()
        : m_locale(newlocale(LC_ALL_MASK, "tr_TR.UTF-8", nullptr))
        , m_previous(m_locale ? uselocale(m_locale) : nullptr) {}
    ~TurkishLocale() {
        if (m_locale) {
            uselocale(m_previous);
            freelocale(m_locale);
        }
    }
    TurkishLocale(const TurkishLocale&) = delete;
    TurkishLocale& operator=(const TurkishLocale&) = delete;

private:
    locale_t m_locale;
    locale_t m_previous;
};

} // namespace parvela::test
