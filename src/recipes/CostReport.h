#pragma once

#include "records/ProductList.h"
#include "records/RecipeLine.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace parvela::recipes {

// unitcost as the server holds it, by stock code.
using StoredCosts = std::unordered_map<std::int64_t, double>;

// A stored cost further than this from the recipe's is stale.
inline constexpr double kStaleTolerance = 0.005;

// One recipe line of the reported product, costed both ways.
struct IngredientCost {
    std::int64_t code = 0;
    QString name;
    double quantity = 0;
    bool found = false; // not in the product list: adds 0
    bool own = false;   // the product itself: adds 0
    double storedUnitCost = 0;
    double fullUnitCost = 0;
    double onePass = 0; // quantity × stored unit cost
    double full = 0;    // quantity × full unit cost
};

struct ProductCost {
    std::int64_t code = 0;
    QString name;
    double stored = 0;
    // The rule the recipe dialog saves: ingredients at their stored cost.
    double onePass = 0;
    // Ingredients' recipes expanded all the way down.
    double full = 0;
    bool hasRecipe = false;
    // A recipe of the product alone: its stored cost stands.
    bool ownRecipeOnly = false;
    std::vector<IngredientCost> ingredients;
    // "Döngü: …" for each cycle met on the way down.
    QStringList cycles;
};

struct StaleCost {
    std::int64_t code = 0;
    QString name;
    double stored = 0;
    double full = 0;
};

struct StaleList {
    std::vector<StaleCost> products;
    // Products whose recipes run into a cycle have no full cost to compare.
    int onCycles = 0;
};

// Recipe costs over the whole catalogue, indexed once. Full costs are
// remembered, so a report and the stale list cost one walk of the recipes.
// A product whose recipe is only itself counts at its stored cost; on a cycle
// the line that closes it counts its ingredient's stored cost.
class CostReport {
public:
    // `stored` overrides the products' unitcost where it has the code.
    CostReport(const stock::ProductList& products, const std::vector<RecipeLine>& recipeLines,
               const StoredCosts& stored = {});

    // Nothing for a code that is not in the product list.
    std::optional<ProductCost> product(std::int64_t code);
    StaleList staleCosts();

private:
    struct Line {
        std::int64_t ingredient = 0;
        double quantity = 0;
    };
    struct Node {
        QString name;
        double stored = 0;
        std::vector<Line> lines;
        bool expands = false; // has a line other than itself
    };
    struct Expansion {
        double cost = 0;
        bool cyclic = false;
    };
    // One descent: the products on the way down and, when a report asks,
    // values of this descent for the products on cycles.
    struct Walk {
        bool forReport = false;
        std::vector<std::int64_t> path;
        std::unordered_set<std::int64_t> onPath;
        std::unordered_map<std::int64_t, Expansion> cyclic;
        QStringList cycles;
    };
    struct Frame;

    const Node* find(std::int64_t code) const;
    std::optional<Expansion> recall(std::int64_t code, const Walk& walk) const;
    void remember(std::int64_t code, Expansion value, Walk& walk);
    Expansion expand(std::int64_t start, Walk& walk);
    // What `ingredient` costs in a line of `product` during `walk`; nothing
    // when its recipe must be expanded first.
    std::optional<Expansion> valueAsIngredient(std::int64_t product, std::int64_t ingredient,
                                               Walk& walk);
    Expansion valueOf(std::int64_t product, std::int64_t ingredient, Walk& walk);
    static void add(Frame& frame, const Line& line, Expansion value);
    QString cycleText(std::int64_t closing, const Walk& walk) const;
    QString nameOf(std::int64_t code) const;
    IngredientCost costLine(std::int64_t product, const Line& line, Walk& walk);

    std::unordered_map<std::int64_t, Node> m_nodes;
    std::vector<std::int64_t> m_order;
    std::unordered_map<std::int64_t, Expansion> m_known;
};

} // namespace parvela::recipes
