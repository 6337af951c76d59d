#pragma once

#include "RecordingBoxes.h"
#include "app/CatalogData.h"
#include "platform/BackgroundJobs.h"
#include "platform/ProgramMessenger.h"
#include "records/RecipeLine.h"
#include "stock/catalogue/StockContext.h"

#include <vector>

namespace parvela::platform {
class Settings;
}

namespace parvela::bench {

// A catalogue loaded as the program's window has it, with what the stock
// windows reach of it; their boxes are recorded.
struct LoadedStock {
    explicit LoadedStock(const platform::Settings& settings);

    RecordingBoxes boxes;
    app::CatalogData catalog;
    platform::ProgramMessenger messenger{10};
    platform::BackgroundJobs jobs{boxes};
    stock::StockContext context;
};

// The ingredient that most recipes use: the save whose costs take longest.
stock::StockCode busiestIngredient(const std::vector<recipes::RecipeLine>& lines);
// The product with the most recipe lines.
stock::StockCode longestRecipe(const std::vector<recipes::RecipeLine>& lines);

} // namespace parvela::bench
