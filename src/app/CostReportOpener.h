#pragma once

#include "recipes/RecipeContext.h"

#include <functional>

class QWidget;

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::app {

class CatalogData;

using recipes::CostReportOpen;

// The recipe dialog's "Maliyet Raporu": the report of a product over the
// catalog's lists as they are when it is asked for.
CostReportOpen costReportOpener(CatalogData& catalog, platform::MessageBoxes& boxes);

} // namespace parvela::app
