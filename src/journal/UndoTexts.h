#pragma once

#include "journal/ChangeHistory.h"
#include "records/Catalogue.h"

#include <QString>
#include <string>
#include <vector>

// What "Geri Al" and the undo verbs say, in the same words.
namespace parvela::journal {

// The product's name in the catalogue; empty when it has none.
QString productName(const std::string& code, const stock::Catalogue& catalogue);

// One line per product: its code and, when the catalogue has it, its name.
QString productLines(const std::vector<std::string>& codes, const stock::Catalogue& catalogue);

// The question before products changed since are overwritten.
QString changedSinceQuestion(const UndoResult& result, const stock::Catalogue& catalogue);

// What an undo did, or why it did not.
QString undoReport(const UndoResult& result, const stock::Catalogue& catalogue);

// "12 ürün" and, for a change taken back, its mark.
QString productCount(const JournalEntry& entry);

} // namespace parvela::journal
