#pragma once

#include "recipes/Candidates.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QLineEdit;
class QTreeWidget;

namespace parvela::groups {
class GroupData;
}

namespace parvela::recipes {

// The left part of the line dialogs: the Group A and Group B lists and the
// name search choose which products list 1042 offers.
class CandidatePicker : public QWidget {
    Q_OBJECT
public:
    CandidatePicker(const std::vector<stock::StockDefinition>& products,
                    const groups::GroupData& groups, QWidget* parent);

    // The code of the product selected in the list, if any.
    std::optional<std::int64_t> selected() const;

Q_SIGNALS:
    void picked(const QString& description);

private:
    void groupAChosen(int index);
    void showCandidates();

    const std::vector<stock::StockDefinition>& m_products;
    const groups::GroupData& m_groups;
    QComboBox* m_groupA = nullptr;
    QComboBox* m_groupB = nullptr;
    QLineEdit* m_search = nullptr;
    QTreeWidget* m_list = nullptr;
    CandidateFilter m_filter;
    std::vector<int> m_bCodes;
    std::vector<std::uint32_t> m_shown;
};

} // namespace parvela::recipes
