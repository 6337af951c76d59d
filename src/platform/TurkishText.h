#pragma once

#include <QString>

namespace parvela::platform {

// Names are compared and cased by Turkish rules everywhere in the program:
// ç after c, ı before i, and I/ı, İ/i as case pairs.
struct TurkishText {
    // Negative, zero or positive, as the alphabet orders the two names.
    static int compare(const QString& a, const QString& b);
    static bool less(const QString& a, const QString& b) { return compare(a, b) < 0; }
    static QString toUpper(const QString& text);
    static QString toLower(const QString& text);
};

} // namespace parvela::platform
