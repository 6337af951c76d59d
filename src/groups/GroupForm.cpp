#include "groups/GroupForm.h"

#include "db/TextPreparation.h"
#include "groups/StockType.h"

#include <algorithm>

namespace parvela::groups {

QString cleanedGroupName(const QString& typed) {
    QString name = typed.left(kGroupNameChars);
    return db::sanitizeWideRoundTrip(name);
}

int tickedType(const std::vector<int>& ticked) {
    for (const StockTypeChoice& choice : kStockTypeChoices) {
        if (std::find(ticked.begin(), ticked.end(), choice.type) != ticked.end())
            return choice.type;
    }
    return kNoType;
}

} // namespace parvela::groups
