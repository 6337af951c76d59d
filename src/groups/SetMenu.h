#pragma once

#include "groups/GroupRecords.h"

#include <QString>
#include <vector>

class QObject;

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::groups {

// A fixed-price set menu of three or four courses (schema tabledot): its
// price and, per course, the Group B menu pages the guest picks from.
class SetMenu {
public:
    static constexpr qsizetype kPriceChars = 12;

    // Four courses for 4, three for anything else.
    SetMenu(const db::StatementRunner& runner, int courses);

    int courses() const { return static_cast<int>(m_courses.size()); }
    // The price, then each course in order; codes no Group B has are skipped.
    void read(const std::vector<GroupB>& allGroupB);
    double price() const { return m_price; }
    // Courses are numbered from 1.
    const std::vector<GroupB>& course(int number) const;
    bool inCourse(int number, int bcode) const;

    // The typed price, decimal comma accepted. A text that is no number is
    // refused with a box, so a slip never stores a price of 0.
    bool savePrice(const QString& typed, platform::MessageBoxes& boxes, QObject* owner) const;
    // Appends, in the order given, each group the course does not list yet.
    void addToCourse(int number, const std::vector<int>& bcodes) const;
    void resetCourse(int number) const;

private:
    bool isCourse(int number) const { return number >= 1 && number <= courses(); }
    const char* courseTable(int number) const;

    const db::StatementRunner& m_runner;
    bool m_fourCourses;
    double m_price = 0;
    std::vector<std::vector<GroupB>> m_courses;
};

// The Group B rows a course list offers: those shown on the tills, in the
// order of the list.
std::vector<GroupB> offeredGroups(const std::vector<GroupB>& allGroupB);

} // namespace parvela::groups
