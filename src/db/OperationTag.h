#pragma once

#include <string_view>

namespace parvela::db {

// How the failure of an operation is shown: each operation keeps the box it
// has always had, and the other programs' users know them by that.
enum class BoxStyle { Plain, PlainTopmost, Exclamation, ExclamationTopmost };

// The style under which a tag's failures are shown; plain unless listed.
BoxStyle boxStyleOf(std::string_view tag);

// Names one data-access operation; the tag is the caption of its failure box.
struct Operation {
    explicit Operation(std::string_view name)
        : tag(name)
        , style(boxStyleOf(name)) {}
    Operation(std::string_view name, BoxStyle boxStyle)
        : tag(name)
        , style(boxStyle) {}

    std::string_view tag;
    BoxStyle style;
};

} // namespace parvela::db
