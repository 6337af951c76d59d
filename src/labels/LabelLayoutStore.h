#pragma once

namespace parvela::db {
class StatementRunner;
}

// The label layout's two single-row tables of schema barcode.
namespace parvela::labels {

struct LabelLayout;

// "READ_BARCODE_SETTINGS" and "READ_BARCODE_SETTINGS_X": the first row of
// each; fields stay as they were when the read fails or finds no row.
// False after a failure (reported).
bool readLabelLayout(const db::StatementRunner& runner, LabelLayout& layout);
bool readLabelLayoutExtra(const db::StatementRunner& runner, LabelLayout& layout);
// Both reads; the dates' texts follow the dates read. False when either
// failed (reported).
bool reloadLabelLayout(const db::StatementRunner& runner, LabelLayout& layout);

// "UPDATE_BARCODE_SETTINGS" and "UPDATE_BARCODE_SETTINGS_X" on the row with
// Id 1. False after a failure (reported).
bool saveLabelLayout(const db::StatementRunner& runner, const LabelLayout& layout);
bool saveLabelLayoutExtra(const db::StatementRunner& runner, const LabelLayout& layout);

} // namespace parvela::labels
