#pragma once

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

// Bulk actions on the products sold by weight, started from the stock window.
namespace parvela::stock {

// After the user agrees, every weighed product goes into the Group A (or B)
// selected on the main screen. True when the statement was sent and went through.
bool moveWeighedToSelectedGroup(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                                const groups::GroupData& groups, bool groupB, QObject* owner);

} // namespace parvela::stock
