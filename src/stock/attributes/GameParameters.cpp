#include "stock/attributes/GameParameters.h"

#include "db/Row.h"
#include "db/SqlFormat.h"
#include "db/StatementRunner.h"
#include "db/TypedNumber.h"
#include "stock/catalogue/ProductUpserts.h"
#include "stock/editor/StockEditorForm.h"

namespace parvela::stock {

QString timeUnitName(int code) {
    for (const TimeUnit& unit : kTimeUnits)
        if (unit.code == code)
            return QString::fromLatin1(unit.name);
    return {};
}

GameParameters readGameParameters(const db::StatementRunner& runner, StockCode code) {
    GameParameters parameters{code};
    (void)runner.queryFirst(
        db::Operation("GET_OYUN_URUN_PARAM"), db::schema::stocks,
        db::sqlf("SELECT zaman_brm,min_hesap FROM game_table WHERE stcode=%lld;", code64(code)),
        [&parameters](const db::Row& row) {
            parameters.zaman_brm = static_cast<std::int16_t>(row.integer(1));
            parameters.min_hesap = row.real(2);
        });
    return parameters;
}

QString minimumShown(const GameParameters& parameters) {
    return db::shownPrice(parameters.min_hesap);
}

bool saveGameParameters(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                        GameParameters& parameters, const QString& typedMinimum, QObject* owner) {
    const auto minimum = db::typedPriceOrSay(
        {typedMinimum, "Minimum Fiyatı", kNumberChars, kMaxPrice}, boxes, owner);
    if (!minimum)
        return false;
    const long long code = code64(parameters.stcode);
    const int unit = parameters.zaman_brm;
    const db::Operation op("SET_OYUN_URUN_PARAM");
    if (!upsert(
            runner,
            {op, db::sqlf("SELECT * FROM game_table WHERE stcode=%lld;", code), op,
             db::sqlf("UPDATE game_table SET zaman_brm=%d,min_hesap=%.2f WHERE stcode=%lld;", unit,
                      *minimum, code),
             op,
             db::sqlf("INSERT INTO game_table(stcode,zaman_brm,min_hesap) VALUES(%lld,%d,%.2f);",
                      code, unit, *minimum)}))
        return false;
    parameters.min_hesap = *minimum;
    return true;
}

} // namespace parvela::stock
