#pragma once

#include "records/StockRecords.h"

#include <QString>
#include <array>
#include <cstdint>

class QObject;

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

// "OYUN ÜRÜNÜ PARAMETRELERİ": how a product sold by time is charged.
namespace parvela::stock {

struct GameParameters {
    StockCode stcode = 0;
    std::int16_t zaman_brm = 0; // time unit, see kTimeUnits
    double min_hesap = 0;       // minimum charge
};

struct TimeUnit {
    int code;
    const char* name;
};
inline constexpr std::array<TimeUnit, 3> kTimeUnits{{{1, "SANIYE"}, {2, "DAKIKA"}, {3, "SAAT"}}};

// The unit's name; empty for a code that names none.
QString timeUnitName(int code);

// The product's parameters; unit 0 and charge 0 without a row.
GameParameters readGameParameters(const db::StatementRunner& runner, StockCode code);
QString minimumShown(const GameParameters& parameters);
// OK: the typed minimum charge, then the row is updated or inserted. False
// after a box when the charge is no number or the write failed; the
// parameters then keep what they were.
bool saveGameParameters(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
                        GameParameters& parameters, const QString& typedMinimum, QObject* owner);

} // namespace parvela::stock
