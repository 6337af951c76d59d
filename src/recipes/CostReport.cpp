#include "recipes/CostReport.h"

#include "recipes/RecipeCost.h"

#include <algorithm>
#include <cmath>

namespace parvela::recipes {

struct CostReport::Frame {
    std::int64_t code = 0;
    const Node* node = nullptr;
    std::size_t next = 0;
    Expansion sum;
};

CostReport::CostReport(const stock::ProductList& products,
                       const std::vector<RecipeLine>& recipeLines, const StoredCosts& stored) {
    m_nodes.reserve(products.size());
    m_order.reserve(products.size());
    for (const stock::StockDefinition& product : products) {
        const auto [node, added] = m_nodes.try_emplace(product.stcode);
        if (!added)
            continue; // the first of a code wins, as in the other indexes
        node->second.name = product.stname;
        const auto storedCost = stored.find(product.stcode);
        node->second.stored = storedCost == stored.end() ? product.unitcost : storedCost->second;
        m_order.push_back(product.stcode);
    }
    for (const RecipeLine& line : recipeLines) {
        const auto node = m_nodes.find(line.urun);
        if (node == m_nodes.end())
            continue;
        node->second.lines.push_back({line.ingredient, line.qua});
        if (line.ingredient != line.urun)
            node->second.expands = true;
    }
}

const CostReport::Node* CostReport::find(std::int64_t code) const {
    const auto node = m_nodes.find(code);
    return node == m_nodes.end() ? nullptr : &node->second;
}

QString CostReport::nameOf(std::int64_t code) const {
    const Node* node = find(code);
    return QStringLiteral("%1 (%2)").arg(node ? node->name : QString()).arg(code);
}

std::optional<CostReport::Expansion> CostReport::recall(std::int64_t code, const Walk& walk) const {
    const auto known = m_known.find(code);
    if (known == m_known.end())
        return std::nullopt;
    // A cost on a cycle depends on where the descent entered it: a report
    // works its own out.
    if (!known->second.cyclic || !walk.forReport)
        return known->second;
    const auto here = walk.cyclic.find(code);
    return here == walk.cyclic.end() ? std::nullopt : std::optional(here->second);
}

void CostReport::remember(std::int64_t code, Expansion value, Walk& walk) {
    m_known.insert_or_assign(code, value);
    if (value.cyclic)
        walk.cyclic.insert_or_assign(code, value);
}

QString CostReport::cycleText(std::int64_t closing, const Walk& walk) const {
    QStringList names;
    const auto from = std::find(walk.path.begin(), walk.path.end(), closing);
    for (auto code = from; code != walk.path.end(); ++code)
        names << nameOf(*code);
    names << nameOf(closing);
    return QStringLiteral("Döngü: ") + names.join(QStringLiteral(" → "));
}

std::optional<CostReport::Expansion>
CostReport::valueAsIngredient(std::int64_t product, std::int64_t ingredient, Walk& walk) {
    if (ingredient == product)
        return Expansion{}; // lineCost makes it 0
    const Node* node = find(ingredient);
    if (node == nullptr)
        return Expansion{};
    if (!node->expands)
        return Expansion{node->stored, false};
    if (const std::optional<Expansion> known = recall(ingredient, walk))
        return known;
    if (walk.onPath.contains(ingredient)) {
        walk.cycles << cycleText(ingredient, walk);
        return Expansion{node->stored, true};
    }
    return std::nullopt;
}

void CostReport::add(Frame& frame, const Line& line, Expansion value) {
    frame.sum.cost += lineCost(frame.code, line.ingredient, value.cost, line.quantity);
    frame.sum.cyclic = frame.sum.cyclic || value.cyclic;
}

// Depth first without recursion: a long chain of recipes must not use up
// the stack.
CostReport::Expansion CostReport::expand(std::int64_t start, Walk& walk) {
    std::vector<Frame> stack;
    const auto enter = [&](std::int64_t code) {
        stack.push_back(Frame{code, find(code), 0, {}});
        walk.path.push_back(code);
        walk.onPath.insert(code);
    };
    enter(start);
    for (;;) {
        Frame& top = stack.back();
        if (top.next < top.node->lines.size()) {
            const Line& line = top.node->lines[top.next++];
            if (const std::optional<Expansion> value =
                    valueAsIngredient(top.code, line.ingredient, walk))
                add(top, line, *value);
            else
                enter(line.ingredient);
            continue;
        }
        const Expansion done = top.sum;
        walk.onPath.erase(top.code);
        walk.path.pop_back();
        remember(top.code, done, walk);
        stack.pop_back();
        if (stack.empty())
            return done;
        Frame& parent = stack.back();
        add(parent, parent.node->lines[parent.next - 1], done);
    }
}

CostReport::Expansion CostReport::valueOf(std::int64_t product, std::int64_t ingredient,
                                          Walk& walk) {
    const std::optional<Expansion> value = valueAsIngredient(product, ingredient, walk);
    return value ? *value : expand(ingredient, walk);
}

IngredientCost CostReport::costLine(std::int64_t product, const Line& line, Walk& walk) {
    IngredientCost cost;
    cost.code = line.ingredient;
    cost.quantity = line.quantity;
    cost.own = line.ingredient == product;
    const Node* ingredient = find(line.ingredient);
    cost.found = ingredient != nullptr;
    if (ingredient == nullptr)
        return cost;
    cost.name = ingredient->name;
    cost.storedUnitCost = ingredient->stored;
    cost.fullUnitCost = valueOf(product, line.ingredient, walk).cost;
    cost.onePass = lineCost(product, line.ingredient, cost.storedUnitCost, line.quantity);
    cost.full = lineCost(product, line.ingredient, cost.fullUnitCost, line.quantity);
    return cost;
}

std::optional<ProductCost> CostReport::product(std::int64_t code) {
    const Node* node = find(code);
    if (node == nullptr)
        return std::nullopt;
    ProductCost report;
    report.code = code;
    report.name = node->name;
    report.stored = node->stored;
    report.hasRecipe = !node->lines.empty();
    report.ownRecipeOnly = report.hasRecipe && !node->expands;
    Walk walk;
    walk.forReport = true;
    walk.path.push_back(code);
    walk.onPath.insert(code);
    double full = 0;
    for (const Line& line : node->lines) {
        IngredientCost cost = costLine(code, line, walk);
        report.onePass += cost.onePass;
        full += cost.full;
        report.ingredients.push_back(std::move(cost));
    }
    report.full = node->expands ? full : node->stored;
    report.cycles = walk.cycles;
    report.cycles.removeDuplicates();
    return report;
}

StaleList CostReport::staleCosts() {
    StaleList list;
    Walk walk;
    for (const std::int64_t code : m_order) {
        const Node& node = m_nodes.at(code);
        if (!node.expands)
            continue;
        const std::optional<Expansion> known = recall(code, walk);
        const Expansion value = known ? *known : expand(code, walk);
        if (value.cyclic)
            ++list.onCycles;
        else if (std::abs(value.cost - node.stored) > kStaleTolerance)
            list.products.push_back({code, node.name, node.stored, value.cost});
    }
    return list;
}

} // namespace parvela::recipes
