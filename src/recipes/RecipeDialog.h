#pragma once

#include "recipes/LineWork.h"

#include <QDialog>

class QCheckBox;
class QLayout;
class QLabel;
class QLineEdit;
class QTreeWidget;

namespace parvela::recipes {

class CandidatePicker;

// Dialog 134 in its three procedures: the recipe of a product, the lines of
// a bundle menu, the options of a product. It moves what the user picks
// and types into the LineWork and shows the lines and cost it keeps.
class RecipeDialog : public QDialog {
    Q_OBJECT
public:
    RecipeDialog(RecipeContext& context, LineWork& work, CostReportOpen costReport, QWidget* owner);

private:
    QWidget* createHeading();
    QWidget* createAdding();
    QWidget* createLines();
    QLayout* createButtons();
    void showKindControls();
    void addPicked();
    void addItself();
    void removeSelected();
    void deleteAll();
    void save();
    void lineSelected();
    void exchangeableToggled(bool checked);
    void openSubstitutes();
    void openCostReport();
    void showLines(int current = -1);
    void linesShown();

    RecipeContext& m_context;
    LineWork& m_work;
    CostReportOpen m_costReport;
    CandidatePicker* m_candidates = nullptr;
    QLineEdit* m_quantity = nullptr;
    QLabel* m_info = nullptr;
    QTreeWidget* m_lines = nullptr;
    QLabel* m_cost = nullptr;
    QCheckBox* m_exchangeable = nullptr;
};

} // namespace parvela::recipes
