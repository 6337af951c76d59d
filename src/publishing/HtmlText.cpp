#include "publishing/HtmlText.h"

#include "db/FixedField.h"

namespace parvela::publishing {

std::string htmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string utf8Within(const QString& text, std::size_t maxBytes) {
    return db::fitField(text.toUtf8().toStdString(), maxBytes + 1);
}

std::string htmlText(const QString& text, std::size_t maxBytes) {
    return htmlEscaped(utf8Within(text, maxBytes));
}

} // namespace parvela::publishing
