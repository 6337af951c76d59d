#pragma once

#include "recipes/RecipeContext.h"

#include <QString>

class QObject;

namespace parvela::recipes {

// The three fields of "RECETE URUN MIKTARI DEĞİŞTİR".
struct QuantityForm {
    QString ingredient;
    QString quantity;
    QString unitcost;
};

// Changes the quantity of one recipe line and the unit cost of its
// ingredient, as the user typed them.
class QuantityChange {
public:
    QuantityChange(RecipeContext& context, const RecipeLine& line);

    // The quantity with the decimals of the ingredient's unit, the unit cost
    // with three.
    const QuantityForm& shown() const { return m_shown; }
    // Writes both and reads the products and the recipes again; false (and
    // nothing written) when a field holds no number. A field left as shown
    // keeps the value it stands for, which its decimals may round.
    bool apply(const QuantityForm& typed, QObject* owner);

private:
    bool write(double quantity, double unitcost);

    RecipeContext& m_context;
    RecipeLine m_line;
    QuantityForm m_shown;
};

} // namespace parvela::recipes
