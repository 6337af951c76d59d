#include "app/BatchGate.h"

#include "app/CatalogueCheckRun.h"
#include "app/CatalogueGate.h"
#include "platform/MachineInfo.h"
#include "platform/StreamMessageBoxes.h"

#include <QCommandLineParser>

namespace parvela::app {

const QCommandLineOption
    kStopOnErrors(QStringLiteral("stop-on-errors"),
                  QStringLiteral("Do nothing when the catalogue check finds an error (see lint)."));

bool catalogueGoOn(BatchRun& run, CatalogData& catalog, const QString& caption) {
    const int errors =
        catalogueErrorsNow(catalog, platform::MachineInfo::ofThisComputer(run.settings));
    if (errors == 0)
        return true;
    const bool stopping = run.options.isSet(kStopOnErrors);
    run.boxes.tell(errorsNotice(errors, stopping), caption);
    return !stopping;
}

} // namespace parvela::app
