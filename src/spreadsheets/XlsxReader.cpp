#include "spreadsheets/WorkbookFormats.h"

#include <ixion/cell.hpp>
#include <ixion/formula_result.hpp>
#include <ixion/model_context.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/spreadsheet/sheet.hpp>
#include <orcus/zip_archive.hpp>

namespace parvela::spreadsheets::detail {

namespace {

namespace ss = orcus::spreadsheet;

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The result the file saved with a formula; formulas are never computed here.
Cell formulaCell(const ixion::model_context& model, const ixion::formula_cell* formula) {
    if (!formula)
        return otherCell({});
    try {
        const ixion::formula_result result =
            formula->get_result_cache(ixion::formula_result_wait_policy_t::throw_exception);
        switch (result.get_type()) {
        case ixion::formula_result::result_type::value:
            return numberCell(result.get_value());
        case ixion::formula_result::result_type::string:
            return textCell(utf8(result.get_string()));
        case ixion::formula_result::result_type::error:
            return otherCell(utf8(result.str(model)));
        default:
            return otherCell({});
        }
    } catch (const std::exception&) {
        return otherCell({}); // saved without a result
    }
}

// A truth value reads as "TRUE" or "FALSE", the way the file's formulas write it.
Cell cellAt(const ixion::model_context& model, const ixion::abs_address_t& at) {
    switch (model.get_celltype(at)) {
    case ixion::celltype_t::string:
        return textCell(utf8(model.get_string_value(at)));
    case ixion::celltype_t::numeric:
        return numberCell(model.get_numeric_value(at));
    case ixion::celltype_t::boolean:
        return otherCell(model.get_boolean_value(at) ? QStringLiteral("TRUE")
                                                     : QStringLiteral("FALSE"));
    case ixion::celltype_t::formula:
        return formulaCell(model, model.get_formula_cell(at));
    default:
        return {};
    }
}

// Cells counted as empty in a column; a formula saved without its result
// makes the library throw, and counts as a cell.
double emptyCells(const ixion::model_context& model, const ixion::abs_range_t& column) {
    try {
        return model.count_range(column, ixion::values_t(ixion::value_empty));
    } catch (const std::exception&) {
        return 0;
    }
}

// The columns holding a cell. Counting goes by the model's blocks, so one
// stray cell far out does not make the reader visit a million empty rows of
// every column in between.
std::vector<int> usedColumns(const ixion::model_context& model, const ixion::abs_range_t& range) {
    const int rowCount = range.last.row + 1;
    std::vector<int> columns;
    for (int c = 0; c <= range.last.column; ++c)
        if (emptyCells(model, ixion::abs_range_t(range.first.sheet, 0, c, rowCount, 1)) < rowCount)
            columns.push_back(c);
    return columns;
}

std::vector<SheetRow> sheetRows(const ss::document& document, int position) {
    const ixion::abs_range_t range =
        document.get_sheet(static_cast<ss::sheet_t>(position))->get_data_range();
    if (!range.valid())
        return {};
    const ixion::model_context& model = document.get_model_context();
    return collectRows(range.last.row + 1, usedColumns(model, range), [&](int r, int c) {
        return cellAt(model, ixion::abs_address_t(position, r, c));
    });
}

FormatRead loaded(const QByteArray& path, int position) {
    ss::document document{{1048576, 16384}};
    ss::import_factory factory{document};
    orcus::orcus_xlsx loader(&factory);
    loader.read_file(path.toStdString());
    FormatRead read;
    for (size_t sheet = 0; sheet < document.get_sheet_count(); ++sheet)
        read.sheetNames.append(utf8(document.get_sheet_name(static_cast<ss::sheet_t>(sheet))));
    if (read.sheetNames.isEmpty()) // any other ZIP archive
        read.fault = Fault::NotWorkbook;
    else if (!lacksSheet(read, position))
        read.rows = sheetRows(document, position);
    return read;
}

QString libraryWords(const char* kind, const std::exception& error) {
    const QString what = QString::fromUtf8(error.what()).trimmed();
    return QStringLiteral("liborcus: %1").arg(what.isEmpty() ? QString::fromUtf8(kind) : what);
}

} // namespace

FormatRead readXlsx(const QByteArray& path, int position) {
    try {
        return loaded(path, position);
    } catch (const orcus::zip_error& error) {
        return faulty(Fault::Damaged, libraryWords("ZIP arşivi bozuk", error));
    } catch (const std::exception& error) {
        return faulty(Fault::Damaged, libraryWords("bilinmeyen hata", error));
    }
}

} // namespace parvela::spreadsheets::detail
