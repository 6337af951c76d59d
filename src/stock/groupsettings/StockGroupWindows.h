#pragma once

#include "records/Geometry.h"
#include "stock/catalogue/StockFeatures.h"

namespace parvela::stock {

struct StockContext;

// The group dialogs of the stock windows: "STOGUN GRUBU" for the product
// being edited or for the marked products, and "Grup/Menü Ayarları".
class StockGroupWindows : public GroupWindows {
public:
    explicit StockGroupWindows(StockContext& context)
        : m_context(context) {}

    void assignGroup(const std::vector<StockCode>& marked, QWidget* owner) override;
    void chooseGroup(EditedProduct& product, QWidget* owner) override;
    void groupSettings(std::function<ListedCodes()> listedNow, QWidget* owner) override;

private:
    StockContext& m_context;
    // Where the colour dialog of the settings starts: the colour last chosen.
    records::Rgb m_lastColour = 0;
};

} // namespace parvela::stock
