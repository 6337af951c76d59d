#pragma once

#include "records/StockDefinition.h"

#include <QString>
#include <vector>

namespace parvela::db {
class StatementRunner;
}

// "ÜRÜNE AİT NOT / ÖZELLİK": the notes a waiter can pick for a product.
// Notes are only ever added here.
namespace parvela::stock {

inline constexpr int kNoteChars = 255;

struct ProductNote {
    int id = 0;
    int acode = 0;
    int bcode = 0;
    StockCode fcode = 0;
    QString name;
    int code = 0;
};

// The product's notes; the count, or -1 after a reported failure.
int readNotes(const db::StatementRunner& runner, StockCode code, std::vector<ProductNote>& notes);
// A new note under the product's Group A and B; false after a failure box.
bool addNote(const db::StatementRunner& runner, const StockDefinition& product,
             const QString& text);

} // namespace parvela::stock
