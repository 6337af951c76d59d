#pragma once

#include <QString>
#include <cstdint>
#include <string>

namespace parvela::recipes {

// One line of a recipe, a cost component, a bundle menu or an option list.
struct RecipeLine {
    std::int64_t ingredient = 0;
    std::int64_t urun = 0;
    int Id = 0;
    bool marked = false;
    double qua = 0;
    // Copied from the ingredient when a cost is computed.
    std::string unit;
    double unitcost = 0;
    int type = 0;
    std::string curr;
    QString ingredientName;
    // Bundle and option lines: 1 when the line may be exchanged.
    std::int16_t degist = 0;
};

struct BundleSubstitute {
    int id = 0;
    std::int64_t menu_stcode = 0;
    std::int64_t urun_code = 0;
    std::int64_t sub_urun_code = 0;
    float prc_diff = 0;
    QString substituteName;
    std::string substituteUnit;
};

} // namespace parvela::recipes
