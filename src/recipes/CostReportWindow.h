#pragma once

#include "recipes/CostReport.h"

#include <QDialog>
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::recipes {

struct CostReportView {
    ProductCost product;
    StaleList stale;
};
// "Maliyetleri Güncelle": writes the stale costs and answers the report as
// the server then holds it; nothing when the change failed (it said so).
using StaleCostFixer = std::function<std::optional<CostReportView>()>;

// A product's stored, one-pass and full cost with what each ingredient adds,
// and the products whose stored cost is stale, which "Maliyetleri Güncelle"
// mends when the window is given a fixer.
class CostReportWindow : public QDialog {
    Q_OBJECT
public:
    CostReportWindow(const ProductCost& product, const StaleList& stale, QWidget* owner = nullptr,
                     StaleCostFixer fixer = {});

private:
    void present(const ProductCost& product, const StaleList& stale);
    void fixStale();

    StaleCostFixer m_fixer;
    QLabel* m_product = nullptr;
    QLabel* m_stored = nullptr;
    QLabel* m_onePass = nullptr;
    QLabel* m_full = nullptr;
    QLabel* m_recipeNote = nullptr;
    QLabel* m_cycles = nullptr;
    QTreeWidget* m_ingredients = nullptr;
    QLabel* m_staleHeading = nullptr;
    QTreeWidget* m_staleCosts = nullptr;
    QLabel* m_cycleNote = nullptr;
    QPushButton* m_fix = nullptr;
};

// Shows the report of `product` modally over `owner`, or a box when the
// report does not know it.
void openCostReport(CostReport& report, const stock::StockDefinition& product,
                    platform::MessageBoxes& boxes, QWidget* owner, StaleCostFixer fixer = {});

} // namespace parvela::recipes
