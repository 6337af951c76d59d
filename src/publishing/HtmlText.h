#pragma once

#include <QString>
#include <string>
#include <string_view>

// Texts on their way into the HTML pages.
namespace parvela::publishing {

// & < > " as entities, so a name can neither open a tag nor end an attribute.
std::string htmlEscaped(std::string_view text);
// The UTF-8 of `text`, at most `maxBytes`, cut before a character rather
// than through it.
std::string utf8Within(const QString& text, std::size_t maxBytes);
// The UTF-8 of `text` cut to `maxBytes`, then escaped: the limit counts the
// text, not its entities.
std::string htmlText(const QString& text, std::size_t maxBytes);

} // namespace parvela::publishing
