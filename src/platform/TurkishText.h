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
    // For searching: lower case with the Turkish letters and accents taken
    // off ("Çorba" and "ÇORBA" both give "corba", "Izgara" gives "izgara").
    // One character out for each in, so that whatever the lower-cased text
    // contains, the folded text contains too.
    static QString fold(const QString& text);
};

} // namespace parvela::platform
