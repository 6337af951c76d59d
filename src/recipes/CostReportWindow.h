#pragma once

#include "recipes/CostReport.h"

#include <QDialog>

class QTreeWidget;

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::recipes {

// A product's stored, one-pass and full cost with what each ingredient adds,
// and the products whose stored cost is stale.
class CostReportWindow : public QDialog {
    Q_OBJECT
public:
    CostReportWindow(const ProductCost& product, const StaleList& stale, QWidget* owner = nullptr);
};

// Shows the report of `product` modally over `owner`, or a box when the
// report does not know it.
void openCostReport(CostReport& report, const stock::StockDefinition& product,
                    platform::MessageBoxes& boxes, QWidget* owner);

} // namespace parvela::recipes
