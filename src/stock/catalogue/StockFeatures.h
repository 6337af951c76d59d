#pragma once

#include "records/RecipeLine.h"
#include "records/StockDefinition.h"

#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace parvela::stock {

struct EditedProduct;

// The windows of other features that the stock windows open. The program
// plugs each feature in as it is built; until then NotBuiltStockFeatures
// answers with the one "not built yet" box.

// Recipes, bundle menus and options of a product.
class RecipeWindows {
public:
    virtual ~RecipeWindows() = default;
    virtual void openRecipe(const StockDefinition& product, QWidget* owner) = 0;
    virtual void openBundle(const StockDefinition& product, QWidget* owner) = 0;
    virtual void openOptions(const StockDefinition& product, QWidget* owner) = 0;
    // The quantity of one recipe line, and the products that use its ingredient.
    virtual void changeQuantity(const recipes::RecipeLine& line, QWidget* owner) = 0;
    virtual void showLinkedProducts(const recipes::RecipeLine& line, QWidget* owner) = 0;
    // Makes each product of the stock window's list its own recipe.
    virtual void insertBulkRecipes(const std::vector<StockCode>& listed, QWidget* owner) = 0;
};

// The products of the stock window's list and the marked ones among them.
struct ListedCodes {
    std::vector<StockCode> listed;
    std::vector<StockCode> marked;
};

// The group of one product or of the marked ones, and the settings of a group.
class GroupWindows {
public:
    virtual ~GroupWindows() = default;
    virtual void assignGroup(const std::vector<StockCode>& marked, QWidget* owner) = 0;
    // The editor's "Grubu": the groups go into the product being edited.
    virtual void chooseGroup(EditedProduct& product, QWidget* owner) = 0;
    // The settings of the current group context. `listedNow` gives the
    // listed and the marked products each time a setting runs; when it is
    // empty they are the group's own products and none is marked.
    virtual void groupSettings(std::function<ListedCodes()> listedNow, QWidget* owner) = 0;
};

// A product's places in the till orders.
class OrderWindows {
public:
    virtual ~OrderWindows() = default;
    virtual void productOrder(const StockDefinition& product, QWidget* owner) = 0;
};

// Barcode numbers and labels.
class LabelActions {
public:
    enum class Barcode { InStore, National };
    virtual ~LabelActions() = default;
    // A new barcode number; nothing when none could be drawn.
    virtual std::optional<std::string> newBarcode(Barcode kind, QWidget* owner) = 0;
    virtual void printLabel(const StockDefinition& product, QWidget* owner) = 0;
};

// The editor's attribute dialogs: price time windows, sizes, region, notes,
// game parameters and the picture.
class AttributeWindows {
public:
    virtual ~AttributeWindows() = default;
    // `typedPrice` is what the editor's time-window price edit holds.
    virtual void priceTimes(EditedProduct& product, const QString& typedPrice, QWidget* owner) = 0;
    virtual void sizes(EditedProduct& product, QWidget* owner) = 0;
    virtual void region(EditedProduct& product, QWidget* owner) = 0;
    virtual void notes(EditedProduct& product, QWidget* owner) = 0;
    virtual void gameParameters(EditedProduct& product, QWidget* owner) = 0;
    virtual void choosePicture(EditedProduct& product, QWidget* owner) = 0;
    virtual void deletePicture(EditedProduct& product, QWidget* owner) = 0;
};

struct StockFeatures {
    RecipeWindows& recipes;
    GroupWindows& groups;
    OrderWindows& ordering;
    LabelActions& labels;
    AttributeWindows& attributes;
};

} // namespace parvela::stock
