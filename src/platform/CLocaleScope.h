#pragma once

#include <locale.h>

namespace parvela::platform {

// Switches this thread to the C locale for its lifetime. A Qt program runs
// under the user's locale, where printf-style formatting (ours, or a C
// library's such as libxlsxwriter's) may write a decimal comma.
class CLocaleScope {
public:
    CLocaleScope()
        : m_previous(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t cLocale() {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
        return locale;
    }

    locale_t m_previous;
};

} // namespace parvela::platform
