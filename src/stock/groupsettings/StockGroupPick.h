#pragma once

#include "groups/GroupRecords.h"
#include "records/StockDefinition.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QObject;

namespace parvela::db {
class StatementRunner;
}
namespace parvela::groups {
class GroupData;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::stock {

struct EditedProduct;

// What "STOGUN GRUBU" shows and what the user picked in it: every Group A,
// the Group B rows of the picked A, and the Group C rows of the picked B (or
// of the A while no B is picked). Picking a group forgets the picks below it.
// It works on the group lists as they were when it opened: a row the user
// sees is the row it picks, whatever is read meanwhile.
class StockGroupPick {
public:
    explicit StockGroupPick(const groups::GroupData& groups);

    // Starts from a product's groups, as far as they still exist.
    void startFrom(int acode, int bcode, int ccode);

    const std::vector<groups::GroupA>& listA() const;
    const std::vector<groups::GroupB>& listB() const { return m_listB; }
    const std::vector<groups::GroupC>& listC() const { return m_listC; }

    // A row of the list of that level; a row that does not exist is ignored.
    void pickA(int row);
    void pickB(int row);
    void pickC(int row);

    int acode() const { return m_codes[0]; }
    int bcode() const { return m_codes[1]; }
    int ccode() const { return m_codes[2]; }
    const std::array<QString, 3>& names() const { return m_names; }

    // False, after the "GRUP SECILMEDI" box, when no Group A is picked:
    // products are never filed under no group at all.
    bool mayFile(platform::MessageBoxes& boxes, QObject* owner) const;

private:
    void choose(int level, int code, const QString& name);
    void fillC();

    std::vector<groups::GroupA> m_allA;
    std::vector<groups::GroupB> m_allB;
    std::vector<groups::GroupC> m_allC;
    std::vector<groups::GroupB> m_listB;
    std::vector<groups::GroupC> m_listC;
    std::array<int, 3> m_codes{};
    std::array<QString, 3> m_names;
};

// Files the product being edited or created under the picked groups.
void fileUnder(EditedProduct& edited, const StockGroupPick& pick);

// The command filing the marked products: asked, journalled and told under it.
inline QString assignGroupCaption() {
    return QStringLiteral("Seçileni Grubu Ata");
}

// Files the products under the picked groups, one UPDATE each, in one
// change journalled as "Seçileni Grubu Ata": all or none. False when a
// statement failed (and said so) or `stopped` said so before the commit;
// `matched` then the products filed.
bool fileUnder(const db::StatementRunner& runner, const std::vector<StockCode>& products,
               const StockGroupPick& pick, std::int64_t* matched = nullptr,
               const std::function<bool()>& stopped = {});

} // namespace parvela::stock
