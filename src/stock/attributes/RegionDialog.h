#pragma once

#include "records/StockRecords.h"

#include <QDialog>
#include <functional>
#include <vector>

namespace parvela::stock {

// "BÖLGE SEÇ" (143): a click on a region hands it to `choose` at once;
// "Kaydet" only closes.
class RegionDialog : public QDialog {
    Q_OBJECT
public:
    using Choose = std::function<void(const Region&)>;

    RegionDialog(const std::vector<Region>& regions, Choose choose, QWidget* owner);
};

} // namespace parvela::stock
