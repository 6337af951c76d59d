#include "DistanceSteps.h"

#include "LoadedStock.h"
#include "RecordingBoxes.h"
#include "app/CatalogData.h"
#include "app/StartupLoad.h"
#include "db/Connector.h"
#include "db/DbConnection.h"
#include "recipes/LineWork.h"
#include "stock/editor/StockEditorSave.h"

#include <cppconn/connection.h>
#include <cppconn/exception.h>
#include <cppconn/resultset.h>
#include <cppconn/statement.h>
#include <iostream>
#include <memory>
#include <xlsxwriter.h>

namespace parvela::bench {

namespace {

bool noBoxes(const RecordingBoxes& boxes, const char* what) {
    if (!boxes.empty())
        std::cerr << what << ": a box appeared: " << boxes.shown().join(u'\n').toStdString()
                  << "\n";
    return boxes.empty();
}

} // namespace

bool bareClientQueries(const platform::Settings& settings, int queries) {
    try {
        const db::DbConnection connection(settings);
        const std::unique_ptr<sql::Connection> link = db::openConnection(connection);
        const std::unique_ptr<sql::Statement> statement(link->createStatement());
        for (int i = 0; i < queries; ++i) {
            const std::unique_ptr<sql::ResultSet> rows(statement->executeQuery("SELECT 1"));
            while (rows->next())
                (void)rows->getInt(1);
        }
        return true;
    } catch (const sql::SQLException& e) {
        std::cerr << "bare client: " << e.what() << "\n";
        return false;
    }
}

bool startupLoad(const platform::Settings& settings) {
    RecordingBoxes boxes;
    app::CatalogData catalog(settings, boxes);
    app::loadSharedLists(catalog);
    return noBoxes(boxes, "start-up load") && !catalog.current()->products.empty();
}

bool productSaves(const platform::Settings& settings, int saves, const TimedStep& timed) {
    LoadedStock loaded(settings);
    app::CatalogData& catalog = loaded.catalog;
    stock::StockContext& context = loaded.context;
    const stock::StockCode code = busiestIngredient(catalog.current()->recipes.recipeLines);
    for (int round = 0; round <= saves; ++round) {
        const stock::ProductPtr found = catalog.current()->shared(code);
        if (!found)
            return false;
        stock::EditorContext editor{context, nullptr, {}};
        stock::EditedProduct edited = stock::openForEdit(context, *found);
        stock::StockEditorForm form = stock::formOf(edited, context);
        form.unitcost = QString::number(20 + round);
        const auto save = [&] {
            return stock::saveEdited(editor, edited, form).result == stock::EditSaveResult::Saved;
        };
        if (!(round == 0 ? save() : timed(save)))
            return false;
    }
    return noBoxes(loaded.boxes, "product save");
}

bool recipeSaves(const platform::Settings& settings, int saves, const TimedStep& timed) {
    RecordingBoxes boxes;
    app::CatalogData catalog(settings, boxes);
    app::loadSharedLists(catalog);
    recipes::RecipeContext context{catalog.runner(), boxes, catalog.catalogue(),
                                   catalog.groups(), {},    nullptr};
    const stock::StockCode code = longestRecipe(catalog.current()->recipes.recipeLines);
    for (int round = 0; round <= saves; ++round) {
        const stock::StockDefinition* product = catalog.current()->find(code);
        if (product == nullptr)
            return false;
        recipes::LineWork work(context, recipes::LineKind::Recipe, *product);
        const auto save = [&work] {
            return work.save();
        };
        if (!(round == 0 ? save() : timed(save)))
            return false;
    }
    return noBoxes(boxes, "recipe save");
}

QString writeImportSheet(const QString& path, int rows, int firstBarcode) {
    lxw_workbook* book = workbook_new(path.toLocal8Bit().constData());
    if (book == nullptr)
        return QStringLiteral("cannot write ") + path;
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    const char* headers[] = {"Barkod", "", "Ürün", "", "", "Fiyat", "", "Parça No"};
    for (lxw_col_t column = 0; column < std::size(headers); ++column)
        worksheet_write_string(sheet, 0, column, headers[column], nullptr);
    for (int row = 1; row <= rows; ++row) {
        const auto at = static_cast<lxw_row_t>(row);
        const std::string barcode = "869" + std::to_string(1000000000LL + firstBarcode + row);
        const std::string name = "Uzak Ürün " + std::to_string(firstBarcode + row);
        worksheet_write_string(sheet, at, 0, barcode.c_str(), nullptr);
        worksheet_write_string(sheet, at, 2, name.c_str(), nullptr);
        worksheet_write_number(sheet, at, 5, 10.0 + row % 90, nullptr);
        worksheet_write_string(sheet, at, 7, ("P-" + std::to_string(row)).c_str(), nullptr);
    }
    return workbook_close(book) == LXW_NO_ERROR ? QString()
                                                : QStringLiteral("cannot write ") + path;
}

} // namespace parvela::bench
