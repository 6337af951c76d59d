#include "scales/PluTransfer.h"

#include "db/CodePage1254.h"
#include "platform/MessageBoxes.h"
#include "scales/PluList.h"
#include "scales/ScaleStore.h"

#include <algorithm>

namespace parvela::scales {

std::optional<std::string> writePluList(const ScaleStore& store, const stock::ProductList& weighed,
                                        const QString& path, platform::MessageBoxes& boxes,
                                        QObject* owner) {
    const std::vector<ScaleEntry>& scales = store.scales();
    if (std::ranges::none_of(scales, &ScaleEntry::hasAddress)) {
        boxes.tell(QStringLiteral("Tanımlı bir terazi yok.."), QStringLiteral("rcTERAZIYE_GONDER"),
                   platform::BoxIcon::None, owner);
        return std::nullopt;
    }
    std::string bytes = pluListOf(weighed);
    boxes.tell(db::Cp1254::decode(bytes), QStringLiteral("Terazi Ürünleri"));
    if (!writePluFile(path, bytes, boxes))
        return std::nullopt;
    return bytes;
}

} // namespace parvela::scales
