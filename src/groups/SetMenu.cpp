#include "groups/SetMenu.h"

#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"
#include "db/Transaction.h"
#include "db/TypedNumber.h"
#include "groups/GroupLookups.h"
#include "platform/MessageBoxes.h"

#include <algorithm>
#include <array>
#include <set>

namespace parvela::groups {

namespace {

// DECIMAL(16,2) holds more; twelve typed characters never reach this.
constexpr double kMaxPrice = 1e12;

struct Tables {
    const char* price;
    const char* readPriceTag;
    std::array<const char*, 4> courses;
};

constexpr Tables kThree{
    "tabledot_uc_fiyat", "TABLEDOT_3 - Get Fiyat", {"uckap_1", "uckap_2", "uckap_3"}};
constexpr Tables kFour{"tabledot_dort_fiyat",
                       "TABLEDOT_4 - Get Fiyat",
                       {"dortkap_1", "dortkap_2", "dortkap_3", "dortkap_4"}};

const Tables& tablesOf(bool fourCourses) {
    return fourCourses ? kFour : kThree;
}

} // namespace

SetMenu::SetMenu(const db::StatementRunner& runner, int courses)
    : m_runner(runner)
    , m_fourCourses(courses == 4)
    , m_courses(m_fourCourses ? 4 : 3) {}

const char* SetMenu::courseTable(int number) const {
    return tablesOf(m_fourCourses).courses[static_cast<std::size_t>(number - 1)];
}

void SetMenu::read(const std::vector<GroupB>& allGroupB) {
    const Tables& tables = tablesOf(m_fourCourses);
    m_price = 0;
    static_cast<void>(m_runner.queryFirst(db::Operation(tables.readPriceTag), db::schema::tabledot,
                                          db::sqlf("SELECT fiyat FROM %s;", tables.price),
                                          [this](const db::Row& row) { m_price = row.real(1); }));
    for (int number = 1; number <= courses(); ++number) {
        std::vector<GroupB>& groups = m_courses[static_cast<std::size_t>(number - 1)];
        groups.clear();
        static_cast<void>(m_runner.query(
            db::Operation("READ_TABLEDOT_GRUPLARI"), db::schema::tabledot,
            db::sqlf("SELECT posmenu FROM %s;", courseTable(number)), [&](const db::Row& row) {
                GroupB group;
                if (findGroupB(allGroupB, row.integer(1), group) >= 0)
                    groups.push_back(std::move(group));
            }));
    }
}

const std::vector<GroupB>& SetMenu::course(int number) const {
    static const std::vector<GroupB> none;
    return isCourse(number) ? m_courses[static_cast<std::size_t>(number - 1)] : none;
}

bool SetMenu::inCourse(int number, int bcode) const {
    const std::vector<GroupB>& groups = course(number);
    return std::any_of(groups.begin(), groups.end(),
                       [bcode](const GroupB& group) { return group.bcode == bcode; });
}

bool SetMenu::savePrice(const QString& typed, platform::MessageBoxes& boxes, QObject* owner) const {
    const std::optional<double> price =
        db::typedPriceOrSay({typed, "Fiyat", kPriceChars, kMaxPrice}, boxes, owner);
    if (!price)
        return false;
    static_cast<void>(m_runner.execute(
        db::Operation("UPDATE_TABLEDOT_PRICE"), db::schema::tabledot,
        db::sqlf("UPDATE %s SET fiyat=%.2f ;", tablesOf(m_fourCourses).price, *price)));
    return true;
}

void SetMenu::addToCourse(int number, const std::vector<int>& bcodes) const {
    if (!isCourse(number))
        return;
    // All of them or none.
    db::Transaction change(m_runner, db::Operation("INSERT_TABLEDOT_GRUP_B"));
    std::set<int> added;
    for (const int bcode : bcodes) {
        // A group listed twice would be offered twice on the tills.
        if (inCourse(number, bcode) || !added.insert(bcode).second)
            continue;
        static_cast<void>(m_runner.execute(
            db::Operation("INSERT_TABLEDOT_GRUP_B"), db::schema::tabledot,
            db::sqlf("INSERT INTO %s (posmenu) VALUES (%d);", courseTable(number), bcode)));
    }
    (void)change.commit();
}

void SetMenu::resetCourse(int number) const {
    if (!isCourse(number))
        return;
    static_cast<void>(m_runner.execute(db::Operation("TRUNCATE_TABLEDOT_GRUPLARI"),
                                       db::schema::tabledot,
                                       db::sqlf("TRUNCATE TABLE %s;", courseTable(number))));
}

std::vector<GroupB> offeredGroups(const std::vector<GroupB>& allGroupB) {
    std::vector<GroupB> offered;
    std::copy_if(allGroupB.begin(), allGroupB.end(), std::back_inserter(offered),
                 [](const GroupB& group) { return group.posmenu; });
    return offered;
}

} // namespace parvela::groups
