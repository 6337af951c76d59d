#pragma once

#include "records/ProductList.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace parvela::recipes {

// Which products the dialogs offer as lines: those of a Group B when one is
// picked, else of a Group A, else all; a name search of two letters or more
// looks through all products instead, whatever the case and the Turkish
// letters.
struct CandidateFilter {
    int gra = 0;
    int grb = 0;
    QString name;
};

// Positions in `products`, in list order.
std::vector<std::uint32_t> candidatesOf(const stock::ProductList& products,
                                        const CandidateFilter& filter);

} // namespace parvela::recipes
