#pragma once

#include <QString>
#include <ostream>

// Failure messages show texts as text, not as lists of UTF-16 units.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
