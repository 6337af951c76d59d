#pragma once

#include <string>

namespace parvela::db {

// printf-style formatting of statement pieces, always in the C locale: a
// Qt program runs under the user's locale, where "%.2f" may print a decimal
// comma that the server would read as a separator.
std::string sqlf(const char* format, ...) __attribute__((format(printf, 1, 2)));

} // namespace parvela::db
