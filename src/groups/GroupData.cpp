#include "groups/GroupData.h"

#include "db/FixedField.h"
#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"
#include "db/TextPreparation.h"

#include <algorithm>
#include <unordered_map>

namespace parvela::groups {

namespace {

const db::Operation kReadA("READ_GRUP_A_VECTOR");
const db::Operation kReadB("READ_GRUP_B");
const db::Operation kReadC("READ_GRUP_C");
const db::Operation kInsertA("INSERT_NEW_GRUP_A");
const db::Operation kInsertB("INSERT_NEW_GRUP_B");
const db::Operation kInsertC("INSERT_NEW_GRUP_C");
const db::Operation kUpdateA("UPDATE_GRUP_A");
const db::Operation kUpdateB("UPDATE_GRUP_B");
const db::Operation kUpdateC("UPDATE_GRUP_C");
const db::Operation kLinkedStocks("if_Gruba_Bagli_STOK_VAR");

struct ColourTable {
    const char* name;
    db::Operation remove;
    db::Operation insert;
};

const ColourTable kBackColours{"backcolorb", db::Operation("DELETE FROM backcolorb"),
                               db::Operation("INSERT INTO backcolorb")};
const ColourTable kFontColours{"fontcolorb", db::Operation("DELETE FROM fontcolorb"),
                               db::Operation("INSERT INTO fontcolorb")};

using NamesByCode = std::unordered_map<int, QString>;

template <typename Group> NamesByCode namesByCode(const std::vector<Group>& all, int Group::*code) {
    NamesByCode names;
    names.reserve(all.size());
    for (const Group& group : all)
        names.emplace(group.*code, group.wideName);
    return names;
}

// Empty when no group has the code: the row is listed all the same.
QString nameOf(const NamesByCode& names, int code) {
    const auto found = names.find(code);
    return found == names.end() ? QString() : found->second;
}

void readName(const db::Row& row, int column, std::string& name, QString& wideName) {
    name = row.bytes(column);
    wideName = db::fitField(QString::fromStdString(name), kGroupNameSize);
}

// Cleaned and escaped again on the way out: a name read back from the server
// may hold a quote. Joined rather than formatted, so that a NUL of the name
// cannot end the statement there. A character beyond three UTF-8 bytes (an
// emoji) is refused in a _utf8 literal: such a name goes as _utf8mb4.
std::string nameLiteral(const QString& wideName) {
    QString copy = wideName;
    const std::string escaped = db::wideToEscapedUtf8(copy);
    const bool fourByte = std::any_of(escaped.begin(), escaped.end(), [](char byte) {
        return static_cast<unsigned char>(byte) >= 0xF0;
    });
    std::string literal = fourByte ? "_utf8mb4'" : "_utf8'";
    literal += escaped;
    literal += '\'';
    return literal;
}

int flag(bool value) {
    return value ? 1 : 0;
}

template <typename Group> int countOf(const std::vector<Group>& list) {
    return static_cast<int>(list.size());
}

int valueUnlessFailed(db::Outcome outcome, int value) {
    return outcome == db::Outcome::Failed ? GroupData::kFailed : value;
}

template <typename Group>
int keepUnlessFailed(db::Outcome outcome, std::vector<Group>& list, std::vector<Group>&& read) {
    if (outcome == db::Outcome::Failed)
        return GroupData::kFailed;
    list = std::move(read);
    return countOf(list);
}

int issue(const db::StatementRunner& runner, const db::Operation& op, const std::string& text,
          int code) {
    return valueUnlessFailed(runner.execute(op, db::schema::groups, text), code);
}

void writeColour(const db::StatementRunner& runner, const ColourTable& table, int bcode,
                 Rgb colour) {
    // Inside a change the first failure ends both; alone, a failed delete does
    // not hold back the insert.
    static_cast<void>(runner.execute(
        table.remove, db::schema::groups,
        db::sqlf("DELETE FROM %s  WHERE %s.grupcode=%d;", table.name, table.name, bcode)));
    static_cast<void>(runner.execute(
        table.insert, db::schema::groups,
        db::sqlf("INSERT INTO %s(grupcode,red,green,blue)VALUES(%d,%d,%d,%d);", table.name, bcode,
                 records::redOf(colour), records::greenOf(colour), records::blueOf(colour))));
}

// Empty for a level that does not exist.
std::string linkedStocksStatement(int code, int level) {
    if (level < 1 || level > 3)
        return {};
    return withGroupType(static_cast<GroupLevel>(level), [code](auto type) {
        using Traits = GroupTraits<typename decltype(type)::type>;
        return db::sqlf("SELECT * FROM stckdef WHERE stckdef.%s=%d;", Traits::stockColumn, code);
    });
}

} // namespace

// Each read fills a list aside and takes its place only when it went
// through: a window may be showing the old one, and a failed read must not
// leave a cut list behind.
int GroupData::readGroupA() {
    std::vector<GroupA> read;
    const db::Outcome outcome = m_runner.query(
        kReadA, db::schema::groups,
        "SELECT Id,acode,groupname,posmenu,tur FROM groups.classa ORDER by groupname;",
        [&read](const db::Row& row) {
            GroupA group;
            group.Id = row.integer(1);
            group.acode = row.integer(2);
            readName(row, 3, group.name, group.wideName);
            group.posmenu = row.flag(4);
            group.tur = row.integer(5);
            read.push_back(std::move(group));
        });
    return keepUnlessFailed(outcome, m_allA, std::move(read));
}

int GroupData::readGroupB() {
    std::vector<GroupB> read;
    const int count = readGroupBInto(read, "SELECT Id,acode,bcode,groupname,posmenu,tur,index_sira "
                                           "FROM groups.classb ORDER BY index_sira;");
    if (count >= 0)
        m_allB = std::move(read);
    return count;
}

int GroupData::readGroupBById(std::vector<GroupB>& target) const {
    return readGroupBInto(target, "SELECT Id,acode,bcode,groupname,posmenu,tur,index_sira FROM "
                                  "groups.classb ORDER BY Id;");
}

int GroupData::readGroupBInto(std::vector<GroupB>& target, const std::string& statement) const {
    target.clear();
    const NamesByCode aNames = namesByCode(m_allA, &GroupA::acode);
    const db::Outcome outcome =
        m_runner.query(kReadB, db::schema::groups, statement, [&](const db::Row& row) {
            GroupB group;
            group.Id = row.integer(1);
            group.acode = row.integer(2);
            group.bcode = row.integer(3);
            readName(row, 4, group.name, group.wideName);
            group.posmenu = row.flag(5);
            group.tur = row.integer(6);
            group.index_sira = row.integer(7);
            group.parentWideName = nameOf(aNames, group.acode);
            target.push_back(std::move(group));
        });
    return valueUnlessFailed(outcome, countOf(target));
}

int GroupData::readGroupC() {
    std::vector<GroupC> read;
    const NamesByCode aNames = namesByCode(m_allA, &GroupA::acode);
    const NamesByCode bNames = namesByCode(m_allB, &GroupB::bcode);
    const db::Outcome outcome = m_runner.query(
        kReadC, db::schema::groups,
        "SELECT Id,acode,bcode,ccode,groupname,posmenu,tur FROM groups.classc ORDER by groupname;",
        [&](const db::Row& row) {
            GroupC group;
            group.Id = row.integer(1);
            group.acode = row.integer(2);
            group.bcode = row.integer(3);
            group.ccode = row.integer(4);
            readName(row, 5, group.name, group.wideName);
            group.posmenu = row.flag(6);
            group.tur = row.integer(7);
            group.aWideName = nameOf(aNames, group.acode);
            group.bWideName = nameOf(bNames, group.bcode);
            read.push_back(std::move(group));
        });
    return keepUnlessFailed(outcome, m_allC, std::move(read));
}

int GroupData::insertGroupA(const GroupA& group) const {
    return issue(
        m_runner, kInsertA,
        db::sqlf("INSERT INTO classa(acode,groupname,posmenu,tur)VALUES(%d,", group.acode) +
            nameLiteral(group.wideName) + db::sqlf(",%d,%d);", flag(group.posmenu), group.tur),
        group.acode);
}

int GroupData::insertGroupB(const GroupB& group) const {
    return issue(m_runner, kInsertB,
                 db::sqlf("INSERT INTO classb(acode,bcode,groupname,posmenu,tur)VALUES(%d,%d,",
                          group.acode, group.bcode) +
                     nameLiteral(group.wideName) +
                     db::sqlf(",%d,%d);", flag(group.posmenu), group.tur),
                 group.bcode);
}

int GroupData::insertGroupC(const GroupC& group) const {
    return issue(m_runner, kInsertC,
                 db::sqlf("INSERT INTO classc(acode,bcode,ccode,groupname,posmenu,tur)VALUES("
                          "%d,%d,%d,",
                          group.acode, group.bcode, group.ccode) +
                     nameLiteral(group.wideName) +
                     db::sqlf(",%d,%d);", flag(group.posmenu), group.tur),
                 group.ccode);
}

int GroupData::updateGroupA(const GroupA& group) const {
    return issue(m_runner, kUpdateA,
                 "UPDATE classa  SET groupname=" + nameLiteral(group.wideName) +
                     db::sqlf(", posmenu=%d, tur=%d  WHERE classa.id=%d ;", flag(group.posmenu),
                              group.tur, group.Id),
                 group.acode);
}

int GroupData::updateGroupB(const GroupB& group) const {
    return issue(m_runner, kUpdateB,
                 db::sqlf("UPDATE classb SET acode=%d,groupname=", group.acode) +
                     nameLiteral(group.wideName) +
                     db::sqlf(",posmenu=%d,tur=%d  WHERE classb.id=%d ;", flag(group.posmenu),
                              group.tur, group.Id),
                 group.bcode);
}

int GroupData::updateGroupC(const GroupC& group) const {
    return issue(
        m_runner, kUpdateC,
        db::sqlf("UPDATE classc SET acode=%d,bcode=%d,groupname=", group.acode, group.bcode) +
            nameLiteral(group.wideName) +
            db::sqlf(",posmenu=%d,tur=%d  WHERE classc.id=%d ;", flag(group.posmenu), group.tur,
                     group.Id),
        group.ccode);
}

int GroupData::removeById(const char* tag, const char* table, int Id, int code) const {
    return issue(m_runner, db::Operation(tag),
                 db::sqlf("DELETE FROM %s  WHERE %s.id=%d ;", table, table, Id), code);
}

namespace {

template <typename Group> QString nameWithCode(const std::vector<Group>& all, int code) {
    if (code == 0)
        return {};
    const auto found =
        std::find_if(all.begin(), all.end(), [code](const Group& g) { return codeOf(g) == code; });
    return found == all.end() ? QString() : found->wideName;
}

} // namespace

std::array<QString, 3> GroupData::namesOf(int acode, int bcode, int ccode) const {
    return {nameWithCode(m_allA, acode), nameWithCode(m_allB, bcode), nameWithCode(m_allC, ccode)};
}

int GroupData::linkedStockCount(int code, int level) const {
    const std::string statement = linkedStocksStatement(code, level);
    if (statement.empty())
        return kNoSuchLevel;
    int rows = 0;
    const db::Outcome outcome = m_runner.query(kLinkedStocks, db::schema::stocks, statement,
                                               [&rows](const db::Row&) { ++rows; });
    return valueUnlessFailed(outcome, rows);
}

void GroupData::writeBackColour(const GroupB& group) const {
    writeColour(m_runner, kBackColours, group.bcode, group.backColour);
}

void GroupData::writeFontColour(const GroupB& group) const {
    writeColour(m_runner, kFontColours, group.bcode, group.fontColour);
}

} // namespace parvela::groups
