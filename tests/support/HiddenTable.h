#pragma once

#include "TestDatabase.h"

#include <string>
#include <utility>

namespace parvela::test {

// Hides a table for the length of a test, so that statements on it fail;
// the fixture's reset needs it back.
class HiddenTable {
public:
    explicit HiddenTable(std::string table)
        : m_table(std::move(table)) {
        TestDatabase::exec("RENAME TABLE " + m_table + " TO " + m_table + "_hidden;");
    }
    ~HiddenTable() {
        TestDatabase::exec("RENAME TABLE " + m_table + "_hidden TO " + m_table + ";");
    }
    HiddenTable(const HiddenTable&) = delete;
    HiddenTable& operator=(const HiddenTable&) = delete;

private:
    std::string m_table;
};

} // namespace parvela::test
