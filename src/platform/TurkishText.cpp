#include "platform/TurkishText.h"

#include <QCollator>
#include <QLocale>

namespace parvela::platform {

namespace {

const QLocale& turkish() {
    static const QLocale locale(QLocale::Turkish, QLocale::Turkey);
    return locale;
}

} // namespace

int TurkishText::compare(const QString& a, const QString& b) {
    // A collator may not be shared between threads.
    thread_local const QCollator collator(turkish());
    return collator.compare(a, b);
}

QString TurkishText::toUpper(const QString& text) {
    return turkish().toUpper(text);
}

QString TurkishText::toLower(const QString& text) {
    return turkish().toLower(text);
}

} // namespace parvela::platform
