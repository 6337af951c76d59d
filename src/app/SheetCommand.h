#pragma once

#include "app/BatchCommands.h"

namespace parvela::app {

// "import FILE [--no-header] [--sheet N] [--dry-run]": the delivery
// platform's menu sheet as new products, as "YemekSepeti Menü" does; the
// preview alone with --dry-run.
BatchCommand importCommand();
// "export [FILE]": the catalogue in the platform's product table, by default
// excelstok.xlsx in the documents folder.
BatchCommand exportCommand();

} // namespace parvela::app
