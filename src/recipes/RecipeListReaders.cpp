#include "recipes/RecipeListReaders.h"

#include "db/ListReader.h"

namespace parvela::recipes {

namespace {

RecipeLine recipeLineOf(const db::Row& row) {
    RecipeLine line;
    line.Id = row.integer(1);
    line.urun = row.int64(2);
    line.ingredient = row.int64(3);
    line.qua = row.real(4);
    return line;
}

RecipeLine exchangeableLineOf(const db::Row& row) {
    RecipeLine line = recipeLineOf(row);
    line.degist = static_cast<std::int16_t>(row.integer(5));
    return line;
}

} // namespace

int readRecipeLines(const db::StatementRunner& runner, std::vector<RecipeLine>& lines) {
    return db::readList(runner, db::Operation("READ_RECETELER"), db::schema::stocks,
                        "SELECT id,urun,ingredient,qua FROM receipts;", lines, recipeLineOf);
}

int readCostComponents(const db::StatementRunner& runner, std::vector<RecipeLine>& lines) {
    return db::readList(runner, db::Operation("READ_MALIYET_BILESENLERI"), db::schema::stocks,
                        "SELECT id,urun,ingredient,qua FROM maliyet_bileseni;", lines,
                        recipeLineOf);
}

int readBundleLines(const db::StatementRunner& runner, std::vector<RecipeLine>& lines) {
    return db::readList(runner, db::Operation("READ_BUNDLES"), db::schema::stocks,
                        "SELECT id,urun,ingredient,qua,degist FROM stckbundle;", lines,
                        exchangeableLineOf);
}

int readOptionLines(const db::StatementRunner& runner, std::vector<RecipeLine>& lines) {
    return db::readList(runner, db::Operation("READ_ALL_BAGLI_OPTIONS"), db::schema::stocks,
                        "SELECT id,urun,ingredient,qua,degist FROM stckopsiyon;", lines,
                        exchangeableLineOf);
}

int readBundleSubstitutes(const db::StatementRunner& runner,
                          std::vector<BundleSubstitute>& substitutes) {
    return db::readList(runner, db::Operation("READ_ALL_BUNDLE_SUBSTITUTIONS"), db::schema::stocks,
                        "SELECT id,menu_stcode,urun_code,sub_urun_code,prc_diff FROM subst_bundle;",
                        substitutes, [](const db::Row& row) {
                            BundleSubstitute substitute;
                            substitute.id = row.integer(1);
                            substitute.menu_stcode = row.int64(2);
                            substitute.urun_code = row.int64(3);
                            substitute.sub_urun_code = row.int64(4);
                            substitute.prc_diff = static_cast<float>(row.real(5));
                            return substitute;
                        });
}

} // namespace parvela::recipes
