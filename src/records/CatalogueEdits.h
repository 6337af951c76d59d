#pragma once

#include "records/Catalogue.h"

#include <functional>
#include <vector>

// The small changes a command makes to the newest catalogue after the server
// took them, so that every window shows them at once; a full read later
// brings whatever else the server holds. Each works on a catalogue not yet
// published, or publishes a changed copy of the newest one.
namespace parvela::stock {

using ProductChange = std::function<void(StockDefinition&)>;

// The product takes the place of the one with its code, or joins the end of
// the list when none has it.
void putProduct(Catalogue& next, const StockDefinition& product);
void putProduct(CatalogueFeed& feed, const StockDefinition& product);
// Every product whose code is listed, as `change` leaves a copy of it; codes
// the catalogue does not hold are skipped (and nothing is published when it
// holds none of them).
void changeProducts(Catalogue& next, const std::vector<StockCode>& codes,
                    const ProductChange& change);
void changeProducts(CatalogueFeed& feed, const std::vector<StockCode>& codes,
                    const ProductChange& change);
void removeProduct(CatalogueFeed& feed, StockCode code);
// The product of `from` goes on under the code `to`.
void recodeProduct(CatalogueFeed& feed, StockCode from, StockCode to);
// The recipe lines read again; each product's recipe mark follows them.
void putRecipeLines(Catalogue& next, std::vector<recipes::RecipeLine> lines);
void putRecipeLines(CatalogueFeed& feed, std::vector<recipes::RecipeLine> lines);

} // namespace parvela::stock
