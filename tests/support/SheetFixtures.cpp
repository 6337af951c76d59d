#include "SheetFixtures.h"

#include "platform/CLocaleScope.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <xlsxwriter.h>

namespace parvela::test {

namespace {

// libxlsxwriter writes a text that looks like a cell escape ("_x0041_") as
// it is, and a reader takes it for the escape; a spreadsheet program
// escapes its underscore.
QByteArray xlsxText(QString text) {
    static const QRegularExpression looksEscaped(QStringLiteral("_(x[0-9A-Fa-f]{4}_)"));
    return text.replace(looksEscaped, QStringLiteral("_x005F_\\1")).toUtf8();
}

lxw_error writeXlsxCell(lxw_workbook* book, lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column,
                        const FixtureCell& cell) {
    if (const auto* text = std::get_if<QString>(&cell))
        return worksheet_write_string(sheet, row, column, xlsxText(*text).constData(), nullptr);
    if (const auto* number = std::get_if<double>(&cell))
        return worksheet_write_number(sheet, row, column, *number, nullptr);
    if (const auto* formatted = std::get_if<FormattedNumber>(&cell)) {
        lxw_format* format = workbook_add_format(book);
        format_set_num_format(format, formatted->format);
        return worksheet_write_number(sheet, row, column, formatted->value, format);
    }
    return LXW_NO_ERROR;
}

// The first error of writing the sheet's cells.
lxw_error writeXlsxSheet(lxw_workbook* book, const FixtureSheet& sheet) {
    lxw_worksheet* page = workbook_add_worksheet(book, sheet.name.toUtf8().constData());
    if (!page)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    for (size_t r = 0; r < sheet.rows.size(); ++r)
        for (size_t c = 0; c < sheet.rows[r].size(); ++c)
            if (const lxw_error error = writeXlsxCell(book, page, static_cast<lxw_row_t>(r),
                                                      static_cast<lxw_col_t>(c), sheet.rows[r][c]))
                return error;
    return LXW_NO_ERROR;
}

QJsonValue jsonCell(const FixtureCell& cell) {
    if (const auto* text = std::get_if<QString>(&cell))
        return *text;
    if (const auto* number = std::get_if<double>(&cell))
        return *number;
    if (const auto* formatted = std::get_if<FormattedNumber>(&cell))
        return QJsonObject{{"number", formatted->value},
                           {"format", QString::fromUtf8(formatted->format)}};
    return QJsonValue::Null;
}

QJsonObject description(const std::vector<FixtureSheet>& sheets) {
    QJsonArray pages;
    for (const FixtureSheet& sheet : sheets) {
        QJsonArray rows;
        for (const auto& row : sheet.rows) {
            QJsonArray cells;
            for (const FixtureCell& cell : row)
                cells.append(jsonCell(cell));
            rows.append(cells);
        }
        pages.append(QJsonObject{{"name", sheet.name}, {"rows", rows}});
    }
    return QJsonObject{{"sheets", pages}};
}

// Runs one of the fixture scripts with the description on its input.
void runMaker(const char* maker, const QString& path, const QJsonObject& description) {
    QProcess process;
    process.start(QStringLiteral(PARVELA_SOURCE_DIR "/tests/support/") + QString::fromLatin1(maker),
                  {path});
    process.write(QJsonDocument(description).toJson(QJsonDocument::Compact));
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(60000);
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        ADD_FAILURE() << maker << " could not write " << path.toStdString() << ": "
                      << process.errorString().toStdString() << "\n"
                      << process.readAllStandardError().toStdString();
}

} // namespace

void writeXlsxFixture(const QString& path, const std::vector<FixtureSheet>& sheets) {
    const platform::CLocaleScope decimalPoint; // libxlsxwriter prints numbers with snprintf
    lxw_workbook* book = workbook_new(QFile::encodeName(path).constData());
    if (!book) {
        ADD_FAILURE() << "libxlsxwriter could not start " << path.toStdString();
        return;
    }
    lxw_error error = LXW_NO_ERROR;
    for (const FixtureSheet& sheet : sheets)
        if (error == LXW_NO_ERROR)
            error = writeXlsxSheet(book, sheet);
    const lxw_error closed = workbook_close(book); // frees the book on every path
    if (error == LXW_NO_ERROR)
        error = closed;
    if (error != LXW_NO_ERROR)
        ADD_FAILURE() << "could not write " << path.toStdString() << ": " << lxw_strerror(error);
}

void writeXlsFixture(const QString& path, const std::vector<FixtureSheet>& sheets) {
    runMaker("make-xls", path, description(sheets));
}

void writeInlineXlsxFixture(const QString& path, const std::vector<FixtureSheet>& sheets,
                            qint64 padding) {
    QJsonObject book = description(sheets);
    book.insert(QStringLiteral("padding"), padding);
    runMaker("make-xlsx", path, book);
}

} // namespace parvela::test
