#pragma once

#include "groups/GroupRecords.h"
#include "recipes/Candidates.h"
#include "records/Catalogue.h"

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
// name search choose which products list 1042 offers. It shows a catalogue
// it holds and the Group A list as it was when it opened; a newer catalogue
// shows at once, with the product picked still picked where it remains.
class CandidatePicker : public QWidget {
    Q_OBJECT
public:
    CandidatePicker(stock::CatalogueFeed& catalogue, const groups::GroupData& groups,
                    QWidget* parent);

    // The code of the product selected in the list, if any.
    std::optional<std::int64_t> selected() const;

Q_SIGNALS:
    void picked(const QString& description);

private:
    void groupAChosen(int index);
    void showCandidates();
    void follow(stock::CatalogueRef newer);

    stock::CatalogueRef m_shownFrom;
    stock::CatalogueFeed::Subscription m_newer;
    const groups::GroupData& m_groups;
    std::vector<groups::GroupA> m_listA;
    QComboBox* m_groupA = nullptr;
    QComboBox* m_groupB = nullptr;
    QLineEdit* m_search = nullptr;
    QTreeWidget* m_list = nullptr;
    CandidateFilter m_filter;
    std::vector<int> m_bCodes;
    std::vector<std::uint32_t> m_shown;
};

} // namespace parvela::recipes
