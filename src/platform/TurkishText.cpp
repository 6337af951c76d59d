#include "platform/TurkishText.h"

#include <QCollator>
#include <QLocale>

namespace parvela::platform {

namespace {

const QLocale& turkish() {
    static const QLocale locale(QLocale::Turkish, QLocale::Turkey);
    return locale;
}

char16_t foldedLetter(char16_t c) {
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
    switch (c) {
    case u'Ç':
    case u'ç':
        return u'c';
    case u'Ğ':
    case u'ğ':
        return u'g';
    case u'İ':
    case u'ı':
    case u'Î':
    case u'î':
        return u'i';
    case u'Ö':
    case u'ö':
        return u'o';
    case u'Ş':
    case u'ş':
        return u's';
    case u'Ü':
    case u'ü':
    case u'Û':
    case u'û':
        return u'u';
    case u'Â':
    case u'â':
        return u'a';
    default:
        break;
    }
    const QChar lower = QChar(c).toLower();
    const QString parts = lower.decomposition();
    return parts.isEmpty() || parts.at(0).isSurrogate() ? lower.unicode() : parts.at(0).unicode();
}

} // namespace

QString TurkishText::fold(const QString& text) {
    QString folded(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(folded.data());
    const char16_t* in = reinterpret_cast<const char16_t*>(text.constData());
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = QChar::isSurrogate(in[i]) ? in[i] : foldedLetter(in[i]);
    return folded;
}

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
