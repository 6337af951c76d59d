#pragma once

#include "stock/catalogue/StockFeatures.h"

namespace parvela::platform {
class MessageBoxes;
}

namespace parvela::stock {

// Every feature the stock windows open that is still to be built: each call
// shows the "not built yet" box captioned with the window it will open.
class NotBuiltStockFeatures : public RecipeWindows,
                              public GroupWindows,
                              public OrderWindows,
                              public LabelActions,
                              public AttributeWindows {
public:
    explicit NotBuiltStockFeatures(platform::MessageBoxes& boxes)
        : m_boxes(boxes) {}

    StockFeatures features() { return {*this, *this, *this, *this, *this}; }

    void openRecipe(const StockDefinition& product, QWidget* owner) override;
    void openBundle(const StockDefinition& product, QWidget* owner) override;
    void openOptions(const StockDefinition& product, QWidget* owner) override;
    void changeQuantity(const recipes::RecipeLine& line, QWidget* owner) override;
    void showLinkedProducts(const recipes::RecipeLine& line, QWidget* owner) override;
    void insertBulkRecipes(const std::vector<StockCode>& listed, QWidget* owner) override;

    void assignGroup(const std::vector<StockCode>& marked, QWidget* owner) override;
    void chooseGroup(EditedProduct& product, QWidget* owner) override;
    void groupSettings(std::function<ListedCodes()> listedNow, QWidget* owner) override;

    void productOrder(const StockDefinition& product, QWidget* owner) override;

    std::optional<std::string> newBarcode(Barcode kind, QWidget* owner) override;
    void printLabel(const StockDefinition& product, QWidget* owner) override;

    void priceTimes(EditedProduct& product, const QString& typedPrice, QWidget* owner) override;
    void sizes(EditedProduct& product, QWidget* owner) override;
    void region(EditedProduct& product, QWidget* owner) override;
    void notes(EditedProduct& product, QWidget* owner) override;
    void gameParameters(EditedProduct& product, QWidget* owner) override;
    void choosePicture(EditedProduct& product, QWidget* owner) override;
    void deletePicture(EditedProduct& product, QWidget* owner) override;

private:
    void tell(const char* caption, QWidget* owner);

    platform::MessageBoxes& m_boxes;
};

} // namespace parvela::stock
