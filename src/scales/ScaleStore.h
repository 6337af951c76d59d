#pragma once

#include "records/ProductList.h"
#include "scales/ScaleEntry.h"

#include <QString>
#include <vector>

namespace parvela::db {
class StatementRunner;
}
namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::scales {

// The scales' addresses as table terazi holds them, and the products sold by
// weight, which follow the product list.
class ScaleStore {
public:
    static constexpr int kFailed = -1;
    // What an address edit takes.
    static constexpr int kAddressLength = static_cast<int>(ScaleEntry::kAddressSize) - 1;

    // The count, or -1 after a reported failure.
    int read(const db::StatementRunner& runner);
    // Replaces the table by one row per address, in order (an empty address
    // gives a row too), then reads it back. False after a reported failure.
    bool save(const db::StatementRunner& runner, platform::MessageBoxes& boxes,
              const std::vector<QString>& addresses);

    const std::vector<ScaleEntry>& scales() const { return m_scales; }
    std::vector<QString> addresses() const;

private:
    std::vector<ScaleEntry> m_scales;
};

} // namespace parvela::scales
