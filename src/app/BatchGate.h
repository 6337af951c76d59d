#pragma once

#include "app/BatchCommands.h"

namespace parvela::app {

class CatalogData;

// --stop-on-errors of the verbs that send the catalogue out.
extern const QCommandLineOption kStopOnErrors;

// Before a verb sends the catalogue out: the count of the catalogue check's
// errors goes to standard error; true to go on (always, unless
// --stop-on-errors was given).
bool catalogueGoOn(BatchRun& run, CatalogData& catalog, const QString& caption);

} // namespace parvela::app
