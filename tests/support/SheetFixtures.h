#pragma once

#include <QString>
#include <variant>
#include <vector>

// Workbooks made by the tests, in both formats the program reads.
namespace parvela::test {

// A cell of a test sheet: empty, a text or a number.
using FixtureCell = std::variant<std::monostate, QString, double>;

struct FixtureSheet {
    QString name;
    std::vector<std::vector<FixtureCell>> rows;
};

// An Office Open workbook, written with libxlsxwriter. Fails the test when it
// could not be written.
void writeXlsxFixture(const QString& path, const std::vector<FixtureSheet>& sheets);
// An Excel 97 workbook, written by python3-xlwt (tests/support/make-xls).
void writeXlsFixture(const QString& path, const std::vector<FixtureSheet>& sheets);

} // namespace parvela::test
