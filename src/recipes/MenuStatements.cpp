#include "recipes/MenuStatements.h"

#include "db/SqlFormat.h"
#include "db/StatementBatch.h"

namespace parvela::recipes {

namespace {

int run(const db::StatementRunner& runner, const db::Operation& op, const std::string& text) {
    return runner.execute(op, db::schema::stocks, text) == db::Outcome::Failed ? -1 : 1;
}

int runAll(const db::StatementRunner& runner, const db::Operation& op,
           const std::vector<std::string>& statements) {
    return db::executeAll(runner, op, db::schema::stocks, statements) == db::Outcome::Failed ? -1
                                                                                             : 1;
}

// One CALL per line of the product: menu or option lines.
template <typename Call>
std::vector<std::string> lineCalls(const std::vector<RecipeLine>& lines, Call call) {
    std::vector<std::string> calls;
    calls.reserve(lines.size());
    for (const RecipeLine& line : lines)
        calls.push_back(
            call(stock::code64(line.ingredient), line.qua, static_cast<int>(line.degist)));
    return calls;
}

} // namespace

int deleteBundle(const db::StatementRunner& runner, StockCode menu) {
    return run(runner, db::Operation("DELETE_BUNDLE_MENU"),
               db::sqlf("CALL DELETE_BUNDLE_MENU(%lld);", stock::code64(menu)));
}

int insertBundleLines(const db::StatementRunner& runner, StockCode menu,
                      const std::vector<RecipeLine>& lines) {
    return runAll(runner, db::Operation("INSERT_BUNDLE_MENU"),
                  lineCalls(lines, [menu](long long ingredient, double qua, int degist) {
                      return db::sqlf("CALL INTO_BUNDLE_MENU(%lld,%lld,%.3f,%d); \n",
                                      stock::code64(menu), ingredient, qua, degist);
                  }));
}

int deleteSubstitutes(const db::StatementRunner& runner, StockCode menu, StockCode lineProduct) {
    return run(runner, db::Operation("DELETE_BUNDLE_SUBSTITUTION"),
               db::sqlf("DELETE FROM subst_bundle WHERE menu_stcode=%lld AND urun_code=%lld",
                        stock::code64(menu), stock::code64(lineProduct)));
}

int insertSubstitutes(const db::StatementRunner& runner,
                      const std::vector<BundleSubstitute>& substitutes) {
    std::vector<std::string> calls;
    calls.reserve(substitutes.size());
    for (const BundleSubstitute& s : substitutes)
        calls.push_back(db::sqlf("CALL INTO_BUNDLE_SUBSTITUTE_LIST(%lld,%lld,%lld,%.2f);",
                                 stock::code64(s.menu_stcode), stock::code64(s.urun_code),
                                 stock::code64(s.sub_urun_code), static_cast<double>(s.prc_diff)));
    return runAll(runner, db::Operation("INSERT_BUNDLE_SUBSTITUTION"), calls);
}

int deleteOptions(const db::StatementRunner& runner, StockCode product) {
    return run(runner, db::Operation("DELETE_BAGLI_OPSIYON"),
               db::sqlf("DELETE FROM stckopsiyon WHERE urun=%lld ;", stock::code64(product)));
}

int insertOptions(const db::StatementRunner& runner, StockCode product,
                  const std::vector<RecipeLine>& lines) {
    return runAll(runner, db::Operation("INSERT_BAGLI_OPTIONS"),
                  lineCalls(lines, [product](long long ingredient, double qua, int degist) {
                      return db::sqlf("CALL INTO_BAGLI_OPTIONS(%lld,%lld,%.3f,%d);",
                                      stock::code64(product), ingredient, qua, degist);
                  }));
}

} // namespace parvela::recipes
