#pragma once

#include "recipes/SubstituteWork.h"

#include <QDialog>

class QLayout;
class QLineEdit;
class QTreeWidget;

namespace parvela::recipes {

class CandidatePicker;

// Dialog 134 as "Bundle Değişim Ürün Listesi": the products that may replace
// one line of a menu. "Kaydet" writes them and closes.
class SubstituteDialog : public QDialog {
    Q_OBJECT
public:
    SubstituteDialog(RecipeContext& context, SubstituteWork& work, QWidget* owner);

private:
    QWidget* createHeading();
    QLayout* createButtons();
    void addPicked();
    void removeSelected();
    void save();
    void showSubstitutes();

    SubstituteWork& m_work;
    CandidatePicker* m_candidates = nullptr;
    QLineEdit* m_price = nullptr;
    QTreeWidget* m_list = nullptr;
};

} // namespace parvela::recipes
