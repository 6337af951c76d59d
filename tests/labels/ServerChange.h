#pragma once

#include "TestDatabase.h"

#include <cstdint>
#include <string>

namespace parvela::test {

// A change to the server that a test needs for a while (a trigger, a table
// moved away); undone when the test ends, passed or failed, because the
// reset between tests only empties the tables.
class ServerChange {
public:
    ServerChange(const std::string& change, std::string undo)
        : m_undo(std::move(undo)) {
        TestDatabase::exec(change);
    }
    ~ServerChange() { TestDatabase::exec(m_undo); }
    ServerChange(const ServerChange&) = delete;
    ServerChange& operator=(const ServerChange&) = delete;

private:
    std::string m_undo;
};

// The counter hands out no number.
inline ServerChange counterRefused() {
    return {"CREATE TRIGGER stocks.refuse_counter BEFORE UPDATE ON stocks.barkod_sayac "
            "FOR EACH ROW SIGNAL SQLSTATE '45000' SET MESSAGE_TEXT='sayac kapali';",
            "DROP TRIGGER stocks.refuse_counter;"};
}

// Every question about stckdef fails.
inline ServerChange productsAway() {
    return {"RENAME TABLE stocks.stckdef TO stocks.stckdef_away;",
            "RENAME TABLE stocks.stckdef_away TO stocks.stckdef;"};
}

// Quotes doubled, so that any text can be planted.
inline void setBarcode(std::int64_t stcode, std::string barcode) {
    for (std::size_t at = barcode.find('\''); at != std::string::npos;
         at = barcode.find('\'', at + 2))
        barcode.insert(at, 1, '\'');
    TestDatabase::exec("UPDATE stocks.stckdef SET barcode='" + barcode +
                       "' WHERE stcode=" + std::to_string(stcode) + ";");
}

// The next number the counter hands out.
inline void nextBarcodeNumber(int number) {
    TestDatabase::exec("UPDATE stocks.barkod_sayac SET son_no=" + std::to_string(number - 1) +
                       " WHERE id=1;");
}

} // namespace parvela::test
