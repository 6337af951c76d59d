#pragma once

#include <QString>
#include <variant>
#include <vector>

// Workbooks made by the tests, in both formats the program reads.
namespace parvela::test {

// A number shown through a number format, as dates are: "dd.mm.yyyy".
struct FormattedNumber {
    double value;
    const char* format;
};

// A cell of a test sheet: empty, a text, a number or a formatted number.
using FixtureCell = std::variant<std::monostate, QString, double, FormattedNumber>;

struct FixtureSheet {
    QString name;
    std::vector<std::vector<FixtureCell>> rows;
};

// An Office Open workbook, written with libxlsxwriter. Fails the test when it
// could not be written.
void writeXlsxFixture(const QString& path, const std::vector<FixtureSheet>& sheets);
// An Excel 97 workbook, written by python3-xlwt (tests/support/make-xls).
void writeXlsFixture(const QString& path, const std::vector<FixtureSheet>& sheets);
// An Office Open workbook whose texts are inline strings, as some programs
// write them (tests/support/make-xlsx); `padding` blanks of XML after the
// first sheet's cells, which compress to almost nothing.
void writeInlineXlsxFixture(const QString& path, const std::vector<FixtureSheet>& sheets,
                            qint64 padding = 0);

} // namespace parvela::test
