#include "db/SqlFormat.h"

#include "platform/CLocaleScope.h"

#include <cstdarg>
#include <cstdio>

namespace parvela::db {

std::string sqlf(const char* format, ...) {
    const platform::CLocaleScope cLocale;
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(static_cast<size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text;
}

} // namespace parvela::db
