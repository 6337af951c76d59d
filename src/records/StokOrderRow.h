#pragma once

#include <cstdint>
#include <optional>

namespace parvela::ordering {

// A product's place on the tills: overall (no group), within a Group A or
// within a Group B.
struct StokOrderRow {
    int Id = 0;
    std::int64_t stcode = 0;
    std::optional<int> gra;
    std::optional<int> grb;
    int index_sira = 0;
    int sira_gra = 0;
    int sira_grb = 0;
};

} // namespace parvela::ordering
