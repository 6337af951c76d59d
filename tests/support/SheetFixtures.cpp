#include "SheetFixtures.h"

#include "platform/CLocaleScope.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>
#include <xlsxwriter.h>

namespace parvela::test {

namespace {

lxw_error writeXlsxCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column,
                        const FixtureCell& cell) {
    if (const auto* text = std::get_if<QString>(&cell))
        return worksheet_write_string(sheet, row, column, text->toUtf8().constData(), nullptr);
    if (const auto* number = std::get_if<double>(&cell))
        return worksheet_write_number(sheet, row, column, *number, nullptr);
    return LXW_NO_ERROR;
}

// The first error of writing the sheet's cells.
lxw_error writeXlsxSheet(lxw_workbook* book, const FixtureSheet& sheet) {
    lxw_worksheet* page = workbook_add_worksheet(book, sheet.name.toUtf8().constData());
    if (!page)
        return LXW_ERROR_MEMORY_MALLOC_FAILED;
    for (size_t r = 0; r < sheet.rows.size(); ++r)
        for (size_t c = 0; c < sheet.rows[r].size(); ++c)
            if (const lxw_error error = writeXlsxCell(page, static_cast<lxw_row_t>(r),
                                                      static_cast<lxw_col_t>(c), sheet.rows[r][c]))
                return error;
    return LXW_NO_ERROR;
}

QJsonValue jsonCell(const FixtureCell& cell) {
    if (const auto* text = std::get_if<QString>(&cell))
        return *text;
    if (const auto* number = std::get_if<double>(&cell))
        return *number;
    return QJsonValue::Null;
}

QByteArray xlsDescription(const std::vector<FixtureSheet>& sheets) {
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
    return QJsonDocument(QJsonObject{{"sheets", pages}}).toJson(QJsonDocument::Compact);
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
    QProcess maker;
    maker.start(QStringLiteral(PARVELA_SOURCE_DIR "/tests/support/make-xls"), {path});
    maker.write(xlsDescription(sheets));
    maker.closeWriteChannel();
    const bool finished = maker.waitForFinished(60000);
    if (!finished || maker.exitStatus() != QProcess::NormalExit || maker.exitCode() != 0)
        ADD_FAILURE() << "make-xls could not write " << path.toStdString() << ": "
                      << maker.errorString().toStdString() << "\n"
                      << maker.readAllStandardError().toStdString();
}

} // namespace parvela::test
